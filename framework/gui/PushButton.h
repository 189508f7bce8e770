#pragma once

#include <QBoxLayout>
#include <QPushButton>
#include <QString>

// A push button that tests and automation find by its resource id. Enter does not press it:
// Enter belongs to the dialog's default button alone.
inline QPushButton* CreatePushButton(QWidget* pParent, int nId, const QString& caption) {
    auto* pButton = new QPushButton(caption, pParent);
    pButton->setObjectName(QString::number(nId));
    pButton->setAutoDefault(false);
    return pButton;
}

// The same, placed at the end of row.
inline QPushButton* AddPushButton(QBoxLayout& row, QWidget* pParent, int nId,
                                  const QString& caption) {
    QPushButton* pButton = CreatePushButton(pParent, nId, caption);
    row.addWidget(pButton);
    return pButton;
}
