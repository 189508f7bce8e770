#include "SlotList.h"

#include <QListWidget>
#include <QVBoxLayout>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "OpenReferenceAction.h"
#include "RecordField.h"
#include "RecordLine.h"
#include "SlotPickerDlg.h"
#include "SlotPickerKind.h"
#include "VentryDoc.h"
#include "gui/MessageBox.h"

CSlotList::CSlotList(const SlotPickerKind& kind, const CVentryDoc& doc, QWidget* pParent)
    : QGroupBox(QString::fromLatin1(kind.pszGroupCaption), pParent),
      m_kind(kind),
      m_doc(doc),
      m_slots(static_cast<std::size_t>(kind.SlotCount()), 0) {
    m_pList = new QListWidget(this);
    m_pList->setObjectName(QString::number(kind.nObjectListId));
    m_pList->setFixedSize(m_pList->fontMetrics().horizontalAdvance(QString(34, 'x')),
                          m_pList->fontMetrics().height() * 7);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pList);
    connect(m_pList, &QListWidget::itemDoubleClicked, this, [this] { OnDoubleClick(); });
    AddOpenReferenceAction(*m_pList, m_doc, kind.database, [this] { return CurrentSlotKey(); });
}

std::optional<std::uint16_t> CSlotList::CurrentSlotKey() const {
    const int nRow = m_pList->currentRow();
    // Refill has emptied every slot whose record is missing.
    if (nRow < 0 || nRow >= static_cast<int>(m_slots.size()) ||
        m_slots[static_cast<std::size_t>(nRow)] == 0) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(m_slots[static_cast<std::size_t>(nRow)]);
}

void CSlotList::Load(const std::uint8_t* pRecord) {
    for (std::size_t nSlot = 0; nSlot < m_slots.size(); ++nSlot) {
        m_slots[nSlot] = pRecord == nullptr ? std::int16_t{0}
                                            : RecordField::Get<std::int16_t>(
                                                  pRecord, m_kind.slotArray.ElementOffset(nSlot));
    }
    setEnabled(pRecord != nullptr);
    Refill();
}

void CSlotList::Store(std::uint8_t* pImage) const {
    for (std::size_t nSlot = 0; nSlot < m_slots.size(); ++nSlot) {
        RecordField::Set(pImage, m_kind.slotArray.ElementOffset(nSlot), m_slots[nSlot]);
    }
}

void CSlotList::Refill() {
    m_pList->clear();
    const CRecordTable& records = m_doc.Records(m_kind.database);
    for (std::size_t nSlot = 0; nSlot < m_slots.size(); ++nSlot) {
        std::int16_t& nValue = m_slots[nSlot];
        const std::uint8_t* pRecord =
            nValue == 0 ? nullptr : records.Find(static_cast<std::uint16_t>(nValue));
        if (pRecord != nullptr) {
            const std::string line = RecordLine::Format(
                nValue, RecordField::GetText(pRecord, records.NameOffset(), records.NameWidth()));
            m_pList->addItem(QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size())));
            continue;
        }
        if (nValue != 0) {
            char warning[160];
            std::snprintf(warning, sizeof warning, m_kind.pszMissingFormat, nValue,
                          static_cast<int>(nSlot));
            AfxShowMessageBox(warning);
            nValue = 0;
        }
        m_pList->addItem(QStringLiteral("Empty Slot"));
    }
}

void CSlotList::OnDoubleClick() {
    CSlotPickerDlg::PickSlots(window(), m_doc, m_kind, m_slots);
    Refill();
}
