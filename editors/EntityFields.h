#pragma once

#include "FieldBinding.h"
#include "RecordLayouts.h"

// The entity record; every byte has a control.
namespace EntityFields {

inline constexpr const RecordLayout& kLayout = EntityLayout::kLayout;

inline constexpr FieldBinding kFields[] = {
    {.nId = 1004, .pszLabel = "Index", .at = Signed(At(kLayout, "index"))},
    {.nId = 1198, .pszLabel = "Name", .at = At(kLayout, "name")},
    {.nId = 1200, .pszLabel = "Ship No.:", .at = At(kLayout, "ship_number")},
    {.nId = 1199, .pszLabel = "Type Name:", .at = At(kLayout, "type_name")},
    {.nId = 1197, .pszLabel = "ShipClassIndex:", .at = At(kLayout, "ship_class_index")},
    {.nId = 1201, .pszLabel = "Data01:", .at = At(kLayout, "data01")},
    {.nId = 1202, .pszLabel = "Data02:", .at = At(kLayout, "data02")},
    {.nId = 1203, .pszLabel = "Data03:", .at = At(kLayout, "data03")},
    {.nId = 1204, .pszLabel = "Data04:", .at = At(kLayout, "data04")},
    {.nId = 1205, .pszLabel = "Data05:", .at = At(kLayout, "data05")},
    {.nId = 1206, .pszLabel = "Data06 unused:", .at = At(kLayout, "data06")},
};

}  // namespace EntityFields
