#pragma once

#include "FieldBinding.h"

// The 180-byte sensor record. Bytes 72 to 75 and 118 to 119 have no control and are carried
// through; the four "Detection Curve Levels" edits show 0 and are stored nowhere.
namespace SensorFields {

enum : int { kRanges, kLevels, kAttributes, kUncertain };

// The names, classes and detection curve on the left, attributes and the rest on the right.
inline constexpr FieldGroup kGroups[] = {
    {"Detection Curve Ranges", 4},
    {"Detection Curve Levels", 4},
    {"Sensor Attributes", 4, 1},
    {"uncertain Options", 3, 1},
};

// Both class combos, by position.
inline constexpr ComboItem kClasses[] = {
    {"None", 0}, {"Active", 0}, {"Active Intercept", 0}, {"ESM", 0},   {"Visual", 0},
    {"MAD", 0},  {"IR", 0},     {"Passive", 0},          {"Radar", 0}, {"FC Radar", 0},
    {"CM", 0},   {"Jammer", 0},
};

inline constexpr std::uint16_t kDisplayNameOffset = 160;
inline constexpr std::uint16_t kDisplayNameWidth = 20;
inline constexpr std::uint16_t kClassOffset = 44;

constexpr FieldBinding Bit(int nId, const char* pszLabel, int nBit) {
    return {.nId = nId,
            .pszLabel = pszLabel,
            .at = UInt16At(116),
            .kind = ControlKind::CheckBit,
            .nBit = nBit,
            .nGroup = kAttributes};
}

constexpr FieldBinding Level(int nId, const char* pszLabel) {
    return {
        .nId = nId, .pszLabel = pszLabel, .at = NowhereAt(), .bReadOnly = true, .nGroup = kLevels};
}

// The Name field holds 42 bytes; one types at most 20 characters into it.
inline constexpr FieldBinding kFields[] = {
    {.nId = 1119, .pszLabel = "Name", .at = TextAt(2, 42), .nTextLimit = 20},
    {.nId = 1120,
     .pszLabel = "Display Name",
     .at = TextAt(kDisplayNameOffset, kDisplayNameWidth),
     .nTextLimit = 40},
    {.nId = 1121,
     .pszLabel = "Sensor Class",
     .at = Int32At(kClassOffset),
     .kind = ControlKind::ComboIndex,
     .items = kClasses},
    {.nId = 1123,
     .pszLabel = "CounterDetectSensor",
     .at = Int32At(48),
     .kind = ControlKind::ComboIndex,
     .items = kClasses},
    {.nId = 1122, .pszLabel = "Default Update Interval", .at = UInt32At(52)},
    {.nId = 1124, .pszLabel = "MaxOperationAlt", .at = Int32At(96)},
    {.nId = 1125, .pszLabel = "MinOperationAlt", .at = Int32At(100)},
    {.nId = 1146, .pszLabel = "ConeCenter", .at = UInt32At(124)},
    {.nId = 1126, .pszLabel = "SensorCone", .at = Int32At(128)},
    {.nId = 1137, .pszLabel = "1:", .at = UInt32At(56), .nGroup = kRanges},
    {.nId = 1138, .pszLabel = "2:", .at = UInt32At(60), .nGroup = kRanges},
    {.nId = 1139, .pszLabel = "3:", .at = UInt32At(64), .nGroup = kRanges},
    {.nId = 1140, .pszLabel = "4:", .at = UInt32At(68), .nGroup = kRanges},
    Level(1141, "1:"),
    Level(1142, "2:"),
    Level(1143, "3:"),
    Level(1144, "4:"),
    Bit(1130, "Target Aspect", 0),
    Bit(1127, "Thermal Layer", 1),
    Bit(1129, "Sea State", 2),
    Bit(1147, "unknown8", 3),
    Bit(1131, "Target Mass", 4),
    Bit(1132, "Target Noise", 5),
    Bit(1133, "Platform Noise", 6),
    Bit(1148, "unknown2", 7),
    Bit(1134, "Earth Curvature", 8),
    Bit(1135, "Ambient Light", 9),
    Bit(1153, "Detach from Parent", 10),
    Bit(1149, "unknown3", 11),
    Bit(1150, "Speed????", 12),
    Bit(1162, "Sensor Blindig", 13),
    Bit(1151, "Activly Updated", 14),
    Bit(1152, "unknown6", 15),
    {.nId = 1128, .pszLabel = "Counter Det. RNG?:", .at = Int32At(76), .nGroup = kUncertain},
    {.nId = 1136, .pszLabel = "Data07:", .at = Int16At(80), .nGroup = kUncertain},
    {.nId = 1154, .pszLabel = "Detection Curv Levels?:", .at = Int16At(82), .nGroup = kUncertain},
    {.nId = 1155, .pszLabel = "Data08(decoy):?", .at = Int32At(84), .nGroup = kUncertain},
    {.nId = 1156, .pszLabel = "Data09(decoy):?", .at = Int32At(88), .nGroup = kUncertain},
    {.nId = 1157, .pszLabel = "maxSpeed(for Sensor):?", .at = Int32At(92), .nGroup = kUncertain},
    {.nId = 1158, .pszLabel = "SonarFreq. Min:", .at = Int32At(104), .nGroup = kUncertain},
    {.nId = 1159, .pszLabel = "SonarFreq. Max:", .at = Int32At(108), .nGroup = kUncertain},
    {.nId = 1160, .pszLabel = "Speed Degradtion:?", .at = Int32At(112), .nGroup = kUncertain},
    {.nId = 1161, .pszLabel = "Data17:", .at = Int16At(120), .nGroup = kUncertain},
    {.nId = 1174, .pszLabel = "Data17a:", .at = Int16At(122), .nGroup = kUncertain},
    {.nId = 1163, .pszLabel = "Data19 X:", .at = Int32At(132), .nGroup = kUncertain},
    {.nId = 1164, .pszLabel = "Data20 Y:", .at = FloatAt(136), .nGroup = kUncertain},
    {.nId = 1165, .pszLabel = "Data21 Z:", .at = FloatAt(140), .nGroup = kUncertain},
    {.nId = 1166, .pszLabel = "Data22:", .at = Int32At(144), .nGroup = kUncertain},
    {.nId = 1167, .pszLabel = "Data23(allways =):", .at = Int32At(148), .nGroup = kUncertain},
    {.nId = 1168, .pszLabel = "Data24(allways =):", .at = Int32At(152), .nGroup = kUncertain},
    {.nId = 1169, .pszLabel = "Data25:", .at = Int32At(156), .nGroup = kUncertain},
};

}  // namespace SensorFields
