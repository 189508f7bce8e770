#pragma once

#include "FieldBinding.h"
#include "RecordLayouts.h"

// The object record as the Object editor shows it. The reserved fields, the last five Data49
// values and the flag bits without a box have no control and are carried through; the slot
// arrays and the sonar profile index go through the editor's working copies instead.
namespace ObjectFields {

inline constexpr const RecordLayout& kLayout = ObjectLayout::kLayout;

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

constexpr FieldBinding Second(FieldBinding binding) {
    binding.nFormColumn = kSecondColumn;
    return binding;
}

constexpr FieldBinding Grouped(EGroup group, FieldBinding binding) {
    binding.nGroup = group;
    return binding;
}

consteval FieldBinding Bit(EGroup group, int nId, const char* pszField, int nBit) {
    return CheckBit(nId, At(kLayout, pszField), nBit, group);
}

inline constexpr FieldBinding kFields[] = {
    {.nId = 1004, .pszLabel = "Index", .at = At(kLayout, "index"), .bReadOnly = true},
    {.nId = 1001, .pszLabel = "Name", .at = At(kLayout, "name")},
    {.nId = 1005, .pszLabel = "id", .at = Widened(At(kLayout, "id"))},
    Combo({.nId = 1105, .pszLabel = "Object Type", .at = At(kLayout, "object_type")}),
    Combo({.nId = 1086, .pszLabel = "Sim Type", .at = At(kLayout, "sim_type")}),
    {.nId = 1007, .pszLabel = "defaultDoctrine", .at = At(kLayout, "default_doctrine")},
    {.nId = 1009, .pszLabel = "soundFile", .at = At(kLayout, "sound_file")},
    {.nId = 1011, .pszLabel = "MastHeightx10", .at = At(kLayout, "mast_height_x10")},
    {.nId = 1013, .pszLabel = "Lengthx10", .at = At(kLayout, "length_x10")},
    {.nId = 1015, .pszLabel = "Widthx10", .at = At(kLayout, "width_x10")},
    {.nId = 1017, .pszLabel = "Draftx10", .at = At(kLayout, "draft_x10")},
    {.nId = 1019, .pszLabel = "cd", .at = At(kLayout, "cd")},
    {.nId = 1021, .pszLabel = "Mass", .at = At(kLayout, "mass")},
    {.nId = 1023, .pszLabel = "MassUnit", .at = At(kLayout, "mass_unit")},
    {.nId = 1213, .pszLabel = "wpnMaxRange", .at = At(kLayout, "wpn_max_range")},
    {.nId = 1028, .pszLabel = "wpnMinRange", .at = At(kLayout, "wpn_min_range")},
    {.nId = 1033, .pszLabel = "fuel", .at = At(kLayout, "fuel")},
    {.nId = 1035, .pszLabel = "buoyCount", .at = At(kLayout, "buoy_count")},
    Second({.nId = 1075, .pszLabel = "armor", .at = At(kLayout, "armor")}),
    Second({.nId = 1077, .pszLabel = "defDoctrine2", .at = At(kLayout, "def_doctrine2")}),
    Grouped(kPriorities, {.nId = 1067, .pszLabel = "ASW", .at = At(kLayout, "asw")}),
    Grouped(kPriorities, {.nId = 1069, .pszLabel = "SUW", .at = At(kLayout, "suw")}),
    Grouped(kPriorities, {.nId = 1071, .pszLabel = "AAW", .at = At(kLayout, "aaw")}),
    Grouped(kPriorities, {.nId = 1079, .pszLabel = "Strike", .at = At(kLayout, "strike")}),
    Grouped(kPriorities, {.nId = 1081, .pszLabel = "Recon", .at = At(kLayout, "recon")}),
    Grouped(kPriorities,
            {.nId = 1083, .pszLabel = "Comms/Tanker", .at = At(kLayout, "comms_tanker")}),
    Grouped(
        kPriorities,
        {.nId = 1085, .pszLabel = "Mineweeping/Bomber", .at = At(kLayout, "minesweeping_bomber")}),
    Second({.nId = 1089, .pszLabel = "PointValue", .at = At(kLayout, "point_value")}),
    Second({.nId = 1091, .pszLabel = "maxSpeed", .at = Widened(At(kLayout, "max_speed"))}),
    Second({.nId = 1107, .pszLabel = "minSpeed", .at = Widened(At(kLayout, "min_speed"))}),
    Second({.nId = 1093, .pszLabel = "ClimbAngle", .at = At(kLayout, "climb_angle")}),
    Second({.nId = 1095, .pszLabel = "maxAlt", .at = At(kLayout, "max_alt")}),
    Second({.nId = 1097, .pszLabel = "minAlt", .at = At(kLayout, "min_alt")}),
    Second({.nId = 1099, .pszLabel = "turnRadius", .at = At(kLayout, "turn_radius")}),
    Second({.nId = 1101, .pszLabel = "unused float", .at = At(kLayout, "unused_float")}),
    Second({.nId = 1103, .pszLabel = "wpnEffectiveness", .at = At(kLayout, "wpn_effectiveness")}),
    Grouped(kUncertain, {.nId = 1109, .pszLabel = "data29", .at = At(kLayout, "data29")}),
    Grouped(kUncertain, {.nId = 1111, .pszLabel = "data30", .at = At(kLayout, "data30")}),
    Grouped(kUncertain,
            {.nId = 1125, .pszLabel = "31:Visual?", .at = At(kLayout, "data31_visual")}),
    Grouped(kUncertain,
            {.nId = 1131, .pszLabel = "SoundEcho????", .at = At(kLayout, "sound_echo")}),
    Grouped(kUncertain, {.nId = 1133, .pszLabel = "IR Emission", .at = At(kLayout, "ir_emission")}),
    Grouped(kUncertain,
            {.nId = 1135, .pszLabel = "SoundEmission", .at = At(kLayout, "sound_emission")}),
    Grouped(kUncertain, {.nId = 1137, .pszLabel = "RadarEcho", .at = At(kLayout, "radar_echo")}),
    Grouped(kUncertain,
            {.nId = 1139, .pszLabel = "VisualEcho??", .at = At(kLayout, "visual_echo")}),
    Grouped(kUncertain, {.nId = 1141, .pszLabel = "data37", .at = At(kLayout, "data37")}),
    Grouped(kUncertain, {.nId = 1143, .pszLabel = "data38", .at = At(kLayout, "data38")}),
    Grouped(kUncertain, {.nId = 1161, .pszLabel = "Data49", .at = At(kLayout, "data49")}),
    Bit(kTargetCaps, 1054, "target_caps", 0),
    Bit(kTargetCaps, 1055, "target_caps", 1),
    Bit(kTargetCaps, 1056, "target_caps", 2),
    Bit(kTargetCaps, 1057, "target_caps", 3),
    Bit(kTargetCaps, 1058, "target_caps", 4),
    Bit(kTargetCaps, 1059, "target_caps", 7),
    Bit(kMissileCaps, 1047, "missile_caps", 0),
    Bit(kMissileCaps, 1048, "missile_caps", 1),
    Bit(kMissileCaps, 1060, "missile_caps", 2),
    Bit(kMissileCaps, 1050, "missile_caps", 3),
    Bit(kMissileCaps, 1049, "missile_caps", 5),
    Bit(kMissileCaps, 1051, "missile_caps", 6),
    Bit(kMissileCaps, 1052, "missile_caps", 7),
    Bit(kCountermeasures, 1199, "countermeasures", 0),
    Bit(kCountermeasures, 1200, "countermeasures", 1),
    Bit(kCountermeasures, 1201, "countermeasures", 2),
    Bit(kCountermeasures, 1202, "countermeasures", 3),
    Bit(kCountermeasures, 1203, "countermeasures", 4),
    Bit(kCountermeasures, 1204, "countermeasures", 5),
};

}  // namespace ObjectFields
