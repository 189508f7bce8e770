#include "FieldLabels.h"

#include <array>
#include <span>

#include "AirstripFields.h"
#include "CountryNameFields.h"
#include "EntityFields.h"
#include "LauncherFields.h"
#include "MastFields.h"
#include "ObjectFields.h"
#include "ProfileFields.h"
#include "SensorFields.h"
#include "ShipClassFields.h"
#include "ThreeDObjectFields.h"

namespace {

struct EditorTables {
    std::span<const FieldBinding> fields;
    std::span<const FieldGroup> groups;
};

// In the order of Database.
const std::array<EditorTables, kDatabaseCount> kEditorTables{{
    {ObjectFields::kFields, ObjectFields::kGroups},
    {SensorFields::kFields, SensorFields::kGroups},
    {LauncherFields::kFields, LauncherFields::kGroups},
    {AirstripFields::kFields, AirstripFields::kGroups},
    {EntityFields::kFields, {}},
    {ProfileFields::kFields, ProfileFields::kGroups},
    {MastFields::kFields, {}},
    {ThreeDObjectFields::kFields, {}},
    {ShipClassFields::kFields, {}},
    {CountryNameFields::kFields, {}},
}};

std::string Trimmed(std::string text) {
    while (!text.empty() && (text.back() == ':' || text.back() == ' ')) {
        text.pop_back();
    }
    return text;
}

}  // namespace

std::string EditorLabel(Database database, const FieldColumn& column) {
    const EditorTables& tables = kEditorTables[static_cast<std::size_t>(database)];
    for (const FieldBinding& binding : tables.fields) {
        if (binding.at.pField != column.pField || binding.at.nElement != column.nElement) {
            continue;
        }
        const std::string group =
            binding.nGroup < 0
                ? std::string()
                : Trimmed(tables.groups[static_cast<std::size_t>(binding.nGroup)].pszCaption);
        if (binding.kind == ControlKind::CheckBit) {
            return group;
        }
        const std::string label = Trimmed(binding.pszLabel);
        return group.empty() ? label : label + " (" + group + ")";
    }
    return {};
}
