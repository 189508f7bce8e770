#pragma once

// The ten record layouts. Names are lower case and stable: tools print them, the CSV files
// use them as column names, and the editors bind their controls to them.

#include <array>

#include "FieldMeanings.h"
#include "RecordLayout.h"

namespace ObjectLayout {
using namespace Field;
inline constexpr LayoutField kFields[] = {
    UInt16("index", 0),
    Text("name", 2, 20),
    Int16("id", 22),
    Int32("object_type", 24).Means(FieldMeanings::kObjectType),
    Int32("sim_type", 28).Means(FieldMeanings::kSimType),
    Text("default_doctrine", 32, 20),
    Text("sound_file", 52, 20),
    Float("mast_height_x10", 72),
    Float("length_x10", 76),
    Float("width_x10", 80),
    Float("draft_x10", 84),
    Float("cd", 88),
    Int16("mass", 92),
    Int16("mass_unit", 94),
    Int32("wpn_max_range", 96),
    Int32("wpn_min_range", 100),
    Int32("fuel", 104),
    Int16("buoy_count", 108),
    Raw("reserved_110", 110, 2),
    Int16("armor", 112),
    Text("def_doctrine2", 114, 20),
    UInt8("asw", 134),
    UInt8("suw", 135),
    UInt8("aaw", 136),
    UInt8("strike", 137),
    UInt8("recon", 138),
    UInt8("comms_tanker", 139),
    UInt8("minesweeping_bomber", 140),
    Raw("reserved_141", 141, 3),
    Int32("point_value", 144),
    Int16("max_speed", 148),
    Int16("min_speed", 150),
    Int32("climb_angle", 152),
    Int32("max_alt", 156),
    Int32("min_alt", 160),
    Float("turn_radius", 164),
    Float("unused_float", 168),
    Float("wpn_effectiveness", 172),
    Float("data29", 176),
    Float("data30", 180),
    Float("data31_visual", 184),
    Float("sound_echo", 188),
    Float("ir_emission", 192),
    Float("sound_emission", 196),
    Float("radar_echo", 200),
    Float("visual_echo", 204),
    Float("data37", 208),
    Float("data38", 212),
    Raw("reserved_216", 216, 4),
    Int16("launcher_slots", 220, 30),
    Int16("airstrip_slots", 280, 10),
    Int16("sensor_slots", 300, 9),
    Int16("data49", 318, 6),
    Int16("sonar_profile", 330),
    Raw("reserved_332", 332, 2),
    UInt16("target_caps", 334).Means(FieldMeanings::kTargetCaps),
    UInt16("missile_caps", 336).Means(FieldMeanings::kMissileCaps),
    UInt8("countermeasures", 338).Means(FieldMeanings::kCountermeasures),
    Raw("reserved_339", 339, 5),
};
inline constexpr RecordLayout kLayout{Database::Object, "object", "od", "object", 344, true,
                                      "name",           kFields};
}  // namespace ObjectLayout

namespace SensorLayout {
using namespace Field;
inline constexpr LayoutField kFields[] = {
    UInt16("index", 0),
    Text("name", 2, 42),
    Int32("sensor_class", 44).Means(FieldMeanings::kSensorClass),
    Int32("counter_detect_sensor", 48).Means(FieldMeanings::kSensorClass),
    UInt32("default_update_interval", 52),
    UInt32("detection_curve_ranges", 56, 4),
    Raw("reserved_72", 72, 4),
    Int32("counter_det_rng", 76),
    Int16("data07", 80),
    Int16("detection_curve_levels", 82),
    Int32("data08_decoy", 84),
    Int32("data09_decoy", 88),
    Int32("max_speed", 92),
    Int32("max_operation_alt", 96),
    Int32("min_operation_alt", 100),
    Int32("sonar_freq_min", 104),
    Int32("sonar_freq_max", 108),
    Int32("speed_degradation", 112),
    UInt16("attributes", 116).Means(FieldMeanings::kSensorAttributes),
    Raw("reserved_118", 118, 2),
    Int16("data17", 120),
    Int16("data17a", 122),
    UInt32("cone_center", 124),
    Int32("sensor_cone", 128),
    Int32("data19_x", 132),
    Float("data20_y", 136),
    Float("data21_z", 140),
    Int32("data22", 144),
    Int32("data23", 148),
    Int32("data24", 152),
    Int32("data25", 156),
    Text("display_name", 160, 20),
};
inline constexpr RecordLayout kLayout{Database::Sensor, "sensor", "sd", "sensor", 180, true,
                                      "name",           kFields};
}  // namespace SensorLayout

namespace LauncherLayout {
using namespace Field;
inline constexpr LayoutField kFields[] = {
    UInt16("index", 0),
    Int16("tubes", 2),
    Int16("centered_heading", 4),
    Int16("half_firing_cone", 6),
    Int16("pitch", 8),
    Int16("heading", 10),
    UInt16("attributes", 12).Means(FieldMeanings::kLauncherAttributes),
    Int16("clip_reload_time", 14),
    Int16("ammo_swap_time", 16),
    Int16("max_rounds_guidable", 18),
    Int16("rounds_per_minute", 20),
    Int16("additional_ammo_clips", 22),
    Float("location_x", 24),
    Float("location_y", 28),
    Float("location_z", 32),
    Float("top_left_x", 36),
    Float("top_left_y", 40),
    Float("top_left_z", 44),
    Float("bottom_right_x", 48),
    Float("bottom_right_y", 52),
    Float("bottom_right_z", 56),
    Int16("rows", 60),
    Int16("columns", 62),
    Int16("rounds", 64, 4),
    Int16("ammo_types", 72, 4).Means(FieldMeanings::kAmmunition),
    Text("sound_file", 80, 20),
    Text("name", 100, 20),
};
inline constexpr RecordLayout kLayout{
    Database::Launcher, "launcher", "ld", "launcher", 120, true, "name", kFields};
}  // namespace LauncherLayout

namespace AirstripLayout {
using namespace Field;
inline constexpr LayoutField kFields[] = {
    UInt16("index", 0),          UInt16("attributes", 2).Means(FieldMeanings::kAirstripAttributes),
    Float("hangar_x", 4),        Float("hangar_y", 8),
    Float("hangar_z", 12),       Float("runway_start_x", 16),
    Float("runway_start_y", 20), Float("runway_start_z", 24),
    Float("runway_end_x", 28),   Float("runway_end_y", 32),
    Float("runway_end_z", 36),   Float("taxi_start_x", 40),
    Float("taxi_start_y", 44),   Float("taxi_start_z", 48),
    Float("taxi_middle_x", 52),  Float("taxi_middle_y", 56),
    Float("taxi_middle_z", 60),  Float("taxi_end_x", 64),
    Float("taxi_end_y", 68),     Float("taxi_end_z", 72),
    Text("name", 76, 20),
};
inline constexpr RecordLayout kLayout{
    Database::Airstrip, "airstrip", "ad", "airstrip", 96, true, "name", kFields};
}  // namespace AirstripLayout

namespace EntityLayout {
using namespace Field;
inline constexpr LayoutField kFields[] = {
    UInt16("index", 0),        Int16("ship_class_index", 2), Text("name", 4, 20),
    Int16("data01", 24),       Int16("data02", 26),          Int16("data03", 28),
    Int16("data04", 30),       Int16("data05", 32),          Int16("ship_number", 34),
    Text("type_name", 36, 20), Int16("data06", 56),
};
inline constexpr RecordLayout kLayout{Database::Entity, "entity", "pd", "entity", 58, true,
                                      "name",           kFields};
}  // namespace EntityLayout

namespace ProfileLayout {
using namespace Field;
inline constexpr LayoutField kFields[] = {
    UInt16("index", 0),         Text("name", 2, 20),         Int16("band_0_100", 22),
    Int16("band_100_150", 24),  Int16("band_150_500", 26),   Int16("band_350_500", 28),
    Int16("band_500_1000", 30), Int16("band_1000_2000", 32), Raw("reserved_34", 34, 10),
};
inline constexpr RecordLayout kLayout{
    Database::Profile, "profile", "qd", "sonar profile", 44, true, "name", kFields};
}  // namespace ProfileLayout

namespace MastLayout {
using namespace Field;
inline constexpr LayoutField kFields[] = {
    UInt16("index", 0),         Text("name", 2, 20),   Int16("data01", 22),   Int16("data02", 24),
    Int16("data03", 26),        Int16("buoyancy", 28), Int16("data05", 30),   Int16("data06", 32),
    Int16("data07", 34),        Int16("data08", 36),   Int16("data09", 38),   Int16("data10", 40),
    Int16("data11", 42),        Int16("data12", 44),   Int16("data13", 46),   Int16("data14", 48),
    Text("sound_file", 50, 20), Int16("data15", 70),   Int32("data16", 72),   Int32("data17", 76),
    Float("center_x", 80),      Float("center_y", 84), Float("center_z", 88), Int16("length", 92),
    Int16("data22", 94),
};
inline constexpr RecordLayout kLayout{Database::Mast, "mast", "md",   "mast", 96,
                                      true,           "name", kFields};
}  // namespace MastLayout

namespace Object3DLayout {
using namespace Field;
inline constexpr LayoutField kFields[] = {
    Text("name", 0, 20),        Text("model_low", 20, 20),  Text("model_med", 40, 20),
    Text("model_high", 60, 20), Raw("reserved_80", 80, 60), Float("water_line_radius", 140),
    Int16("free_var_1", 144),   Int16("free_var_2", 146),   Int16("free_var_3", 148),
    Int16("free_var_4", 150),   Int32("anim_parts", 152),   Raw("reserved_156", 156, 800),
};
inline constexpr RecordLayout kLayout{
    Database::Object3D, "3dobject", "3d", "3D object", 956, false, "name", kFields};
}  // namespace Object3DLayout

namespace ShipClassLayout {
using namespace Field;
inline constexpr LayoutField kFields[] = {
    UInt16("index", 0), Int16("country", 2),  Int16("data02", 4),    Int16("data03", 6),
    Int16("data04", 8), Text("name", 10, 40), Text("class", 50, 18),
};
inline constexpr RecordLayout kLayout{
    Database::ShipClass, "class", "bd", "ship class", 68, true, "name", kFields};
}  // namespace ShipClassLayout

namespace CountryNameLayout {
using namespace Field;
inline constexpr LayoutField kFields[] = {
    UInt16("index", 0),  Text("name", 2, 40), Int16("data01", 42), Int16("data02", 44),
    Int16("data03", 46), Int16("data04", 48), Int16("data05", 50), Text("abbreviation", 52, 4),
};
inline constexpr RecordLayout kLayout{
    Database::CountryName, "countryname", "cd", "country name", 56, true, "name", kFields};
}  // namespace CountryNameLayout

// All ten, in the order of Database.
inline constexpr std::array<const RecordLayout*, kDatabaseCount> kRecordLayouts{
    &ObjectLayout::kLayout,      &SensorLayout::kLayout,   &LauncherLayout::kLayout,
    &AirstripLayout::kLayout,    &EntityLayout::kLayout,   &ProfileLayout::kLayout,
    &MastLayout::kLayout,        &Object3DLayout::kLayout, &ShipClassLayout::kLayout,
    &CountryNameLayout::kLayout,
};

constexpr const RecordLayout& LayoutOf(Database database) {
    return *kRecordLayouts[static_cast<std::size_t>(database)];
}

// The database whose file base name is name ("object", "3dobject"); null when none is.
const RecordLayout* FindLayout(std::string_view name);
