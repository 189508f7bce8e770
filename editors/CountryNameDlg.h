#pragma once

#include "EditorDlg.h"

// The country name editor. A country's type is the Sim Type of the object with the same Name;
// a type outside 0 to 12 never hides it.
class CCountryNameDlg final : public CEditorDlg {
public:
    CCountryNameDlg(QWidget* pParent, CVentryDoc& doc);
};
