#include "EditorFactory.h"

std::unique_ptr<CEditorWindow> CreateEditor(EditorSlot, QWidget*, CVentryDoc&) {
    return nullptr;
}
