#pragma once

#include "FieldBinding.h"

// The 44-byte sonar profile record as both profile dialogs show it. Bytes 34 to 43 have no
// control and are carried through.
namespace ProfileFields {

inline constexpr FieldGroup kGroups[] = {
    {"Passive Detection Frequency [Hz] ", 6},
};

inline constexpr FieldBinding kFields[] = {
    {.nId = 1004, .pszLabel = "Index:", .at = Int16At(0), .bReadOnly = true},
    {.nId = 1029, .pszLabel = "Name:", .at = TextAt(2, 20)},
    {.nId = 1005, .pszLabel = "0-100", .at = Int16At(22), .nGroup = 0},
    {.nId = 1006, .pszLabel = "100-150", .at = Int16At(24), .nGroup = 0},
    {.nId = 1007, .pszLabel = "150-500", .at = Int16At(26), .nGroup = 0},
    {.nId = 1013, .pszLabel = "350-500", .at = Int16At(28), .nGroup = 0},
    {.nId = 1015, .pszLabel = "500-1000", .at = Int16At(30), .nGroup = 0},
    {.nId = 1017, .pszLabel = "1000-2000", .at = Int16At(32), .nGroup = 0},
};

}  // namespace ProfileFields
