#include "OpenReferenceAction.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QMenu>

#include "Resource.h"
#include "VentryDoc.h"

QAction* AddOpenReferenceAction(QWidget& control, const CVentryDoc& doc, Database database,
                                CReferencedKey referenced) {
    auto* pAction = new QAction(QStringLiteral("Open Referenced Record"), &control);
    pAction->setObjectName(QString::number(ID_OPEN_REFERENCED_RECORD));
    QObject::connect(pAction, &QAction::triggered, &control, [&doc, database, referenced] {
        if (const std::optional<std::uint16_t> nKey = referenced()) {
            doc.OpenRecord(database, *nKey);
        }
    });
    control.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&control, &QWidget::customContextMenuRequested, &control,
                     [&control, pAction, referenced](const QPoint& position) {
                         // A scroll area reports where its viewport was clicked.
                         const auto* pArea = qobject_cast<QAbstractScrollArea*>(&control);
                         const QWidget* pAt = pArea != nullptr ? pArea->viewport() : &control;
                         pAction->setEnabled(referenced().has_value());
                         QMenu::exec({pAction}, pAt->mapToGlobal(position), nullptr, &control);
                     });
    return pAction;
}
