#pragma once

// What the numbers of some fields mean, as the editors name them: the items of a combo
// (Object Type "Surf" stores 2, Sim Type "ship" is the item at position 1) and the check boxes
// of a flag word (bit 0 of target_caps is "Sub"). The editors' controls, the table and
// dump --names all take the names from here.

#include <cstdint>
#include <span>
#include <stdexcept>

#include "RecordLayout.h"

struct NamedValue {
    const char* pszName;
    std::int32_t nValue;
};

struct NamedBit {
    const char* pszName;
    int nBit;
};

enum class EMeaning : std::uint8_t {
    Items,      // the value of the chosen item is stored
    Positions,  // the position of the chosen item is stored; nValue is that position
    Bits,       // a flag word, some of whose bits have names
    // An entity's index, named by the weapon entities of the set, which only a set knows.
    WeaponEntity,
};

struct FieldMeaning {
    EMeaning kind;
    std::span<const NamedValue> items = {};
    std::span<const NamedBit> bits = {};
};

namespace ObjectMeanings {

// 5 has no item.
inline constexpr NamedValue kObjectTypes[] = {
    {"Sub", 1},         {"Surf", 2},    {"Air", 3},           {"Helo", 4},
    {"Stat (Land)", 6}, {"Mine", 7},    {"Weap (Torp)", 8},   {"Missile", 9},
    {"Shell", 10},      {"Bullet", 11}, {"Downed Pilot", 12},
};

inline constexpr NamedValue kSimTypes[] = {
    {"sub", 0},      {"ship", 1}, {"torp", 2},    {"cm", 3},    {"float", 4},
    {"rock", 5},     {"mine", 6}, {"depth", 7},   {"plane", 8}, {"helo", 9},
    {"missile", 10}, {"bio", 11}, {"bullet", 12},
};

inline constexpr NamedBit kTargetCaps[] = {
    {"Sub", 0}, {"Surf", 1}, {"Air", 2}, {"Helo", 3}, {"Land", 4}, {"Missile", 7},
};

inline constexpr NamedBit kMissileCaps[] = {
    {"AAM", 0},    {"ASM", 1},    {"SSM", 2}, {"SAM", 3}, {"Terrain Follow", 5},
    {"Guided", 6}, {"Thrown", 7},
};

inline constexpr NamedBit kCountermeasures[] = {
    {"Chaff", 0},           {"IR Flares", 1},  {"Acoustics", 2},
    {"Towed Acoustics", 3}, {"ECM Jammer", 4}, {"CIWS", 5},
};

}  // namespace ObjectMeanings

namespace SensorMeanings {

// Both the Sensor Class and the CounterDetectSensor.
inline constexpr NamedValue kClasses[] = {
    {"None", 0}, {"Active", 1},  {"Active Intercept", 2}, {"ESM", 3},   {"Visual", 4},
    {"MAD", 5},  {"IR", 6},      {"Passive", 7},          {"Radar", 8}, {"FC Radar", 9},
    {"CM", 10},  {"Jammer", 11},
};

inline constexpr NamedBit kAttributes[] = {
    {"Target Aspect", 0},   {"Thermal Layer", 1},   {"Sea State", 2},           {"unknown8", 3},
    {"Target Mass", 4},     {"Target Noise", 5},    {"Platform Noise", 6},      {"unknown2", 7},
    {"Earth Curvature", 8}, {"Ambient Light", 9},   {"Detach from Parent", 10}, {"unknown3", 11},
    {"Speed????", 12},      {"Sensor Blindig", 13}, {"Activly Updated", 14},    {"unknown6", 15},
};

}  // namespace SensorMeanings

namespace LauncherMeanings {

// The labels count the bits from 1.
inline constexpr NamedBit kAttributes[] = {
    {"Rotatable", 0}, {"Bit 2(ASROC)?", 1}, {"Requires FCR", 2}, {"Bit 4", 3},
    {"Bit5", 4},      {"BIT6", 5},          {"BIT 7", 6},        {"BIT 8", 7},
    {"BIT 9", 8},     {"BIT 10", 9},        {"BIT 11", 10},      {"BIT 12", 11},
    {"BIT 13", 12},   {"BIT 14", 13},       {"BIT 15", 14},      {"BIT 16", 15},
};

}  // namespace LauncherMeanings

namespace AirstripMeanings {

// The upper twelve bits have no name.
inline constexpr NamedBit kAttributes[] = {
    {"Plane Runway", 0},
    {"Plane Takeoff", 1},
    {"Catapult", 2},
    {"Helo Pad", 3},
};

}  // namespace AirstripMeanings

// The meanings the layouts give their fields (RecordLayouts.h, LayoutField::pMeaning).
namespace FieldMeanings {

inline constexpr FieldMeaning kObjectType{EMeaning::Items, ObjectMeanings::kObjectTypes};
inline constexpr FieldMeaning kSimType{EMeaning::Positions, ObjectMeanings::kSimTypes};
inline constexpr FieldMeaning kTargetCaps{EMeaning::Bits, {}, ObjectMeanings::kTargetCaps};
inline constexpr FieldMeaning kMissileCaps{EMeaning::Bits, {}, ObjectMeanings::kMissileCaps};
inline constexpr FieldMeaning kCountermeasures{
    EMeaning::Bits, {}, ObjectMeanings::kCountermeasures};
inline constexpr FieldMeaning kSensorClass{EMeaning::Positions, SensorMeanings::kClasses};
inline constexpr FieldMeaning kSensorAttributes{EMeaning::Bits, {}, SensorMeanings::kAttributes};
inline constexpr FieldMeaning kLauncherAttributes{
    EMeaning::Bits, {}, LauncherMeanings::kAttributes};
inline constexpr FieldMeaning kAmmunition{EMeaning::WeaponEntity};
inline constexpr FieldMeaning kAirstripAttributes{
    EMeaning::Bits, {}, AirstripMeanings::kAttributes};

}  // namespace FieldMeanings

// The name of a bit of a flag word; a field or bit without one does not compile where
// used so. No null test: a sanitizing build cannot compare an address at compile time.
consteval const char* BitName(const LayoutField& field, int nBit) {
    for (const NamedBit& bit : field.pMeaning->bits) {
        if (bit.nBit == nBit) {
            return bit.pszName;
        }
    }
    throw std::out_of_range("no such bit");
}
