#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

// The invented navies of the demo set, one row per record. Rows refer to each other by name;
// CDemoSetBuilder turns the names into record indices, so a reference cannot point nowhere
// without the build failing.
namespace DemoTables {

struct Country {
    std::string_view name{};
    std::string_view abbreviation{};
};

struct Sensor {
    std::string_view name{};
    std::string_view displayName{};
    std::int32_t sensorClass{};
    std::int32_t counterDetectSensor{};
    std::array<std::uint32_t, 4> curveRanges{};
    std::int32_t frequencyMin{};  // sonars only
    std::int32_t frequencyMax{};
    std::uint16_t attributes{};
    std::int32_t cone{};
};

// A launcher carries the name of the weapon object it fires first, as the editor's type
// filter expects.
struct Launcher {
    std::string_view name{};
    std::string_view soundFile{};
    std::int16_t tubes{};
    std::int16_t halfFiringCone{};
    std::uint16_t attributes{};
    std::int16_t roundsPerMinute{};
    std::int16_t clipReloadTime{};
    std::array<std::string_view, 4> ammunition{};  // weapon entity names
    std::array<std::int16_t, 4> rounds{};
    std::array<float, 3> location{};
};

struct Airstrip {
    std::string_view name{};
    std::uint16_t attributes{};
    std::array<float, 3> hangar{};
    std::array<float, 3> runwayStart{};
    std::array<float, 3> runwayEnd{};
};

struct Mast {
    std::string_view name{};
    std::string_view soundFile{};
    std::int16_t buoyancy{};
    std::int16_t length{};
    std::array<float, 3> center{};
};

// One object. A non-empty shipClass makes a ship class of the same name; non-zero sonar
// bands make a sonar profile of the same name.
struct Platform {
    std::string_view name{};
    std::int32_t objectType{};
    std::int32_t simType{};
    std::string_view country{};
    std::string_view shipClass{};
    float lengthX10{};
    float widthX10{};
    float draftX10{};
    float mastHeightX10{};
    std::int16_t mass{};
    std::int16_t maxSpeed{};
    std::int16_t minSpeed{};
    std::int32_t maxAltitude{};
    std::int32_t minAltitude{};
    std::int32_t weaponMaxRange{};
    std::int32_t weaponMinRange{};
    std::int32_t pointValue{};
    std::int16_t buoys{};
    std::array<std::uint8_t, 7> missions{};
    std::uint16_t targetCaps{};
    std::uint16_t missileCaps{};
    std::uint8_t countermeasures{};
    std::array<std::string_view, 9> sensors{};
    std::array<std::string_view, 30> launchers{};
    std::array<std::string_view, 10> airstrips{};
    std::array<std::int16_t, 6> sonarBands{};
};

// A named hull or flight: an entity whose Type Name is the platform's object name.
struct Hull {
    std::string_view name{};
    std::string_view platform{};
    std::int16_t shipNumber{};
};

std::span<const Country> Countries();
std::span<const Sensor> Sensors();
std::span<const Launcher> Launchers();
std::span<const Airstrip> Airstrips();
std::span<const Mast> Masts();
std::span<const Platform> Platforms();
std::span<const Hull> Hulls();

}  // namespace DemoTables
