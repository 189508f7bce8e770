#include "ProfileDlg.h"

#include "ProfileFields.h"

namespace {

constexpr NewText kNewTexts[] = {{"name", "My new Profile"}};

const EditorDescription kProfileEditor = {
    .database = Database::Profile,
    .nTemplateId = 153,
    .pszCaption = "Profile Dialog",
    .nListId = 1182,
    .nSpinId = 1145,
    .pszNewCaption = "New Profile",
    .newTexts = kNewTexts,
    .fields = ProfileFields::kFields,
    .groups = ProfileFields::kGroups,
};

}  // namespace

CProfileDlg::CProfileDlg(QWidget* pParent, CVentryDoc& doc)
    : CEditorDlg(pParent, doc, kProfileEditor) {}
