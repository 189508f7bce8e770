#include "EntityDlg.h"

#include "EntityFields.h"

namespace {

constexpr NewText kNewTexts[] = {{"name", "My new Entity"}};

const EditorDescription kEntityEditor = {
    .database = Database::Entity,
    .nTemplateId = 156,
    .pszCaption = "Entity Dialog",
    .nListId = 1196,
    .pszNewCaption = "New Entity",
    .newTexts = kNewTexts,
    .boxValueField = "type_name",
    .bEditableIndex = true,
    .fields = EntityFields::kFields,
};

}  // namespace

CEntityDlg::CEntityDlg(QWidget* pParent, CVentryDoc& doc)
    : CEditorDlg(pParent, doc, kEntityEditor) {}
