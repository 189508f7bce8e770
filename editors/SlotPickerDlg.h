#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "gui/Dialog.h"

class CVentryDoc;
class QListWidget;
class QListWidgetItem;
struct SlotPickerKind;

// Fills one slot array of an object from a database, modally: the slots on the left, the
// database's records on the right, a double-click on a record puts it into the selected
// slot. It changes no record; the caller reads the array when the picker ends with OK.
class CSlotPickerDlg final : public CDialog {
public:
    CSlotPickerDlg(QWidget* pParent, const CVentryDoc& doc, const SlotPickerKind& kind);

    // Before the run: the caller's values. After OK: the picked ones.
    std::vector<std::int16_t> m_slots;

    // Runs a picker on values and writes the picked values back only when it ends with OK.
    static bool PickSlots(QWidget* pParent, const CVentryDoc& doc, const SlotPickerKind& kind,
                          std::span<std::int16_t> values);

protected:
    void OnInitDialog() override;
    void OnOK() override;

private:
    QListWidgetItem* MakeLine(int nIndex, const std::uint8_t* pRecord) const;
    void FillDatabaseList();
    void FillSlotList();
    void BuildLayout();
    void OnSlotSelected();
    void OnDatabaseDoubleClick(const QListWidgetItem& line);

    const CVentryDoc& m_doc;
    const SlotPickerKind& m_kind;
    QListWidget* m_pSlotList = nullptr;
    QListWidget* m_pDatabaseList = nullptr;
};
