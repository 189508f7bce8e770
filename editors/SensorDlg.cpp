#include "SensorDlg.h"

#include "SensorFields.h"

namespace {

constexpr NewText kNewTexts[] = {{"name", "My new Sensor"}, {"display_name", "HandMade Sensor"}};

const EditorDescription kSensorEditor = {
    .database = Database::Sensor,
    .nTemplateId = 139,
    .pszCaption = "Sensor Dialog",
    .nListId = 1118,
    .pszNewCaption = "New Sensor",
    .newTexts = kNewTexts,
    .pszSearchCaption = nullptr,
    .pBoxFilter = &kSensorClassFilter,
    .boxValue = EBoxValue::OwnField,
    .boxValueField = "sensor_class",
    .bListsOtherValues = false,
    .pszNeverListed =
        "Sensor %u has the sensor class %d: the sensor list shows only the classes 1 to 11.",
    .lineSuffixField = "display_name",
    .bCloseBox = true,
    .fields = SensorFields::kFields,
    .groups = SensorFields::kGroups,
};

}  // namespace

CSensorDlg::CSensorDlg(QWidget* pParent, CVentryDoc& doc)
    : CEditorDlg(pParent, doc, kSensorEditor) {}
