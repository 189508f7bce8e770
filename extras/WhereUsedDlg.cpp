#include "WhereUsedDlg.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "RecordField.h"
#include "RecordLayouts.h"
#include "ReferenceIndex.h"
#include "Resource.h"
#include "VentryDoc.h"

namespace {

// The record's name as stored; empty when there is no such record.
QString NameOf(const CRecordTable& records, std::uint16_t nKey) {
    const std::uint8_t* pRecord = records.Find(nKey);
    return pRecord == nullptr ? QString()
                              : QString::fromLatin1(RecordField::GetText(
                                    pRecord, records.NameOffset(), records.NameWidth()));
}

}  // namespace

CWhereUsedDlg::CWhereUsedDlg(CVentryDoc& doc, QWidget* pParent)
    : CDialog(IDD_WHERE_USED, "Where Used", pParent, CloseBox::With),
      m_doc(doc),
      m_follower(doc, *this, [this] { Refill(); }) {}

void CWhereUsedDlg::OnInitDialog() {
    auto* pLayout = new QVBoxLayout(this);
    m_pTarget = new QLabel(this);
    pLayout->addWidget(m_pTarget);
    m_pList = new QListWidget(this);
    m_pList->setObjectName(QString::number(IDC_REFERRERS));
    m_pList->setMinimumSize(m_pList->fontMetrics().horizontalAdvance(QString(60, 'x')),
                            m_pList->fontMetrics().height() * 12);
    pLayout->addWidget(m_pList);
    connect(m_pList, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* pItem) { OnDoubleClick(m_pList->row(pItem)); });
}

void CWhereUsedDlg::ShowFor(Database database, std::uint16_t nKey) {
    Create();
    m_database = database;
    m_nKey = nKey;
    Refill();
}

void CWhereUsedDlg::Refill() {
    m_pList->clear();
    m_referrers.clear();
    // Records are named by the indices a save writes them under.
    const CReferenceIndex references(m_doc);
    const CSetLookup& lookup = references.Lookup();
    const std::uint16_t nIndex = lookup.IndexOf(m_database, m_nKey);
    for (const CReference& reference : references.To(m_database, nIndex)) {
        const CRecordTable& from = m_doc.Records(reference.From());
        m_pList->addItem(QStringLiteral("%1: %2: %3 (%4)")
                             .arg(QString::fromLatin1(from.Layout().name))
                             .arg(lookup.IndexOf(reference.From(), reference.nFromKey))
                             .arg(NameOf(from, reference.nFromKey))
                             .arg(QString::fromStdString(CReferenceIndex::FieldName(reference))));
        m_referrers.emplace_back(reference.From(), reference.nFromKey);
    }
    // "object 12: Frigate"
    const QString target = QStringLiteral("%1 %2: %3")
                               .arg(QString::fromLatin1(LayoutOf(m_database).name))
                               .arg(nIndex)
                               .arg(NameOf(m_doc.Records(m_database), m_nKey));
    m_pTarget->setText(m_referrers.empty()
                           ? QStringLiteral("No record refers to %1.").arg(target)
                           : QStringLiteral("Records that refer to %1:").arg(target));
}

void CWhereUsedDlg::OnDoubleClick(int nRow) const {
    if (nRow >= 0 && static_cast<std::size_t>(nRow) < m_referrers.size()) {
        const auto& [database, nKey] = m_referrers[static_cast<std::size_t>(nRow)];
        m_doc.OpenRecord(database, nKey);
    }
}
