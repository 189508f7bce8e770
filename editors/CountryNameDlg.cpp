#include "CountryNameDlg.h"

#include "BoxFilterPanel.h"
#include "CountryNameFields.h"

namespace {

constexpr NewText kNewTexts[] = {{"name", "My new CountryName"}};

const EditorDescription kCountryNameEditor = {
    .database = Database::CountryName,
    .nTemplateId = 161,
    .pszCaption = "Country Name Dialog",
    .nListId = 1267,
    .nSpinId = 1145,
    .nNewId = 1208,
    .pszNewCaption = "New CountryName",
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
    .fields = CountryNameFields::kFields,
    .groups = {},
};

}  // namespace

CCountryNameDlg::CCountryNameDlg(QWidget* pParent, CVentryDoc& doc)
    : CEditorDlg(pParent, doc, kCountryNameEditor) {}
