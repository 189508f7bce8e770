#include "LauncherDlg.h"

#include <QComboBox>
#include <QListView>

#include "AmmoItemModel.h"
#include "FieldForm.h"
#include "LauncherFields.h"
#include "OpenReferenceAction.h"

namespace {

constexpr NewText kNewTexts[] = {{"name", "My new Launcher"}};

const EditorDescription kLauncherEditor = {
    .database = Database::Launcher,
    .nTemplateId = 141,
    .pszCaption = "Launcher Dialog",
    .nListId = 1154,
    .pszNewCaption = "New Launcher",
    .newTexts = kNewTexts,
    .bSearchKeepsBoxes = true,
    .fields = LauncherFields::kFields,
    .groups = LauncherFields::kGroups,
};

}  // namespace

CLauncherDlg::CLauncherDlg(QWidget* pParent, CVentryDoc& doc)
    : CEditorDlg(pParent, doc, kLauncherEditor) {}

// The combos exist only once the common start has built the form; the record it loaded is
// shown again with its ammunition.
void CLauncherDlg::OnInitDialog() {
    CEditorDlg::OnInitDialog();
    FillAmmoCombos();
    LoadRecord();
    for (std::size_t nElement = 0; nElement < std::size(LauncherFields::kAmmoIds); ++nElement) {
        AddOpenReferenceAction(*m_pForm->Control(LauncherFields::kAmmoIds[nElement]), m_doc,
                               Database::Entity, [this, nElement] { return AmmoEntity(nElement); });
    }
}

void CLauncherDlg::FillAmmoCombos() {
    auto* pItems = new CAmmoItemModel(m_doc, this);
    for (const int nId : LauncherFields::kAmmoIds) {
        auto* pCombo = static_cast<QComboBox*>(m_pForm->Control(nId));
        // Measuring every item for the combo's width would take longer than the rest of
        // the dialog; a name is at most as wide as its field.
        pCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        pCombo->setMinimumContentsLength(static_cast<int>(CEntityInfo::kNameWidth));
        pCombo->setModel(pItems);
        if (auto* pView = qobject_cast<QListView*>(pCombo->view())) {
            pView->setUniformItemSizes(true);
        }
    }
}

std::optional<std::uint16_t> CLauncherDlg::AmmoEntity(std::size_t nElement) const {
    const auto* pCombo =
        static_cast<const QComboBox*>(m_pForm->Control(LauncherFields::kAmmoIds[nElement]));
    if (pCombo->currentIndex() > 0) {
        return static_cast<std::uint16_t>(pCombo->currentData().toLongLong());
    }
    const std::uint8_t* pRecord = CurrentRecord();
    if (pRecord == nullptr) {
        return std::nullopt;
    }
    const auto nStored = RecordField::Get<std::uint16_t>(
        pRecord, LauncherFields::kLayout.Field("ammo_types").ElementOffset(nElement));
    if (nStored == 0 || pCombo->findData(QVariant::fromValue<qlonglong>(nStored)) >= 0) {
        return std::nullopt;
    }
    return nStored;
}
