#include "EntityDlg.h"

#include "EntityFields.h"
#include "IndexMapTable.h"

namespace {

const EditorDescription kEntityEditor = {
    .nTemplateId = 156,
    .pszCaption = "Entity Dialog",
    .nListId = 1196,
    .nSpinId = 1211,
    .nNewId = 1208,
    .pszNewCaption = "New Entity",
    .pszDefaultName = "My new Entity",
    .pszSearchCaption = "Search",
    .bTypeFilter = true,
    .bListsOtherTypes = true,
    .bCloseBox = false,
    .fields = EntityFields::kFields,
    .groups = {},
};

}  // namespace

CEntityDlg::CEntityDlg(QWidget* pParent, CVentryDoc& doc)
    : CEditableIndexDlg(pParent, doc, kEntityEditor,
                        std::make_unique<CIndexMapTable<CEntityInfo>>(doc.m_mapEntities)) {}

int CEntityDlg::RecordType(const std::uint8_t* pRecord) const {
    return ObjectSimType(RecordField::GetTextView(pRecord, EntityField::kTypeName.nOffset,
                                                  EntityField::kTypeName.nWidth));
}
