#pragma once

class CDocument;
struct CRuntimeClass;

// What a new frame needs to build its views: the document they show and the class of the
// first one.
struct CCreateContext {
    CDocument* m_pCurrentDoc = nullptr;
    const CRuntimeClass* m_pNewViewClass = nullptr;
};
