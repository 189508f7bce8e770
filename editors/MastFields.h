#pragma once

#include "FieldBinding.h"

// The 96-byte mast record; every byte has a control. The names and Data01 to Data14 fill the
// first column, the rest the second.
namespace MastFields {

inline constexpr FieldBinding kFields[] = {
    {.nId = 1004, .pszLabel = "Index", .at = Int16At(0)},
    {.nId = 1194, .pszLabel = "Name", .at = TextAt(2, 20)},
    {.nId = 1009, .pszLabel = "SoundFile:", .at = TextAt(50, 20)},
    {.nId = 1196, .pszLabel = "Data01:", .at = Int16At(22)},
    {.nId = 1197, .pszLabel = "Data02:", .at = Int16At(24)},
    {.nId = 1198, .pszLabel = "Data03:", .at = Int16At(26)},
    {.nId = 1199, .pszLabel = "Bouyoncy:", .at = Int16At(28)},
    {.nId = 1200, .pszLabel = "Data05:", .at = Int16At(30)},
    {.nId = 1201, .pszLabel = "Data06:", .at = Int16At(32)},
    {.nId = 1202, .pszLabel = "Data07:", .at = Int16At(34)},
    {.nId = 1203, .pszLabel = "Data08:", .at = Int16At(36)},
    {.nId = 1204, .pszLabel = "Data09:", .at = Int16At(38)},
    {.nId = 1205, .pszLabel = "Data10:", .at = Int16At(40)},
    {.nId = 1206, .pszLabel = "Data11:", .at = Int16At(42)},
    {.nId = 1208, .pszLabel = "Data12:", .at = Int16At(44)},
    {.nId = 1209, .pszLabel = "Data13:", .at = Int16At(46)},
    {.nId = 1210, .pszLabel = "Data14:", .at = Int16At(48)},
    {.nId = 1212, .pszLabel = "Data15:", .at = Int16At(70), .nFormColumn = 1},
    {.nId = 1213, .pszLabel = "Data16:", .at = Int32At(72), .nFormColumn = 1},
    {.nId = 1214, .pszLabel = "Data17:", .at = Int32At(76), .nFormColumn = 1},
    {.nId = 1166, .pszLabel = "Center X:", .at = FloatAt(80), .nFormColumn = 1},
    {.nId = 1167, .pszLabel = "Center Y:", .at = FloatAt(84), .nFormColumn = 1},
    {.nId = 1168, .pszLabel = "Center Z:", .at = FloatAt(88), .nFormColumn = 1},
    {.nId = 1218, .pszLabel = "Length:", .at = Int16At(92), .nFormColumn = 1},
    {.nId = 1219, .pszLabel = "Data22:", .at = Int16At(94), .nFormColumn = 1},
};

}  // namespace MastFields
