#pragma once

#include <QGroupBox>
#include <cstdint>
#include <optional>
#include <vector>

class CVentryDoc;
class QListWidget;
struct SlotPickerKind;

// One slot array of the object being edited: the working copy that Apply writes back, shown
// in its list, and the picker that a double-click runs on it. A slot that names no record
// of its database is reported, shown empty and emptied in the working copy. Its context menu
// opens the record of the current slot.
class CSlotList final : public QGroupBox {
public:
    CSlotList(const SlotPickerKind& kind, const CVentryDoc& doc, QWidget* pParent);

    // Takes the record's slots (none: all empty) and refills the list.
    void Load(const std::uint8_t* pRecord);
    // Writes the working copy into the record image.
    void Store(std::uint8_t* pImage) const;

private:
    void Refill();
    std::optional<std::uint16_t> CurrentSlotKey() const;
    void OnDoubleClick();

    const SlotPickerKind& m_kind;
    const CVentryDoc& m_doc;
    std::vector<std::int16_t> m_slots;
    QListWidget* m_pList = nullptr;
};
