#pragma once

#include "FieldBinding.h"
#include "RecordLayouts.h"

// The sonar profile record as both profile dialogs show it. The reserved field has no control
// and is carried through.
namespace ProfileFields {

inline constexpr const RecordLayout& kLayout = ProfileLayout::kLayout;

inline constexpr FieldGroup kGroups[] = {
    {"Passive Detection Frequency [Hz] ", 6},
};

inline constexpr FieldBinding kFields[] = {
    {.nId = 1004, .pszLabel = "Index:", .at = Signed(At(kLayout, "index")), .bReadOnly = true},
    {.nId = 1029, .pszLabel = "Name:", .at = At(kLayout, "name")},
    {.nId = 1005, .pszLabel = "0-100", .at = At(kLayout, "band_0_100"), .nGroup = 0},
    {.nId = 1006, .pszLabel = "100-150", .at = At(kLayout, "band_100_150"), .nGroup = 0},
    {.nId = 1007, .pszLabel = "150-500", .at = At(kLayout, "band_150_500"), .nGroup = 0},
    {.nId = 1013, .pszLabel = "350-500", .at = At(kLayout, "band_350_500"), .nGroup = 0},
    {.nId = 1015, .pszLabel = "500-1000", .at = At(kLayout, "band_500_1000"), .nGroup = 0},
    {.nId = 1017, .pszLabel = "1000-2000", .at = At(kLayout, "band_1000_2000"), .nGroup = 0},
};

}  // namespace ProfileFields
