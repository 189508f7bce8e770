#pragma once

#include "FieldBinding.h"
#include "RecordLayouts.h"

// The launcher record. The four "Ammo Type" combos are filled by the editor with the
// weapon entities; an entity index that is none of them is kept until another item is picked.
namespace LauncherFields {

inline constexpr const RecordLayout& kLayout = LauncherLayout::kLayout;

enum : int { kWeapon, kLocation, kOnPlatform, kTopLeft, kBottomRight, kAngles, kAttributes };

// Weapon and tube layout in the left column, positions, angles and bits in the right one.
inline constexpr FieldGroup kGroups[] = {
    {"Weapon Details", 2},     {"Location Details", 2},       {"Location on Platform", 3, 1},
    {"Top-Left Corner", 3, 1}, {"Bottom-Right Corner", 3, 1}, {"Angles (Degrees)", 2, 1},
    {"Attributes", 4, 1},
};

consteval FieldBinding Bit(int nId, int nBit) {
    return CheckBit(nId, At(kLayout, "attributes"), nBit, kAttributes);
}

consteval FieldBinding Ammo(int nId, const char* pszLabel, std::size_t nElement) {
    return {.nId = nId,
            .pszLabel = pszLabel,
            .at = At(kLayout, "ammo_types", nElement),
            .kind = ControlKind::ComboValueOrFirst,
            .nGroup = kWeapon};
}

inline constexpr int kAmmoIds[] = {1155, 1157, 1160, 1163};

inline constexpr FieldBinding kFields[] = {
    {.nId = 1181, .pszLabel = "Name:", .at = At(kLayout, "name"), .nTextLimit = 40},
    {.nId = 1009, .pszLabel = "SoundFile:", .at = At(kLayout, "sound_file"), .nTextLimit = 40},
    {.nId = 1125, .pszLabel = "Number of Tubes:", .at = At(kLayout, "tubes"), .nGroup = kWeapon},
    {.nId = 1120,
     .pszLabel = "Rounds per Minute:",
     .at = At(kLayout, "rounds_per_minute"),
     .nGroup = kWeapon},
    {.nId = 1123,
     .pszLabel = "Clip Reload Time:",
     .at = At(kLayout, "clip_reload_time"),
     .nGroup = kWeapon},
    {.nId = 1122,
     .pszLabel = "Ammo Swap Time:",
     .at = At(kLayout, "ammo_swap_time"),
     .nGroup = kWeapon},
    {.nId = 1121,
     .pszLabel = "Additional Ammo Clips:",
     .at = At(kLayout, "additional_ammo_clips"),
     .nGroup = kWeapon},
    {.nId = 1124,
     .pszLabel = "Maximum Number of Rounds Guidable:",
     .at = At(kLayout, "max_rounds_guidable"),
     .nGroup = kWeapon},
    {.nId = 1156, .pszLabel = "No. of Rounds 1:", .at = At(kLayout, "rounds"), .nGroup = kWeapon},
    Ammo(kAmmoIds[0], "Ammo Type 1:", 0),
    {.nId = 1158,
     .pszLabel = "No. of Rounds 2:",
     .at = At(kLayout, "rounds", 1),
     .nGroup = kWeapon},
    Ammo(kAmmoIds[1], "Ammo Type 2:", 1),
    {.nId = 1161,
     .pszLabel = "No. of Rounds 3:",
     .at = At(kLayout, "rounds", 2),
     .nGroup = kWeapon},
    Ammo(kAmmoIds[2], "Ammo Type 3:", 2),
    {.nId = 1164,
     .pszLabel = "No. of Rounds 4:",
     .at = At(kLayout, "rounds", 3),
     .nGroup = kWeapon},
    Ammo(kAmmoIds[3], "Ammo Type 4:", 3),
    {.nId = 1127, .pszLabel = "Rows:", .at = At(kLayout, "rows"), .nGroup = kLocation},
    {.nId = 1126, .pszLabel = "Columns:", .at = At(kLayout, "columns"), .nGroup = kLocation},
    {.nId = 1166, .pszLabel = "X:", .at = At(kLayout, "location_x"), .nGroup = kOnPlatform},
    {.nId = 1167, .pszLabel = "Y:", .at = At(kLayout, "location_y"), .nGroup = kOnPlatform},
    {.nId = 1168, .pszLabel = "Z:", .at = At(kLayout, "location_z"), .nGroup = kOnPlatform},
    {.nId = 1169, .pszLabel = "X:", .at = At(kLayout, "top_left_x"), .nGroup = kTopLeft},
    {.nId = 1170, .pszLabel = "Y:", .at = At(kLayout, "top_left_y"), .nGroup = kTopLeft},
    {.nId = 1171, .pszLabel = "Z:", .at = At(kLayout, "top_left_z"), .nGroup = kTopLeft},
    {.nId = 1172, .pszLabel = "X:", .at = At(kLayout, "bottom_right_x"), .nGroup = kBottomRight},
    {.nId = 1173, .pszLabel = "Y:", .at = At(kLayout, "bottom_right_y"), .nGroup = kBottomRight},
    {.nId = 1174, .pszLabel = "Z:", .at = At(kLayout, "bottom_right_z"), .nGroup = kBottomRight},
    {.nId = 1130,
     .pszLabel = "centered Heading:",
     .at = At(kLayout, "centered_heading"),
     .nGroup = kAngles},
    {.nId = 1129,
     .pszLabel = "Half of Firing cone:",
     .at = At(kLayout, "half_firing_cone"),
     .nGroup = kAngles},
    {.nId = 1132,
     .pszLabel = "Pitch rel. to Platform:",
     .at = At(kLayout, "pitch"),
     .nGroup = kAngles},
    {.nId = 1131,
     .pszLabel = "Heading rel. to Platform:",
     .at = At(kLayout, "heading"),
     .nGroup = kAngles},
    Bit(1128, 0),
    Bit(1138, 1),
    Bit(1139, 2),
    Bit(1136, 3),
    Bit(1137, 4),
    Bit(1140, 5),
    Bit(1141, 6),
    Bit(1142, 7),
    Bit(1143, 8),
    Bit(1144, 9),
    Bit(1175, 10),
    Bit(1176, 11),
    Bit(1177, 12),
    Bit(1178, 13),
    Bit(1179, 14),
    Bit(1180, 15),
};

}  // namespace LauncherFields
