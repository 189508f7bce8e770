#pragma once

#include "FieldBinding.h"
#include "RecordLayouts.h"

// The 3D object record. It has no index field; the reserved fields have no control and are
// carried through.
namespace ThreeDObjectFields {

inline constexpr const RecordLayout& kLayout = Object3DLayout::kLayout;

inline constexpr FieldBinding kFields[] = {
    {.nId = 1201, .pszLabel = "Name", .at = At(kLayout, "name")},
    {.nId = 1202, .pszLabel = "Model Name Low:", .at = At(kLayout, "model_low")},
    {.nId = 1203, .pszLabel = "Model Name Med:", .at = At(kLayout, "model_med")},
    {.nId = 1204, .pszLabel = "Model Name High:", .at = At(kLayout, "model_high")},
    {.nId = 1205, .pszLabel = "Water Line Radius:", .at = At(kLayout, "water_line_radius")},
    {.nId = 1206, .pszLabel = "Free Var 1:", .at = Widened(At(kLayout, "free_var_1"))},
    {.nId = 1208, .pszLabel = "Free Var 2:", .at = Widened(At(kLayout, "free_var_2"))},
    {.nId = 1209, .pszLabel = "No. of AnimParts:", .at = At(kLayout, "anim_parts")},
    {.nId = 1213, .pszLabel = "Free Var 3:", .at = Widened(At(kLayout, "free_var_3"))},
    {.nId = 1229, .pszLabel = "Free Var 4:", .at = Widened(At(kLayout, "free_var_4"))},
};

}  // namespace ThreeDObjectFields
