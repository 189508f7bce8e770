#include "FilterDlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "Resource.h"
#include "core/AppServices.h"
#include "gui/DataExchangeLatin1.h"

CFilterDlg::CFilterDlg(QWidget* pParent)
    : CDialog(IDD_FILTER, "Filter Dialog", pParent, CloseBox::With) {}

void CFilterDlg::OnInitDialog() {
    auto* pGrid = new QGridLayout(this);
    pGrid->addWidget(new QLabel(QStringLiteral("Define Filter:"), this), 0, 0);
    m_pEdit = new QLineEdit(this);
    m_pEdit->setObjectName(QString::number(kEditId));
    m_pEdit->setAccessibleName(QStringLiteral("Define Filter"));
    // Record texts are single bytes, so other characters could never match.
    m_pEdit->setValidator(new CLatin1Validator(m_pEdit));
    m_pEdit->setMinimumWidth(m_pEdit->fontMetrics().horizontalAdvance(QString(24, 'x')));
    pGrid->addWidget(m_pEdit, 0, 1);

    auto* pHints = new QGroupBox(this);
    auto* pHintLayout = new QVBoxLayout(pHints);
    pHintLayout->addWidget(new QLabel(QStringLiteral("No Wildcards allowed"), pHints));
    pHintLayout->addWidget(new QLabel(QStringLiteral("Hit Ok to remove Filter"), pHints));
    pGrid->addWidget(pHints, 1, 0, 1, 2);

    pGrid->addLayout(
        CreateOkCancel(Qt::Vertical, QStringLiteral("OK"), QStringLiteral("Abbrechen")), 0, 2, 2,
        1);
}

void CFilterDlg::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, *m_pEdit, m_strFilter);
}

void CFilterDlg::showEvent(QShowEvent* pEvent) {
    CDialog::showEvent(pEvent);
    activateWindow();
    m_pEdit->setFocus();
    m_pEdit->deselect();
    m_pEdit->setCursorPosition(0);
}
