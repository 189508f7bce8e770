#include "DocManager.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <algorithm>

#include "FileDialog.h"
#include "FrameWnd.h"
#include "MessageBox.h"
#include "PathString.h"

CDocManager::CDocManager() = default;
CDocManager::~CDocManager() = default;

void CDocManager::AddDocTemplate(std::unique_ptr<CSingleDocTemplate> pTemplate) {
    m_templateList.push_back(std::move(pTemplate));
}

CSingleDocTemplate* CDocManager::GetFirstDocTemplate() const {
    return m_templateList.empty() ? nullptr : m_templateList.front().get();
}

CFrameWnd* CDocManager::GetMainFrame() const {
    const CSingleDocTemplate* pTemplate = GetFirstDocTemplate();
    return pTemplate ? pTemplate->GetFrame() : nullptr;
}

void CDocManager::OnFileOpen() {
    std::string newName;
    if (DoPromptFileName(newName, true)) {
        OpenDocumentFile(newName);
    }
}

bool CDocManager::DoPromptFileName(std::string& fileName, bool bOpenFileDialog) {
    QFileDialog dialog(QApplication::activeWindow(), bOpenFileDialog
                                                         ? QStringLiteral("Öffnen")
                                                         : QStringLiteral("Speichern unter"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // Shows each filter by its name alone; the pattern is in the name already.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(bOpenFileDialog ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(bOpenFileDialog ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    QStringList filters;
    for (const auto& pTemplate : m_templateList) {
        filters
            << QStringLiteral("%1 (*%2)")
                   .arg(QString::fromUtf8(pTemplate->GetDocString(CSingleDocTemplate::filterName)),
                        QString::fromUtf8(pTemplate->GetDocString(CSingleDocTemplate::filterExt)));
    }
    dialog.setNameFilters(filters);
    if (!fileName.empty()) {
        dialog.selectFile(AfxPathToQString(fileName));
    }
    if (AfxRunFileDialog(dialog) != IDOK) {
        return false;
    }
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) {
        return false;
    }
    fileName = AfxQStringToPath(chosen.front());
    return true;
}

CDocument* CDocManager::OpenDocumentFile(const std::string& fileName) {
    std::string pathName = fileName;
    if (!pathName.empty() && pathName.front() == '"') {
        pathName.erase(0, 1);
    }
    if (const std::size_t quote = pathName.rfind('"'); quote != std::string::npos) {
        pathName.erase(quote);
    }
    pathName = AfxQStringToPath(
        QDir::cleanPath(QDir::current().absoluteFilePath(AfxPathToQString(pathName))));
    for (const auto& pTemplate : m_templateList) {
        if (pTemplate->IsOpen(pathName)) {
            pTemplate->GetFrame()->ActivateFrame();
            return pTemplate->GetDocument();
        }
    }
    if (m_templateList.empty()) {
        AfxShowMessageBox("Failed to open document.");
        return nullptr;
    }
    return m_templateList.front()->OpenDocumentFile(pathName);
}

bool CDocManager::SaveAllModified() {
    return std::ranges::all_of(m_templateList, [](const auto& t) { return t->SaveAllModified(); });
}

void CDocManager::CloseAllDocuments() {
    for (const auto& pTemplate : m_templateList) {
        pTemplate->CloseAllDocuments();
    }
}
