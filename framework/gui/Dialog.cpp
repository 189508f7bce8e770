#include "Dialog.h"

#include "ModalRun.h"
#include "PushButton.h"
#include "core/AppServices.h"

CDialog::CDialog(int nTemplateId, const char* pszCaption, QWidget* pParent, CloseBox closeBox)
    : QDialog(pParent) {
    setObjectName(QString::number(nTemplateId));
    setWindowTitle(QString::fromLatin1(pszCaption));
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (closeBox == CloseBox::With) {
        flags |= Qt::WindowCloseButtonHint;
    }
    setWindowFlags(flags);
}

void CDialog::Create() {
    if (!m_bCreated) {
        m_bCreated = true;
        OnInitDialog();
    }
}

int CDialog::DoModal() {
    Create();
    return AfxRunModal(*this);
}

bool CDialog::UpdateData(bool bSaveAndValidate) {
    CDataExchange dx(bSaveAndValidate, m_shown);
    DoDataExchange(dx);
    return !dx.Failed();
}

void CDialog::OnOK() {
    if (UpdateData(true)) {
        done(IDOK);
    }
}

void CDialog::OnCancel() {
    done(IDCANCEL);
}

QBoxLayout* CDialog::CreateOkCancel(Qt::Orientation orientation, const QString& okCaption,
                                    const QString& cancelCaption) {
    const bool bColumn = orientation == Qt::Vertical;
    auto* pButtons = new QBoxLayout(bColumn ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    if (!bColumn) {
        pButtons->addStretch(1);
    }
    QPushButton* pOk = AddPushButton(*pButtons, this, IDOK, okCaption);
    pOk->setDefault(true);
    QPushButton* pCancel = AddPushButton(*pButtons, this, IDCANCEL, cancelCaption);
    if (bColumn) {
        pButtons->addStretch(1);
    }
    connect(pOk, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(pCancel, &QPushButton::clicked, this, [this] { OnCancel(); });
    return pButtons;
}
