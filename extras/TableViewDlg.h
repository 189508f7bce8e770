#pragma once

#include "gui/Dialog.h"

class CRecordTableModel;
class CVentryDoc;
class QModelIndex;
class QTableView;

// Every record of one database in a table: a chooser for the database, a filter over the
// record texts, sorting by a click on a column's header, cells edited in place and Ctrl+C
// copying the selected cells as CSV. A double-click on a row's index cell or on its header
// shows the record in its editor.
class CTableViewDlg final : public CDialog {
public:
    CTableViewDlg(CVentryDoc& doc, QWidget* pParent);

protected:
    void OnInitDialog() override;

private:
    void OnDatabaseChosen(int nItem);
    void OpenRow(int nRow) const;
    void CopySelection() const;

    CVentryDoc& m_doc;
    CRecordTableModel* m_pModel = nullptr;
    QTableView* m_pTable = nullptr;
};
