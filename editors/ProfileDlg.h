#pragma once

#include "EditorDlg.h"

// The sonar profile editor. A profile has no type of its own: the type filter tests the Sim
// Type of the object with the same Name, and a type outside 0 to 12 never hides a profile.
class CProfileDlg final : public CEditorDlg {
public:
    CProfileDlg(QWidget* pParent, CVentryDoc& doc);
};
