#include "ProfileDlg.h"

#include "IndexMapTable.h"
#include "ProfileFields.h"

namespace {

const EditorDescription kProfileEditor = {
    .nTemplateId = 153,
    .pszCaption = "Profile Dialog",
    .nListId = 1182,
    .nSpinId = 1145,
    .nNewId = 1208,
    .pszNewCaption = "New Profile",
    .pszDefaultName = "My new Profile",
    .pszSearchCaption = "Search",
    .bTypeFilter = true,
    .bListsOtherTypes = true,
    .bCloseBox = false,
    .fields = ProfileFields::kFields,
    .groups = ProfileFields::kGroups,
};

}  // namespace

CProfileDlg::CProfileDlg(QWidget* pParent, CVentryDoc& doc)
    : CEditorDlg(pParent, doc, kProfileEditor,
                 std::make_unique<CIndexMapTable<CProfileInfo>>(doc.m_mapProfiles)) {}
