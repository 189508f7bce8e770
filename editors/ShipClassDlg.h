#pragma once

#include "EditorDlg.h"

// The ship class editor. A ship class's type is the Sim Type of the object with the same
// Name; a type outside 0 to 12 never hides it.
class CShipClassDlg final : public CEditorDlg {
public:
    CShipClassDlg(QWidget* pParent, CVentryDoc& doc);
};
