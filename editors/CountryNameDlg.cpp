#include "CountryNameDlg.h"

#include "CountryNameFields.h"
#include "IndexMapTable.h"

namespace {

const EditorDescription kCountryNameEditor = {
    .nTemplateId = 161,
    .pszCaption = "Country Name Dialog",
    .nListId = 1267,
    .nSpinId = 1145,
    .nNewId = 1208,
    .pszNewCaption = "New CountryName",
    .pszDefaultName = "My new CountryName",
    .pszSearchCaption = "Search",
    .bTypeFilter = true,
    .bListsOtherTypes = true,
    .bCloseBox = true,
    .fields = CountryNameFields::kFields,
    .groups = {},
};

}  // namespace

CCountryNameDlg::CCountryNameDlg(QWidget* pParent, CVentryDoc& doc)
    : CEditorDlg(pParent, doc, kCountryNameEditor,
                 std::make_unique<CIndexMapTable<CCountryNameInfo>>(doc.m_mapCountryNames)) {}
