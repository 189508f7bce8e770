#pragma once

#include <span>
#include <string_view>

#include "BoxFilter.h"
#include "FieldBinding.h"
#include "RecordLayout.h"

// A text that New writes into the copy it makes: the default name, a sensor's display name.
struct NewText {
    std::string_view field;
    const char* pszText;
};

// Where the value that a box filter tests comes from.
enum class EBoxValue : std::uint8_t {
    OwnField,       // the record's own field boxValueField
    ObjectSimType,  // the Sim Type of the object named in boxValueField; 0 when there is none
};

// The number a list line starts with.
enum class ELineNumber : std::uint8_t {
    StoredIndex,  // the index the record stores
    Key,          // its key; under the box filter, its row (3D objects)
};

// The key New tries first; taken keys after it are skipped.
enum class ENewKey : std::uint8_t {
    AfterLastListed,  // one more than the last listed key, 1 in an empty list
    CountPlusOne,     // one more than the number of listed records
};

// What sets one database's editor apart from the common pattern, as data. The defaults are
// what most editors have: a Search button beside the Sim Type boxes, which test the object
// named like the record and list a record whose type has no box.
struct EditorDescription {
    Database database;
    int nTemplateId;
    const char* pszCaption;
    int nListId;
    int nSpinId = 1211;
    int nNewId = 1208;
    const char* pszNewCaption = nullptr;  // null: no New
    std::span<const NewText> newTexts = {};
    const char* pszSearchCaption = "Search";        // null: no text filter
    bool bSearchInGroup = false;                    // the Search button alone in a group "Filter"
    const BoxFilter* pBoxFilter = &kSimTypeFilter;  // null: none
    EBoxValue boxValue = EBoxValue::ObjectSimType;
    std::string_view boxValueField = "name";
    bool bListsOtherValues = true;   // a value without a box lists the record, not hides it
    bool bSearchKeepsBoxes = false;  // a search leaves the boxes as they are; else ticks them all
    // With no other filter, what the editor says of a record whose value has no box: a format
    // with the record's key (%u) and value (%d).
    const char* pszNeverListed = nullptr;
    std::string_view lineSuffixField = {};  // shown in parentheses after the name
    ELineNumber lineNumber = ELineNumber::StoredIndex;
    ENewKey newKey = ENewKey::AfterLastListed;
    bool bEditableIndex = false;  // Index is edited; an index another record has is refused
    bool bCloseBox = false;
    bool bButtonColumn = false;  // the buttons one below the other at the right edge
    std::span<const FieldBinding> fields = {};
    std::span<const FieldGroup> groups = {};
};
