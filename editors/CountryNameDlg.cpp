#include "CountryNameDlg.h"

#include "CountryNameFields.h"

namespace {

constexpr NewText kNewTexts[] = {{"name", "My new CountryName"}};

const EditorDescription kCountryNameEditor = {
    .database = Database::CountryName,
    .nTemplateId = 161,
    .pszCaption = "Country Name Dialog",
    .nListId = 1267,
    .nSpinId = 1145,
    .pszNewCaption = "New CountryName",
    .newTexts = kNewTexts,
    .bCloseBox = true,
    .fields = CountryNameFields::kFields,
};

}  // namespace

CCountryNameDlg::CCountryNameDlg(QWidget* pParent, CVentryDoc& doc)
    : CEditorDlg(pParent, doc, kCountryNameEditor) {}
