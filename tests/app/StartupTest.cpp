#include <QAction>
#include <QSettings>
#include <QTreeWidget>

#include "AppTestSupport.h"
#include "DocRecords.h"
#include "VentryApp.h"
#include "gui/FrameWnd.h"
#include "gui/RecentFileList.h"

namespace {

using testing::ElementsAre;
using testing::IsEmpty;

constexpr const char* kNameCheck = "Only object.*od files can be loaded";

TEST_F(AppTest, StartUpOpensTheESetOfTheCurrentDirectoryThenTheGSet) {
    WriteObjects(Cwd(), 'g', 2);
    const std::string objectFile = WriteObjects(Cwd(), 'e', 1);
    ASSERT_TRUE(StartApp());
    EXPECT_EQ(m_nFileDialogs, 0);
    EXPECT_THAT(m_messages.Texts(), IsEmpty());
    EXPECT_EQ(Doc()->GetPathName(), objectFile);
    EXPECT_TRUE(Frame()->isVisible());
    EXPECT_EQ(Frame()->windowTitle(), QStringLiteral("object.eod[*] - Tarnholm Database"));
    // The left pane stays an empty tree.
    auto* tree = Frame()->findChild<QTreeWidget*>(QStringLiteral("59648"));
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(tree->topLevelItemCount(), 0);

    m_pApp.reset();
    std::filesystem::remove(objectFile);
    ASSERT_TRUE(StartApp());
    EXPECT_EQ(m_nFileDialogs, 0);
    EXPECT_EQ(RecordCount(*Doc(), SetFile::Object), 2u);
}

TEST_F(AppTest, WithoutAnEOrGSetStartUpAsksAndEndsWhenRefused) {
    const std::string objectFile = WriteObjects(Cwd(), 'f', 3);
    EXPECT_FALSE(StartApp());  // cancelled
    EXPECT_EQ(Frame(), nullptr);
    EXPECT_EQ(m_lastDialog, (QStringList{"Öffnen", "Tarnholm Db (object.*od) (*.*od)",
                                         QString::fromStdString(Cwd().string()), ""}));
    m_strFileToChoose = (Cwd() / "sensor.fsd").string();
    EXPECT_FALSE(StartApp());
    EXPECT_EQ(Frame(), nullptr);
    EXPECT_THAT(m_messages.Texts(), ElementsAre(kNameCheck));
    m_strFileToChoose = objectFile;
    ASSERT_TRUE(StartApp());
    EXPECT_EQ(m_nFileDialogs, 3);
    EXPECT_EQ(RecordCount(*Doc(), SetFile::Object), 3u);
}

TEST_F(AppTest, ACommandLinePathOpensThatSetAndAnotherNameIsRefused) {
    WriteObjects(Cwd(), 'e', 1);
    const Bytes sensors = ReadBytes(Cwd() / "sensor.esd");
    EXPECT_FALSE(StartApp({QStringLiteral("\"sensor.esd\"")}));
    EXPECT_EQ(Frame(), nullptr);
    EXPECT_THAT(m_messages.Texts(), ElementsAre("Something went wrong while determining\nthe "
                                                "correct Database names\nCurrent Operation "
                                                "Canceled"));
    EXPECT_EQ(ReadBytes(Cwd() / "sensor.esd"), sensors);

    const std::string other = WriteObjects(m_dir.Path() / "other", 'g', 4);
    ASSERT_TRUE(StartApp({QString::fromStdString(other)}));
    EXPECT_EQ(Doc()->GetPathName(), other);
    EXPECT_EQ(RecordCount(*Doc(), SetFile::Object), 4u);
}

TEST_F(AppTest, DuplicateIndicesAndUnreadableFilesAreReportedOnceAfterTheLoad) {
    const Bytes record = MakeRecord(SetFile::Object, 5, "twin");
    const std::string objectFile = WriteSet(Cwd(), {{SetFile::Object, Concat({record, record})}});
    std::filesystem::remove(Cwd() / "mast.emd");
    std::filesystem::create_directory(Cwd() / "mast.emd");
    ASSERT_TRUE(StartApp());
    ASSERT_EQ(m_messages.m_entries.size(), 1u);
    EXPECT_NE(m_messages.m_entries[0].strText.find(objectFile), std::string::npos);
    EXPECT_NE(m_messages.m_entries[0].strText.find("mast.emd"), std::string::npos);
    EXPECT_EQ(m_messages.m_entries[0].nType, MB_OK | MB_ICONEXCLAMATION);
}

TEST_F(AppTest, TheLanguageIdIsReadAndWrittenBack) {
    WriteObjects(Cwd(), 'e', 1);
    ASSERT_TRUE(StartApp());
    EXPECT_EQ(m_pApp->m_nLanguageID, 0);
    QSettings stored(QString::fromStdString(SettingsFile()), QSettings::IniFormat);
    ASSERT_TRUE(stored.contains("Settings/LanguageID"));
    EXPECT_EQ(stored.value("Settings/LanguageID").toInt(), 0);
    m_pApp.reset();
    stored.setValue("Settings/LanguageID", 2);
    stored.sync();
    ASSERT_TRUE(StartApp());
    EXPECT_EQ(m_pApp->m_nLanguageID, 2);
    stored.sync();
    EXPECT_EQ(stored.value("Settings/LanguageID").toInt(), 2);
}

TEST_F(AppTest, TheRecentListKeepsFourEntriesNewestFirstAcrossRuns) {
    std::vector<std::string> sets;
    for (int i = 0; i < 5; ++i) {
        sets.push_back(WriteObjects(m_dir.Path() / ("set&" + std::to_string(i)), 'e', 1));
    }
    ASSERT_TRUE(StartApp({QString::fromStdString(sets[0])}));
    for (int i = 1; i < 5; ++i) {
        ASSERT_NE(m_pApp->OpenDocumentFile(sets[i]), nullptr);
    }
    ASSERT_NE(m_pApp->OpenDocumentFile(sets[2]), nullptr);  // moves up, not in twice
    const std::vector<std::string> expected{sets[2], sets[4], sets[3], sets[1]};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ((*m_pApp->GetRecentFileList())[i], expected[i]);
        QString shown = QString::fromStdString(expected[i]);
        shown.replace(QStringLiteral("&"), QStringLiteral("&&"));
        EXPECT_EQ(MenuAction(57616 + i)->text(), QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
    }
    // The next run starts from the stored list, its own set first; an entry opens its set.
    m_pApp.reset();
    const std::string cwdSet = WriteObjects(Cwd(), 'e', 2);
    ASSERT_TRUE(StartApp());
    EXPECT_EQ((*m_pApp->GetRecentFileList())[0], cwdSet);
    EXPECT_EQ((*m_pApp->GetRecentFileList())[3], sets[3]);
    Command(57619);
    EXPECT_EQ(Doc()->GetPathName(), sets[3]);
}

}  // namespace
