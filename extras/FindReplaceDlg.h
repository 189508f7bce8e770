#pragma once

#include <cstdint>
#include <vector>

#include "CellEdit.h"
#include "gui/Dialog.h"

class CRecordTableModel;
class CVentryDoc;
class QCheckBox;
class QLabel;
class QLineEdit;

// One text cell of the table: a record and a column.
struct CTextCell {
    std::uint16_t nKey;
    int nColumn;
};

// Find and Replace in the table's text cells: every match of the text, whatever the letter
// case unless asked (Latin-1 letters fold as in the editors' searches), as a substring or as
// a whole word. Replace All changes every cell as one step, or none when a result does not
// fit its field; the dialog then stays to be mended.
class CFindReplaceDlg final : public CDialog {
public:
    // scope says which cells those are: "the 12 selected text cells".
    CFindReplaceDlg(CVentryDoc& doc, CRecordTableModel& model, std::vector<CTextCell> cells,
                    const QString& scope, QWidget* pParent);

protected:
    void OnInitDialog() override;
    void OnOK() override;

private:
    CCellEdit Replace() const;

    CVentryDoc& m_doc;
    CRecordTableModel& m_model;
    std::vector<CTextCell> m_cells;
    QString m_scope;
    QLineEdit* m_pFind = nullptr;
    QLineEdit* m_pWith = nullptr;
    QCheckBox* m_pWholeWord = nullptr;
    QCheckBox* m_pMatchCase = nullptr;
};
