#pragma once

#include "EditorDlg.h"

// The airstrip editor. Its only filter is the text filter, behind the button "Apply / Remove
// Filter" in the group "Filter"; the list opens with every airstrip.
class CAirstripDlg final : public CEditorDlg {
public:
    CAirstripDlg(QWidget* pParent, CVentryDoc& doc);
};
