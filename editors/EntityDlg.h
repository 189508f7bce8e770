#pragma once

#include "EditableIndexDlg.h"

// The entity editor. An entity's type is the Sim Type of the object that its Type Name names;
// a type outside 0 to 12 never hides it.
class CEntityDlg final : public CEditableIndexDlg {
public:
    CEntityDlg(QWidget* pParent, CVentryDoc& doc);

protected:
    int RecordType(const std::uint8_t* pRecord) const override;
};
