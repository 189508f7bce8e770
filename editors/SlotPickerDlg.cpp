#include "SlotPickerDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "SlotPickerKind.h"
#include "VentryDoc.h"
#include "core/AppServices.h"

namespace {

QString Latin1Line(const char* pszText, int nLength) {
    return QString::fromLatin1(pszText, std::clamp(nLength, 0, 79));
}

}  // namespace

CSlotPickerDlg::CSlotPickerDlg(QWidget* pParent, const CVentryDoc& doc, const SlotPickerKind& kind)
    : CDialog(kind.nTemplateId, kind.pszCaption, pParent, CloseBox::With),
      m_slots(static_cast<std::size_t>(kind.SlotCount()), 0),
      m_doc(doc),
      m_kind(kind) {}

bool CSlotPickerDlg::PickSlots(QWidget* pParent, const CVentryDoc& doc, const SlotPickerKind& kind,
                               std::span<std::int16_t> values) {
    CSlotPickerDlg picker(pParent, doc, kind);
    std::copy(values.begin(), values.end(), picker.m_slots.begin());
    if (picker.DoModal() != IDOK) {
        return false;
    }
    std::copy(picker.m_slots.begin(), picker.m_slots.end(), values.begin());
    return true;
}

// "%04d: %s" with the record's name, the record index as the line's value; no record makes
// the empty line, value 0.
QListWidgetItem* CSlotPickerDlg::MakeLine(int nIndex, const std::uint8_t* pRecord) const {
    char line[80];
    int nLength = 0;
    if (pRecord == nullptr) {
        nLength = std::snprintf(line, sizeof line, "%04d: %s", 0, "empty");
        nIndex = 0;
    } else {
        const auto* pName = reinterpret_cast<const char*>(pRecord + m_kind.pickerName.nOffset);
        nLength = std::snprintf(line, sizeof line, "%04d: %.*s", nIndex,
                                static_cast<int>(strnlen(pName, m_kind.pickerName.nWidth)), pName);
    }
    auto* pItem = new QListWidgetItem(Latin1Line(line, nLength));
    pItem->setData(Qt::UserRole, nIndex);
    return pItem;
}

void CSlotPickerDlg::OnInitDialog() {
    m_pSlotList = new QListWidget(this);
    m_pSlotList->setObjectName(QString::number(m_kind.nSlotListId));
    m_pDatabaseList = new QListWidget(this);
    m_pDatabaseList->setObjectName(QString::number(m_kind.nDatabaseListId));
    FillDatabaseList();
    FillSlotList();
    BuildLayout();
    connect(m_pSlotList, &QListWidget::itemSelectionChanged, this, [this] { OnSlotSelected(); });
    connect(m_pDatabaseList, &QListWidget::itemDoubleClicked, this,
            [this](const QListWidgetItem* pLine) { OnDatabaseDoubleClick(*pLine); });
}

// Records in index order under the empty line: the order of their zero-padded lines.
void CSlotPickerDlg::FillDatabaseList() {
    m_pDatabaseList->addItem(MakeLine(0, nullptr));
    m_doc.Records(m_kind.database).ForEach([this](std::uint16_t nKey, const std::uint8_t* pRecord) {
        m_pDatabaseList->addItem(MakeLine(nKey, pRecord));
    });
}

// A slot naming no record of the database shows, and returns, as empty.
void CSlotPickerDlg::FillSlotList() {
    for (const std::int16_t nSlot : m_slots) {
        const auto nKey = static_cast<std::uint16_t>(nSlot);
        const std::uint8_t* pRecord =
            nSlot == 0 ? nullptr : m_doc.Records(m_kind.database).Find(nKey);
        m_pSlotList->addItem(MakeLine(nKey, pRecord));
    }
}

void CSlotPickerDlg::BuildLayout() {
    auto* pMain = new QHBoxLayout(this);

    // The numbers beside the slot list, one per line, so the list shows every slot at once.
    const int nRowHeight = m_pSlotList->sizeHintForRow(0);
    const int nFrame = m_pSlotList->frameWidth();
    m_pSlotList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pSlotList->setFixedHeight(nRowHeight * m_kind.SlotCount() + 2 * nFrame);
    auto* pNumbers = new QVBoxLayout;
    pNumbers->setSpacing(0);
    pNumbers->setContentsMargins(0, nFrame, 0, nFrame);
    for (int nSlot = 1; nSlot <= m_kind.SlotCount(); ++nSlot) {
        char number[16];
        std::snprintf(number, sizeof number, "%02d:", nSlot);
        auto* pLabel = new QLabel(QString::fromLatin1(number), this);
        pLabel->setFixedHeight(nRowHeight);
        pNumbers->addWidget(pLabel);
    }
    pMain->addLayout(pNumbers);
    pMain->setAlignment(pNumbers, Qt::AlignTop);

    const int nListWidth = m_pSlotList->fontMetrics().horizontalAdvance(QString(30, 'x'));
    m_pSlotList->setFixedWidth(nListWidth);
    pMain->addWidget(m_pSlotList, 0, Qt::AlignTop);
    m_pDatabaseList->setFixedWidth(nListWidth);
    // Short slot lists still get a database list that shows a good part of the records.
    m_pDatabaseList->setMinimumHeight(
        std::max(m_pSlotList->height(), nRowHeight * 15 + 2 * nFrame));
    pMain->addWidget(m_pDatabaseList);

    pMain->addLayout(
        CreateOkCancel(Qt::Vertical, QStringLiteral("OK"), QStringLiteral("Abbrechen")));
}

// Shows which record the slot holds: the first line that starts with the slot's "%04d:".
void CSlotPickerDlg::OnSlotSelected() {
    const QList<QListWidgetItem*> selected = m_pSlotList->selectedItems();
    if (selected.isEmpty()) {
        return;
    }
    const QListWidgetItem* pSlot = selected.front();
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "%04d:", pSlot->data(Qt::UserRole).toInt());
    const QList<QListWidgetItem*> found =
        m_pDatabaseList->findItems(QString::fromLatin1(prefix), Qt::MatchStartsWith);
    if (!found.isEmpty()) {
        m_pDatabaseList->setCurrentItem(found.front());
    }
}

void CSlotPickerDlg::OnDatabaseDoubleClick(const QListWidgetItem& line) {
    const QList<QListWidgetItem*> selected = m_pSlotList->selectedItems();
    if (selected.isEmpty()) {
        return;
    }
    QListWidgetItem* pSlot = selected.front();
    pSlot->setText(line.text());
    pSlot->setData(Qt::UserRole, line.data(Qt::UserRole));
}

void CSlotPickerDlg::OnOK() {
    for (int nSlot = 0; nSlot < m_pSlotList->count(); ++nSlot) {
        const int nValue = m_pSlotList->item(nSlot)->data(Qt::UserRole).toInt();
        m_slots[static_cast<std::size_t>(nSlot)] =
            static_cast<std::int16_t>(static_cast<std::uint16_t>(nValue));
    }
    CDialog::OnOK();
}
