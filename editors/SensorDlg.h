#pragma once

#include "EditorDlg.h"

// The sensor editor. Its list shows "%03d: %s (%s)" with the display name and is filtered by
// sensor class, never listing a class outside 1 to 11; it has no type or text filter. New
// gives the copy a display name of its own as well.
class CSensorDlg final : public CEditorDlg {
public:
    CSensorDlg(QWidget* pParent, CVentryDoc& doc);
};
