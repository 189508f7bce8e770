#include "ThreeDObjectDlg.h"

#include "BoxFilterPanel.h"
#include "ThreeDObjectFields.h"

namespace {

constexpr NewText kNewTexts[] = {{"name", "My new 3DObject"}};

const EditorDescription k3DObjectEditor = {
    .database = Database::Object3D,
    .nTemplateId = 158,
    .pszCaption = "3D ObjectDialog",
    .nListId = 1210,
    .nSpinId = 1211,
    .nNewId = 1212,
    .pszNewCaption = "New Object",
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
    .lineNumber = ELineNumber::Key,
    .newKey = ENewKey::CountPlusOne,
    .bEditableIndex = false,
    .bCloseBox = true,
    .bButtonColumn = false,
    .fields = ThreeDObjectFields::kFields,
    .groups = {},
};

}  // namespace

C3DObjectDlg::C3DObjectDlg(QWidget* pParent, CVentryDoc& doc)
    : CEditorDlg(pParent, doc, k3DObjectEditor) {}
