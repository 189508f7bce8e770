#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDialog>
#include <QStringList>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "EditorWindow.h"
#include "GuiTest.h"
#include "TestFiles.h"
#include "VentryApp.h"
#include "VentryDoc.h"
#include "gui/AfxRes.h"
#include "gui/CmdUI.h"
#include "gui/FrameWnd.h"

class QAction;

// The application, counting the frame's update passes: each asks it for the first recent
// file's item.
class CCountingApp : public CVentryApp {
public:
    bool OnUpdateCommand(CCmdUI& cmdUI) override {
        m_nUpdatePasses += cmdUI.m_nID == ID_FILE_MRU_FILE1 ? 1 : 0;
        return CVentryApp::OnUpdateCommand(cmdUI);
    }

    int m_nUpdatePasses = 0;
};

// Stands in for a record editor: a hidden dialog that counts its living instances.
class CFakeEditor : public QDialog, public CEditorWindow {
public:
    CFakeEditor(QWidget* pParent, CVentryDoc& doc, Database slot)
        : QDialog(pParent), m_doc(doc), m_slot(slot) {
        ++s_nLive;
    }
    ~CFakeEditor() override { --s_nLive; }
    // What an editor's Exit does: clear its shown flag and hide.
    void Exit() {
        m_doc.Shown(m_slot) = false;
        hide();
    }

    static inline int s_nLive = 0;

private:
    CVentryDoc& m_doc;
    Database m_slot;
};

// A started application in a temp directory of its own: settings, current directory, file
// dialogs, message boxes and editors all answered by the test.
class AppTest : public testing::Test {
protected:
    AppTest();
    ~AppTest() override;

    // A complete set whose object file holds nObjects records (indices 1..n, names
    // "<letter>n"); the other files are empty. Returns the object file's path.
    static std::string WriteObjects(const std::filesystem::path& dir, char letter, int nObjects);
    std::filesystem::path Cwd() const { return m_dir.Path() / "cwd"; }
    std::string SettingsFile() const {
        return (m_dir.Path() / "settings/Local AppWizard-Generated Applications/Ventry.ini")
            .string();
    }

    bool StartApp(const QStringList& arguments = {});
    // The set in the current directory, opened by the program with its real editors.
    void StartOn(const std::map<Database, Bytes>& files);
    CFrameWnd* Frame() const { return m_pApp ? m_pApp->GetMainWnd() : nullptr; }
    CVentryDoc* Doc() const {
        return Frame() ? dynamic_cast<CVentryDoc*>(Frame()->GetActiveDocument()) : nullptr;
    }
    // The menu item (or key) action of a command, or its toolbar button's.
    QAction* Action(unsigned nID, bool bToolBar = false) const;
    static constexpr bool kToolBar = true;
    // Runs the command of a menu item, as a click would.
    void Command(unsigned nID) const;
    // A shown window of the frame by its template id, and an item view in it.
    QDialog& Window(int nId) const;
    QAbstractItemView& View(int nWindow, int nId) const;

    TempDir m_dir;
    CMessageLog m_messages;
    std::unique_ptr<CCountingApp> m_pApp;
    std::string m_strFileToChoose;  // empty: the file dialog is cancelled
    int m_nFileDialogs = 0;
    QStringList m_lastDialog;  // title, filters, start directory and file

private:
    std::filesystem::path m_oldCwd;
};

// A loaded set of two objects with a shown fake editor, to tell a reload (editor gone) from
// none, and a set of three objects with the letter g in "other".
class LoadedSetTest : public AppTest {
protected:
    void SetUp() override;
    bool StillTheFirstLoad() const;
    // What an Apply to the first object does.
    void Edit();

    std::string m_strSet;
    std::string m_strOther;
    const std::uint8_t* m_pFirstRecord = nullptr;
};
