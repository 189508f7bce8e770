#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "RecordLayout.h"

class CCompareDlg;
class CFindInSetDlg;
class CHistoryDlg;
class CScriptDlg;
class CSetChange;
class CSetCheckDlg;
class CTableViewDlg;
class CVentryDoc;
class CWhereUsedDlg;
class QWidget;

// The set's own modeless windows (the Extras menu's and the History): each made on its first
// use as a child of the frame, afterwards only shown again and brought to the front.
class CExtrasWindows {
public:
    CExtrasWindows(QWidget& frame, CVentryDoc& doc) : m_frame(frame), m_doc(doc) {}

    // Checks the set anew.
    void ShowSetCheck();
    void ShowTableView();
    bool IsTableViewShown() const;
    // Set Values for the cells selected in the Table View.
    void SetValuesInTable();
    void ShowWhereUsed(Database database, std::uint16_t nKey);
    // moveTo takes the set to a position of its history.
    void ShowHistory(const std::function<void(std::size_t nPosition)>& moveTo);
    // Asks for the set to compare with first; a second choice replaces the first.
    void ShowCompare();
    // Runs the script at path and shows what it would change; false when the file cannot be
    // read.
    bool RunScript(const std::string& path);
    void ShowFindInSet();

private:
    QWidget& m_frame;
    CVentryDoc& m_doc;
    CSetCheckDlg* m_pSetCheck = nullptr;
    CTableViewDlg* m_pTableView = nullptr;
    CWhereUsedDlg* m_pWhereUsed = nullptr;
    CHistoryDlg* m_pHistory = nullptr;
    CCompareDlg* m_pCompare = nullptr;
    CScriptDlg* m_pScript = nullptr;
    CFindInSetDlg* m_pFindInSet = nullptr;
};
