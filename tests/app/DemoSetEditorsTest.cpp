#include <QDialog>
#include <QListWidget>
#include <filesystem>

#include "AppTestSupport.h"
#include "DemoSet.h"
#include "MainFrame.h"
#include "SetFileNames.h"
#include "SetWriter.h"
#include "VentryDoc.h"

namespace {

// The program as a user gets it: the demo set in the current directory and the real editors.
class DemoSetEditorsTest : public AppTest {
protected:
    void SetUp() override {
        CVentryDoc demo;
        CDemoSetBuilder(demo).Build();
        std::filesystem::create_directories(Cwd());
        ASSERT_TRUE(CSetWriter::Write(
            demo,
            SetFileNames::BuildName(Cwd().string() + "/", SetFileNames::SetFile::Object, ".e")));
        CMainFrame::SetEditorFactory({});
        ASSERT_TRUE(StartApp());
    }
};

TEST_F(DemoSetEditorsTest, EveryCommandOpensItsCompleteEditorAndTogglesItAgain) {
    struct EditorCommand {
        unsigned nID;
        EditorSlot slot;
        const char* pszTemplate;
        const char* pszCaption;
        const char* pszList;
    };
    const EditorCommand commands[] = {
        {32774, EditorSlot::Object, "130", "Object Dialog", "1113"},
        {32773, EditorSlot::Sensor, "139", "Sensor Dialog", "1118"},
        {32776, EditorSlot::Launcher, "141", "Launcher Dialog", "1154"},
        {32777, EditorSlot::Profile, "153", "Profile Dialog", "1182"},
        {32775, EditorSlot::Mast, "155", "Mast Dialog", "1195"},
        {32778, EditorSlot::Entity, "156", "Entity Dialog", "1196"},
        {32788, EditorSlot::Airstrip, "142", "Airstrip Dialog", "1262"},
        {32791, EditorSlot::Object3D, "158", "3D ObjectDialog", "1210"},
        {32792, EditorSlot::ShipClass, "160", "Ship Class Dialog", "1266"},
        {32793, EditorSlot::CountryName, "161", "Country Name Dialog", "1267"},
    };
    for (const EditorCommand& command : commands) {
        ToolBarAction(command.nID)->trigger();
        RunIdle();
        auto* dialog = dynamic_cast<QDialog*>(Doc()->Editor(command.slot).get());
        ASSERT_NE(dialog, nullptr) << command.pszCaption;
        EXPECT_TRUE(dialog->isVisible()) << command.pszCaption;
        EXPECT_EQ(dialog->objectName(), command.pszTemplate);
        EXPECT_EQ(dialog->windowTitle(), command.pszCaption);
        auto* list = dialog->findChild<QListWidget*>(command.pszList);
        ASSERT_NE(list, nullptr) << command.pszCaption;
        EXPECT_GT(list->count(), 0) << command.pszCaption;
        EXPECT_TRUE(ToolBarAction(command.nID)->isChecked()) << command.pszCaption;
    }
    EXPECT_TRUE(m_messages.empty());
    for (const EditorCommand& command : commands) {
        ToolBarAction(command.nID)->trigger();
        RunIdle();
        EXPECT_FALSE(dynamic_cast<QDialog*>(Doc()->Editor(command.slot).get())->isVisible());
        EXPECT_FALSE(ToolBarAction(command.nID)->isChecked()) << command.pszCaption;
    }
}

}  // namespace
