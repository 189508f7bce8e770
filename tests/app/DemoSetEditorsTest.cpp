#include <QAbstractItemView>
#include <QAction>
#include <QTest>

#include "AppTestSupport.h"
#include "DemoSet.h"
#include "MainFrame.h"
#include "SetWriter.h"
#include "VentryDoc.h"

namespace {

// The program as a user gets it: the demo set in the current directory and the real editors.
TEST_F(AppTest, EditorCommandsShowAndHideTheRealEditorsOnTheDemoSet) {
    CVentryDoc demo;
    FillDemoSet(demo);
    ASSERT_TRUE(CSetWriter::Write(demo, SetFilePath(Cwd(), SetFile::Object)));
    CMainFrame::SetEditorFactory({});
    ASSERT_TRUE(StartApp());
    struct EditorCommand {
        unsigned nID;
        EditorSlot slot;
        const char* pszTemplate;
        const char* pszCaption;
        int nList;
    };
    const EditorCommand commands[] = {
        {32774, EditorSlot::Object, "130", "Object Dialog", 1113},
        {32773, EditorSlot::Sensor, "139", "Sensor Dialog", 1118},
        {32776, EditorSlot::Launcher, "141", "Launcher Dialog", 1154},
        {32777, EditorSlot::Profile, "153", "Profile Dialog", 1182},
        {32775, EditorSlot::Mast, "155", "Mast Dialog", 1195},
        {32778, EditorSlot::Entity, "156", "Entity Dialog", 1196},
        {32788, EditorSlot::Airstrip, "142", "Airstrip Dialog", 1262},
        {32791, EditorSlot::Object3D, "158", "3D ObjectDialog", 1210},
        {32792, EditorSlot::ShipClass, "160", "Ship Class Dialog", 1266},
        {32793, EditorSlot::CountryName, "161", "Country Name Dialog", 1267},
    };
    const auto editor = [&](EditorSlot slot) {
        return dynamic_cast<QDialog*>(Doc()->Editor(slot).get());
    };
    for (const EditorCommand& command : commands) {
        SCOPED_TRACE(command.pszCaption);
        ToolBarAction(command.nID)->trigger();
        RunIdle();
        QDialog* dialog = editor(command.slot);
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(dialog->parentWidget(), Frame());
        EXPECT_EQ(dialog->objectName(), command.pszTemplate);
        EXPECT_EQ(dialog->windowTitle(), command.pszCaption);
        auto* list = Find<QAbstractItemView>(*dialog, command.nList);
        ASSERT_NE(list, nullptr);
        EXPECT_GT(list->model()->rowCount(), 0);
        EXPECT_TRUE(ToolBarAction(command.nID)->isChecked());
    }
    EXPECT_TRUE(m_messages.m_entries.empty());
    for (const EditorCommand& command : commands) {
        ToolBarAction(command.nID)->trigger();
        RunIdle();
        EXPECT_FALSE(editor(command.slot)->isVisible()) << command.pszCaption;
        EXPECT_FALSE(ToolBarAction(command.nID)->isChecked()) << command.pszCaption;
    }

    QDialog* object = editor(EditorSlot::Object);
    Command(32774);
    RunIdle();
    EXPECT_EQ(editor(EditorSlot::Object), object);  // shown again, not made anew
    Click(*object, 1116);                           // Exit releases the button
    RunIdle();
    EXPECT_FALSE(MenuAction(32774)->isChecked());
    Command(32774);
    Command(57600);  // loads the set of the current directory again
    RunIdle();
    EXPECT_EQ(editor(EditorSlot::Object), nullptr);
    EXPECT_TRUE(ToolBarAction(32774)->isChecked());  // the flag outlives its editor
    Command(32774);
    ASSERT_NE(editor(EditorSlot::Object), nullptr);
    EXPECT_TRUE(editor(EditorSlot::Object)->isVisible());

    Frame()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Frame()));
    QTest::keyClick(Frame(), Qt::Key_O, Qt::ControlModifier);  // opens a file, not an editor
    EXPECT_EQ(m_nFileDialogs, 1);
}

}  // namespace
