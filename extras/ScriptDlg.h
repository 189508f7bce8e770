#pragma once

#include <functional>
#include <string>

#include "SetChange.h"
#include "gui/Dialog.h"

class CDifferenceListModel;
class CVentryDoc;
class QLabel;
class QListView;
class QPlainTextEdit;
class QPushButton;

// What a script would do to the set before it does anything: what it printed, the error that
// stopped it, and its change as `diff` lines. Apply makes the change one step of the set's
// history ("script scale.lua"); Discard, like the close box, drops it. A change made before
// the set changed again is not applied as it stands: the script runs again, and only the same
// change is applied; another one is shown instead.
class CScriptDlg final : public CDialog {
public:
    CScriptDlg(CVentryDoc& doc, QWidget* pParent);
    ~CScriptDlg() override;

    // Asks for a Lua file, starting at path when one is given; false when the user cancels.
    static bool PromptForScript(QWidget* pParent, std::string& path);

    // Reads the script at path and runs it over the set; false, with the reason told, when the
    // file cannot be read.
    bool Run(const std::string& path);

protected:
    void OnInitDialog() override;
    void OnCancel() override;

private:
    void RunText();
    void OnApply();
    void Discard();

    CVentryDoc& m_doc;
    int m_nListener;
    bool m_bStale = false;  // the set changed since the script ran
    std::string m_strName;  // the script's file name
    std::string m_strText;
    CSetChange m_change;
    QLabel* m_pSummary = nullptr;
    QPlainTextEdit* m_pOutput = nullptr;
    QListView* m_pChanges = nullptr;
    CDifferenceListModel* m_pLines = nullptr;
    QPushButton* m_pApply = nullptr;
};
