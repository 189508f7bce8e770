#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

#include "AppTestSupport.h"
#include "MainFrame.h"
#include "VentryApp.h"
#include "VentryDoc.h"
#include "gui/ModalRun.h"

namespace {

class FrameTest : public AppTest {
protected:
    void SetUp() override {
        WriteSet(Cwd(), 'e', 1);
        ASSERT_TRUE(StartApp());
    }

    QStringList Entries(const QList<QAction*>& actions) const {
        QStringList entries;
        for (const QAction* action : actions) {
            entries << action->objectName() + u' ' + action->text();
        }
        return entries;
    }

    QMenu* Menu(int nIndex) const { return Frame()->menuBar()->actions().at(nIndex)->menu(); }
    QToolBar* ToolBar() const { return Frame()->findChild<QToolBar*>(QStringLiteral("59392")); }

    bool Checked(unsigned nID) const {
        return MenuAction(nID)->isChecked() && ToolBarAction(nID)->isChecked();
    }
    CFakeEditor* Editor(EditorSlot slot) const {
        return dynamic_cast<CFakeEditor*>(Doc()->Editor(slot).get());
    }
};

TEST_F(FrameTest, MenusHoldTheirItemsInOrder) {
    QStringList titles;
    for (const QAction* action : Frame()->menuBar()->actions()) {
        titles << action->text();
    }
    EXPECT_EQ(titles, (QStringList{"&Datei", "&View", "&?"}));
    // The recent-file list stands at 57616; its later entries stay hidden until used.
    EXPECT_EQ(Entries(Menu(0)->actions()),
              (QStringList{"57601 Ö&ffnen...\tStrg+O", "57603 S&peichern\tStrg+S",
                           "57604 Speichern &unter...", "0 ",
                           "57616 &1 " + QString::fromStdString(Doc()->GetPathName()), "57617 ",
                           "57618 ", "57619 ", "0 ", "57665 &Beenden"}));
    EXPECT_EQ(Entries(Menu(1)->actions()),
              (QStringList{"32774 &Objects\tStrg+O", "32773 &Sensors\tStrg+S",
                           "32776 &Launchers\tStrg+L", "0 ", "32777 &Profiles\tStrg+P",
                           "32775 &Masts\tStrg+M", "32778 &Entities\tStrg+E"}));
    EXPECT_EQ(Entries(Menu(2)->actions()), (QStringList{"57664 Inf&o über Ventry..."}));
}

TEST_F(FrameTest, TheToolBarHasItsEighteenEntriesAndOnlyThreeTooltips) {
    QStringList ids;
    for (const QAction* action : ToolBar()->actions()) {
        ids << action->objectName();
    }
    EXPECT_EQ(ids, (QStringList{"57601", "0", "57603", "0", "32774", "32773", "32776", "0", "32777",
                                "32778", "32775", "32788", "32791", "0", "32792", "32793", "0",
                                "57664"}));
    for (QAction* action : ToolBar()->actions()) {
        if (action->isSeparator()) {
            continue;
        }
        const QString expected = action->objectName() == "57601"   ? "Öffnen"
                                 : action->objectName() == "57603" ? "Speichern"
                                 : action->objectName() == "57664" ? "Info"
                                                                   : "";
        EXPECT_EQ(ToolBar()->widgetForAction(action)->toolTip(), expected)
            << action->objectName().toStdString();
        EXPECT_FALSE(action->icon().isNull());
    }
}

TEST_F(FrameTest, AnEditorCommandsCheckStateFollowsItsShownFlag) {
    EXPECT_FALSE(Checked(32774));
    Command(32774);
    CFakeEditor* editor = Editor(EditorSlot::Object);
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->parentWidget(), Frame());
    EXPECT_TRUE(Doc()->Shown(EditorSlot::Object));
    EXPECT_TRUE(Checked(32774));

    ToolBarAction(32774)->trigger();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_FALSE(Checked(32774));

    Command(32774);
    EXPECT_EQ(Editor(EditorSlot::Object), editor);  // shown again, not made anew
    EXPECT_TRUE(Checked(32774));
    editor->Exit();
    EXPECT_FALSE(Checked(32774));

    Command(32774);
    ASSERT_TRUE(Checked(32774));
    Command(57600);  // loads the set of the current directory again
    EXPECT_EQ(CFakeEditor::s_nLive, 0);
    EXPECT_TRUE(Checked(32774));  // the flag outlives its editor
    Command(32774);
    ASSERT_NE(Editor(EditorSlot::Object), nullptr);
    EXPECT_TRUE(Editor(EditorSlot::Object)->isVisible());
    EXPECT_TRUE(Checked(32774));
    EXPECT_FALSE(Checked(32773));
}

TEST_F(FrameTest, EachCommandShowsItsOwnEditor) {
    const std::pair<unsigned, EditorSlot> commands[] = {
        {32774, EditorSlot::Object},    {32773, EditorSlot::Sensor},
        {32776, EditorSlot::Launcher},  {32777, EditorSlot::Profile},
        {32775, EditorSlot::Mast},      {32778, EditorSlot::Entity},
        {32791, EditorSlot::Object3D},  {32788, EditorSlot::Airstrip},
        {32792, EditorSlot::ShipClass}, {32793, EditorSlot::CountryName}};
    for (const auto& [nID, slot] : commands) {
        ToolBarAction(nID)->trigger();
        EXPECT_TRUE(Doc()->Shown(slot)) << nID;
        EXPECT_TRUE(ToolBarAction(nID)->isChecked()) << nID;
    }
    EXPECT_EQ(CFakeEditor::s_nLive, 10);
}

TEST_F(FrameTest, ACommandWithoutEditorShowsNothing) {
    CMainFrame::SetEditorFactory(
        [](EditorSlot, QWidget*, CVentryDoc&) { return std::unique_ptr<CEditorWindow>(); });
    Command(32774);
    EXPECT_FALSE(Doc()->Shown(EditorSlot::Object));
    EXPECT_FALSE(Checked(32774));
}

TEST_F(FrameTest, CtrlOOpensAFileNotTheObjectEditor) {
    Frame()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Frame()));
    QTest::keyClick(Frame(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(m_nFileDialogs, 1);
    EXPECT_EQ(CFakeEditor::s_nLive, 0);
    for (const char* key : {"Ctrl+L", "Ctrl+P", "Ctrl+M", "Ctrl+E"}) {
        for (QAction* action : Frame()->findChildren<QAction*>()) {
            EXPECT_FALSE(action->shortcuts().contains(QKeySequence(key))) << key;
        }
    }
}

TEST_F(FrameTest, ThePanesAreAnEmptyTreeAndAnEmptyForm) {
    auto* tree = Frame()->findChild<QTreeWidget*>(QStringLiteral("59648"));
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(tree->topLevelItemCount(), 0);
    QWidget* form = Frame()->findChild<QWidget*>(QStringLiteral("101"));
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->children().isEmpty());
    EXPECT_LT(tree->x(), form->mapTo(Frame(), QPoint()).x());
}

TEST_F(FrameTest, TheAboutBoxShowsTheVersionAndClosesWithOk) {
    QString title;
    QStringList texts;
    AfxSetModalHandler([&](QDialog& dialog) {
        title = dialog.windowTitle();
        EXPECT_EQ(dialog.objectName(), QStringLiteral("100"));
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            texts << label->text();
        }
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("1")), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), IDOK);
        return dialog.result();
    });
    Command(57664);
    AfxSetModalHandler({});
    EXPECT_EQ(title, QStringLiteral("Info über Ventry"));
    EXPECT_TRUE(texts.contains(QStringLiteral("Ventry Version 1.0")));
    EXPECT_EQ(texts.size(), 5);  // the icon and four lines
}

}  // namespace
