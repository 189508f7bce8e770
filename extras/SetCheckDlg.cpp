#include "SetCheckDlg.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "Resource.h"
#include "VentryDoc.h"
#include "gui/PushButton.h"

CSetCheckDlg::CSetCheckDlg(CVentryDoc& doc, QWidget* pParent)
    : CDialog(IDD_SET_CHECK, "Set Check", pParent, CloseBox::With),
      m_doc(doc),
      m_follower(doc, *this, [this] { Check(); }) {}

void CSetCheckDlg::OnInitDialog() {
    auto* pLayout = new QVBoxLayout(this);
    m_pList = new QListWidget(this);
    m_pList->setObjectName(QString::number(IDC_FINDINGS));
    m_pList->setUniformItemSizes(true);
    m_pList->setMinimumSize(m_pList->fontMetrics().horizontalAdvance(QString(80, 'x')),
                            m_pList->fontMetrics().height() * 16);
    pLayout->addWidget(m_pList);
    connect(m_pList, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* pItem) { OnDoubleClick(m_pList->row(pItem)); });
    auto* pButtons = new QHBoxLayout;
    pLayout->addLayout(pButtons);
    pButtons->addStretch(1);
    connect(AddPushButton(*pButtons, this, IDC_CHECK_AGAIN, QStringLiteral("Check Again")),
            &QPushButton::clicked, this, [this] { Check(); });
    connect(AddPushButton(*pButtons, this, IDC_CLOSE, QStringLiteral("Close")),
            &QPushButton::clicked, this, [this] { hide(); });
}

void CSetCheckDlg::Check() {
    Create();
    m_findings = CheckSet(m_doc);
    m_pList->clear();
    for (const CFinding& finding : m_findings) {
        m_pList->addItem(QString::fromStdString(FormatFinding(m_doc, finding)));
    }
    if (m_findings.empty()) {
        m_pList->addItem(QStringLiteral("No problems found."));
    }
    FitToLines();
}

// Wide enough for the longest line, as far as the screen allows; never narrower than it is.
void CSetCheckDlg::FitToLines() {
    int nLongest = 0;
    for (int nRow = 0; nRow < m_pList->count(); ++nRow) {
        nLongest = std::max(nLongest,
                            m_pList->fontMetrics().horizontalAdvance(m_pList->item(nRow)->text()));
    }
    const QMargins margins = layout()->contentsMargins();
    // 8: the items' own margins.
    const int nWanted = nLongest + 8 + 2 * m_pList->frameWidth() +
                        style()->pixelMetric(QStyle::PM_ScrollBarExtent) + margins.left() +
                        margins.right();
    const QSize current = isVisible() ? size() : sizeHint();
    const int nScreen = screen()->availableGeometry().width() * 9 / 10;
    resize(std::max(current.width(), std::min(nWanted, nScreen)), current.height());
}

void CSetCheckDlg::OnDoubleClick(int nRow) const {
    if (nRow < 0 || static_cast<std::size_t>(nRow) >= m_findings.size()) {
        return;
    }
    const CFinding& finding = m_findings[static_cast<std::size_t>(nRow)];
    // A finding of a whole file names no record.
    if (finding.nIndex >= 0) {
        m_doc.OpenRecord(finding.database, finding.nKey);
    }
}
