#pragma once

#include "EditorDlg.h"

// The mast editor: every mast listed once, in index order, with no filter and no New. Its
// Index can be edited; the record keeps its key and line until the next load.
class CMastDlg final : public CEditorDlg {
public:
    CMastDlg(QWidget* pParent, CVentryDoc& doc);
};
