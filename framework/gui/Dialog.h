#pragma once

#include <QBoxLayout>
#include <QDialog>

#include "DataExchange.h"

// A dialog made from a template: objectName is the template id and windowTitle the caption.
// Create() builds the controls once and runs OnInitDialog; a modeless dialog stays hidden
// until shown, a modal one runs through DoModal. Escape and the close box call OnCancel.
class CDialog : public QDialog {
public:
    enum class CloseBox { Without, With };

    CDialog(int nTemplateId, const char* pszCaption, QWidget* pParent, CloseBox closeBox);

    void Create();
    // Creates the dialog if need be and runs it modally; the result is IDOK, IDCANCEL or the
    // code it ended with.
    int DoModal();

    // Between members and controls through DoDataExchange; false when a control did not parse.
    bool UpdateData(bool bSaveAndValidate = true);

    void reject() override { OnCancel(); }

protected:
    virtual void OnInitDialog() {}
    virtual void DoDataExchange(CDataExchange&) {}
    virtual void OnOK();
    virtual void OnCancel();
    // The OK and Cancel buttons (IDOK, the default, and IDCANCEL) calling OnOK and OnCancel: a
    // column at the top of a layout of their own, or a row at its right.
    QBoxLayout* CreateOkCancel(Qt::Orientation orientation, const QString& okCaption,
                               const QString& cancelCaption);

private:
    bool m_bCreated = false;
    CShownValues m_shown;
};
