#include "VentryDocManager.h"

#include <QDir>
#include <QString>

#include "Resource.h"
#include "SetFileNames.h"
#include "StringTable.h"
#include "core/File.h"
#include "gui/MessageBox.h"
#include "gui/PathString.h"

void CVentryDocManager::OnFileNew() {
    CSingleDocTemplate* pTemplate = GetFirstDocTemplate();
    if (!pTemplate) {
        AfxShowMessageBox("Failed to create empty document.");
        return;
    }
    const std::string directory = AfxQStringToPath(QDir::currentPath()) + '/';
    std::string pathName = SetFileNames::FindCompleteSet(directory, 1);
    if (pathName.empty()) {
        pathName = SetFileNames::FindCompleteSet(directory, 2);
    }
    if (pathName.empty() && !DoPromptFileName(pathName, true)) {
        return;
    }
    pTemplate->OpenDocumentFile(pathName);
}

bool CVentryDocManager::DoPromptFileName(std::string& fileName, bool bOpenFileDialog) {
    if (!CDocManager::DoPromptFileName(fileName, bOpenFileDialog)) {
        return false;
    }
    const std::string name = CFile::FileNameOf(fileName);
    if (QString::fromStdString(name.substr(0, name.find('.')))
            .compare(QStringLiteral("object"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    const std::string objectFiles = LoadResourceString(IDS_OBJECT_FILES);
    AfxShowMessageBox("Only " + objectFiles + " files can be loaded", MB_OK | MB_ICONEXCLAMATION);
    return false;
}
