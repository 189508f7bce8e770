#pragma once

#include "FieldBinding.h"

// The 344-byte object record as the Object editor shows it. Bytes 110-111, 141-143, 216-219,
// 332-333 and 339-343, the last five Data49 values and the flag bits without a box have no
// control and are carried through; the slot arrays and the sonar profile index go through the
// editor's working copies instead.
namespace ObjectFields {

enum EGroup {
    kCountermeasures,
    kUncertain,
    kMissileCaps,
    kTargetCaps,
    kPriorities,
};

// Form columns, left to right.
enum EColumn {
    kFirstColumn,
    kSecondColumn,
    kUncertainColumn,
    kCapsColumn,
};

inline constexpr FieldGroup kGroups[] = {
    {"Ship/AC only:Countermeasures carried", 2, kSecondColumn},
    {"uncertain Options", 2, kUncertainColumn},
    {"missileCaps", 2, kCapsColumn},
    {"targetCaps", 2, kCapsColumn},
    {"Mission Priorities", 2, kCapsColumn},
};

// The stored value is not the item's position; 5 has no item.
inline constexpr ComboItem kObjectTypes[] = {
    {"Sub", 1},         {"Surf", 2},    {"Air", 3},           {"Helo", 4},
    {"Stat (Land)", 6}, {"Mine", 7},    {"Weap (Torp)", 8},   {"Missile", 9},
    {"Shell", 10},      {"Bullet", 11}, {"Downed Pilot", 12},
};

inline constexpr ComboItem kSimTypes[] = {
    {"sub", 0},     {"ship", 0}, {"torp", 0},   {"cm", 0},    {"float", 0},
    {"rock", 0},    {"mine", 0}, {"depth", 0},  {"plane", 0}, {"helo", 0},
    {"missile", 0}, {"bio", 0},  {"bullet", 0},
};

constexpr FieldBinding Second(FieldBinding binding) {
    binding.nFormColumn = kSecondColumn;
    return binding;
}

constexpr FieldBinding Grouped(EGroup group, FieldBinding binding) {
    binding.nGroup = group;
    return binding;
}

constexpr FieldBinding Bit(EGroup group, int nId, const char* pszLabel, FieldAt at, int nBit) {
    return {.nId = nId,
            .pszLabel = pszLabel,
            .at = at,
            .kind = ControlKind::CheckBit,
            .nBit = nBit,
            .nGroup = group};
}

inline constexpr FieldBinding kFields[] = {
    {.nId = 1004, .pszLabel = "Index", .at = UInt16At(0), .bReadOnly = true},
    {.nId = 1001, .pszLabel = "Name", .at = TextAt(2, 20)},
    {.nId = 1005, .pszLabel = "id", .at = Int16AsUInt32At(22)},
    {.nId = 1105,
     .pszLabel = "Object Type",
     .at = Int32At(24),
     .kind = ControlKind::ComboValue,
     .items = kObjectTypes},
    {.nId = 1086,
     .pszLabel = "Sim Type",
     .at = Int32At(28),
     .kind = ControlKind::ComboIndex,
     .items = kSimTypes},
    {.nId = 1007, .pszLabel = "defaultDoctrine", .at = TextAt(32, 20)},
    {.nId = 1009, .pszLabel = "soundFile", .at = TextAt(52, 20)},
    {.nId = 1011, .pszLabel = "MastHeightx10", .at = FloatAt(72)},
    {.nId = 1013, .pszLabel = "Lengthx10", .at = FloatAt(76)},
    {.nId = 1015, .pszLabel = "Widthx10", .at = FloatAt(80)},
    {.nId = 1017, .pszLabel = "Draftx10", .at = FloatAt(84)},
    {.nId = 1019, .pszLabel = "cd", .at = FloatAt(88)},
    {.nId = 1021, .pszLabel = "Mass", .at = Int16At(92)},
    {.nId = 1023, .pszLabel = "MassUnit", .at = Int16At(94)},
    {.nId = 1213, .pszLabel = "wpnMaxRange", .at = Int32At(96)},
    {.nId = 1028, .pszLabel = "wpnMinRange", .at = Int32At(100)},
    {.nId = 1033, .pszLabel = "fuel", .at = Int32At(104)},
    {.nId = 1035, .pszLabel = "buoyCount", .at = Int16At(108)},
    Second({.nId = 1075, .pszLabel = "armor", .at = Int16At(112)}),
    Second({.nId = 1077, .pszLabel = "defDoctrine2", .at = TextAt(114, 20)}),
    Grouped(kPriorities, {.nId = 1067, .pszLabel = "ASW", .at = UInt8At(134)}),
    Grouped(kPriorities, {.nId = 1069, .pszLabel = "SUW", .at = UInt8At(135)}),
    Grouped(kPriorities, {.nId = 1071, .pszLabel = "AAW", .at = UInt8At(136)}),
    Grouped(kPriorities, {.nId = 1079, .pszLabel = "Strike", .at = UInt8At(137)}),
    Grouped(kPriorities, {.nId = 1081, .pszLabel = "Recon", .at = UInt8At(138)}),
    Grouped(kPriorities, {.nId = 1083, .pszLabel = "Comms/Tanker", .at = UInt8At(139)}),
    Grouped(kPriorities, {.nId = 1085, .pszLabel = "Mineweeping/Bomber", .at = UInt8At(140)}),
    Second({.nId = 1089, .pszLabel = "PointValue", .at = Int32At(144)}),
    Second({.nId = 1091, .pszLabel = "maxSpeed", .at = Int16AsUInt32At(148)}),
    Second({.nId = 1107, .pszLabel = "minSpeed", .at = Int16AsUInt32At(150)}),
    Second({.nId = 1093, .pszLabel = "ClimbAngle", .at = Int32At(152)}),
    Second({.nId = 1095, .pszLabel = "maxAlt", .at = Int32At(156)}),
    Second({.nId = 1097, .pszLabel = "minAlt", .at = Int32At(160)}),
    Second({.nId = 1099, .pszLabel = "turnRadius", .at = FloatAt(164)}),
    Second({.nId = 1101, .pszLabel = "unused float", .at = FloatAt(168)}),
    Second({.nId = 1103, .pszLabel = "wpnEffectiveness", .at = FloatAt(172)}),
    Grouped(kUncertain, {.nId = 1109, .pszLabel = "data29", .at = FloatAt(176)}),
    Grouped(kUncertain, {.nId = 1111, .pszLabel = "data30", .at = FloatAt(180)}),
    Grouped(kUncertain, {.nId = 1125, .pszLabel = "31:Visual?", .at = FloatAt(184)}),
    Grouped(kUncertain, {.nId = 1131, .pszLabel = "SoundEcho????", .at = FloatAt(188)}),
    Grouped(kUncertain, {.nId = 1133, .pszLabel = "IR Emission", .at = FloatAt(192)}),
    Grouped(kUncertain, {.nId = 1135, .pszLabel = "SoundEmission", .at = FloatAt(196)}),
    Grouped(kUncertain, {.nId = 1137, .pszLabel = "RadarEcho", .at = FloatAt(200)}),
    Grouped(kUncertain, {.nId = 1139, .pszLabel = "VisualEcho??", .at = FloatAt(204)}),
    Grouped(kUncertain, {.nId = 1141, .pszLabel = "data37", .at = FloatAt(208)}),
    Grouped(kUncertain, {.nId = 1143, .pszLabel = "data38", .at = FloatAt(212)}),
    Grouped(kUncertain, {.nId = 1161, .pszLabel = "Data49", .at = Int16At(318)}),
    Bit(kTargetCaps, 1054, "Sub", UInt16At(334), 0),
    Bit(kTargetCaps, 1055, "Surf", UInt16At(334), 1),
    Bit(kTargetCaps, 1056, "Air", UInt16At(334), 2),
    Bit(kTargetCaps, 1057, "Helo", UInt16At(334), 3),
    Bit(kTargetCaps, 1058, "Land", UInt16At(334), 4),
    Bit(kTargetCaps, 1059, "Missile", UInt16At(334), 7),
    Bit(kMissileCaps, 1047, "AAM", UInt16At(336), 0),
    Bit(kMissileCaps, 1048, "ASM", UInt16At(336), 1),
    Bit(kMissileCaps, 1060, "SSM", UInt16At(336), 2),
    Bit(kMissileCaps, 1050, "SAM", UInt16At(336), 3),
    Bit(kMissileCaps, 1049, "Terrain Follow", UInt16At(336), 5),
    Bit(kMissileCaps, 1051, "Guided", UInt16At(336), 6),
    Bit(kMissileCaps, 1052, "Thrown", UInt16At(336), 7),
    Bit(kCountermeasures, 1199, "Chaff", UInt8At(338), 0),
    Bit(kCountermeasures, 1200, "IR Flares", UInt8At(338), 1),
    Bit(kCountermeasures, 1201, "Acoustics", UInt8At(338), 2),
    Bit(kCountermeasures, 1202, "Towed Acoustics", UInt8At(338), 3),
    Bit(kCountermeasures, 1203, "ECM Jammer", UInt8At(338), 4),
    Bit(kCountermeasures, 1204, "CIWS", UInt8At(338), 5),
};

}  // namespace ObjectFields
