#pragma once

#include <memory>

#include "EditorWindow.h"
#include "RecordLayout.h"

class CVentryDoc;
class QWidget;

// Builds the editor of one database as a hidden modeless dialog with frame as its parent;
// null for a database that has no editor. The returned object is a QWidget.
std::unique_ptr<CEditorWindow> CreateEditor(Database slot, QWidget* frame, CVentryDoc& doc);
