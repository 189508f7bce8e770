#pragma once

#include "EditorDlg.h"

// The 3D object editor. A 3D object has no index of its own; its key is its position in the
// file at load. The type filter numbers the lines by row, the text filter and New by key, New
// takes the number of listed records plus one, and a renamed record keeps its line's number.
class C3DObjectDlg final : public CEditorDlg {
public:
    C3DObjectDlg(QWidget* pParent, CVentryDoc& doc);
};
