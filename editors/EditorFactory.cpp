#include "EditorFactory.h"

#include "ProfileDlg.h"

std::unique_ptr<CEditorWindow> CreateEditor(EditorSlot slot, QWidget* frame, CVentryDoc& doc) {
    std::unique_ptr<CEditorDlg> pEditor;
    switch (slot) {
        case EditorSlot::Profile:
            pEditor = std::make_unique<CProfileDlg>(frame, doc);
            break;
        default:
            return nullptr;
    }
    pEditor->Create();
    return pEditor;
}
