#include "ShipClassDlg.h"

#include "IndexMapTable.h"
#include "ShipClassFields.h"

namespace {

const EditorDescription kShipClassEditor = {
    .nTemplateId = 160,
    .pszCaption = "Ship Class Dialog",
    .nListId = 1266,
    .nSpinId = 1145,
    .nNewId = 1208,
    .pszNewCaption = "New ShipClass",
    .pszDefaultName = "My new ShipClass",
    .pszSearchCaption = "Search",
    .bTypeFilter = true,
    .bListsOtherTypes = true,
    .bCloseBox = true,
    .fields = ShipClassFields::kFields,
    .groups = {},
};

}  // namespace

CShipClassDlg::CShipClassDlg(QWidget* pParent, CVentryDoc& doc)
    : CEditorDlg(pParent, doc, kShipClassEditor,
                 std::make_unique<CIndexMapTable<CShipClassInfo>>(doc.m_mapShipClasses)) {}
