#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "EditorWindow.h"
#include "RecordLayout.h"
#include "gui/FrameWnd.h"

class CEditorDlg;
class CExtrasWindows;
class CSetChange;
class CVentryDoc;

// The main window: menu, toolbar, the tree and form panes side by side, and the ten
// commands that show and hide the record editors. An editor is made on its command's first
// use and belongs to the document; a command's button is pressed while its editor shows. The
// frame opens records in their editors for the document, and runs the Extras windows.
class CMainFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CMainFrame)

public:
    CMainFrame();
    ~CMainFrame() override;

    using CEditorFactory =
        std::function<std::unique_ptr<CEditorWindow>(Database, QWidget*, CVentryDoc&)>;
    // Where editors come from; an empty factory restores the program's own. Returns the
    // previous one.
    static CEditorFactory SetEditorFactory(CEditorFactory factory);

    // After a load, also tells the user about files the load could not take as they stood.
    void InitialUpdateFrame(bool bMakeVisible) override;
    bool OnCommand(unsigned nID) override;
    bool OnUpdateCommand(CCmdUI& cmdUI) override;

protected:
    bool OnCreate() override;
    bool OnCreateClient(const CCreateContext& context) override;
    // Editors hide themselves too; their buttons follow at once.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CVentryDoc* GetDocument() const;
    // The editor's window, made on first use; null when the factory gives no window.
    QWidget* EditorWindow(Database database);
    void OnEditorCommand(Database database);
    // Shows the editor of the database with the record current.
    void OpenRecord(Database database, std::uint16_t nKey);
    // The editor that was activated or shown last, while it is still shown.
    CEditorDlg* ActiveEditor() const;
    // True when pWindow is an editor other than the one that was active.
    bool NoteActivation(QObject* pWindow);
    void OnWhereUsed();
    void UpdateHistoryCommand(CCmdUI& cmdUI) const;
    void OnUndoRedo(bool bUndo);
    // Undoes or redoes steps until nPosition of the history is in effect.
    void MoveHistoryTo(std::size_t nPosition);
    void ReportLoadProblems() const;
    void OnRunScript();
    // Runs the script at path and notes it among the recent scripts; false when the file
    // cannot be read.
    bool RunScript(const std::string& path);

    std::unique_ptr<CExtrasWindows> m_pExtras;
    std::optional<Database> m_lastActiveEditor;
    int m_nListener = -1;
};
