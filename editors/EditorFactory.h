#pragma once

#include <memory>

#include "EditorWindow.h"
#include "RecordLayout.h"

class CVentryDoc;
class QWidget;

// Builds the editor of one database as a hidden modeless dialog with frame as its parent. The
// returned object is a QWidget.
std::unique_ptr<CEditorWindow> CreateEditor(Database database, QWidget* frame, CVentryDoc& doc);
