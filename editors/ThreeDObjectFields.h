#pragma once

#include "FieldBinding.h"

// The 956-byte 3D object record. It has no index field; bytes 80 to 139 and 156 to 955 have no
// control and are carried through.
namespace ThreeDObjectFields {

inline constexpr FieldBinding kFields[] = {
    {.nId = 1201, .pszLabel = "Name", .at = TextAt(0, 20)},
    {.nId = 1202, .pszLabel = "Model Name Low:", .at = TextAt(20, 20)},
    {.nId = 1203, .pszLabel = "Model Name Med:", .at = TextAt(40, 20)},
    {.nId = 1204, .pszLabel = "Model Name High:", .at = TextAt(60, 20)},
    {.nId = 1205, .pszLabel = "Water Line Radius:", .at = FloatAt(140)},
    {.nId = 1206, .pszLabel = "Free Var 1:", .at = Int16AsUInt32At(144)},
    {.nId = 1208, .pszLabel = "Free Var 2:", .at = Int16AsUInt32At(146)},
    {.nId = 1209, .pszLabel = "No. of AnimParts:", .at = Int32At(152)},
    {.nId = 1213, .pszLabel = "Free Var 3:", .at = Int16AsUInt32At(148)},
    {.nId = 1229, .pszLabel = "Free Var 4:", .at = Int16AsUInt32At(150)},
};

}  // namespace ThreeDObjectFields
