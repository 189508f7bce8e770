#include "LoadProblems.h"

#include <string>
#include <vector>

#include "VentryDoc.h"
#include "gui/MessageBox.h"
#include "gui/PathString.h"

namespace {

// Message texts are single-byte; a path character outside Latin-1 shows as "?".
std::string PathLines(const char* pszHeading, const std::vector<std::string>& paths) {
    std::string text = std::string(pszHeading) + '\n';
    for (const std::string& path : paths) {
        text += AfxPathToQString(path).toLatin1().toStdString() + '\n';
    }
    return text;
}

}  // namespace

void ReportLoadProblems(const CVentryDoc& doc, const char* pszDuplicatesHeading,
                        const char* pszUnreadableHeading) {
    std::string text;
    if (!doc.LoadFindings().duplicateIndexFiles.empty()) {
        text += PathLines(pszDuplicatesHeading, doc.LoadFindings().duplicateIndexFiles);
    }
    if (!doc.LoadFindings().unreadableFiles.empty()) {
        if (!text.empty()) {
            text += '\n';
        }
        text += PathLines(pszUnreadableHeading, doc.LoadFindings().unreadableFiles);
    }
    if (!text.empty()) {
        AfxShowMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
    }
}
