#include <QSettings>
#include <QTest>
#include <cstdlib>

#include "AppTestSupport.h"
#include "DocRecords.h"
#include "SetWatcher.h"
#include "VentryDoc.h"
#include "gui/AfxRes.h"
#include "gui/MessageBox.h"

namespace {

namespace fs = std::filesystem;
using testing::_;
using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;

// Files of a loaded set that other programs change.
class SetOnDiskTest : public LoadedSetTest {
protected:
    // Runs a shell command in the current directory, as another program.
    static void RunElsewhere(const std::string& command) {
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }
    // Runs the event loop until n messages were shown, for at most 5 s.
    void WaitForMessages(std::size_t n) {
        EXPECT_TRUE(QTest::qWaitFor([this, n] { return m_messages.m_entries.size() >= n; }, 5000))
            << "waiting for " << n << " messages";
    }
};

TEST_F(SetOnDiskTest, NoKeepsTheSetAndOnlyANewChangeAsksAgainAndYesLoadsTheSet) {
    RunElsewhere("rm sensor.esd && printf 'x' > mast.new && mv mast.new mast.emd");
    WaitForMessages(1);
    ASSERT_EQ(m_messages.m_entries.size(), 1u);  // answered No
    EXPECT_EQ(m_messages.m_entries[0].nType, MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(m_messages.m_entries[0].strText,
              "Another program has changed files of the open set:\n    sensor.esd (removed)\n"
              "    mast.emd\n\nLoad the set again?");
    EXPECT_TRUE(StillTheFirstLoad());

    // Only the new change is listed; Yes drops the unsaved changes without asking to save them.
    Edit();
    m_messages.Answer(IDYES);
    RunElsewhere("cat '" + m_strOther + "' > object.eod");
    WaitForMessages(2);
    EXPECT_THAT(m_messages.Texts(),
                ElementsAre(_,
                            "Another program has changed files of the open set:\n    object.eod\n\n"
                            "Load the set again? Your unsaved changes would be lost."));
    EXPECT_EQ(RecordCount(*Doc(), Database::Object), 3u);
    EXPECT_EQ(CFakeEditor::s_nLive, 0);
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_EQ(Doc()->GetPathName(), SetFilePath(Cwd(), Database::Object));
}

TEST_F(SetOnDiskTest, AWholeSetSavedByAnotherProgramGivesOneQuestionAndNoneWhileItIsOpen) {
    CMessageBoxHandler previous =
        AfxSetMessageBoxHandler([this](const std::string& text, unsigned nType) {
            m_messages.m_entries.push_back({text, nType});
            // The real message box runs an event loop of its own while it waits for the user:
            // once the files were quiet long enough, a second question would come now.
            if (m_messages.m_entries.size() == 1) {
                RunElsewhere("printf 'x' >> sensor.esd && printf 'x' >> mast.emd");
                EXPECT_FALSE(QTest::qWaitFor([this] { return m_messages.m_entries.size() > 1; },
                                             2 * CSetWatcher::kQuietMs));
            }
            return IDNO;
        });
    RunElsewhere(std::string("'") + VENTRY_DB_PATH + "' copy '" + m_strOther + "' object.eod");
    WaitForMessages(1);
    AfxSetMessageBoxHandler(std::move(previous));
    EXPECT_THAT(m_messages.Texts(), ElementsAre(HasSubstr("    countryname.ecd\n")));
    EXPECT_TRUE(StillTheFirstLoad());
    // What changed while the question was open was part of it: the next one names only the
    // file changed after it.
    RunElsewhere("printf 'x' >> launcher.eld");
    WaitForMessages(2);
    EXPECT_THAT(m_messages.Texts(),
                ElementsAre(_,
                            "Another program has changed files of the open set:\n"
                            "    launcher.eld\n\nLoad the set again?"));
}

// The first question after two saves names only what another program changed in the set that
// is open now.
TEST_F(SetOnDiskTest, ItsOwnSavesAskNothingAndTheWatchFollowsSaveAs) {
    Edit();
    Command(ID_FILE_SAVE);
    const fs::path target = m_dir.Path() / "saved";
    fs::create_directories(target);
    m_strFileToChoose = SetFilePath(target, Database::Object);
    Edit();
    Command(ID_FILE_SAVE_AS);
    EXPECT_FALSE(Doc()->IsModified());
    RunElsewhere("printf 'x' >> mast.emd");  // not the open set any more
    RunElsewhere("printf 'x' >> '" + SetFilePath(target, Database::Sensor) + "'");
    WaitForMessages(1);
    EXPECT_THAT(m_messages.Texts(),
                ElementsAre("Another program has changed files of the open set:\n    sensor.esd\n\n"
                            "Load the set again?"));
}

TEST_F(SetOnDiskTest, TheBackupCountComesFromTheSettings) {
    m_pApp.reset();
    QSettings(QString::fromStdString(SettingsFile()), QSettings::IniFormat)
        .setValue(QStringLiteral("Settings/BackupCount"), 0);
    ASSERT_TRUE(StartApp());
    Edit();
    Command(ID_FILE_SAVE);
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_EQ(FileNamesIn(Cwd()).size(), 11u);  // the set alone: no backup
}

}  // namespace
