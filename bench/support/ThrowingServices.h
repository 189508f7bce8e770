#pragma once

#include <stdexcept>
#include <string>

#include "core/AppServices.h"

// For benchmarks without windows: any message during a run is a failure that ends it with
// its text, never a pause.
class CThrowingServices final : public CAppServices {
public:
    int DoMessageBox(const std::string& text, unsigned) override { throw std::runtime_error(text); }
    bool DoPromptFileName(std::string&, bool) override { return false; }
    void AddToRecentFileList(const std::string&) override {}
};
