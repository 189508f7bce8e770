#include "ObjectDlg.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <cstdio>

#include "FieldForm.h"
#include "ObjectFields.h"
#include "ProfileSlotDlg.h"
#include "Resource.h"
#include "SlotList.h"
#include "SlotPickerKind.h"
#include "gui/MessageBox.h"
#include "gui/PushButton.h"

namespace {

constexpr std::size_t kProfileIndex = ObjectLayout::kLayout.Field("sonar_profile").nOffset;

constexpr NewText kNewTexts[] = {{"name", "My new Object"}};

const EditorDescription kObjectEditor = {
    .database = Database::Object,
    .nTemplateId = 130,
    .pszCaption = "Object Dialog",
    .nListId = 1113,
    .nNewId = 1210,
    .pszNewCaption = "New Object",
    .newTexts = kNewTexts,
    .boxValue = EBoxValue::OwnField,
    .boxValueField = "sim_type",
    .bListsOtherValues = false,
    .bCloseBox = true,
    .bButtonColumn = true,
    .fields = ObjectFields::kFields,
    .groups = ObjectFields::kGroups,
};

}  // namespace

CObjectDlg::CObjectDlg(QWidget* pParent, CVentryDoc& doc)
    : CEditorDlg(pParent, doc, kObjectEditor) {}

QWidget* CObjectDlg::CreateRecordExtras() {
    auto* pButton = CreatePushButton(this, IDC_SONAR_PROFILE, QStringLiteral("Sonar Profil"));
    connect(pButton, &QPushButton::clicked, this, [this] { OnSonarProfile(); });
    m_pForm->InsertBelowFields(ObjectFields::kSecondColumn, pButton);
    m_pSonarProfile = pButton;

    auto* pSlots = new QWidget(this);
    auto* pLayout = new QHBoxLayout(pSlots);
    pLayout->setContentsMargins(0, 0, 0, 0);
    const SlotPickerKind* kinds[] = {&SlotPickerKinds::kSensor, &SlotPickerKinds::kLauncher,
                                     &SlotPickerKinds::kAirstrip};
    for (std::size_t i = 0; i < m_slotLists.size(); ++i) {
        m_slotLists[i] = new CSlotList(*kinds[i], m_doc, pSlots);
        pLayout->addWidget(m_slotLists[i]);
    }
    pLayout->addStretch(1);
    return pSlots;
}

// The working copies follow the form, sensor slots first, so the slot warnings come after
// the record is shown.
void CObjectDlg::LoadControls(const std::uint8_t* pRecord) {
    CEditorDlg::LoadControls(pRecord);
    m_nProfileIndex = pRecord == nullptr ? std::int16_t{0}
                                         : RecordField::Get<std::int16_t>(pRecord, kProfileIndex);
    m_pSonarProfile->setEnabled(pRecord != nullptr);
    for (CSlotList* pSlots : m_slotLists) {
        pSlots->Load(pRecord);
    }
}

bool CObjectDlg::BuildImage(std::uint8_t* pImage, bool bReport) {
    if (!CEditorDlg::BuildImage(pImage, bReport)) {
        return false;
    }
    RecordField::Set(pImage, kProfileIndex, m_nProfileIndex);
    for (const CSlotList* pSlots : m_slotLists) {
        pSlots->Store(pImage);
    }
    return true;
}

void CObjectDlg::OnSonarProfile() {
    if (m_nProfileIndex == 0) {
        AfxShowMessageBox("This Object has no Sonar Profile !");
        return;
    }
    const auto it = m_doc.m_mapProfiles.find(static_cast<std::uint16_t>(m_nProfileIndex));
    if (it == m_doc.m_mapProfiles.end()) {
        char message[64];
        std::snprintf(message, sizeof message, "Profile Index %d not found in Profile Database",
                      m_nProfileIndex);
        AfxShowMessageBox(message);
        return;
    }
    CProfileSlotDlg::EditProfile(this, m_doc, it->first);
}
