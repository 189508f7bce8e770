#pragma once

#include "FieldBinding.h"
#include "RecordLayouts.h"

// The sensor record. The reserved fields have no control and are carried through; the four
// "Detection Curve Levels" edits show 0 and are stored nowhere.
namespace SensorFields {

inline constexpr const RecordLayout& kLayout = SensorLayout::kLayout;

enum : int { kRanges, kLevels, kAttributes, kUncertain };

// The names, classes and detection curve on the left, attributes and the rest on the right.
inline constexpr FieldGroup kGroups[] = {
    {"Detection Curve Ranges", 4},
    {"Detection Curve Levels", 4},
    {"Sensor Attributes", 4, 1},
    {"uncertain Options", 3, 1},
};

inline constexpr LayoutField kDisplayName = kLayout.Field("display_name");
inline constexpr LayoutField kClass = kLayout.Field("sensor_class");

consteval FieldBinding Bit(int nId, int nBit) {
    return CheckBit(nId, At(kLayout, "attributes"), nBit, kAttributes);
}

constexpr FieldBinding Level(int nId, const char* pszLabel) {
    return {
        .nId = nId, .pszLabel = pszLabel, .at = NowhereAt(), .bReadOnly = true, .nGroup = kLevels};
}

// The Name field holds 42 bytes; one types at most 20 characters into it.
inline constexpr FieldBinding kFields[] = {
    {.nId = 1119, .pszLabel = "Name", .at = At(kLayout, "name"), .nTextLimit = 20},
    {.nId = 1120, .pszLabel = "Display Name", .at = At(kLayout, "display_name"), .nTextLimit = 40},
    Combo({.nId = 1121, .pszLabel = "Sensor Class", .at = At(kLayout, "sensor_class")}),
    Combo({.nId = 1123,
           .pszLabel = "CounterDetectSensor",
           .at = At(kLayout, "counter_detect_sensor")}),
    {.nId = 1122,
     .pszLabel = "Default Update Interval",
     .at = At(kLayout, "default_update_interval")},
    {.nId = 1124, .pszLabel = "MaxOperationAlt", .at = At(kLayout, "max_operation_alt")},
    {.nId = 1125, .pszLabel = "MinOperationAlt", .at = At(kLayout, "min_operation_alt")},
    {.nId = 1146, .pszLabel = "ConeCenter", .at = At(kLayout, "cone_center")},
    {.nId = 1126, .pszLabel = "SensorCone", .at = At(kLayout, "sensor_cone")},
    {.nId = 1137, .pszLabel = "1:", .at = At(kLayout, "detection_curve_ranges"), .nGroup = kRanges},
    {.nId = 1138,
     .pszLabel = "2:",
     .at = At(kLayout, "detection_curve_ranges", 1),
     .nGroup = kRanges},
    {.nId = 1139,
     .pszLabel = "3:",
     .at = At(kLayout, "detection_curve_ranges", 2),
     .nGroup = kRanges},
    {.nId = 1140,
     .pszLabel = "4:",
     .at = At(kLayout, "detection_curve_ranges", 3),
     .nGroup = kRanges},
    Level(1141, "1:"),
    Level(1142, "2:"),
    Level(1143, "3:"),
    Level(1144, "4:"),
    Bit(1130, 0),
    Bit(1127, 1),
    Bit(1129, 2),
    Bit(1147, 3),
    Bit(1131, 4),
    Bit(1132, 5),
    Bit(1133, 6),
    Bit(1148, 7),
    Bit(1134, 8),
    Bit(1135, 9),
    Bit(1153, 10),
    Bit(1149, 11),
    Bit(1150, 12),
    Bit(1162, 13),
    Bit(1151, 14),
    Bit(1152, 15),
    {.nId = 1128,
     .pszLabel = "Counter Det. RNG?:",
     .at = At(kLayout, "counter_det_rng"),
     .nGroup = kUncertain},
    {.nId = 1136, .pszLabel = "Data07:", .at = At(kLayout, "data07"), .nGroup = kUncertain},
    {.nId = 1154,
     .pszLabel = "Detection Curv Levels?:",
     .at = At(kLayout, "detection_curve_levels"),
     .nGroup = kUncertain},
    {.nId = 1155,
     .pszLabel = "Data08(decoy):?",
     .at = At(kLayout, "data08_decoy"),
     .nGroup = kUncertain},
    {.nId = 1156,
     .pszLabel = "Data09(decoy):?",
     .at = At(kLayout, "data09_decoy"),
     .nGroup = kUncertain},
    {.nId = 1157,
     .pszLabel = "maxSpeed(for Sensor):?",
     .at = At(kLayout, "max_speed"),
     .nGroup = kUncertain},
    {.nId = 1158,
     .pszLabel = "SonarFreq. Min:",
     .at = At(kLayout, "sonar_freq_min"),
     .nGroup = kUncertain},
    {.nId = 1159,
     .pszLabel = "SonarFreq. Max:",
     .at = At(kLayout, "sonar_freq_max"),
     .nGroup = kUncertain},
    {.nId = 1160,
     .pszLabel = "Speed Degradtion:?",
     .at = At(kLayout, "speed_degradation"),
     .nGroup = kUncertain},
    {.nId = 1161, .pszLabel = "Data17:", .at = At(kLayout, "data17"), .nGroup = kUncertain},
    {.nId = 1174, .pszLabel = "Data17a:", .at = At(kLayout, "data17a"), .nGroup = kUncertain},
    {.nId = 1163, .pszLabel = "Data19 X:", .at = At(kLayout, "data19_x"), .nGroup = kUncertain},
    {.nId = 1164, .pszLabel = "Data20 Y:", .at = At(kLayout, "data20_y"), .nGroup = kUncertain},
    {.nId = 1165, .pszLabel = "Data21 Z:", .at = At(kLayout, "data21_z"), .nGroup = kUncertain},
    {.nId = 1166, .pszLabel = "Data22:", .at = At(kLayout, "data22"), .nGroup = kUncertain},
    {.nId = 1167,
     .pszLabel = "Data23(allways =):",
     .at = At(kLayout, "data23"),
     .nGroup = kUncertain},
    {.nId = 1168,
     .pszLabel = "Data24(allways =):",
     .at = At(kLayout, "data24"),
     .nGroup = kUncertain},
    {.nId = 1169, .pszLabel = "Data25:", .at = At(kLayout, "data25"), .nGroup = kUncertain},
};

}  // namespace SensorFields
