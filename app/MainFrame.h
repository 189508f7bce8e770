#pragma once

#include <functional>
#include <memory>

#include "EditorWindow.h"
#include "gui/FrameWnd.h"

class CVentryDoc;

// The main window: menu, toolbar, the tree and form panes side by side, and the ten
// commands that show and hide the record editors. An editor is made on its command's first
// use and belongs to the document; a command's button is pressed while its editor shows.
class CMainFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CMainFrame)

public:
    using CEditorFactory =
        std::function<std::unique_ptr<CEditorWindow>(EditorSlot, QWidget*, CVentryDoc&)>;
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
    void OnEditorCommand(EditorSlot slot);
    void ReportLoadProblems() const;
};
