#include "Dialog.h"

#include "ModalRun.h"
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
