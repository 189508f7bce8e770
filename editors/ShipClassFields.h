#pragma once

#include "FieldBinding.h"
#include "RecordLayouts.h"

// The 68-byte ship class record; every byte has a control. The Index is never written.
namespace ShipClassFields {

inline constexpr const RecordLayout& kLayout = ShipClassLayout::kLayout;

inline constexpr FieldBinding kFields[] = {
    {.nId = 1004, .pszLabel = "Index:", .at = Signed(At(kLayout, "index")), .bReadOnly = true},
    {.nId = 1264, .pszLabel = "Name:", .at = At(kLayout, "name"), .nTextLimit = 20},
    {.nId = 1265, .pszLabel = "Class:", .at = At(kLayout, "class")},
    {.nId = 1270, .pszLabel = "Country:", .at = At(kLayout, "country")},
    {.nId = 1006, .pszLabel = "data02:", .at = At(kLayout, "data02")},
    {.nId = 1007, .pszLabel = "data03:", .at = At(kLayout, "data03")},
    {.nId = 1013, .pszLabel = "data04:", .at = At(kLayout, "data04")},
};

}  // namespace ShipClassFields
