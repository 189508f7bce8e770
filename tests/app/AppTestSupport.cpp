#include "AppTestSupport.h"
#include "Resource.h"

#include <QAction>
#include <QFileDialog>
#include <QMenu>
#include <QSettings>

#include "DocRecords.h"
#include "MainFrame.h"
#include "gui/FileDialog.h"

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
    CMainFrame::SetEditorFactory([](Database slot, QWidget* frame, CVentryDoc& doc) {
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
        records.push_back(MakeRecord(Database::Object, static_cast<std::uint16_t>(i),
                                     letter + std::to_string(i), static_cast<std::uint32_t>(i)));
    }
    return WriteSet(dir, {{Database::Object, Concat(records)}}, letter);
}

bool AppTest::StartApp(const QStringList& arguments) {
    m_pApp.reset();  // one application at a time
    m_pApp = std::make_unique<CCountingApp>();
    return m_pApp->Start(QStringList{QStringLiteral("ventry")} + arguments);
}

void AppTest::StartOn(const std::map<Database, Bytes>& files) {
    WriteSet(Cwd(), files);
    CMainFrame::SetEditorFactory({});
    ASSERT_TRUE(StartApp());
}

QAction* AppTest::Action(unsigned nID, bool bToolBar) const {
    for (QAction* action : Frame()->findChildren<QAction*>(QString::number(nID))) {
        QObject* parent = action->parent();
        if (bToolBar ? parent->objectName() == QStringLiteral("59392")
                     : qobject_cast<QMenu*>(parent) || parent == Frame()) {
            return action;
        }
    }
    return nullptr;
}

void AppTest::Command(unsigned nID) const {
    QAction* action = Action(nID);
    ASSERT_NE(action, nullptr) << nID;
    action->trigger();
}

QDialog& AppTest::Window(int nId) const {
    auto* pWindow = Find<QDialog>(*Frame(), nId);
    EXPECT_TRUE(pWindow && pWindow->isVisible()) << nId;
    return *pWindow;
}

QAbstractItemView& AppTest::View(int nWindow, int nId) const {
    return *Find<QAbstractItemView>(Window(nWindow), nId);
}

void LoadedSetTest::SetUp() {
    m_strSet = WriteObjects(Cwd(), 'e', 2);
    m_strOther = WriteObjects(m_dir.Path() / "other", 'g', 3);
    ASSERT_TRUE(StartApp());
    Command(ID_VIEW_OBJECTS);  // View > Objects
    m_pFirstRecord = FindRecord(*Doc(), Database::Object, 1);
}

bool LoadedSetTest::StillTheFirstLoad() const {
    return CFakeEditor::s_nLive == 1 && RecordCount(*Doc(), Database::Object) == 2 &&
           FindRecord(*Doc(), Database::Object, 1) == m_pFirstRecord;
}

void LoadedSetTest::Edit() {
    FlipByte(*Doc(), Database::Object, 1, 30);
}
