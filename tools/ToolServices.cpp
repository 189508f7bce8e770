#include "ToolServices.h"

int CToolServices::DoMessageBox(const std::string& text, unsigned type) {
    Print(text);
    // Information, such as a finished interrupted save, leaves the command's outcome alone.
    if ((type & 0xF0) != MB_ICONINFORMATION) {
        ++m_nFailures;
    }
    return (type & MB_YESNO) ? IDNO : IDOK;
}

void CToolServices::Warn(const std::string& text) {
    Print("warning: " + text);
}

// Message box texts break lines for a dialog; on a terminal one line reads better.
void CToolServices::Print(const std::string& text) {
    std::string line = "ventry-db: ";
    for (const char c : text) {
        line += c == '\n' ? ' ' : c;
    }
    std::fprintf(m_pStream, "%s\n", line.c_str());
}
