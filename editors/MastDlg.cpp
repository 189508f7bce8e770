#include "MastDlg.h"

#include "IndexMapTable.h"
#include "MastFields.h"

namespace {

const EditorDescription kMastEditor = {
    .nTemplateId = 155,
    .pszCaption = "Mast Dialog",
    .nListId = 1195,
    .nSpinId = 1211,
    .nNewId = 0,
    .pszNewCaption = nullptr,
    .pszDefaultName = nullptr,
    .pszSearchCaption = nullptr,
    .bTypeFilter = false,
    .bListsOtherTypes = false,
    .bCloseBox = false,
    .fields = MastFields::kFields,
    .groups = {},
    .bButtonColumn = true,
};

}  // namespace

CMastDlg::CMastDlg(QWidget* pParent, CVentryDoc& doc)
    : CEditableIndexDlg(pParent, doc, kMastEditor,
                        std::make_unique<CIndexMapTable<CMastInfo>>(doc.m_mapMasts)) {}
