#include "AirstripDlg.h"

#include "AirstripFields.h"

namespace {

constexpr NewText kNewTexts[] = {{"name", "My new Airstrip"}};

const EditorDescription kAirstripEditor = {
    .database = Database::Airstrip,
    .nTemplateId = 142,
    .pszCaption = "Airstrip Dialog",
    .nListId = 1262,
    .pszNewCaption = "New Airstrip",
    .newTexts = kNewTexts,
    .pszSearchCaption = "Apply / Remove Filter",
    .bSearchInGroup = true,
    .pBoxFilter = nullptr,
    .boxValue = EBoxValue::OwnField,
    .boxValueField = {},
    .bListsOtherValues = false,
    .fields = AirstripFields::kFields,
    .groups = AirstripFields::kGroups,
};

}  // namespace

CAirstripDlg::CAirstripDlg(QWidget* pParent, CVentryDoc& doc)
    : CEditorDlg(pParent, doc, kAirstripEditor) {}
