#pragma once

#include <span>

#include "EditorWindow.h"
#include "FieldBinding.h"
#include "RecordLayout.h"

// What sets one database's editor apart from the common pattern, as data.
struct EditorDescription {
    int nTemplateId;
    const char* pszCaption;
    int nListId;
    int nSpinId;
    int nNewId;
    const char* pszNewCaption;
    const char* pszDefaultName;    // the name New gives a record
    const char* pszSearchCaption;  // null: no Search button
    bool bTypeFilter;              // the "Filter" group with its thirteen type boxes
    bool bListsOtherTypes;         // a type outside 0 to 12 lists the record instead of hiding it
    bool bCloseBox;
    std::span<const FieldBinding> fields;
    std::span<const FieldGroup> groups;
    bool bSearchKeepsTypes = false;  // a search leaves the type boxes as they are
    bool bButtonColumn = false;      // the buttons one below the other at the right edge
};
