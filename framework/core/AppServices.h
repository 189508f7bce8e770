#pragma once

#include <string>

// Message box styles and results, as the document layer and the program use them.
enum : unsigned {
    MB_OK = 0x0,
    MB_YESNOCANCEL = 0x3,
    MB_YESNO = 0x4,
    MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30,
    MB_ICONINFORMATION = 0x40,
};
enum : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

// What the document layer needs from the running application: a message box, the file
// dialog, the recent-file list and how many backups a save keeps. The GUI application
// installs itself; tools and tests install their own.
class CAppServices {
public:
    static constexpr int kDefaultBackupCount = 3;

    virtual ~CAppServices() = default;
    virtual int DoMessageBox(const std::string& text, unsigned type) = 0;
    // Shows the open or save dialog starting at fileName; true when a usable file was chosen.
    virtual bool DoPromptFileName(std::string& fileName, bool bOpenFileDialog) = 0;
    virtual void AddToRecentFileList(const std::string& pathName) = 0;
    // How many backups of the files it replaces a save keeps beside the set; 0: none.
    virtual int GetBackupCount() const { return kDefaultBackupCount; }
};

// The installed services; without any, messages go to stderr and prompts are refused.
CAppServices& AfxGetAppServices();
// Installs services (null restores the default) and returns the previous ones.
CAppServices* AfxSetAppServices(CAppServices* services);

int AfxMessageBox(const std::string& text, unsigned type = MB_OK | MB_ICONEXCLAMATION);
