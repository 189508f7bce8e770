#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QSettings>
#include <QTest>
#include <QTreeWidget>
#include <QUrl>

#include "AppTestSupport.h"
#include "DocRecords.h"
#include "Resource.h"
#include "VentryApp.h"
#include "gui/FrameWnd.h"
#include "gui/RecentFileList.h"

namespace {

using testing::AllOf;
using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;
using testing::UnorderedElementsAre;

TEST_F(AppTest, StartUpOpensTheCommandLinesSetElseTheESetOfTheCurrentDirectoryElseTheGSet) {
    WriteObjects(Cwd(), 'g', 2);
    const std::string objectFile = WriteObjects(Cwd(), 'e', 1);
    const std::string other = WriteObjects(m_dir.Path() / "other", 'g', 4);
    ASSERT_TRUE(StartApp({QString::fromStdString(other)}));
    EXPECT_EQ(Doc()->GetPathName(), other);
    EXPECT_EQ(RecordCount(*Doc(), Database::Object), 4u);
    ASSERT_TRUE(StartApp());
    EXPECT_EQ(m_nFileDialogs, 0);
    EXPECT_THAT(m_messages.Texts(), IsEmpty());
    EXPECT_EQ(Doc()->GetPathName(), objectFile);
    EXPECT_EQ(Frame()->windowTitle(), QStringLiteral("object.eod[*] - Tarnholm Database"));
    // The left pane stays an empty tree.
    auto* tree = Frame()->findChild<QTreeWidget*>(QStringLiteral("59648"));
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(tree->topLevelItemCount(), 0);

    EXPECT_FALSE(StartApp({QStringLiteral("\"sensor.esd\"")}));
    EXPECT_EQ(Frame(), nullptr);
    EXPECT_THAT(m_messages.Texts(), ElementsAre("Something went wrong while determining\nthe "
                                                "correct Database names\nCurrent Operation "
                                                "Canceled"));

    std::filesystem::remove(objectFile);
    ASSERT_TRUE(StartApp());
    EXPECT_EQ(m_nFileDialogs, 0);
    EXPECT_EQ(RecordCount(*Doc(), Database::Object), 2u);
}

// Any case of the object file's name will do; what the load met is reported once after it.
TEST_F(AppTest, WithoutAnEOrGSetStartUpAsksAndEndsWhenRefused) {
    const std::string objectFile = (Cwd() / "OBJECT.FOD").string();
    const Bytes records = ReadBytes(WriteObjects(Cwd(), 'f', 3));
    WriteBytes(objectFile, Concat({records, MakeRecord(Database::Object, 2, "twin")}));
    std::filesystem::remove(Cwd() / "object.fod");
    std::filesystem::remove(Cwd() / "mast.fmd");
    std::filesystem::create_directory(Cwd() / "mast.fmd");
    EXPECT_FALSE(StartApp());  // cancelled
    EXPECT_EQ(Frame(), nullptr);
    EXPECT_EQ(m_lastDialog, (QStringList{"Öffnen", "Tarnholm Db (object.*od) (*.*od)",
                                         QString::fromStdString(Cwd().string()), ""}));
    m_strFileToChoose = (Cwd() / "sensor.fsd").string();
    EXPECT_FALSE(StartApp());
    EXPECT_EQ(Frame(), nullptr);
    EXPECT_THAT(m_messages.Texts(), ElementsAre("Only object.*od files can be loaded"));
    m_strFileToChoose = objectFile;
    ASSERT_TRUE(StartApp());
    EXPECT_EQ(m_nFileDialogs, 3);
    EXPECT_EQ(Doc()->GetPathName(), objectFile);
    EXPECT_EQ(RecordCount(*Doc(), Database::Object), 3u);
    ASSERT_EQ(m_messages.m_entries.size(), 2u);
    EXPECT_THAT(m_messages.m_entries[1].strText,
                AllOf(HasSubstr(objectFile + "\n"), HasSubstr("/mast.fmd: Is a directory\n")));
    EXPECT_EQ(m_messages.m_entries[1].nType, MB_OK | MB_ICONEXCLAMATION);
}

TEST_F(AppTest, TheRecentListAndTheLanguageIdOutliveTheRun) {
    std::vector<std::string> sets;
    for (int i = 0; i < 5; ++i) {
        sets.push_back(WriteObjects(m_dir.Path() / ("set&" + std::to_string(i)), 'e', 1));
    }
    ASSERT_TRUE(StartApp({QString::fromStdString(sets[0])}));
    EXPECT_EQ(m_pApp->m_nLanguageID, 0);
    for (int i = 1; i < 5; ++i) {
        ASSERT_NE(m_pApp->OpenDocumentFile(sets[i]), nullptr);
    }
    ASSERT_NE(m_pApp->OpenDocumentFile(sets[2]), nullptr);  // moves up, not in twice
    const std::vector<std::string> expected{sets[2], sets[4], sets[3], sets[1]};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ((*m_pApp->GetRecentFileList())[i], expected[i]);
        QString shown = QString::fromStdString(expected[i]);
        shown.replace(QStringLiteral("&"), QStringLiteral("&&"));
        EXPECT_EQ(Action(57616 + i)->text(), QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
    }
    m_pApp.reset();
    // The settings file names the entries as the framework does, newest first.
    QSettings stored(QString::fromStdString(SettingsFile()), QSettings::IniFormat);
    EXPECT_THAT(stored.allKeys(),
                UnorderedElementsAre("Recent File List/File1", "Recent File List/File2",
                                     "Recent File List/File3", "Recent File List/File4",
                                     "Settings/LanguageID"));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const QString key = QStringLiteral("Recent File List/File%1").arg(i + 1);
        EXPECT_EQ(stored.value(key).toString().toStdString(), expected[i]) << key.toStdString();
    }
    EXPECT_EQ(stored.value("Settings/LanguageID", -1).toInt(), 0);  // written back
    stored.setValue("Settings/LanguageID", 2);
    stored.sync();

    // The next run starts from the stored list, its own set first; an entry opens its set.
    const std::string cwdSet = WriteObjects(Cwd(), 'e', 2);
    ASSERT_TRUE(StartApp());
    EXPECT_EQ(m_pApp->m_nLanguageID, 2);
    stored.sync();
    EXPECT_EQ(stored.value("Settings/LanguageID").toInt(), 2);
    EXPECT_EQ((*m_pApp->GetRecentFileList())[0], cwdSet);
    EXPECT_EQ((*m_pApp->GetRecentFileList())[3], sets[3]);
    Command(57619);
    EXPECT_EQ(Doc()->GetPathName(), sets[3]);
}

using OpenSaveTest = LoadedSetTest;

// The target first holds a directory where a file has to go.
TEST_F(OpenSaveTest, SaveAsWritesTheWholeSetIntoTheOtherDirectoryOrLeavesItAsItWas) {
    const std::filesystem::path target = m_dir.Path() / "saved";
    std::filesystem::create_directories(target / "launcher.gld");
    const Bytes old = PatternBytes(344, 99);
    WriteBytes(target / "object.god", old);
    m_strFileToChoose = (target / "object.god").string();
    Command(ID_FILE_SAVE_AS);
    ASSERT_EQ(m_messages.TextsWith("launcher.gld").size(), 1u);
    EXPECT_EQ(ReadBytes(target / "object.god"), old);
    EXPECT_EQ(FileNamesIn(target).size(), 2u);
    EXPECT_EQ(Doc()->GetPathName(), m_strSet);

    std::filesystem::remove(target / "launcher.gld");
    Command(ID_FILE_SAVE_AS);
    EXPECT_EQ(m_lastDialog, (QStringList{"Speichern unter", "Tarnholm Db (object.*od) (*.*od)",
                                         QString::fromStdString(Cwd().string()),
                                         QString::fromStdString(m_strSet)}));
    EXPECT_EQ(m_messages.Texts().size(), 1u);
    EXPECT_EQ(ReadBytes(target / "object.god"), ReadBytes(m_strSet));
    EXPECT_EQ(FileNamesIn(target).size(), 11u);  // and the backup of the old object file
    EXPECT_EQ(Doc()->GetPathName(), m_strFileToChoose);
    EXPECT_EQ(Frame()->windowTitle(), QStringLiteral("object.god[*] - Tarnholm Database"));
    EXPECT_EQ((*m_pApp->GetRecentFileList())[0], m_strFileToChoose);
    EXPECT_TRUE(StillTheFirstLoad());
}

// Open, New and closing the frame ask; Cancel keeps the set, Yes saves it first, No does not.
TEST_F(OpenSaveTest, AChangedSetAsksBeforeItGoes) {
    m_strFileToChoose = m_strOther;
    Edit();
    const Bytes edited(m_pFirstRecord, m_pFirstRecord + 344);
    EXPECT_TRUE(Frame()->isWindowModified());
    Command(ID_FILE_OPEN);
    Command(ID_FILE_NEW);  // File New would load the set of the current directory again
    EXPECT_FALSE(Frame()->close());
    EXPECT_EQ(m_messages.Texts(), std::vector<std::string>(3, "Save changes to object.eod?"));
    EXPECT_EQ(m_messages.m_entries[0].nType, MB_YESNOCANCEL | MB_ICONQUESTION);
    EXPECT_TRUE(StillTheFirstLoad());
    EXPECT_TRUE(Doc()->IsModified());

    m_messages.Answer(IDYES);
    Command(ID_FILE_OPEN);
    EXPECT_EQ(Doc()->GetPathName(), m_strOther);
    const Bytes saved = ReadBytes(m_strSet);
    EXPECT_TRUE(std::equal(edited.begin(), edited.end(), saved.begin()));
    EXPECT_FALSE(Frame()->isWindowModified());

    const Bytes other = ReadBytes(m_strOther);
    Edit();
    m_messages.Answer(IDNO);
    ASSERT_TRUE(Frame()->close());
    EXPECT_EQ(m_messages.Texts().size(), 5u);
    EXPECT_EQ(ReadBytes(m_strOther), other);
}

// The title and the buttons follow the document and the editors at once, without waiting for
// the program to go idle; an idle program refreshes nothing, whatever came before.
TEST_F(OpenSaveTest, TheFrameFollowsChangesAtOnceAndAnIdleProgramDoesNoWork) {
    Edit();
    EXPECT_TRUE(Frame()->isWindowModified());
    dynamic_cast<CFakeEditor&>(*Doc()->Editor(Database::Object)).Exit();
    EXPECT_FALSE(Action(ID_VIEW_OBJECTS, kToolBar)->isChecked());
    for (const unsigned nID : std::initializer_list<unsigned>{ID_VIEW_OBJECTS, ID_VIEW_SENSORS,
                                                              ID_VIEW_SENSORS, ID_FILE_SAVE}) {
        Command(nID);
        // Deferred work would run from a zero-time timer or a queued call at the first turn of
        // the event loop; a tenth of a second also lets a polling timer of that period fire.
        const int nPasses = m_pApp->m_nUpdatePasses;
        QTest::qWait(100);
        EXPECT_EQ(m_pApp->m_nUpdatePasses, nPasses) << nID;
    }
    EXPECT_TRUE(Action(ID_VIEW_OBJECTS, kToolBar)->isChecked());
    EXPECT_FALSE(Frame()->isWindowModified());  // saved
}

TEST_F(OpenSaveTest, OpeningTheOpenSetLoadsNothingAndADroppedFileIsOpened) {
    m_strFileToChoose = m_strSet;
    Command(ID_FILE_OPEN);
    EXPECT_TRUE(StillTheFirstLoad());
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(m_strOther))});
    const QPointF centre = Frame()->rect().center();
    QDragEnterEvent enter(centre.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Frame(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Frame(), &drop);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Doc()->GetPathName() == m_strOther; }));
}

}  // namespace
