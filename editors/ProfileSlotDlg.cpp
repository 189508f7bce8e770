#include "ProfileSlotDlg.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "FieldForm.h"
#include "ProfileFields.h"
#include "RecordForm.h"
#include "Resource.h"
#include "VentryDoc.h"
#include "gui/MessageBox.h"
#include "gui/PushButton.h"

CProfileSlotDlg::CProfileSlotDlg(QWidget* pParent, CVentryDoc& doc, std::uint16_t nKey)
    : CDialog(IDD_PROFILE_SLOT, "Profile Slot", pParent, CloseBox::Without),
      m_doc(doc),
      m_nKey(nKey) {}

CProfileSlotDlg::~CProfileSlotDlg() = default;

void CProfileSlotDlg::EditProfile(QWidget* pParent, CVentryDoc& doc, std::uint16_t nKey) {
    CProfileSlotDlg dialog(pParent, doc, nKey);
    dialog.DoModal();
}

void CProfileSlotDlg::OnInitDialog() {
    auto* pLayout = new QVBoxLayout(this);
    m_pForm = new CFieldForm(ProfileFields::kFields, ProfileFields::kGroups, this);
    pLayout->addWidget(m_pForm);
    m_pRecordForm = std::make_unique<CRecordForm>(
        m_doc, ProfileFields::kLayout, *m_pForm,
        [this](const std::uint8_t* pRecord) { m_pForm->Load(pRecord, CProfileInfo::kRecordSize); },
        [this](std::uint8_t* pImage, bool bReport) { return m_pForm->Store(pImage, bReport); });

    auto* pButtons = new QHBoxLayout;
    pLayout->addLayout(pButtons);
    auto* pExit = CreatePushButton(this, IDC_EXIT, QStringLiteral("Exit"));
    pExit->setDefault(true);
    auto* pUndo = CreatePushButton(this, IDC_UNDO, QStringLiteral("Undo"));
    auto* pApply = CreatePushButton(this, IDC_APPLY, QStringLiteral("Apply"));
    pButtons->addStretch(1);
    pButtons->addWidget(pExit);
    pButtons->addWidget(pUndo);
    pButtons->addWidget(pApply);
    connect(pExit, &QPushButton::clicked, this, [this] { OnExit(); });
    connect(pUndo, &QPushButton::clicked, this, [this] { m_pRecordForm->Revert(); });
    connect(pApply, &QPushButton::clicked, this, [this] { m_pRecordForm->Store(); });

    m_pRecordForm->Show(m_nKey);
}

void CProfileSlotDlg::OnExit() {
    if (m_pRecordForm->SettleBeforeLeaving()) {
        done(IDOK);
    }
}
