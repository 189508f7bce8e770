#include "EntityDlg.h"

#include "BoxFilterPanel.h"
#include "EntityFields.h"

namespace {

constexpr NewText kNewTexts[] = {{"name", "My new Entity"}};

const EditorDescription kEntityEditor = {
    .database = Database::Entity,
    .nTemplateId = 156,
    .pszCaption = "Entity Dialog",
    .nListId = 1196,
    .nSpinId = 1211,
    .nNewId = 1208,
    .pszNewCaption = "New Entity",
    .newTexts = kNewTexts,
    .pszSearchCaption = "Search",
    .bSearchInGroup = false,
    .pBoxFilter = &kSimTypeFilter,
    .boxValue = EBoxValue::ObjectSimType,
    .boxValueField = "type_name",
    .bListsOtherValues = true,
    .bSearchKeepsBoxes = false,
    .pszNeverListed = nullptr,
    .lineSuffixField = {},
    .lineNumber = ELineNumber::StoredIndex,
    .newKey = ENewKey::AfterLastListed,
    .bEditableIndex = true,
    .bCloseBox = false,
    .bButtonColumn = false,
    .fields = EntityFields::kFields,
    .groups = {},
};

}  // namespace

CEntityDlg::CEntityDlg(QWidget* pParent, CVentryDoc& doc)
    : CEditorDlg(pParent, doc, kEntityEditor) {}
