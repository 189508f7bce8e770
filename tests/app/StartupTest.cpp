#include <QAction>
#include <QFile>
#include <QSettings>

#include "AppTestSupport.h"
#include "VentryApp.h"
#include "VentryDoc.h"
#include "gui/CmdUI.h"
#include "gui/FrameWnd.h"
#include "gui/RecentFileList.h"

namespace {

constexpr const char* kNameCheck = "Only object.*od files can be loaded";

TEST_F(AppTest, CompleteESetInTheCurrentDirectoryOpensWithoutDialog) {
    WriteSet(Cwd(), 'g', 2);
    const std::string objectFile = WriteSet(Cwd(), 'e', 1);
    ASSERT_TRUE(StartApp());
    EXPECT_EQ(m_nFileDialogs, 0);
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(Doc()->GetPathName(), objectFile);
    EXPECT_EQ(Doc()->m_mapObjects.size(), 1u);
    EXPECT_TRUE(Frame()->isVisible());
    EXPECT_EQ(Frame()->windowTitle(), QStringLiteral("object.eod[*] - Tarnholm Database"));
}

TEST_F(AppTest, OnlyAGSetOpensTheGSet) {
    WriteSet(Cwd(), 'g', 2);
    ASSERT_TRUE(StartApp());
    EXPECT_EQ(m_nFileDialogs, 0);
    EXPECT_EQ(Doc()->m_mapObjects.size(), 2u);
}

TEST_F(AppTest, OnlyAnFSetShowsTheOpenDialog) {
    const std::string objectFile = WriteSet(Cwd(), 'f', 3);
    m_strFileToChoose = objectFile;
    ASSERT_TRUE(StartApp());
    EXPECT_EQ(m_nFileDialogs, 1);
    EXPECT_EQ(m_lastDialog, (QStringList{"Öffnen", "Tarnholm Db (object.*od) (*.*od)",
                                         QString::fromStdString(Cwd().string()), ""}));
    EXPECT_EQ(Doc()->GetPathName(), objectFile);
    EXPECT_EQ(Doc()->m_mapObjects.size(), 3u);
}

TEST_F(AppTest, CancellingTheOpenDialogEndsStartUpWithoutWindow) {
    WriteSet(Cwd(), 'f', 3);
    EXPECT_FALSE(StartApp());
    EXPECT_EQ(m_nFileDialogs, 1);
    EXPECT_EQ(Frame(), nullptr);
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(AppTest, PickingAFileNotNamedObjectEndsStartUpAfterTheNameCheck) {
    WriteSet(Cwd(), 'f', 3);
    m_strFileToChoose = (Cwd() / "sensor.fsd").string();
    EXPECT_FALSE(StartApp());
    EXPECT_EQ(Frame(), nullptr);
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].first, kNameCheck);
    EXPECT_EQ(m_messages[0].second, MB_OK | MB_ICONEXCLAMATION);
}

TEST_F(AppTest, ACommandLinePathOpensThatSetWhateverTheCurrentDirectoryHolds) {
    WriteSet(Cwd(), 'e', 1);
    const std::string other = WriteSet(m_dir.Path() / "other", 'g', 4);
    ASSERT_TRUE(StartApp({QString::fromStdString(other)}));
    EXPECT_EQ(Doc()->GetPathName(), other);
    EXPECT_EQ(Doc()->m_mapObjects.size(), 4u);
}

TEST_F(AppTest, ACommandLineFileWithoutSetExtensionIsRefusedAndNothingStarts) {
    const std::string objectFile = WriteSet(Cwd(), 'e', 1);
    const Bytes before = ReadBytes(Cwd() / "sensor.esd");
    EXPECT_FALSE(StartApp({QStringLiteral("\"sensor.esd\"")}));
    EXPECT_EQ(Frame(), nullptr);
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].first, CVentryDoc::kNamesFailedMessage);
    EXPECT_EQ(ReadBytes(Cwd() / "sensor.esd"), before);
    EXPECT_EQ(ReadBytes(objectFile).size(), CObjectInfo::kRecordSize);
}

TEST_F(AppTest, DuplicateIndicesAndUnreadableFilesAreReportedOnceAfterTheLoad) {
    const std::string objectFile = WriteSet(Cwd(), 'e', 0);
    const Bytes record = MakeRecord(CObjectInfo::kRecordSize, 5, CObjectInfo::kNameOffset,
                                    CObjectInfo::kNameWidth, "twin", 1);
    WriteBytes(objectFile, Concat({record, record}));
    std::filesystem::remove(Cwd() / "mast.emd");
    std::filesystem::create_directory(Cwd() / "mast.emd");  // there, but not readable as a file
    ASSERT_TRUE(StartApp());
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_NE(m_messages[0].first.find(objectFile), std::string::npos);
    EXPECT_NE(m_messages[0].first.find("mast.emd"), std::string::npos);
    EXPECT_EQ(m_messages[0].second, MB_OK | MB_ICONEXCLAMATION);
}

TEST_F(AppTest, FirstRunStoresLanguageIdZero) {
    WriteSet(Cwd(), 'e', 1);
    ASSERT_TRUE(StartApp());
    EXPECT_EQ(m_pApp->m_nLanguageID, 0);
    QFile file(QString::fromStdString(SettingsFile()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("[Settings]\nLanguageID=0\n")) << text.toStdString();
}

TEST_F(AppTest, AStoredLanguageIdIsReadAndWrittenBack) {
    {
        QSettings settings(QString::fromStdString(SettingsFile()), QSettings::IniFormat);
        settings.setValue("Settings/LanguageID", 2);
    }
    WriteSet(Cwd(), 'e', 1);
    ASSERT_TRUE(StartApp());
    EXPECT_EQ(m_pApp->m_nLanguageID, 2);
    QSettings settings(QString::fromStdString(SettingsFile()), QSettings::IniFormat);
    EXPECT_EQ(settings.value("Settings/LanguageID").toInt(), 2);
}

TEST_F(AppTest, TheRecentListKeepsFourEntriesNewestFirst) {
    std::vector<std::string> sets;
    for (int i = 0; i < 5; ++i) {
        sets.push_back(WriteSet(m_dir.Path() / ("set" + std::to_string(i)), 'e', 1));
    }
    ASSERT_TRUE(StartApp({QString::fromStdString(sets[0])}));
    for (int i = 1; i < 5; ++i) {
        ASSERT_NE(m_pApp->OpenDocumentFile(sets[i]), nullptr);
    }
    ASSERT_NE(m_pApp->OpenDocumentFile(sets[2]), nullptr);  // moves up, not in twice
    const std::vector<std::string> expected{sets[2], sets[4], sets[3], sets[1]};

    const CRecentFileList& list = *m_pApp->GetRecentFileList();
    ASSERT_EQ(list.GetSize(), 4u);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(list[i], expected[i]);
        EXPECT_EQ(MenuAction(57616 + i)->text(),
                  QStringLiteral("&%1 %2").arg(i + 1).arg(QString::fromStdString(expected[i])));
    }
    QSettings settings(QString::fromStdString(SettingsFile()), QSettings::IniFormat);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(settings.value(QStringLiteral("Recent File List/File%1").arg(i + 1)).toString(),
                  QString::fromStdString(expected[i]));
    }

    // The next run starts from the stored list, its own set first, and an entry opens its set.
    m_pApp.reset();
    const std::string cwdSet = WriteSet(Cwd(), 'e', 2);
    ASSERT_TRUE(StartApp());
    EXPECT_EQ((*m_pApp->GetRecentFileList())[0], cwdSet);
    EXPECT_EQ((*m_pApp->GetRecentFileList())[3], sets[3]);
    Command(57619);
    EXPECT_EQ(Doc()->GetPathName(), sets[3]);
    EXPECT_EQ((*m_pApp->GetRecentFileList())[0], sets[3]);
}

TEST(RecentFileListTest, WhileEmptyTheFirstItemKeepsTheMenuTextDisabled) {
    CRecentFileList list(4, QStringLiteral("Recent File List"), QStringLiteral("File%1"));
    QAction first(QStringLiteral("Letzte Datei"));
    QAction second;
    CCmdUI firstUI(57616, first);
    CCmdUI secondUI(57617, second);
    list.UpdateMenu(firstUI);
    list.UpdateMenu(secondUI);
    EXPECT_EQ(first.text(), QStringLiteral("Letzte Datei"));
    EXPECT_FALSE(first.isEnabled());
    EXPECT_FALSE(second.isVisible());

    list.Add("/sets/a&b/object.eod");
    list.UpdateMenu(firstUI);
    EXPECT_EQ(first.text(), QStringLiteral("&1 /sets/a&&b/object.eod"));
    EXPECT_TRUE(first.isEnabled());
}

}  // namespace
