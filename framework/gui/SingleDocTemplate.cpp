#include "SingleDocTemplate.h"

#include <QFileInfo>

#include "CreateContext.h"
#include "DocumentSave.h"
#include "DynamicCreate.h"
#include "FrameWnd.h"
#include "PathString.h"
#include "WaitCursor.h"
#include "core/Document.h"

CSingleDocTemplate::CSingleDocTemplate(std::string strDocStrings, const CRuntimeClass& docClass,
                                       const CRuntimeClass& frameClass,
                                       const CRuntimeClass& viewClass)
    : m_strDocStrings(std::move(strDocStrings)),
      m_docClass(docClass),
      m_frameClass(frameClass),
      m_viewClass(viewClass) {}

CSingleDocTemplate::~CSingleDocTemplate() {
    CloseAllDocuments();
    m_pFrame.reset();
    m_pOnlyDoc.reset();
}

std::string CSingleDocTemplate::GetDocString(DocStringIndex index) const {
    std::size_t begin = 0;
    for (int i = 0; i < index; ++i) {
        begin = m_strDocStrings.find('\n', begin);
        if (begin == std::string::npos) {
            return {};
        }
        ++begin;
    }
    return m_strDocStrings.substr(begin, m_strDocStrings.find('\n', begin) - begin);
}

bool CSingleDocTemplate::IsOpen(const std::string& pathName) const {
    return m_pOnlyDoc && !m_pOnlyDoc->GetPathName().empty() &&
           QFileInfo(AfxPathToQString(m_pOnlyDoc->GetPathName())) ==
               QFileInfo(AfxPathToQString(pathName));
}

CDocument* CSingleDocTemplate::OpenDocumentFile(const std::string& pathName, bool bMakeVisible) {
    std::unique_ptr<CDocument> pCreated;
    if (m_pOnlyDoc) {
        if (!AfxSaveModified(*m_pOnlyDoc)) {
            return nullptr;
        }
    } else {
        pCreated = AfxCreateObject<CDocument>(m_docClass);
        if (!pCreated) {
            return nullptr;
        }
    }
    CDocument& doc = pCreated ? *pCreated : *m_pOnlyDoc;
    bool bLoaded = false;
    {
        CWaitCursor wait;
        bLoaded = doc.OnOpenDocument(pathName);
    }
    if (!bLoaded) {
        return nullptr;
    }
    if (!m_pFrame) {
        m_pFrame = CreateNewFrame(doc);
        if (!m_pFrame) {
            doc.DeleteContents();
            return nullptr;
        }
    }
    if (pCreated) {
        m_pOnlyDoc = std::move(pCreated);
    }
    doc.SetPathName(pathName);
    m_pFrame->InitialUpdateFrame(bMakeVisible);
    return &doc;
}

bool CSingleDocTemplate::SaveAllModified() {
    return !m_pOnlyDoc || AfxSaveModified(*m_pOnlyDoc);
}

void CSingleDocTemplate::CloseAllDocuments() {
    if (m_pOnlyDoc) {
        m_pOnlyDoc->DeleteContents();
    }
}

std::unique_ptr<CFrameWnd> CSingleDocTemplate::CreateNewFrame(CDocument& doc) const {
    std::unique_ptr<CFrameWnd> frame = AfxCreateObject<CFrameWnd>(m_frameClass);
    if (!frame) {
        return nullptr;
    }
    const CCreateContext context{&doc, &m_viewClass};
    if (!frame->LoadFrame(QString::fromUtf8(GetDocString(windowTitle)), context)) {
        return nullptr;
    }
    return frame;
}
