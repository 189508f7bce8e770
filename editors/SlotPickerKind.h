#pragma once

#include <cstddef>
#include <cstdint>

#include "RecordLayout.h"

// One kind of an object's reference slots (sensor, launcher, airstrip) as data: the array in
// the object record, the Object editor's list and warning, the picker's template, and the
// database the slots refer to. The three kinds differ in nothing else.
struct SlotPickerKind {
    LayoutField slotArray;  // in the object record: signed 16-bit record indices
    Database database;

    // The Object editor's list of the slots; it names records by their name field.
    int nObjectListId;
    const char* pszGroupCaption;
    const char* pszMissingFormat;  // slot value, slot position

    // The picker, which names records by pickerName.
    int nTemplateId;
    const char* pszCaption;
    int nSlotListId;
    int nDatabaseListId;
    LayoutField pickerName;

    int SlotCount() const { return slotArray.nCount; }
};

namespace SlotPickerKinds {

extern const SlotPickerKind kSensor;
extern const SlotPickerKind kLauncher;
extern const SlotPickerKind kAirstrip;

}  // namespace SlotPickerKinds
