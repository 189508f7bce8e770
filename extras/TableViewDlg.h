#pragma once

#include <QModelIndex>

#include "gui/Dialog.h"

class CCellEdit;
class CRecordTableModel;
class CVentryDoc;
class QKeySequence;
class QTableView;

// Every record of one database in a table: a chooser for the database, a filter over the
// record texts, sorting by a click on a column's header, cells edited in place as the editors
// edit their fields, and Ctrl+C copying the selected cells as CSV. Many cells change in one
// step: Set Values (Ctrl+E) over the selected cells of a column, Paste (Ctrl+V) of what a
// spreadsheet copies, Find and Replace (Ctrl+H) in text cells. A double-click on a row's index
// cell or on its header shows the record in its editor.
class CTableViewDlg final : public CDialog {
public:
    CTableViewDlg(CVentryDoc& doc, QWidget* pParent);

    void SetValues();
    void Paste();
    void FindAndReplace();

protected:
    void OnInitDialog() override;

private:
    void AddCommand(unsigned nID, const char* pszText, const QKeySequence& key,
                    Qt::ShortcutContext context, void (CTableViewDlg::*pfnRun)());
    void OnDatabaseChosen(int nItem);
    void OpenRow(int nRow) const;
    void CopySelection();
    // The selected cells top to bottom, left to right; the current one when none is selected.
    QModelIndexList SelectedCells() const;
    // Applies a refused edit's message or the edit itself.
    void Finish(const CCellEdit& edit);

    CVentryDoc& m_doc;
    CRecordTableModel* m_pModel = nullptr;
    QTableView* m_pTable = nullptr;
};
