#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <filesystem>

#include "AppTestSupport.h"
#include "VentryApp.h"
#include "VentryDoc.h"
#include "gui/FrameWnd.h"
#include "gui/RecentFileList.h"

namespace {

// Loaded set with a shown fake editor, to tell a reload (editor gone) from none.
class OpenSaveTest : public AppTest {
protected:
    void SetUp() override {
        m_strSet = WriteSet(Cwd(), 'e', 2);
        ASSERT_TRUE(StartApp());
        Command(32774);
        ASSERT_EQ(CFakeEditor::s_nLive, 1);
        m_pFirstRecord = Doc()->m_mapObjects.at(1).get();
        m_strOther = WriteSet(m_dir.Path() / "other", 'g', 3);
        m_messages.clear();
    }

    bool StillTheFirstLoad() const {
        return CFakeEditor::s_nLive == 1 && Doc()->m_mapObjects.size() == 2 &&
               Doc()->m_mapObjects.at(1).get() == m_pFirstRecord;
    }

    std::string m_strSet;
    std::string m_strOther;
    const CObjectInfo* m_pFirstRecord = nullptr;
};

TEST_F(OpenSaveTest, OpenRefusesAFileNotNamedObject) {
    m_strFileToChoose = (Cwd() / "sensor.esd").string();
    Command(57601);
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].first, "Only object.*od files can be loaded");
    EXPECT_TRUE(StillTheFirstLoad());
}

TEST_F(OpenSaveTest, OpenTakesObjectInAnyCase) {
    const std::string upper = WriteSet(m_dir.Path() / "upper", 'g', 5, "OBJECT.GOD");
    m_strFileToChoose = upper;
    Command(57601);
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(Doc()->GetPathName(), upper);
    EXPECT_EQ(Doc()->m_mapObjects.size(), 5u);
    EXPECT_EQ(CFakeEditor::s_nLive, 0);
}

TEST_F(OpenSaveTest, OpeningTheOpenObjectFileReloadsNothing) {
    m_strFileToChoose = m_strSet;
    Command(57601);
    EXPECT_TRUE(StillTheFirstLoad());
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(OpenSaveTest, SaveAsWritesTheWholeSetIntoTheOtherDirectory) {
    const std::filesystem::path target = m_dir.Path() / "saved";
    std::filesystem::create_directories(target);
    m_strFileToChoose = (target / "object.god").string();
    Command(57604);
    EXPECT_EQ(m_lastDialog, (QStringList{"Speichern unter", "Tarnholm Db (object.*od) (*.*od)",
                                         QString::fromStdString(Cwd().string()),
                                         QString::fromStdString(m_strSet)}));
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(ReadBytes((target / "object.god").string()), ReadBytes(m_strSet));
    for (const char* name :
         {"sensor.gsd", "launcher.gld", "airstrip.gad", "entity.gpd", "profile.gqd", "mast.gmd",
          "3dobject.g3d", "class.gbd", "countryname.gcd"}) {
        EXPECT_TRUE(std::filesystem::is_regular_file(target / name)) << name;
    }
    EXPECT_EQ(Doc()->GetPathName(), m_strFileToChoose);
    EXPECT_EQ(Frame()->windowTitle(), QStringLiteral("object.god[*] - Tarnholm Database"));
    EXPECT_EQ((*m_pApp->GetRecentFileList())[0], m_strFileToChoose);
    EXPECT_TRUE(StillTheFirstLoad());
}

TEST_F(OpenSaveTest, AFailedSaveAsLeavesTheTargetAsItWas) {
    const std::filesystem::path target = m_dir.Path() / "blocked";
    std::filesystem::create_directories(target / "launcher.gld");  // cannot become a file
    const Bytes old = PatternBytes(CObjectInfo::kRecordSize, 99);
    WriteBytes((target / "object.god").string(), old);
    m_strFileToChoose = (target / "object.god").string();
    Command(57604);
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_NE(m_messages[0].first.find("launcher.gld"), std::string::npos) << m_messages[0].first;
    EXPECT_EQ(ReadBytes((target / "object.god").string()), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(target), {}), 2);
    EXPECT_EQ(Doc()->GetPathName(), m_strSet);
}

TEST_F(OpenSaveTest, AnUnchangedSetIsLeftWithoutQuestion) {
    m_strFileToChoose = m_strOther;
    Command(57601);
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(Doc()->GetPathName(), m_strOther);
}

TEST_F(OpenSaveTest, AChangedSetAsksAndCancelKeepsIt) {
    Doc()->SetModifiedFlag(true);  // what Apply, New and the Profile Slot store do
    RunIdle();
    EXPECT_TRUE(Frame()->isWindowModified());

    m_strFileToChoose = m_strOther;
    Command(57601);
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].first, "Save changes to object.eod?");
    EXPECT_EQ(m_messages[0].second, MB_YESNOCANCEL | MB_ICONQUESTION);
    EXPECT_TRUE(StillTheFirstLoad());
    EXPECT_TRUE(Doc()->IsModified());

    Command(57600);  // File New would load the set of the current directory again
    EXPECT_EQ(m_messages.size(), 2u);
    EXPECT_TRUE(StillTheFirstLoad());

    EXPECT_FALSE(Frame()->close());
    EXPECT_EQ(m_messages.size(), 3u);
    EXPECT_TRUE(Frame()->isVisible());
    EXPECT_TRUE(StillTheFirstLoad());
}

TEST_F(OpenSaveTest, NoGoesOnWithoutSaving) {
    const Bytes before = ReadBytes(m_strSet);
    Doc()->m_mapObjects.at(1)->m_data[30] ^= 0xFF;
    Doc()->SetModifiedFlag(true);
    m_nQuestionAnswer = IDNO;
    ASSERT_TRUE(Frame()->close());
    EXPECT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(CFakeEditor::s_nLive, 0);  // closing empties the document, editors included
    EXPECT_TRUE(Doc()->m_mapObjects.empty());
    EXPECT_EQ(ReadBytes(m_strSet), before);
}

TEST_F(OpenSaveTest, YesSavesBeforeTheOtherSetLoads) {
    Doc()->m_mapObjects.at(1)->m_data[30] ^= 0xFF;
    const Bytes edited(Doc()->m_mapObjects.at(1)->m_data.begin(),
                       Doc()->m_mapObjects.at(1)->m_data.end());
    Doc()->SetModifiedFlag(true);
    m_nQuestionAnswer = IDYES;
    ASSERT_NE(m_pApp->OpenDocumentFile(m_strOther), nullptr);
    const Bytes saved = ReadBytes(m_strSet);
    EXPECT_TRUE(std::equal(edited.begin(), edited.end(), saved.begin()));
    EXPECT_EQ(Doc()->GetPathName(), m_strOther);
    EXPECT_FALSE(Doc()->IsModified());
    RunIdle();
    EXPECT_FALSE(Frame()->isWindowModified());
}

TEST_F(OpenSaveTest, ADroppedFileIsOpened) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(m_strOther))});
    const QPointF centre = Frame()->rect().center();
    QDragEnterEvent enter(centre.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Frame(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Frame(), &drop);
    RunIdle();
    EXPECT_EQ(Doc()->GetPathName(), m_strOther);
    EXPECT_EQ(Doc()->m_mapObjects.size(), 3u);
}

}  // namespace
