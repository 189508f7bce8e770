#include <QElapsedTimer>
#include <QProcess>
#include <QSettings>

#include "AppTestSupport.h"
#include "DocRecords.h"
#include "SetWatcher.h"
#include "VentryApp.h"
#include "VentryDoc.h"
#include "gui/AfxRes.h"
#include "gui/MessageBox.h"

namespace {

namespace fs = std::filesystem;
using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;
using testing::Not;

constexpr unsigned kViewObjects = 32774;

// A loaded set with a shown fake editor, to tell a reload (editor gone) from none, and files
// that other programs change.
class SetOnDiskTest : public AppTest {
protected:
    void SetUp() override {
        m_strSet = WriteObjects(Cwd(), 'e', 2);
        m_objectBytes = ReadBytes(m_strSet);
        m_strOther = WriteObjects(m_dir.Path() / "other", 'e', 3);
        ASSERT_TRUE(StartApp());
        Command(kViewObjects);
        m_pFirstRecord = FindRecord(*Doc(), SetFile::Object, 1);
    }

    // Runs a shell command in the current directory, as another program.
    static void RunElsewhere(const std::string& command) {
        QProcess process;
        process.start(QStringLiteral("/bin/sh"),
                      {QStringLiteral("-c"), QString::fromStdString(command)});
        ASSERT_TRUE(process.waitForFinished(20000)) << command;
        ASSERT_EQ(process.exitCode(), 0)
            << command << ": " << process.readAllStandardError().toStdString();
    }
    // Runs the event loop until n messages were shown, or for at most nMs.
    void WaitForMessages(std::size_t n, int nMs = 5000) {
        QElapsedTimer timer;
        timer.start();
        while (m_messages.m_entries.size() < n && timer.elapsed() < nMs) {
            RunIdle();
        }
    }
    // Long enough for a change to have been noticed and asked about.
    void Settle() {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 3 * CSetWatcher::kQuietMs) {
            RunIdle();
        }
    }
    bool StillTheFirstLoad() const {
        return CFakeEditor::s_nLive == 1 && RecordCount(*Doc(), SetFile::Object) == 2 &&
               FindRecord(*Doc(), SetFile::Object, 1) == m_pFirstRecord;
    }
    void Edit() {
        FindRecord(*Doc(), SetFile::Object, 1)[30] ^= 0xFF;
        Doc()->RecordsChanged(Database::Object);
    }
    std::string Other(SetFile file) const { return SetFilePath(m_dir.Path() / "other", file); }
    std::string Here(SetFile file) const { return SetFilePath(Cwd(), file); }

    std::string m_strSet;
    std::string m_strOther;
    Bytes m_objectBytes;
    const std::uint8_t* m_pFirstRecord = nullptr;
};

TEST_F(SetOnDiskTest, AFileRewrittenByAnotherProgramAsksOnceAndYesLoadsTheSetAgain) {
    m_messages.Answer(IDYES);
    RunElsewhere("cat '" + m_strOther + "' > object.eod");
    WaitForMessages(1);
    ASSERT_EQ(m_messages.m_entries.size(), 1u);
    EXPECT_EQ(m_messages.m_entries[0].nType, MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(m_messages.m_entries[0].strText,
              "Another program has changed files of the open set:\n    object.eod\n\n"
              "Load the set again?");
    EXPECT_EQ(RecordCount(*Doc(), SetFile::Object), 3u);
    EXPECT_EQ(CFakeEditor::s_nLive, 0);
    EXPECT_EQ(Doc()->GetPathName(), m_strSet);
    Settle();
    EXPECT_EQ(m_messages.m_entries.size(), 1u);
}

TEST_F(SetOnDiskTest, NoKeepsTheSetAndTheSameChangeIsNotAskedAbout) {
    RunElsewhere("cp '" + Other(SetFile::Object) + "' object.eod");
    WaitForMessages(1);
    ASSERT_EQ(m_messages.m_entries.size(), 1u);  // answered No
    Settle();
    EXPECT_EQ(m_messages.m_entries.size(), 1u);
    EXPECT_TRUE(StillTheFirstLoad());
    EXPECT_FALSE(Doc()->IsModified());

    // A further change is news again.
    RunElsewhere("printf 'xx' >> sensor.esd");
    WaitForMessages(2);
    ASSERT_EQ(m_messages.m_entries.size(), 2u);
    EXPECT_THAT(m_messages.m_entries[1].strText, HasSubstr("\n    sensor.esd\n"));
    EXPECT_THAT(m_messages.m_entries[1].strText, Not(HasSubstr("object.eod")));
}

TEST_F(SetOnDiskTest, WithUnsavedChangesTheQuestionSaysTheyWouldBeLost) {
    Edit();
    RunElsewhere("cp '" + Other(SetFile::Mast) +
                 "' mast.new && printf 'x' >> mast.new && "
                 "mv mast.new mast.emd && rm sensor.esd");
    WaitForMessages(1);
    ASSERT_EQ(m_messages.m_entries.size(), 1u);
    EXPECT_EQ(m_messages.m_entries[0].strText,
              "Another program has changed files of the open set:\n    sensor.esd (removed)\n"
              "    mast.emd\n\nLoad the set again? Your unsaved changes would be lost.");
    EXPECT_TRUE(StillTheFirstLoad());
    EXPECT_TRUE(Doc()->IsModified());

    // Yes drops the changes without asking to save them first.
    m_messages.Answer(IDYES);
    RunElsewhere("printf 'x' >> launcher.eld");
    WaitForMessages(2);
    ASSERT_EQ(m_messages.m_entries.size(), 2u);
    EXPECT_THAT(m_messages.m_entries[1].strText, HasSubstr("would be lost"));
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_EQ(CFakeEditor::s_nLive, 0);
}

TEST_F(SetOnDiskTest, AWholeSetSavedByAnotherProgramGivesOneQuestion) {
    RunElsewhere(std::string("'") + VENTRY_DB_PATH + "' copy '" + m_strOther + "' object.eod");
    WaitForMessages(1);
    Settle();
    ASSERT_EQ(m_messages.m_entries.size(), 1u);
    EXPECT_THAT(m_messages.m_entries[0].strText, HasSubstr("    countryname.ecd\n"));
    EXPECT_TRUE(StillTheFirstLoad());
    // ventry-db kept what it replaced, as the program does.
    const std::vector<std::string> backups = FileNamesIn(Cwd() / "ventry-backup");
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_EQ(FileNamesIn(Cwd() / "ventry-backup" / backups[0]).size(), 10u);
    EXPECT_EQ(ReadBytes(Cwd() / "ventry-backup" / backups[0] / "object.eod"), m_objectBytes);
}

TEST_F(SetOnDiskTest, ChangesWhileTheQuestionIsOpenAddNoQuestion) {
    int nQuestions = 0;
    CMessageBoxHandler previous =
        AfxSetMessageBoxHandler([this, &nQuestions](const std::string&, unsigned) {
            ++nQuestions;
            // The real message box runs an event loop of its own while it waits for the user.
            RunElsewhere("printf 'x' >> sensor.esd && printf 'x' >> mast.emd");
            Settle();
            return IDNO;
        });
    RunElsewhere("printf 'x' >> launcher.eld");
    QElapsedTimer timer;
    timer.start();
    while (nQuestions == 0 && timer.elapsed() < 5000) {
        RunIdle();
    }
    Settle();
    AfxSetMessageBoxHandler(std::move(previous));
    EXPECT_EQ(nQuestions, 1);
    EXPECT_TRUE(StillTheFirstLoad());
}

TEST_F(SetOnDiskTest, ItsOwnSavesAskNothingAndTheWatchFollowsSaveAs) {
    Edit();
    Command(ID_FILE_SAVE);
    Settle();
    EXPECT_THAT(m_messages.Texts(), IsEmpty());
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_TRUE(fs::exists(Cwd() / "ventry-backup"));

    const fs::path target = m_dir.Path() / "saved";
    fs::create_directories(target);
    m_strFileToChoose = SetFilePath(target, SetFile::Object);
    Edit();
    Command(ID_FILE_SAVE_AS);
    Settle();
    EXPECT_THAT(m_messages.Texts(), IsEmpty());

    RunElsewhere("printf 'x' >> '" + Here(SetFile::Sensor) + "'");
    Settle();
    EXPECT_THAT(m_messages.Texts(), IsEmpty());  // not the open set any more
    RunElsewhere("printf 'x' >> '" + SetFilePath(target, SetFile::Sensor) + "'");
    WaitForMessages(1);
    EXPECT_THAT(m_messages.Texts(), ElementsAre(HasSubstr("    sensor.esd\n")));
}

TEST_F(SetOnDiskTest, TheBackupCountComesFromTheSettings) {
    Edit();
    Command(ID_FILE_SAVE);
    EXPECT_EQ(FileNamesIn(Cwd() / "ventry-backup").size(), 1u);

    m_pApp.reset();
    QSettings(QString::fromStdString(SettingsFile()), QSettings::IniFormat)
        .setValue(QStringLiteral("Settings/BackupCount"), 0);
    fs::remove_all(Cwd() / "ventry-backup");
    ASSERT_TRUE(StartApp());
    EXPECT_EQ(m_pApp->m_nBackupCount, 0);
    Edit();
    Command(ID_FILE_SAVE);
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_FALSE(fs::exists(Cwd() / "ventry-backup"));
    EXPECT_EQ(FileNamesIn(Cwd()).size(), 11u);
}

}  // namespace
