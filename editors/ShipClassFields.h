#pragma once

#include "FieldBinding.h"

// The 68-byte ship class record; every byte has a control. The Index is never written.
namespace ShipClassFields {

inline constexpr FieldBinding kFields[] = {
    {.nId = 1004, .pszLabel = "Index:", .at = Int16At(0), .bReadOnly = true},
    {.nId = 1264, .pszLabel = "Name:", .at = TextAt(10, 40), .nTextLimit = 20},
    {.nId = 1265, .pszLabel = "Class:", .at = TextAt(50, 18)},
    {.nId = 1270, .pszLabel = "Country:", .at = Int16At(2)},
    {.nId = 1006, .pszLabel = "data02:", .at = Int16At(4)},
    {.nId = 1007, .pszLabel = "data03:", .at = Int16At(6)},
    {.nId = 1013, .pszLabel = "data04:", .at = Int16At(8)},
};

}  // namespace ShipClassFields
