#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

class CVentryDoc;

// One kind of an object's reference slots (sensor, launcher, airstrip) as data: where the
// array lies in the object record, the Object editor's list and warning, the picker's
// template, and the database the slots refer to. The three kinds differ in nothing else.
struct SlotPickerKind {
    using RecordVisitor = std::function<void(std::uint16_t nKey, const std::uint8_t* pRecord)>;

    int nSlotCount;
    std::uint16_t nArrayOffset;  // in the object record, nSlotCount signed 16-bit values

    // The Object editor's list of the slots.
    int nObjectListId;
    const char* pszGroupCaption;
    const char* pszMissingFormat;  // slot value, slot position
    std::size_t nListNameOffset;
    std::size_t nListNameWidth;

    // The picker.
    int nTemplateId;
    const char* pszCaption;
    int nSlotListId;
    int nDatabaseListId;
    std::size_t nPickerNameOffset;
    std::size_t nPickerNameWidth;

    // The database, keyed by record index.
    const std::uint8_t* (*pfnFind)(const CVentryDoc& doc, std::uint16_t nKey);
    void (*pfnForEach)(const CVentryDoc& doc, const RecordVisitor& visit);
};

namespace SlotPickerKinds {

extern const SlotPickerKind kSensor;
extern const SlotPickerKind kLauncher;
extern const SlotPickerKind kAirstrip;

}  // namespace SlotPickerKinds
