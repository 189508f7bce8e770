#include "FindInSetDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "Resource.h"
#include "VentryDoc.h"

CFindInSetDlg::CFindInSetDlg(CVentryDoc& doc, QWidget* pParent)
    : CDialog(IDD_FIND_IN_SET, "Find in Set", pParent, CloseBox::With),
      m_doc(doc),
      m_follower(doc, *this, [this] { Refill(); }) {}

void CFindInSetDlg::OnInitDialog() {
    auto* pLayout = new QVBoxLayout(this);
    auto* pQueryRow = new QHBoxLayout;
    pLayout->addLayout(pQueryRow);
    m_pQuery = new QLineEdit(this);
    m_pQuery->setObjectName(QString::number(IDC_FIND_QUERY));
    m_pQuery->setAccessibleName(QStringLiteral("Find"));
    m_pQuery->setPlaceholderText(QStringLiteral("A name, a text or a number"));
    auto* pLabel = new QLabel(QStringLiteral("Fi&nd:"), this);
    pLabel->setBuddy(m_pQuery);
    auto* pFind = new QPushButton(QStringLiteral("Find"), this);
    pFind->setObjectName(QString::number(IDC_FIND));
    pFind->setDefault(true);
    pQueryRow->addWidget(pLabel);
    pQueryRow->addWidget(m_pQuery, 1);
    pQueryRow->addWidget(pFind);
    m_pResults = new QListWidget(this);
    m_pResults->setObjectName(QString::number(IDC_FIND_RESULTS));
    m_pResults->setUniformItemSizes(true);
    m_pResults->setMinimumSize(m_pResults->fontMetrics().horizontalAdvance(QString(60, 'x')),
                               m_pResults->fontMetrics().height() * 16);
    pLayout->addWidget(m_pResults, 1);
    m_pSummary = new QLabel(this);
    m_pSummary->setObjectName(QString::number(IDC_FIND_SUMMARY));
    pLayout->addWidget(m_pSummary);
    m_pQuery->setFocus();
    connect(pFind, &QPushButton::clicked, this, [this] { OnFind(); });
    connect(m_pResults, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* pItem) { OnDoubleClick(m_pResults->row(pItem)); });
}

void CFindInSetDlg::OnFind() {
    m_strQuery = m_pQuery->text().toStdString();
    Refill();
}

void CFindInSetDlg::Refill() {
    Create();
    m_pResults->clear();
    m_matches.clear();
    if (m_strQuery.empty()) {
        m_pSummary->clear();
        return;
    }
    m_matches = FindInSet(m_doc, {m_strQuery});
    const std::size_t nShown = std::min(m_matches.size(), kMaxLines);
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(nShown));
    for (std::size_t i = 0; i < nShown; ++i) {
        lines.append(QString::fromStdString(FormatMatch(m_doc, m_matches[i])));
    }
    m_pResults->addItems(lines);
    const QString query = QString::fromStdString(m_strQuery);
    if (m_matches.empty()) {
        m_pSummary->setText(QStringLiteral("Nothing holds \"%1\".").arg(query));
    } else if (nShown < m_matches.size()) {
        m_pSummary->setText(QStringLiteral("The first %1 of %2 fields that hold \"%3\".")
                                .arg(nShown)
                                .arg(m_matches.size())
                                .arg(query));
    } else {
        m_pSummary->setText(QStringLiteral("%1 %2 \"%3\".")
                                .arg(m_matches.size())
                                .arg(m_matches.size() == 1 ? QStringLiteral("field holds")
                                                           : QStringLiteral("fields hold"))
                                .arg(query));
    }
}

void CFindInSetDlg::OnDoubleClick(int nRow) const {
    if (nRow >= 0 && static_cast<std::size_t>(nRow) < m_matches.size()) {
        const CFindMatch& match = m_matches[static_cast<std::size_t>(nRow)];
        m_doc.OpenRecord(match.database, match.nKey);
    }
}
