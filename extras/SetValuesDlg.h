#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "CellEdit.h"
#include "gui/Dialog.h"

class CRecordTableModel;
class CVentryDoc;
class QLabel;
class QLineEdit;

// Set Values: one expression for the selected cells of one column of the table. The line
// under the expression says, as one types, how many cells it would change, or why it cannot;
// OK applies it as one step, and an expression that a cell refuses stays to be mended.
class CSetValuesDlg final : public CDialog {
public:
    CSetValuesDlg(CVentryDoc& doc, CRecordTableModel& model, int nColumn,
                  std::vector<std::uint16_t> keys, QWidget* pParent);

protected:
    void OnInitDialog() override;
    void OnOK() override;

private:
    CCellEdit Evaluate() const;
    void ShowCount();

    CVentryDoc& m_doc;
    CRecordTableModel& m_model;
    int m_nColumn;
    std::vector<std::uint16_t> m_keys;  // the rows' records, top to bottom
    QLineEdit* m_pExpression = nullptr;
    QLabel* m_pCount = nullptr;
    std::optional<CCellEdit> m_evaluated;  // of the expression as it reads now
};
