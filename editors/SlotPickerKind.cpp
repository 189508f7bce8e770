#include "SlotPickerKind.h"

#include "RecordLayouts.h"

namespace SlotPickerKinds {

const SlotPickerKind kSensor = {
    .slotArray = ObjectLayout::kLayout.Field("sensor_slots"),
    .database = Database::Sensor,
    .nObjectListId = 1117,
    .pszGroupCaption = "Sensor Slots",
    .pszMissingFormat =
        "SensorID: %d not in Sensor Database!\nSensorArray[%d](ZB) will be deleted on Apply",
    .nTemplateId = 151,
    .pszCaption = "Sensor Slots",
    .nSlotListId = 1002,
    .nDatabaseListId = 1182,
    // A sensor's picker line shows its display name rather than its long name.
    .pickerName = SensorLayout::kLayout.Field("display_name"),
};

const SlotPickerKind kLauncher = {
    .slotArray = ObjectLayout::kLayout.Field("launcher_slots"),
    .database = Database::Launcher,
    .nObjectListId = 1209,
    .pszGroupCaption = "Launcher Slots",
    .pszMissingFormat =
        "LauncherID: %d not in Launcher Database!\nLauncherArray[%d](ZB) will be "
        "deleted on Apply",
    .nTemplateId = 152,
    .pszCaption = "Launcher Slots",
    .nSlotListId = 1185,
    .nDatabaseListId = 1186,
    .pickerName = LauncherLayout::kLayout.NameField(),
};

const SlotPickerKind kAirstrip = {
    .slotArray = ObjectLayout::kLayout.Field("airstrip_slots"),
    .database = Database::Airstrip,
    .nObjectListId = 1208,
    .pszGroupCaption = "Airstrip Slots (not implemented yet)",
    .pszMissingFormat =
        "AirstripID: %d not in Airstrip Database!\nAirstripArray[%d](ZB) will be "
        "deleted on Apply",
    .nTemplateId = 154,
    .pszCaption = "Airstrip Slots",
    .nSlotListId = 1192,
    .nDatabaseListId = 1193,
    .pickerName = AirstripLayout::kLayout.NameField(),
};

}  // namespace SlotPickerKinds
