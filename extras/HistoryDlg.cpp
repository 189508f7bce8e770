#include "HistoryDlg.h"

#include <QListWidget>
#include <QVBoxLayout>

#include "Resource.h"
#include "VentryDoc.h"

CHistoryDlg::CHistoryDlg(CVentryDoc& doc, std::function<void(std::size_t nPosition)> moveTo,
                         QWidget* pParent)
    : CDialog(IDD_HISTORY, "History", pParent, CloseBox::With),
      m_doc(doc),
      m_moveTo(std::move(moveTo)),
      m_follower(doc, *this, [this] { Refill(); }) {}

void CHistoryDlg::OnInitDialog() {
    auto* pLayout = new QVBoxLayout(this);
    m_pList = new QListWidget(this);
    m_pList->setObjectName(QString::number(IDC_HISTORY));
    m_pList->setMinimumSize(m_pList->fontMetrics().horizontalAdvance(QString(48, 'x')),
                            m_pList->fontMetrics().height() * 14);
    pLayout->addWidget(m_pList);
    connect(m_pList, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* pItem) {
        m_moveTo(static_cast<std::size_t>(m_pList->row(pItem)));
    });
}

void CHistoryDlg::Refill() {
    Create();
    const CSetHistory& history = m_doc.History();
    m_pList->clear();
    m_pList->addItem(QStringLiteral("Set as loaded"));
    for (std::size_t nStep = 0; nStep < history.Count(); ++nStep) {
        auto* pItem = new QListWidgetItem(QString::fromStdString(history.Step(nStep).Title()));
        if (nStep >= history.Position()) {
            pItem->setForeground(palette().brush(QPalette::Disabled, QPalette::Text));
        }
        m_pList->addItem(pItem);
    }
    m_pList->setCurrentRow(static_cast<int>(history.Position()));
}
