#pragma once

#include "FieldBinding.h"

// The 56-byte country name record; every byte has a control. The Index is never written.
// Eighteen characters may be typed into the four-byte Abbr., which keeps the first four.
namespace CountryNameFields {

inline constexpr FieldBinding kFields[] = {
    {.nId = 1004, .pszLabel = "Index:", .at = Int16At(0), .bReadOnly = true},
    {.nId = 1268, .pszLabel = "Name:", .at = TextAt(2, 40), .nTextLimit = 20},
    {.nId = 1269, .pszLabel = "Abbr.:", .at = TextAt(52, 4), .nTextLimit = 18},
    {.nId = 1005, .pszLabel = "data01:", .at = Int16At(42)},
    {.nId = 1006, .pszLabel = "data02:", .at = Int16At(44)},
    {.nId = 1007, .pszLabel = "data03:", .at = Int16At(46)},
    {.nId = 1013, .pszLabel = "data04:", .at = Int16At(48)},
    {.nId = 1015, .pszLabel = "data05:", .at = Int16At(50)},
};

}  // namespace CountryNameFields
