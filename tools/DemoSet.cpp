#include "DemoSet.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <stdexcept>
#include <string>

#include "DemoTables.h"
#include "RecordBuilder.h"
#include "VentryDoc.h"

namespace {

constexpr std::int32_t kSubType = 1;
constexpr std::int32_t kSurfaceType = 2;
constexpr std::int32_t kAirType = 3;
constexpr std::int32_t kHeloType = 4;
constexpr std::int32_t kMissileType = 9;

// Object Types 7 to 11 are weapons: their entities are what launchers fire.
bool IsWeapon(const DemoTables::Platform& platform) {
    return platform.objectType >= 7 && platform.objectType <= 11;
}

bool IsPlatform(const DemoTables::Platform& platform) {
    return platform.objectType >= kSubType && platform.objectType <= kHeloType;
}

bool HasSonarProfile(const DemoTables::Platform& platform) {
    return std::ranges::any_of(platform.sonarBands, [](std::int16_t band) { return band != 0; });
}

// Indexed by Sim Type.
constexpr std::array<std::string_view, 13> kDoctrines{
    "SubPatrol",  "SurfaceGroup", "TorpedoHoming", "DecoyDrift", "Drift",
    "Static",     "MineField",    "SinkAndFuze",   "AirPatrol",  "HeloScreen",
    "MissileRun", "Wander",       "Ballistic",
};

// A file-name stem from a display name: lower case, anything but letters and digits as "_".
std::string FileStem(std::string_view name, std::size_t maxLength) {
    std::string stem;
    for (const char c : name.substr(0, maxLength)) {
        const auto u = static_cast<unsigned char>(c);
        stem += std::isalnum(u) ? static_cast<char>(std::tolower(u)) : '_';
    }
    return stem;
}

std::uint16_t IndexOf(const std::map<std::string_view, std::uint16_t>& indices,
                      std::string_view name) {
    const auto found = indices.find(name);
    if (found == indices.end()) {
        throw std::out_of_range("demo set refers to a missing record: " + std::string(name));
    }
    return found->second;
}

// Record indices of a row's references; an empty name is an empty slot.
template <std::size_t N>
std::array<std::int16_t, N> IndicesOf(const std::array<std::string_view, N>& names,
                                      const std::map<std::string_view, std::uint16_t>& indices) {
    std::array<std::int16_t, N> values{};
    for (std::size_t i = 0; i < N; ++i) {
        values[i] = names[i].empty() ? 0 : static_cast<std::int16_t>(IndexOf(indices, names[i]));
    }
    return values;
}

template <class T>
std::uint16_t NextIndex(const CIndexMap<T>& map) {
    return static_cast<std::uint16_t>(map.size() + 1);
}

std::array<float, 3> Offset(const std::array<float, 3>& point, float dx, float dy, float dz) {
    return {point[0] + dx, point[1] + dy, point[2] + dz};
}

std::array<float, 3> Midpoint(const std::array<float, 3>& a, const std::array<float, 3>& b) {
    return {(a[0] + b[0]) / 2, (a[1] + b[1]) / 2, (a[2] + b[2]) / 2};
}

std::int32_t FuelOf(std::int32_t objectType) {
    switch (objectType) {
        case kSubType:
            return 300000;
        case kSurfaceType:
            return 900000;
        case kAirType:
            return 12000;
        case kHeloType:
            return 2500;
        default:
            return 0;
    }
}

std::int32_t ClimbAngleOf(std::int32_t objectType) {
    switch (objectType) {
        case kAirType:
            return 25;
        case kHeloType:
            return 12;
        case kMissileType:
            return 35;
        default:
            return 0;
    }
}

std::int32_t AnimationPartsOf(std::int32_t objectType) {
    switch (objectType) {
        case kSubType:
            return 2;
        case kSurfaceType:
            return 4;
        case kAirType:
        case kHeloType:
            return 3;
        default:
            return 1;
    }
}

// Sonars listen in the water; everything else works above it.
bool IsSonarClass(std::int32_t sensorClass) {
    return sensorClass == 1 || sensorClass == 2 || sensorClass == 7;
}

}  // namespace

void CDemoSetBuilder::Build() {
    BuildCountries();
    BuildSensors();
    BuildAirstrips();
    BuildMasts();
    BuildProfilesAndClasses();
    BuildEntities();
    BuildLaunchers();
    BuildObjects();
    Build3DObjects();
}

void CDemoSetBuilder::BuildCountries() {
    using namespace CountryNameLayout;
    for (const DemoTables::Country& country : DemoTables::Countries()) {
        const std::uint16_t index = NextIndex(m_doc.m_mapCountryNames);
        CRecordBuilder<CCountryNameInfo> record;
        record.Set(kIndex, index).Set(kName, country.name).Set(kAbbreviation, country.abbreviation);
        m_doc.m_mapCountryNames[index] = record.Release();
        m_countries[country.name] = index;
    }
}

void CDemoSetBuilder::BuildSensors() {
    using namespace SensorLayout;
    for (const DemoTables::Sensor& sensor : DemoTables::Sensors()) {
        const std::uint16_t index = NextIndex(m_doc.m_mapSensors);
        const bool bSonar = IsSonarClass(sensor.sensorClass);
        const std::uint32_t maxRange = sensor.curveRanges[3];
        CRecordBuilder<CSensorInfo> record;
        record.Set(kIndex, index)
            .Set(kName, sensor.name)
            .Set(kSensorClass, sensor.sensorClass)
            .Set(kCounterDetectSensor, sensor.counterDetectSensor)
            .Set(kUpdateInterval, sensor.sensorClass == 8 || sensor.sensorClass == 9 ? 4 : 10)
            .Set(kCurveRanges, sensor.curveRanges)
            .Set(kCounterDetectRange,
                 sensor.counterDetectSensor != 0 ? static_cast<std::int32_t>(maxRange * 3 / 2) : 0)
            .Set(kMaxOperationAltitude, bSonar ? 0 : 25000)
            .Set(kMinOperationAltitude, bSonar ? -500 : 0)
            .Set(kSonarFrequencyMin, sensor.frequencyMin)
            .Set(kSonarFrequencyMax, sensor.frequencyMax)
            .Set(kAttributes, sensor.attributes)
            .Set(kSensorCone, sensor.cone)
            .Set(kDisplayName, sensor.displayName);
        m_doc.m_mapSensors[index] = record.Release();
        m_sensors[sensor.name] = index;
    }
}

void CDemoSetBuilder::BuildAirstrips() {
    using namespace AirstripLayout;
    for (const DemoTables::Airstrip& airstrip : DemoTables::Airstrips()) {
        const std::uint16_t index = NextIndex(m_doc.m_mapAirstrips);
        CRecordBuilder<CAirstripInfo> record;
        record.Set(kIndex, index)
            .Set(kAttributes, airstrip.attributes)
            .Set(kHangar, airstrip.hangar)
            .Set(kRunwayStart, airstrip.runwayStart)
            .Set(kRunwayEnd, airstrip.runwayEnd)
            .Set(kTaxiStart, airstrip.hangar)
            .Set(kTaxiMiddle, Midpoint(airstrip.hangar, airstrip.runwayStart))
            .Set(kTaxiEnd, airstrip.runwayStart)
            .Set(kName, airstrip.name);
        m_doc.m_mapAirstrips[index] = record.Release();
        m_airstrips[airstrip.name] = index;
    }
}

void CDemoSetBuilder::BuildMasts() {
    using namespace MastLayout;
    for (const DemoTables::Mast& mast : DemoTables::Masts()) {
        const std::uint16_t index = NextIndex(m_doc.m_mapMasts);
        CRecordBuilder<CMastInfo> record;
        record.Set(kIndex, index)
            .Set(kName, mast.name)
            .Set(kBuoyancy, mast.buoyancy)
            .Set(kSoundFile, mast.soundFile)
            .Set(kCenter, mast.center)
            .Set(kLength, mast.length);
        m_doc.m_mapMasts[index] = record.Release();
    }
}

// Sonar profiles and ship classes carry the name of the object they belong to.
void CDemoSetBuilder::BuildProfilesAndClasses() {
    for (const DemoTables::Platform& platform : DemoTables::Platforms()) {
        if (HasSonarProfile(platform)) {
            const std::uint16_t index = NextIndex(m_doc.m_mapProfiles);
            CRecordBuilder<CProfileInfo> record;
            record.Set(ProfileLayout::kIndex, index)
                .Set(ProfileLayout::kName, platform.name)
                .Set(ProfileLayout::kBands, platform.sonarBands);
            m_doc.m_mapProfiles[index] = record.Release();
            m_profiles[platform.name] = index;
        }
        if (!platform.shipClass.empty()) {
            const std::uint16_t index = NextIndex(m_doc.m_mapShipClasses);
            CRecordBuilder<CShipClassInfo> record;
            record.Set(ShipClassLayout::kIndex, index)
                .Set(ShipClassLayout::kCountry,
                     static_cast<std::int16_t>(IndexOf(m_countries, platform.country)))
                .Set(ShipClassLayout::kName, platform.name)
                .Set(ShipClassLayout::kClass, platform.shipClass);
            m_doc.m_mapShipClasses[index] = record.Release();
            m_shipClasses[platform.name] = index;
        }
    }
}

void CDemoSetBuilder::BuildEntities() {
    using namespace EntityLayout;
    const auto enter = [&](std::string_view name, std::string_view typeName,
                           std::int16_t shipNumber) {
        if (std::ranges::none_of(DemoTables::Platforms(), [&](const DemoTables::Platform& p) {
                return p.name == typeName;
            })) {
            throw std::out_of_range("demo entity names a missing object: " + std::string(name));
        }
        const auto shipClass = m_shipClasses.find(typeName);
        const std::uint16_t index = NextIndex(m_doc.m_mapEntities);
        CRecordBuilder<CEntityInfo> record;
        record.Set(kIndex, index)
            .Set(kShipClassIndex, shipClass == m_shipClasses.end()
                                      ? 0
                                      : static_cast<std::int16_t>(shipClass->second))
            .Set(kName, name)
            .Set(kShipNumber, shipNumber)
            .Set(kTypeName, typeName);
        m_doc.m_mapEntities[index] = record.Release();
        m_entities[name] = index;
    };
    for (const DemoTables::Platform& platform : DemoTables::Platforms()) {
        if (IsWeapon(platform)) {
            enter(platform.name, platform.name, 0);
        }
    }
    for (const DemoTables::Hull& hull : DemoTables::Hulls()) {
        enter(hull.name, hull.platform, hull.shipNumber);
    }
}

void CDemoSetBuilder::BuildLaunchers() {
    using namespace LauncherLayout;
    for (const DemoTables::Launcher& launcher : DemoTables::Launchers()) {
        const std::uint16_t index = NextIndex(m_doc.m_mapLaunchers);
        const std::int16_t rows = launcher.tubes > 4 ? 2 : 1;
        const bool bRapidFire = launcher.roundsPerMinute > 100;
        CRecordBuilder<CLauncherInfo> record;
        record.Set(kIndex, index)
            .Set(kTubes, launcher.tubes)
            .Set(kHalfFiringCone, launcher.halfFiringCone)
            .Set(kAttributes, launcher.attributes)
            .Set(kClipReloadTime, launcher.clipReloadTime)
            .Set(kAmmoSwapTime, static_cast<std::int16_t>(launcher.clipReloadTime / 2))
            .Set(kMaxGuidable, bRapidFire ? 1 : launcher.tubes)
            .Set(kRoundsPerMinute, launcher.roundsPerMinute)
            .Set(kAdditionalClips, bRapidFire ? 4 : 1)
            .Set(kLocation, launcher.location)
            .Set(kTopLeft, Offset(launcher.location, -1.0f, 1.0f, 1.0f))
            .Set(kBottomRight, Offset(launcher.location, 1.0f, -1.0f, -1.0f))
            .Set(kRows, rows)
            .Set(kColumns, static_cast<std::int16_t>((launcher.tubes + rows - 1) / rows))
            .Set(kRounds, launcher.rounds)
            .Set(kAmmoTypes, IndicesOf(launcher.ammunition, m_entities))
            .Set(kSoundFile, launcher.soundFile)
            .Set(kName, launcher.name);
        m_doc.m_mapLaunchers[index] = record.Release();
        m_launchers[launcher.name] = index;
    }
}

void CDemoSetBuilder::BuildObjects() {
    using namespace ObjectLayout;
    for (const DemoTables::Platform& p : DemoTables::Platforms()) {
        const std::uint16_t index = NextIndex(m_doc.m_mapObjects);
        const bool bWeapon = IsWeapon(p);
        const std::int16_t profile =
            HasSonarProfile(p) ? static_cast<std::int16_t>(IndexOf(m_profiles, p.name)) : 0;
        CRecordBuilder<CObjectInfo> record;
        record.Set(kIndex, index)
            .Set(kName, p.name)
            .Set(kId, static_cast<std::int16_t>(1000 + index))
            .Set(kObjectType, p.objectType)
            .Set(kSimType, p.simType)
            .Set(kDefaultDoctrine, kDoctrines.at(static_cast<std::size_t>(p.simType)))
            .Set(kSoundFile, FileStem(p.name, 16) + ".wav")
            .Set(kMastHeightX10, p.mastHeightX10)
            .Set(kLengthX10, p.lengthX10)
            .Set(kWidthX10, p.widthX10)
            .Set(kDraftX10, p.draftX10)
            .Set(kDrag, IsPlatform(p) ? 0.45f : 0.25f)
            .Set(kMass, p.mass)
            .Set(kMassUnit, bWeapon ? 0 : 1)  // kilograms for weapons, tonnes otherwise
            .Set(kWeaponMaxRange, p.weaponMaxRange)
            .Set(kWeaponMinRange, p.weaponMinRange)
            .Set(kFuel, FuelOf(p.objectType))
            .Set(kBuoyCount, p.buoys)
            .Set(kArmor, p.objectType == kSurfaceType ? 20 : (p.objectType == kSubType ? 10 : 0))
            .Set(kSecondDoctrine, IsPlatform(p) ? "Evade" : "")
            .Set(kMissionPriorities, p.missions)
            .Set(kPointValue, p.pointValue)
            .Set(kMaxSpeed, p.maxSpeed)
            .Set(kMinSpeed, p.minSpeed)
            .Set(kClimbAngle, ClimbAngleOf(p.objectType))
            .Set(kMaxAltitude, p.maxAltitude)
            .Set(kMinAltitude, p.minAltitude)
            .Set(kTurnRadius, p.lengthX10 * 0.3f)
            .Set(kWeaponEffectiveness, bWeapon ? 0.8f : 0.0f)
            .Set(kSoundEcho, p.lengthX10 * p.draftX10 / 1000.0f)
            .Set(kIrEmission, p.maxSpeed / 10.0f)
            .Set(kSoundEmission, p.sonarBands[0] / 10.0f)
            .Set(kRadarEcho, p.lengthX10 * p.mastHeightX10 / 1000.0f)
            .Set(kVisualEcho, p.lengthX10 * p.widthX10 / 1000.0f)
            .Set(kLauncherSlots, IndicesOf(p.launchers, m_launchers))
            .Set(kAirstripSlots, IndicesOf(p.airstrips, m_airstrips))
            .Set(kSensorSlots, IndicesOf(p.sensors, m_sensors))
            .Set(kProfileIndex, profile)
            .Set(kTargetCaps, p.targetCaps)
            .Set(kMissileCaps, p.missileCaps)
            .Set(kCountermeasures, p.countermeasures);
        m_doc.m_mapObjects[index] = record.Release();
    }
}

// A 3D object has no index of its own: its key is its position in the file.
void CDemoSetBuilder::Build3DObjects() {
    using namespace Object3DLayout;
    std::uint16_t position = 0;
    for (const DemoTables::Platform& platform : DemoTables::Platforms()) {
        const std::string stem = FileStem(platform.name, 13);
        CRecordBuilder<C3DObjectInfo> record;
        record.Set(kName, platform.name)
            .Set(kModelLow, stem + "_lo.3dm")
            .Set(kModelMedium, stem + "_md.3dm")
            .Set(kModelHigh, stem + "_hi.3dm")
            .Set(kWaterLineRadius, platform.lengthX10 / 20.0f)
            .Set(kAnimationParts, AnimationPartsOf(platform.objectType));
        m_doc.m_map3DObjects[position++] = record.Release();
    }
}
