#pragma once

#include "EditorDlg.h"

// The entity editor. An entity's type is the Sim Type of the object that its Type Name names;
// a type outside 0 to 12 never hides it. Its Index can be edited; the record keeps its key and
// line until the next load.
class CEntityDlg final : public CEditorDlg {
public:
    CEntityDlg(QWidget* pParent, CVentryDoc& doc);
};
