#pragma once

#include <memory>
#include <string>
#include <vector>

#include "SingleDocTemplate.h"

class CDocument;
class CFrameWnd;

// The application's document templates and the roads by which files are opened.
class CDocManager {
public:
    CDocManager();
    virtual ~CDocManager();

    void AddDocTemplate(std::unique_ptr<CSingleDocTemplate> pTemplate);
    CSingleDocTemplate* GetFirstDocTemplate() const;
    CFrameWnd* GetMainFrame() const;

    // File New: what a new document is, is the program's own decision.
    virtual void OnFileNew() = 0;
    // File Open: the open dialog, then the chosen file.
    void OnFileOpen();
    // The open or save dialog with one filter per template, starting at fileName; true when
    // the user chose a file, whose path is then in fileName.
    virtual bool DoPromptFileName(std::string& fileName, bool bOpenFileDialog);
    // Opens a file by path (quotes removed, made absolute). A file that is already open only
    // brings its frame to the front.
    CDocument* OpenDocumentFile(const std::string& fileName);

    bool SaveAllModified();
    void CloseAllDocuments();

private:
    std::vector<std::unique_ptr<CSingleDocTemplate>> m_templateList;
};
