#include "SlotPickerKind.h"

#include "VentryDoc.h"

namespace {

template <class T, CIndexMap<T> CVentryDoc::*pMap>
const std::uint8_t* FindRecord(const CVentryDoc& doc, std::uint16_t nKey) {
    const auto it = (doc.*pMap).find(nKey);
    return it == (doc.*pMap).end() ? nullptr : it->second->m_data.data();
}

template <class T, CIndexMap<T> CVentryDoc::*pMap>
void ForEachRecord(const CVentryDoc& doc, const SlotPickerKind::RecordVisitor& visit) {
    for (const auto& [nKey, pRecord] : doc.*pMap) {
        visit(nKey, pRecord->m_data.data());
    }
}

// A sensor's picker line shows its display name rather than its long name.
constexpr std::size_t kSensorDisplayName = 160;
constexpr std::size_t kSensorDisplayNameWidth = 20;

}  // namespace

namespace SlotPickerKinds {

const SlotPickerKind kSensor = {
    .nSlotCount = 9,
    .nArrayOffset = 300,
    .nObjectListId = 1117,
    .pszGroupCaption = "Sensor Slots",
    .pszMissingFormat =
        "SensorID: %d not in Sensor Database!\nSensorArray[%d](ZB) will be deleted on Apply",
    .nListNameOffset = CSensorInfo::kNameOffset,
    .nListNameWidth = CSensorInfo::kNameWidth,
    .nTemplateId = 151,
    .pszCaption = "Sensor Slots",
    .nSlotListId = 1002,
    .nDatabaseListId = 1182,
    .nPickerNameOffset = kSensorDisplayName,
    .nPickerNameWidth = kSensorDisplayNameWidth,
    .pfnFind = FindRecord<CSensorInfo, &CVentryDoc::m_mapSensors>,
    .pfnForEach = ForEachRecord<CSensorInfo, &CVentryDoc::m_mapSensors>,
};

const SlotPickerKind kLauncher = {
    .nSlotCount = 30,
    .nArrayOffset = 220,
    .nObjectListId = 1209,
    .pszGroupCaption = "Launcher Slots",
    .pszMissingFormat =
        "LauncherID: %d not in Launcher Database!\nLauncherArray[%d](ZB) will be "
        "deleted on Apply",
    .nListNameOffset = CLauncherInfo::kNameOffset,
    .nListNameWidth = CLauncherInfo::kNameWidth,
    .nTemplateId = 152,
    .pszCaption = "Launcher Slots",
    .nSlotListId = 1185,
    .nDatabaseListId = 1186,
    .nPickerNameOffset = CLauncherInfo::kNameOffset,
    .nPickerNameWidth = CLauncherInfo::kNameWidth,
    .pfnFind = FindRecord<CLauncherInfo, &CVentryDoc::m_mapLaunchers>,
    .pfnForEach = ForEachRecord<CLauncherInfo, &CVentryDoc::m_mapLaunchers>,
};

const SlotPickerKind kAirstrip = {
    .nSlotCount = 10,
    .nArrayOffset = 280,
    .nObjectListId = 1208,
    .pszGroupCaption = "Airstrip Slots (not implemented yet)",
    .pszMissingFormat =
        "AirstripID: %d not in Airstrip Database!\nAirstripArray[%d](ZB) will be "
        "deleted on Apply",
    .nListNameOffset = CAirstripInfo::kNameOffset,
    .nListNameWidth = CAirstripInfo::kNameWidth,
    .nTemplateId = 154,
    .pszCaption = "Airstrip Slots",
    .nSlotListId = 1192,
    .nDatabaseListId = 1193,
    .nPickerNameOffset = CAirstripInfo::kNameOffset,
    .nPickerNameWidth = CAirstripInfo::kNameWidth,
    .pfnFind = FindRecord<CAirstripInfo, &CVentryDoc::m_mapAirstrips>,
    .pfnForEach = ForEachRecord<CAirstripInfo, &CVentryDoc::m_mapAirstrips>,
};

}  // namespace SlotPickerKinds
