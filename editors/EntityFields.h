#pragma once

#include "FieldBinding.h"

// The 58-byte entity record; every byte has a control.
namespace EntityFields {

inline constexpr FieldBinding kFields[] = {
    {.nId = 1004, .pszLabel = "Index", .at = Int16At(0)},
    {.nId = 1198, .pszLabel = "Name", .at = TextAt(4, 20)},
    {.nId = 1200, .pszLabel = "Ship No.:", .at = Int16At(34)},
    {.nId = 1199, .pszLabel = "Type Name:", .at = TextAt(36, 20)},
    {.nId = 1197, .pszLabel = "ShipClassIndex:", .at = Int16At(2)},
    {.nId = 1201, .pszLabel = "Data01:", .at = Int16At(24)},
    {.nId = 1202, .pszLabel = "Data02:", .at = Int16At(26)},
    {.nId = 1203, .pszLabel = "Data03:", .at = Int16At(28)},
    {.nId = 1204, .pszLabel = "Data04:", .at = Int16At(30)},
    {.nId = 1205, .pszLabel = "Data05:", .at = Int16At(32)},
    {.nId = 1206, .pszLabel = "Data06 unused:", .at = Int16At(56)},
};

}  // namespace EntityFields
