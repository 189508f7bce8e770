#pragma once

#include "EditorDlg.h"

class CStoredIndexTable;

// An editor whose Index field (control 1004, the first two bytes) can be edited. The record
// stays under its key and in its list line until the next fill; an index that another record
// already stores is refused, since the next load would keep only one of the two.
class CEditableIndexDlg : public CEditorDlg {
public:
    CEditableIndexDlg(QWidget* pParent, CVentryDoc& doc, const EditorDescription& description,
                      std::unique_ptr<CRecordTable> pRecords);

protected:
    bool BuildImage(std::uint8_t* pImage, bool bReport) override;

private:
    CStoredIndexTable& m_indices;  // m_pRecords as what it is
};
