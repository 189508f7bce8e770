#pragma once

#include "EditableIndexDlg.h"

// The mast editor: every mast listed once, in index order, with no filter and no New.
class CMastDlg final : public CEditableIndexDlg {
public:
    CMastDlg(QWidget* pParent, CVentryDoc& doc);
};
