#pragma once

#include "gui/DocManager.h"

// How Ventry opens a database set: File New looks for a complete set in the current
// directory before it asks, and the open and save dialogs take only object files.
class CVentryDocManager : public CDocManager {
public:
    // Loads the complete e set of the current directory, else its g set, else the set whose
    // object file the user picks. A set that is open is loaded again.
    void OnFileNew() override;
    // Refuses, with a message, a chosen file whose name before the first "." is not "object".
    bool DoPromptFileName(std::string& fileName, bool bOpenFileDialog) override;
};
