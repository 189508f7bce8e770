#include "ShipClassDlg.h"

#include "BoxFilterPanel.h"
#include "ShipClassFields.h"

namespace {

constexpr NewText kNewTexts[] = {{"name", "My new ShipClass"}};

const EditorDescription kShipClassEditor = {
    .database = Database::ShipClass,
    .nTemplateId = 160,
    .pszCaption = "Ship Class Dialog",
    .nListId = 1266,
    .nSpinId = 1145,
    .nNewId = 1208,
    .pszNewCaption = "New ShipClass",
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
    .bCloseBox = true,
    .bButtonColumn = false,
    .fields = ShipClassFields::kFields,
    .groups = {},
};

}  // namespace

CShipClassDlg::CShipClassDlg(QWidget* pParent, CVentryDoc& doc)
    : CEditorDlg(pParent, doc, kShipClassEditor) {}
