#pragma once

#include "FieldBinding.h"
#include "RecordLayouts.h"

// The airstrip record. The upper 12 bits of the attribute word have no box and are
// carried through.
namespace AirstripFields {

inline constexpr const RecordLayout& kLayout = AirstripLayout::kLayout;

// The runway on the left, the taxiway on the right.
inline constexpr FieldGroup kGroups[] = {
    {"Attributes", 2},    {"Hangar", 3},         {"Runway Start", 3}, {"Runway End", 3},
    {"Taxi Start", 3, 1}, {"Taxi Middle", 3, 1}, {"Taxi End", 3, 1},
};

inline constexpr FieldBinding kFields[] = {
    {.nId = 1004, .pszLabel = "Index", .at = At(kLayout, "index"), .bReadOnly = true},
    {.nId = 1263, .pszLabel = "Name", .at = At(kLayout, "name")},
    CheckBit(1229, At(kLayout, "attributes"), 0, 0),
    CheckBit(1230, At(kLayout, "attributes"), 1, 0),
    CheckBit(1231, At(kLayout, "attributes"), 2, 0),
    CheckBit(1232, At(kLayout, "attributes"), 3, 0),
    {.nId = 1233, .pszLabel = "X:", .at = At(kLayout, "hangar_x"), .nGroup = 1},
    {.nId = 1234, .pszLabel = "Y:", .at = At(kLayout, "hangar_y"), .nGroup = 1},
    {.nId = 1235, .pszLabel = "Z:", .at = At(kLayout, "hangar_z"), .nGroup = 1},
    {.nId = 1236, .pszLabel = "X:", .at = At(kLayout, "runway_start_x"), .nGroup = 2},
    {.nId = 1237, .pszLabel = "Y:", .at = At(kLayout, "runway_start_y"), .nGroup = 2},
    {.nId = 1238, .pszLabel = "Z:", .at = At(kLayout, "runway_start_z"), .nGroup = 2},
    {.nId = 1239, .pszLabel = "X:", .at = At(kLayout, "runway_end_x"), .nGroup = 3},
    {.nId = 1240, .pszLabel = "Y:", .at = At(kLayout, "runway_end_y"), .nGroup = 3},
    {.nId = 1241, .pszLabel = "Z:", .at = At(kLayout, "runway_end_z"), .nGroup = 3},
    {.nId = 1242, .pszLabel = "X:", .at = At(kLayout, "taxi_start_x"), .nGroup = 4},
    {.nId = 1243, .pszLabel = "Y:", .at = At(kLayout, "taxi_start_y"), .nGroup = 4},
    {.nId = 1244, .pszLabel = "Z:", .at = At(kLayout, "taxi_start_z"), .nGroup = 4},
    {.nId = 1245, .pszLabel = "X:", .at = At(kLayout, "taxi_middle_x"), .nGroup = 5},
    {.nId = 1247, .pszLabel = "Y:", .at = At(kLayout, "taxi_middle_y"), .nGroup = 5},
    {.nId = 1256, .pszLabel = "Z:", .at = At(kLayout, "taxi_middle_z"), .nGroup = 5},
    {.nId = 1258, .pszLabel = "X:", .at = At(kLayout, "taxi_end_x"), .nGroup = 6},
    {.nId = 1259, .pszLabel = "Y:", .at = At(kLayout, "taxi_end_y"), .nGroup = 6},
    {.nId = 1260, .pszLabel = "Z:", .at = At(kLayout, "taxi_end_z"), .nGroup = 6},
};

}  // namespace AirstripFields
