#include "SlotList.h"

#include <QListWidget>
#include <QVBoxLayout>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "RecordField.h"
#include "RecordLine.h"
#include "SlotPickerDlg.h"
#include "SlotPickerKind.h"
#include "gui/MessageBox.h"

CSlotList::CSlotList(const SlotPickerKind& kind, const CVentryDoc& doc, QWidget* pParent)
    : QGroupBox(QString::fromLatin1(kind.pszGroupCaption), pParent),
      m_kind(kind),
      m_doc(doc),
      m_slots(static_cast<std::size_t>(kind.nSlotCount), 0) {
    m_pList = new QListWidget(this);
    m_pList->setObjectName(QString::number(kind.nObjectListId));
    m_pList->setFixedSize(m_pList->fontMetrics().horizontalAdvance(QString(34, 'x')),
                          m_pList->fontMetrics().height() * 7);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pList);
    connect(m_pList, &QListWidget::itemDoubleClicked, this, [this] { OnDoubleClick(); });
}

void CSlotList::Load(const std::uint8_t* pRecord) {
    for (std::size_t nSlot = 0; nSlot < m_slots.size(); ++nSlot) {
        m_slots[nSlot] = pRecord == nullptr ? std::int16_t{0}
                                            : RecordField::Get<std::int16_t>(
                                                  pRecord, m_kind.nArrayOffset + 2 * nSlot);
    }
    setEnabled(pRecord != nullptr);
    Refill();
}

void CSlotList::Store(std::uint8_t* pImage) const {
    for (std::size_t nSlot = 0; nSlot < m_slots.size(); ++nSlot) {
        RecordField::Set(pImage, m_kind.nArrayOffset + 2 * nSlot, m_slots[nSlot]);
    }
}

void CSlotList::Refill() {
    m_pList->clear();
    for (std::size_t nSlot = 0; nSlot < m_slots.size(); ++nSlot) {
        std::int16_t& nValue = m_slots[nSlot];
        const std::uint8_t* pRecord =
            nValue == 0 ? nullptr : m_kind.pfnFind(m_doc, static_cast<std::uint16_t>(nValue));
        if (pRecord != nullptr) {
            const auto* pName = reinterpret_cast<const char*>(pRecord + m_kind.nListNameOffset);
            const std::string line = RecordLine::Format(
                nValue, std::string_view(pName, strnlen(pName, m_kind.nListNameWidth)));
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
