#pragma once

#include "EditorDlg.h"

// The 3D object editor. A 3D object has no index of its own; its key is its position in the
// file at load. The type filter numbers the lines by row, the text filter and New by key, and
// a renamed record keeps the number its line showed.
class C3DObjectDlg final : public CEditorDlg {
public:
    C3DObjectDlg(QWidget* pParent, CVentryDoc& doc);

protected:
    int ShownIndex(std::uint16_t nKey, const std::uint8_t* pRecord) const override;
    void PrepareNewRecord(std::uint8_t* pRecord, std::uint16_t nKey) const override;
    int CurrentLineNumber() const override;
    std::uint32_t FirstNewKey() const override;
    bool FillListWithTypes() override;
};
