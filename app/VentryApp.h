#pragma once

#include "gui/WinApp.h"

// The Ventry application: its one setting, its document manager and template, the About
// box.
class CVentryApp : public CWinApp {
public:
    CVentryApp();

    bool OnCommand(unsigned nID) override;

    int m_nLanguageID = 0;  // "LanguageID" in "Settings": kept, used by nothing else

protected:
    bool InitInstance() override;

private:
    void OnAppAbout();
};
