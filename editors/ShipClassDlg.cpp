#include "ShipClassDlg.h"

#include "ShipClassFields.h"

namespace {

constexpr NewText kNewTexts[] = {{"name", "My new ShipClass"}};

const EditorDescription kShipClassEditor = {
    .database = Database::ShipClass,
    .nTemplateId = 160,
    .pszCaption = "Ship Class Dialog",
    .nListId = 1266,
    .nSpinId = 1145,
    .pszNewCaption = "New ShipClass",
    .newTexts = kNewTexts,
    .bCloseBox = true,
    .fields = ShipClassFields::kFields,
};

}  // namespace

CShipClassDlg::CShipClassDlg(QWidget* pParent, CVentryDoc& doc)
    : CEditorDlg(pParent, doc, kShipClassEditor) {}
