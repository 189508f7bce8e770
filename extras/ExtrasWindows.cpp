#include "ExtrasWindows.h"

#include "CompareDlg.h"
#include "FindInSetDlg.h"
#include "HistoryDlg.h"
#include "ScriptDlg.h"
#include "SetCheckDlg.h"
#include "TableViewDlg.h"
#include "WhereUsedDlg.h"

namespace {

template <class T>
T& Made(T*& pWindow, QWidget& frame, CVentryDoc& doc) {
    if (pWindow == nullptr) {
        pWindow = new T(doc, &frame);
        pWindow->Create();
    }
    return *pWindow;
}

void Present(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace

void CExtrasWindows::ShowSetCheck() {
    CSetCheckDlg& window = Made(m_pSetCheck, m_frame, m_doc);
    window.Check();
    Present(window);
}

void CExtrasWindows::ShowTableView() {
    if (m_pTableView == nullptr) {
        // The frame's commands follow the table in and out of sight: Set Values needs it.
        Made(m_pTableView, m_frame, m_doc).installEventFilter(&m_frame);
    }
    Present(*m_pTableView);
}

bool CExtrasWindows::IsTableViewShown() const {
    return m_pTableView != nullptr && m_pTableView->isVisible();
}

void CExtrasWindows::SetValuesInTable() {
    if (IsTableViewShown()) {
        m_pTableView->SetValues();
    }
}

void CExtrasWindows::ShowWhereUsed(Database database, std::uint16_t nKey) {
    CWhereUsedDlg& window = Made(m_pWhereUsed, m_frame, m_doc);
    window.ShowFor(database, nKey);
    Present(window);
}

void CExtrasWindows::ShowHistory(const std::function<void(std::size_t nPosition)>& moveTo) {
    if (m_pHistory == nullptr) {
        m_pHistory = new CHistoryDlg(m_doc, moveTo, &m_frame);
        m_pHistory->Create();
    }
    Present(*m_pHistory);
    m_pHistory->Refill();
}

void CExtrasWindows::ShowCompare() {
    CCompareDlg& window = Made(m_pCompare, m_frame, m_doc);
    if (window.ChooseOtherSet()) {
        Present(window);
    }
}

bool CExtrasWindows::RunScript(const std::string& path) {
    if (m_pScript == nullptr) {
        m_pScript = new CScriptDlg(m_doc, &m_frame);
    }
    if (!m_pScript->Run(path)) {
        return false;
    }
    Present(*m_pScript);
    return true;
}

void CExtrasWindows::ShowFindInSet() {
    CFindInSetDlg& window = Made(m_pFindInSet, m_frame, m_doc);
    Present(window);
    window.Refill();
}
