#include "AppServices.h"

#include <cstdio>

namespace {

class CConsoleServices final : public CAppServices {
public:
    int DoMessageBox(const std::string& text, unsigned type) override {
        std::fprintf(stderr, "%s\n", text.c_str());
        return (type & MB_YESNO) ? IDNO : IDOK;
    }
    bool DoPromptFileName(std::string&, bool) override { return false; }
    void AddToRecentFileList(const std::string&) override {}
};

CConsoleServices g_consoleServices;
CAppServices* g_pServices = &g_consoleServices;

}  // namespace

CAppServices& AfxGetAppServices() {
    return *g_pServices;
}

CAppServices* AfxSetAppServices(CAppServices* services) {
    CAppServices* previous = g_pServices == &g_consoleServices ? nullptr : g_pServices;
    g_pServices = services ? services : &g_consoleServices;
    return previous;
}

int AfxMessageBox(const std::string& text, unsigned type) {
    return AfxGetAppServices().DoMessageBox(text, type);
}
