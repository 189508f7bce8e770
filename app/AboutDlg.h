#pragma once

#include "gui/Dialog.h"

// The About box: program icon, name and version, three lines about the program, OK.
class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(QWidget* pParent);

protected:
    void OnInitDialog() override;
};
