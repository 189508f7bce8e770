#include "FormView.h"

#include <QFontMetrics>

namespace {

// Dialog units scale with the dialog font: four per average character width, eight per
// character height.
QSize DialogUnitsToPixels(const QFont& font, int cx, int cy) {
    const QFontMetrics metrics(font);
    const int baseX = (metrics.horizontalAdvance(
                           QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                           26 +
                       1) /
                      2;
    const int baseY = metrics.height();
    return {cx * baseX / 4, cy * baseY / 8};
}

}  // namespace

CFormView::CFormView(unsigned nIDTemplate, int cxDialogUnits, int cyDialogUnits) {
    auto* form = new QWidget;
    form->setObjectName(QString::number(nIDTemplate));
    form->setFixedSize(DialogUnitsToPixels(font(), cxDialogUnits, cyDialogUnits));
    setWidget(form);
}

void CFormView::ResizeParentToFit() {
    QWidget* frame = window();
    const QSize client = viewport()->size();
    const QSize target = client.boundedTo(widget()->size());
    frame->resize(frame->size() + (target - client));
}
