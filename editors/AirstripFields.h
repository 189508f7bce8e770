#pragma once

#include "FieldBinding.h"

// The 96-byte airstrip record. The upper 12 bits of the attribute word have no box and are
// carried through.
namespace AirstripFields {

// The runway on the left, the taxiway on the right.
inline constexpr FieldGroup kGroups[] = {
    {"Attributes", 2},    {"Hangar", 3},         {"Runway Start", 3}, {"Runway End", 3},
    {"Taxi Start", 3, 1}, {"Taxi Middle", 3, 1}, {"Taxi End", 3, 1},
};

inline constexpr FieldBinding kFields[] = {
    {.nId = 1004, .pszLabel = "Index", .at = UInt16At(0), .bReadOnly = true},
    {.nId = 1263, .pszLabel = "Name", .at = TextAt(76, 20)},
    {.nId = 1229,
     .pszLabel = "Plane Runway",
     .at = UInt16At(2),
     .kind = ControlKind::CheckBit,
     .nBit = 0,
     .nGroup = 0},
    {.nId = 1230,
     .pszLabel = "Plane Takeoff",
     .at = UInt16At(2),
     .kind = ControlKind::CheckBit,
     .nBit = 1,
     .nGroup = 0},
    {.nId = 1231,
     .pszLabel = "Catapult",
     .at = UInt16At(2),
     .kind = ControlKind::CheckBit,
     .nBit = 2,
     .nGroup = 0},
    {.nId = 1232,
     .pszLabel = "Helo Pad",
     .at = UInt16At(2),
     .kind = ControlKind::CheckBit,
     .nBit = 3,
     .nGroup = 0},
    {.nId = 1233, .pszLabel = "X:", .at = FloatAt(4), .nGroup = 1},
    {.nId = 1234, .pszLabel = "Y:", .at = FloatAt(8), .nGroup = 1},
    {.nId = 1235, .pszLabel = "Z:", .at = FloatAt(12), .nGroup = 1},
    {.nId = 1236, .pszLabel = "X:", .at = FloatAt(16), .nGroup = 2},
    {.nId = 1237, .pszLabel = "Y:", .at = FloatAt(20), .nGroup = 2},
    {.nId = 1238, .pszLabel = "Z:", .at = FloatAt(24), .nGroup = 2},
    {.nId = 1239, .pszLabel = "X:", .at = FloatAt(28), .nGroup = 3},
    {.nId = 1240, .pszLabel = "Y:", .at = FloatAt(32), .nGroup = 3},
    {.nId = 1241, .pszLabel = "Z:", .at = FloatAt(36), .nGroup = 3},
    {.nId = 1242, .pszLabel = "X:", .at = FloatAt(40), .nGroup = 4},
    {.nId = 1243, .pszLabel = "Y:", .at = FloatAt(44), .nGroup = 4},
    {.nId = 1244, .pszLabel = "Z:", .at = FloatAt(48), .nGroup = 4},
    {.nId = 1245, .pszLabel = "X:", .at = FloatAt(52), .nGroup = 5},
    {.nId = 1247, .pszLabel = "Y:", .at = FloatAt(56), .nGroup = 5},
    {.nId = 1256, .pszLabel = "Z:", .at = FloatAt(60), .nGroup = 5},
    {.nId = 1258, .pszLabel = "X:", .at = FloatAt(64), .nGroup = 6},
    {.nId = 1259, .pszLabel = "Y:", .at = FloatAt(68), .nGroup = 6},
    {.nId = 1260, .pszLabel = "Z:", .at = FloatAt(72), .nGroup = 6},
};

}  // namespace AirstripFields
