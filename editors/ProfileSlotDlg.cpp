#include "ProfileSlotDlg.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>
#include <cstring>

#include "EditorTexts.h"
#include "FieldForm.h"
#include "ProfileFields.h"
#include "VentryDoc.h"
#include "gui/DataExchangeLatin1.h"
#include "gui/MessageBox.h"

namespace {

constexpr int kNameId = 1029;

QPushButton* AddButton(QWidget* pParent, int nId, const char* pszCaption) {
    auto* pButton = new QPushButton(QString::fromLatin1(pszCaption), pParent);
    pButton->setObjectName(QString::number(nId));
    pButton->setAutoDefault(false);
    return pButton;
}

}  // namespace

CProfileSlotDlg::CProfileSlotDlg(QWidget* pParent, CVentryDoc& doc)
    : CDialog(kTemplateId, "Profile Slot", pParent, CloseBox::Without), m_doc(doc) {}

void CProfileSlotDlg::EditProfile(QWidget* pParent, CVentryDoc& doc, CProfileInfo& profile) {
    CProfileSlotDlg dialog(pParent, doc);
    dialog.SetProfile(profile);
    dialog.DoModal();
}

void CProfileSlotDlg::OnInitDialog() {
    auto* pLayout = new QVBoxLayout(this);
    m_pForm = new CFieldForm(ProfileFields::kFields, ProfileFields::kGroups, this);
    pLayout->addWidget(m_pForm);

    auto* pButtons = new QHBoxLayout;
    pLayout->addLayout(pButtons);
    auto* pExit = AddButton(this, 1116, "Exit");
    pExit->setDefault(true);
    auto* pUndo = AddButton(this, 1115, "Undo");
    auto* pApply = AddButton(this, 1207, "Apply");
    pButtons->addStretch(1);
    pButtons->addWidget(pExit);
    pButtons->addWidget(pUndo);
    pButtons->addWidget(pApply);
    connect(pExit, &QPushButton::clicked, this, [this] { OnExit(); });
    connect(pUndo, &QPushButton::clicked, this, [this] { LoadProfile(); });
    connect(pApply, &QPushButton::clicked, this, [this] { OnApply(); });

    LoadProfile();
}

void CProfileSlotDlg::LoadProfile() {
    m_pForm->Load(m_pProfile->m_data.data(), CProfileInfo::kRecordSize);
}

CProfileSlotDlg::ERecordState CProfileSlotDlg::StoreOrCompare(bool bStore) {
    std::array<std::uint8_t, CProfileInfo::kRecordSize> image = m_pProfile->m_data;
    if (!m_pForm->Store(image.data(), bStore)) {
        return ERecordState::Unreadable;
    }
    const bool bChanged = image != m_pProfile->m_data;
    if (bStore) {
        m_pProfile->m_data = image;
        if (bChanged) {
            m_doc.RecordsChanged(Database::Profile);
        }
        // Keeps what the controls show in step with the stored bytes.
        LoadProfile();
    }
    return bChanged ? ERecordState::Changed : ERecordState::Unchanged;
}

void CProfileSlotDlg::OnApply() {
    StoreOrCompare(true);
}

void CProfileSlotDlg::OnExit() {
    if (StoreOrCompare(false) != ERecordState::Unchanged) {
        const auto* pName = qobject_cast<QLineEdit*>(m_pForm->Control(kNameId));
        const std::string strName = Latin1::FromQString(pName->text());
        if (AfxShowMessageBox(EditorTexts::RetainQuestion(strName), MB_YESNO | MB_ICONQUESTION) ==
                IDYES &&
            StoreOrCompare(true) == ERecordState::Unreadable) {
            return;
        }
    }
    LoadProfile();
    done(IDOK);
}
