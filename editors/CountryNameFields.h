#pragma once

#include "FieldBinding.h"
#include "RecordLayouts.h"

// The country name record; every byte has a control. The Index is never written.
// Eighteen characters may be typed into the four-byte Abbr., which keeps the first four.
namespace CountryNameFields {

inline constexpr const RecordLayout& kLayout = CountryNameLayout::kLayout;

inline constexpr FieldBinding kFields[] = {
    {.nId = 1004, .pszLabel = "Index:", .at = Signed(At(kLayout, "index")), .bReadOnly = true},
    {.nId = 1268, .pszLabel = "Name:", .at = At(kLayout, "name"), .nTextLimit = 20},
    {.nId = 1269, .pszLabel = "Abbr.:", .at = At(kLayout, "abbreviation"), .nTextLimit = 18},
    {.nId = 1005, .pszLabel = "data01:", .at = At(kLayout, "data01")},
    {.nId = 1006, .pszLabel = "data02:", .at = At(kLayout, "data02")},
    {.nId = 1007, .pszLabel = "data03:", .at = At(kLayout, "data03")},
    {.nId = 1013, .pszLabel = "data04:", .at = At(kLayout, "data04")},
    {.nId = 1015, .pszLabel = "data05:", .at = At(kLayout, "data05")},
};

}  // namespace CountryNameFields
