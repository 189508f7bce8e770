#include "ProfileDlg.h"

#include "BoxFilterPanel.h"
#include "ProfileFields.h"

namespace {

constexpr NewText kNewTexts[] = {{"name", "My new Profile"}};

const EditorDescription kProfileEditor = {
    .database = Database::Profile,
    .nTemplateId = 153,
    .pszCaption = "Profile Dialog",
    .nListId = 1182,
    .nSpinId = 1145,
    .nNewId = 1208,
    .pszNewCaption = "New Profile",
    .newTexts = kNewTexts,
    .pszSearchCaption = "Search",
    .bSearchInGroup = false,
    .pBoxFilter = &kSimTypeFilter,
    .boxValue = EBoxValue::ObjectSimType,
    .boxValueField = "name",
    .bListsOtherValues = true,
    .bSearchKeepsBoxes = false,
    .pszNeverListed = nullptr,
    .lineSuffixField = {},
    .lineNumber = ELineNumber::StoredIndex,
    .newKey = ENewKey::AfterLastListed,
    .bEditableIndex = false,
    .bCloseBox = false,
    .bButtonColumn = false,
    .fields = ProfileFields::kFields,
    .groups = ProfileFields::kGroups,
};

}  // namespace

CProfileDlg::CProfileDlg(QWidget* pParent, CVentryDoc& doc)
    : CEditorDlg(pParent, doc, kProfileEditor) {}
