#include "LauncherDlg.h"

#include <QComboBox>
#include <QStringList>

#include "FieldForm.h"
#include "IndexMapTable.h"
#include "LauncherFields.h"

namespace {

const EditorDescription kLauncherEditor = {
    .nTemplateId = 141,
    .pszCaption = "Launcher Dialog",
    .slot = EditorSlot::Launcher,
    .nListId = 1154,
    .nSpinId = 1211,
    .nNewId = 1208,
    .pszNewCaption = "New Launcher",
    .pszDefaultName = "My new Launcher",
    .pszSearchCaption = "Search",
    .bTypeFilter = true,
    .bListsOtherTypes = true,
    .bCloseBox = false,
    .fields = LauncherFields::kFields,
    .groups = LauncherFields::kGroups,
    .bSearchKeepsTypes = true,
};

}  // namespace

CLauncherDlg::CLauncherDlg(QWidget* pParent, CVentryDoc& doc)
    : CEditorDlg(pParent, doc, kLauncherEditor,
                 std::make_unique<CIndexMapTable<CLauncherInfo>>(doc.m_mapLaunchers)) {}

// The combos exist only once the common start has built the form; the record it loaded is
// shown again with its ammunition.
void CLauncherDlg::OnInitDialog() {
    CEditorDlg::OnInitDialog();
    FillAmmoCombos();
    LoadRecord();
}

void CLauncherDlg::FillAmmoCombos() {
    for (const int nId : LauncherFields::kAmmoIds) {
        auto* pCombo = static_cast<QComboBox*>(m_pForm->Control(nId));
        pCombo->addItem(QString(), QVariant::fromValue<qlonglong>(0));
        for (const auto& [nIndex, pEntity] : m_doc.m_mapWeaponEntities) {
            pCombo->addItem(QString::fromLatin1(pEntity->GetName()),
                            QVariant::fromValue<qlonglong>(nIndex));
        }
    }
}
