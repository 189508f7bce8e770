#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "AppTestSupport.h"
#include "DocRecords.h"
#include "VentryApp.h"
#include "gui/FrameWnd.h"
#include "gui/RecentFileList.h"

namespace {

using testing::ElementsAre;
using testing::IsEmpty;

// A loaded set with a shown fake editor, to tell a reload (editor gone) from none.
class OpenSaveTest : public AppTest {
protected:
    void SetUp() override {
        m_strSet = WriteObjects(Cwd(), 'e', 2);
        ASSERT_TRUE(StartApp());
        Command(32774);
        m_pFirstRecord = FindRecord(*Doc(), SetFile::Object, 1);
        m_strOther = WriteObjects(m_dir.Path() / "other", 'g', 3);
    }
    bool StillTheFirstLoad() const {
        return CFakeEditor::s_nLive == 1 && RecordCount(*Doc(), SetFile::Object) == 2 &&
               FindRecord(*Doc(), SetFile::Object, 1) == m_pFirstRecord;
    }
    void Change() {
        FindRecord(*Doc(), SetFile::Object, 1)[30] ^= 0xFF;
        Doc()->SetModifiedFlag(true);  // what Apply, New and the Profile Slot store do
    }

    std::string m_strSet;
    std::string m_strOther;
    const std::uint8_t* m_pFirstRecord = nullptr;
};

TEST_F(OpenSaveTest, OpenTakesObjectFilesInAnyCaseOnceAndRefusesOthers) {
    m_strFileToChoose = (Cwd() / "sensor.esd").string();
    Command(57601);
    EXPECT_THAT(m_messages.Texts(), ElementsAre("Only object.*od files can be loaded"));
    m_strFileToChoose = m_strSet;
    Command(57601);
    EXPECT_TRUE(StillTheFirstLoad());  // the open set is not loaded again
    const std::string upper = m_dir.File("upper/OBJECT.GOD");
    std::filesystem::create_directories(m_dir.Path() / "upper");
    std::filesystem::copy_file(m_strOther, upper);
    m_strFileToChoose = upper;
    Command(57601);
    EXPECT_EQ(Doc()->GetPathName(), upper);
    EXPECT_EQ(RecordCount(*Doc(), SetFile::Object), 3u);
    EXPECT_EQ(CFakeEditor::s_nLive, 0);
    EXPECT_EQ(m_messages.Texts().size(), 1u);
}

TEST_F(OpenSaveTest, SaveAsWritesTheWholeSetIntoTheOtherDirectory) {
    const std::filesystem::path target = m_dir.Path() / "saved";
    std::filesystem::create_directories(target);
    m_strFileToChoose = (target / "object.god").string();
    Command(57604);
    EXPECT_EQ(m_lastDialog, (QStringList{"Speichern unter", "Tarnholm Db (object.*od) (*.*od)",
                                         QString::fromStdString(Cwd().string()),
                                         QString::fromStdString(m_strSet)}));
    EXPECT_THAT(m_messages.Texts(), IsEmpty());
    EXPECT_EQ(ReadBytes(target / "object.god"), ReadBytes(m_strSet));
    EXPECT_EQ(FileNamesIn(target).size(), 10u);
    EXPECT_EQ(Doc()->GetPathName(), m_strFileToChoose);
    EXPECT_EQ(Frame()->windowTitle(), QStringLiteral("object.god[*] - Tarnholm Database"));
    EXPECT_EQ((*m_pApp->GetRecentFileList())[0], m_strFileToChoose);
    EXPECT_TRUE(StillTheFirstLoad());
}

TEST_F(OpenSaveTest, AFailedSaveAsLeavesTheTargetAsItWas) {
    const std::filesystem::path target = m_dir.Path() / "blocked";
    std::filesystem::create_directories(target / "launcher.gld");  // cannot become a file
    const Bytes old = PatternBytes(344, 99);
    WriteBytes(target / "object.god", old);
    m_strFileToChoose = (target / "object.god").string();
    Command(57604);
    ASSERT_EQ(m_messages.TextsWith("launcher.gld").size(), 1u);
    EXPECT_EQ(ReadBytes(target / "object.god"), old);
    EXPECT_EQ(FileNamesIn(target).size(), 2u);
    EXPECT_EQ(Doc()->GetPathName(), m_strSet);
}

TEST_F(OpenSaveTest, AChangedSetAsksBeforeItGoesAndCancelKeepsIt) {
    m_strFileToChoose = m_strOther;
    Change();
    RunIdle();
    EXPECT_TRUE(Frame()->isWindowModified());
    Command(57601);
    Command(57600);  // File New would load the set of the current directory again
    EXPECT_FALSE(Frame()->close());
    EXPECT_EQ(m_messages.Texts(), std::vector<std::string>(3, "Save changes to object.eod?"));
    EXPECT_EQ(m_messages.m_entries[0].nType, MB_YESNOCANCEL | MB_ICONQUESTION);
    EXPECT_TRUE(StillTheFirstLoad());
    EXPECT_TRUE(Doc()->IsModified());
}

TEST_F(OpenSaveTest, YesSavesFirstAndNoGoesOnWithoutSaving) {
    Change();
    const Bytes edited(m_pFirstRecord, m_pFirstRecord + 344);
    m_messages.Answer(IDYES);
    ASSERT_NE(m_pApp->OpenDocumentFile(m_strOther), nullptr);
    const Bytes saved = ReadBytes(m_strSet);
    EXPECT_TRUE(std::equal(edited.begin(), edited.end(), saved.begin()));
    EXPECT_FALSE(Doc()->IsModified());
    RunIdle();
    EXPECT_FALSE(Frame()->isWindowModified());

    const Bytes other = ReadBytes(m_strOther);
    FindRecord(*Doc(), SetFile::Object, 1)[30] ^= 0xFF;
    Doc()->SetModifiedFlag(true);
    m_messages.Answer(IDNO);
    ASSERT_TRUE(Frame()->close());
    EXPECT_EQ(m_messages.Texts().size(), 2u);
    EXPECT_EQ(ReadBytes(m_strOther), other);
}

// The title and the buttons follow the document and the editors at once, without waiting for
// the program to go idle; an idle program refreshes nothing, whatever came before.
TEST_F(OpenSaveTest, TheFrameFollowsChangesAtOnceAndAnIdleProgramDoesNoWork) {
    Change();
    EXPECT_TRUE(Frame()->isWindowModified());
    dynamic_cast<CFakeEditor&>(*Doc()->Editor(EditorSlot::Object)).Exit();
    EXPECT_FALSE(ToolBarAction(32774)->isChecked());
    for (const unsigned nID : {32774u, 32773u, 32773u, 57603u}) {
        Command(nID);
        const int nPasses = m_pApp->m_nUpdatePasses;
        RunIdle(1000);
        EXPECT_EQ(m_pApp->m_nUpdatePasses, nPasses) << nID;
    }
    EXPECT_TRUE(ToolBarAction(32774)->isChecked());
    EXPECT_FALSE(Frame()->isWindowModified());  // saved
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
}

}  // namespace
