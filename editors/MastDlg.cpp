#include "MastDlg.h"

#include "MastFields.h"

namespace {

const EditorDescription kMastEditor = {
    .database = Database::Mast,
    .nTemplateId = 155,
    .pszCaption = "Mast Dialog",
    .nListId = 1195,
    .nSpinId = 1211,
    .nNewId = 0,
    .pszNewCaption = nullptr,
    .newTexts = {},
    .pszSearchCaption = nullptr,
    .bSearchInGroup = false,
    .pBoxFilter = nullptr,
    .boxValue = EBoxValue::OwnField,
    .boxValueField = {},
    .bListsOtherValues = false,
    .bSearchKeepsBoxes = false,
    .pszNeverListed = nullptr,
    .lineSuffixField = {},
    .lineNumber = ELineNumber::StoredIndex,
    .newKey = ENewKey::AfterLastListed,
    .bEditableIndex = true,
    .bCloseBox = false,
    .bButtonColumn = true,
    .fields = MastFields::kFields,
    .groups = {},
};

}  // namespace

CMastDlg::CMastDlg(QWidget* pParent, CVentryDoc& doc) : CEditorDlg(pParent, doc, kMastEditor) {}
