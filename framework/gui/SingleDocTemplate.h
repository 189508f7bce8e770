#pragma once

#include <memory>
#include <string>

class CDocument;
class CFrameWnd;
struct CRuntimeClass;

// Ties one document class to one frame class whose first view is of the view class. There
// is at most one document, loaded again for every file, and one frame, made on the first
// successful load.
class CSingleDocTemplate {
public:
    enum DocStringIndex { windowTitle, docName, fileNewName, filterName, filterExt };

    // strDocStrings: the fields of DocStringIndex, each ended by "\n".
    CSingleDocTemplate(std::string strDocStrings, const CRuntimeClass& docClass,
                       const CRuntimeClass& frameClass, const CRuntimeClass& viewClass);
    ~CSingleDocTemplate();

    std::string GetDocString(DocStringIndex index) const;
    // The document is open under pathName.
    bool IsOpen(const std::string& pathName) const;
    // Loads pathName into the document, after the unsaved-changes question, and shows it in
    // the frame; null when nothing was loaded.
    CDocument* OpenDocumentFile(const std::string& pathName, bool bMakeVisible = true);
    bool SaveAllModified();
    // Empties the document; its editor windows go with it, before the frame does.
    void CloseAllDocuments();

    CDocument* GetDocument() const { return m_pOnlyDoc.get(); }
    CFrameWnd* GetFrame() const { return m_pFrame.get(); }

private:
    std::unique_ptr<CFrameWnd> CreateNewFrame(CDocument& doc) const;

    std::string m_strDocStrings;
    const CRuntimeClass& m_docClass;
    const CRuntimeClass& m_frameClass;
    const CRuntimeClass& m_viewClass;
    std::unique_ptr<CDocument> m_pOnlyDoc;
    std::unique_ptr<CFrameWnd> m_pFrame;
};
