#include "AirstripDlg.h"

#include <QGroupBox>
#include <QVBoxLayout>

#include "AirstripFields.h"
#include "IndexMapTable.h"

namespace {

const EditorDescription kAirstripEditor = {
    .nTemplateId = 142,
    .pszCaption = "Airstrip Dialog",
    .nListId = 1262,
    .nSpinId = 1211,
    .nNewId = 1208,
    .pszNewCaption = "New Airstrip",
    .pszDefaultName = "My new Airstrip",
    .pszSearchCaption = "Apply / Remove Filter",
    .bTypeFilter = false,
    .bListsOtherTypes = false,
    .bCloseBox = false,
    .fields = AirstripFields::kFields,
    .groups = AirstripFields::kGroups,
};

}  // namespace

CAirstripDlg::CAirstripDlg(QWidget* pParent, CVentryDoc& doc)
    : CEditorDlg(pParent, doc, kAirstripEditor,
                 std::make_unique<CIndexMapTable<CAirstripInfo>>(doc.m_mapAirstrips)) {}

QWidget* CAirstripDlg::CreateFilterPanel() {
    auto* pGroup = new QGroupBox(QStringLiteral("Filter"), this);
    auto* pLayout = new QVBoxLayout(pGroup);
    pLayout->addWidget(CEditorDlg::CreateFilterPanel());
    return pGroup;
}
