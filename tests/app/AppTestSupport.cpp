#include "AppTestSupport.h"

#include <QAction>
#include <QEventLoop>
#include <QFileDialog>
#include <QMenu>
#include <QSettings>
#include <QTimer>

#include "MainFrame.h"
#include "VentryDoc.h"
#include "gui/AfxRes.h"
#include "gui/CmdUI.h"
#include "gui/FileDialog.h"

bool CCountingApp::OnUpdateCommand(CCmdUI& cmdUI) {
    if (cmdUI.m_nID == ID_FILE_MRU_FILE1) {
        ++m_nUpdatePasses;
    }
    return CVentryApp::OnUpdateCommand(cmdUI);
}

int CFakeEditor::s_nLive = 0;

CFakeEditor::CFakeEditor(QWidget* pParent, CVentryDoc& doc, EditorSlot slot)
    : QDialog(pParent), m_doc(doc), m_slot(slot) {
    ++s_nLive;
}

CFakeEditor::~CFakeEditor() {
    --s_nLive;
}

void CFakeEditor::Exit() {
    m_doc.Shown(m_slot) = false;
    hide();
}

AppTest::AppTest() : m_oldCwd(std::filesystem::current_path()) {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       QString::fromStdString((m_dir.Path() / "settings").string()));
    std::filesystem::create_directories(Cwd());
    std::filesystem::current_path(Cwd());
    AfxSetFileDialogHandler([this](QFileDialog& dialog) {
        ++m_nFileDialogs;
        m_lastDialog = QStringList{dialog.windowTitle()} + dialog.nameFilters();
        m_lastDialog << dialog.directory().absolutePath() << dialog.selectedFiles().value(0);
        EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog));
        if (m_strFileToChoose.empty()) {
            return IDCANCEL;
        }
        dialog.selectFile(QString::fromStdString(m_strFileToChoose));
        return IDOK;
    });
    CMainFrame::SetEditorFactory([](EditorSlot slot, QWidget* frame, CVentryDoc& doc) {
        return std::make_unique<CFakeEditor>(frame, doc, slot);
    });
}

AppTest::~AppTest() {
    m_pApp.reset();
    EXPECT_EQ(CFakeEditor::s_nLive, 0);
    CMainFrame::SetEditorFactory({});
    AfxSetFileDialogHandler({});
    std::filesystem::current_path(m_oldCwd);
}

std::string AppTest::WriteObjects(const std::filesystem::path& dir, char letter, int nObjects) {
    std::vector<Bytes> records;
    for (int i = 1; i <= nObjects; ++i) {
        records.push_back(MakeRecord(SetFile::Object, static_cast<std::uint16_t>(i),
                                     letter + std::to_string(i), static_cast<std::uint32_t>(i)));
    }
    return WriteSet(dir, {{SetFile::Object, Concat(records)}}, letter);
}

std::string AppTest::SettingsFile() const {
    return (m_dir.Path() / "settings" / "Local AppWizard-Generated Applications" / "Ventry.ini")
        .string();
}

bool AppTest::StartApp(const QStringList& arguments) {
    m_pApp.reset();  // one application at a time
    m_pApp = std::make_unique<CCountingApp>();
    return m_pApp->Start(QStringList{QStringLiteral("ventry")} + arguments);
}

CVentryDoc* AppTest::Doc() const {
    return Frame() ? dynamic_cast<CVentryDoc*>(Frame()->GetActiveDocument()) : nullptr;
}

CFrameWnd* AppTest::Frame() const {
    return m_pApp ? m_pApp->GetMainWnd() : nullptr;
}

QAction* AppTest::MenuAction(unsigned nID) const {
    for (QAction* action : Frame()->findChildren<QAction*>(QString::number(nID))) {
        if (qobject_cast<QMenu*>(action->parent()) || action->parent() == Frame()) {
            return action;
        }
    }
    return nullptr;
}

QAction* AppTest::ToolBarAction(unsigned nID) const {
    for (QAction* action : Frame()->findChildren<QAction*>(QString::number(nID))) {
        if (action->parent()->objectName() == QStringLiteral("59392")) {
            return action;
        }
    }
    return nullptr;
}

void AppTest::Command(unsigned nID) const {
    QAction* action = MenuAction(nID);
    ASSERT_NE(action, nullptr) << nID;
    action->trigger();
}

void AppTest::RunIdle(int nMilliseconds) {
    QEventLoop loop;
    QTimer::singleShot(nMilliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}
