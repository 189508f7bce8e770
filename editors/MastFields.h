#pragma once

#include "FieldBinding.h"
#include "RecordLayouts.h"

// The mast record; every byte has a control. The names and Data01 to Data14 fill the
// first column, the rest the second.
namespace MastFields {

inline constexpr const RecordLayout& kLayout = MastLayout::kLayout;

inline constexpr FieldBinding kFields[] = {
    {.nId = 1004, .pszLabel = "Index", .at = Signed(At(kLayout, "index"))},
    {.nId = 1194, .pszLabel = "Name", .at = At(kLayout, "name")},
    {.nId = 1009, .pszLabel = "SoundFile:", .at = At(kLayout, "sound_file")},
    {.nId = 1196, .pszLabel = "Data01:", .at = At(kLayout, "data01")},
    {.nId = 1197, .pszLabel = "Data02:", .at = At(kLayout, "data02")},
    {.nId = 1198, .pszLabel = "Data03:", .at = At(kLayout, "data03")},
    {.nId = 1199, .pszLabel = "Bouyoncy:", .at = At(kLayout, "buoyancy")},
    {.nId = 1200, .pszLabel = "Data05:", .at = At(kLayout, "data05")},
    {.nId = 1201, .pszLabel = "Data06:", .at = At(kLayout, "data06")},
    {.nId = 1202, .pszLabel = "Data07:", .at = At(kLayout, "data07")},
    {.nId = 1203, .pszLabel = "Data08:", .at = At(kLayout, "data08")},
    {.nId = 1204, .pszLabel = "Data09:", .at = At(kLayout, "data09")},
    {.nId = 1205, .pszLabel = "Data10:", .at = At(kLayout, "data10")},
    {.nId = 1206, .pszLabel = "Data11:", .at = At(kLayout, "data11")},
    {.nId = 1208, .pszLabel = "Data12:", .at = At(kLayout, "data12")},
    {.nId = 1209, .pszLabel = "Data13:", .at = At(kLayout, "data13")},
    {.nId = 1210, .pszLabel = "Data14:", .at = At(kLayout, "data14")},
    {.nId = 1212, .pszLabel = "Data15:", .at = At(kLayout, "data15"), .nFormColumn = 1},
    {.nId = 1213, .pszLabel = "Data16:", .at = At(kLayout, "data16"), .nFormColumn = 1},
    {.nId = 1214, .pszLabel = "Data17:", .at = At(kLayout, "data17"), .nFormColumn = 1},
    {.nId = 1166, .pszLabel = "Center X:", .at = At(kLayout, "center_x"), .nFormColumn = 1},
    {.nId = 1167, .pszLabel = "Center Y:", .at = At(kLayout, "center_y"), .nFormColumn = 1},
    {.nId = 1168, .pszLabel = "Center Z:", .at = At(kLayout, "center_z"), .nFormColumn = 1},
    {.nId = 1218, .pszLabel = "Length:", .at = At(kLayout, "length"), .nFormColumn = 1},
    {.nId = 1219, .pszLabel = "Data22:", .at = At(kLayout, "data22"), .nFormColumn = 1},
};

}  // namespace MastFields
