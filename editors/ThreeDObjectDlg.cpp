#include "ThreeDObjectDlg.h"

#include "ThreeDObjectFields.h"

namespace {

constexpr NewText kNewTexts[] = {{"name", "My new 3DObject"}};

const EditorDescription k3DObjectEditor = {
    .database = Database::Object3D,
    .nTemplateId = 158,
    .pszCaption = "3D ObjectDialog",
    .nListId = 1210,
    .nNewId = 1212,
    .pszNewCaption = "New Object",
    .newTexts = kNewTexts,
    .lineNumber = ELineNumber::Key,
    .newKey = ENewKey::CountPlusOne,
    .bCloseBox = true,
    .fields = ThreeDObjectFields::kFields,
};

}  // namespace

C3DObjectDlg::C3DObjectDlg(QWidget* pParent, CVentryDoc& doc)
    : CEditorDlg(pParent, doc, k3DObjectEditor) {}
