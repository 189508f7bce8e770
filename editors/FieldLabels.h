#pragma once

#include <string>

#include "FieldText.h"

// What the editor of a database calls a column's field: its label without the colon ("Ammo
// Type 1"), with its group's caption when it has one ("X (Hangar)"), or, for a flag word
// shown as check boxes, the caption of their group ("targetCaps"). Empty when no editor
// control shows the field.
std::string EditorLabel(Database database, const FieldColumn& column);
