#include "MastDlg.h"

#include "MastFields.h"

namespace {

const EditorDescription kMastEditor = {
    .database = Database::Mast,
    .nTemplateId = 155,
    .pszCaption = "Mast Dialog",
    .nListId = 1195,
    .nNewId = 0,
    .pszSearchCaption = nullptr,
    .pBoxFilter = nullptr,
    .boxValue = EBoxValue::OwnField,
    .boxValueField = {},
    .bListsOtherValues = false,
    .bEditableIndex = true,
    .bButtonColumn = true,
    .fields = MastFields::kFields,
};

}  // namespace

CMastDlg::CMastDlg(QWidget* pParent, CVentryDoc& doc) : CEditorDlg(pParent, doc, kMastEditor) {}
