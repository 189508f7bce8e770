#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QTableView>
#include <QTest>

#include "AppTestSupport.h"
#include "DemoSet.h"
#include "MainFrame.h"
#include "RecordField.h"
#include "Resource.h"
#include "ToolDoc.h"

namespace {

using testing::ElementsAre;

// The real program on a set with links of every kind the windows show and three problems: an
// object and a sensor that their editors' filters never list, a launcher named after no object.
class ExtrasTest : public AppTest {
protected:
    void SetUp() override {
        Bytes radar = HandRecord(Database::Sensor, 5, "Radar", {{44, {8}}});
        RecordField::SetText(radar.data(), 160, 20, "R5");
        Bytes entity = HandRecord(Database::Entity, 10, "Torpedo Load");
        RecordField::SetText(entity.data(), 36, 20, "Torpedo");
        StartOn({{Database::Object,
                  Concat({HandRecord(Database::Object, 1, "Frigate",
                                     {{24, {2}}, {28, {1}}, {300, {5}}, {220, {3}}}),
                          HandRecord(Database::Object, 2, "Torpedo", {{24, {8}}, {28, {2}}}),
                          HandRecord(Database::Object, 3, "Oddity", {{24, {2}}, {28, {13}}})})},
                 {Database::Sensor, Concat({radar, HandRecord(Database::Sensor, 6, "Nothing")})},
                 {Database::Launcher,
                  Concat({HandRecord(Database::Launcher, 3, "Frigate", {{72, {10}}}),
                          HandRecord(Database::Launcher, 4, "Nobody")})},
                 {Database::Entity, entity},
                 {Database::Profile, HandRecord(Database::Profile, 1, "Frigate")}});
    }
    // The line of the editor's current record.
    std::string CurrentLine(int nEditor, int nList) const {
        const QAbstractItemView& list = View(nEditor, nList);
        return Lines(list).at(static_cast<std::size_t>(CurrentRow(list)));
    }
};

const char* const kObjectFinding =
    "object.eod: 3: sim_type: Sim Type 13 is outside 0 to 12: the type filter never lists this "
    "object";
const char* const kSensorFinding =
    "sensor.esd: 6: sensor_class: sensor class 0 is outside 1 to 11: the class filter never "
    "lists this sensor";
const char* const kLauncherFinding =
    "launcher.eld: 4: name: no object is named \"Nobody\"; the type filter files this record as "
    "Sub";

// A finding opens its record in its editor whatever the editor's filter; Refresh checks the
// set in memory again.
TEST_F(ExtrasTest, CheckSetListsTheFindingsOfTheSetInMemoryAndOpensTheirRecords) {
    Command(ID_VIEW_LAUNCHERS);
    CModalScript search([](QDialog& filter) {
        TypeText(*Find<QLineEdit>(filter, IDC_FILTER_TEXT), QStringLiteral("frig"));
        Click(filter, 1);
        return filter.result();
    });
    Click(Window(141), IDC_SEARCH);
    ASSERT_THAT(Lines(View(141, 1154)), ElementsAre("003: Frigate"));

    Command(ID_EXTRAS_CHECK_SET);
    EXPECT_EQ(Window(IDD_SET_CHECK).windowTitle(), "Set Check");
    QAbstractItemView& findings = View(IDD_SET_CHECK, IDC_FINDINGS);
    EXPECT_THAT(Lines(findings), ElementsAre(kObjectFinding, kSensorFinding, kLauncherFinding));
    DoubleClickRow(findings, 2);
    EXPECT_THAT(Lines(View(141, 1154)), ElementsAre("003: Frigate", "004: Nobody"));
    EXPECT_EQ(CurrentLine(141, 1154), "004: Nobody");
    EXPECT_EQ(Find<QLineEdit>(Window(141), 1181)->text(), "Nobody");
    DoubleClickRow(findings, 0);  // the type filter never lists it; an empty search does
    EXPECT_EQ(CurrentLine(130, 1113), "003: Oddity");
    EXPECT_TRUE(Action(ID_VIEW_OBJECTS, kToolBar)->isChecked());
    DoubleClickRow(findings, 1);
    EXPECT_EQ(CurrentLine(139, 1118), "005: Radar (R5)");
    EXPECT_THAT(m_messages.Texts(),
                ElementsAre("Sensor 6 has the sensor class 0: the sensor list shows only the "
                            "classes 1 to 11."));

    TypeInto(*Find<QLineEdit>(Window(141), 1181), QStringLiteral("Torpedo"));
    Click(Window(141), IDC_APPLY);
    EXPECT_EQ(Lines(findings).size(), 3u);
    Click(Window(IDD_SET_CHECK), IDC_CHECK_AGAIN);
    EXPECT_THAT(Lines(findings), ElementsAre(kObjectFinding, kSensorFinding));

    WriteSet(m_dir.Path() / "clean",
             {{Database::Object, HandRecord(Database::Object, 1, "Frigate")}});
    m_strFileToChoose = SetFilePath(m_dir.Path() / "clean", Database::Object);
    m_messages.Answer(IDNO);  // the question about the unsaved Apply
    Command(ID_FILE_OPEN);
    Click(Window(IDD_SET_CHECK), IDC_CHECK_AGAIN);
    EXPECT_THAT(Lines(findings), ElementsAre("No problems found."));
}

TEST_F(ExtrasTest, WhereUsedAndTheContextEntriesFollowReferencesBothWays) {
    EXPECT_FALSE(Action(ID_EXTRAS_WHERE_USED)->isEnabled());
    Command(ID_VIEW_OBJECTS);
    Command(ID_VIEW_LAUNCHERS);  // shown last, then the object editor is activated
    QDialog& object = Window(130);
    object.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&object));
    EXPECT_TRUE(Action(ID_EXTRAS_WHERE_USED)->isEnabled());
    Command(ID_EXTRAS_WHERE_USED);
    EXPECT_EQ(Window(IDD_WHERE_USED).windowTitle(), "Where Used");
    EXPECT_THAT(Lines(View(IDD_WHERE_USED, IDC_REFERRERS)),
                ElementsAre("launcher: 3: Frigate (name)", "profile: 1: Frigate (name)"));
    DoubleClickRow(View(IDD_WHERE_USED, IDC_REFERRERS), 1);
    EXPECT_EQ(CurrentLine(153, 1182), "001: Frigate");

    QAbstractItemView& sensors = *Find<QAbstractItemView>(object, 1117);
    sensors.setCurrentIndex(sensors.model()->index(0, 0));
    Find<QAction>(sensors, ID_OPEN_REFERENCED_RECORD)->trigger();
    EXPECT_EQ(CurrentLine(139, 1118), "005: Radar (R5)");
    Find<QAction>(*Find<QComboBox>(Window(141), 1155), ID_OPEN_REFERENCED_RECORD)->trigger();
    EXPECT_EQ(CurrentLine(156, 1196), "010: Torpedo Load");
    EXPECT_TRUE(m_messages.m_entries.empty());
}

TEST_F(ExtrasTest, TheTableFollowsTheEditorsAndOpensItsRecords) {
    Command(ID_EXTRAS_TABLE_VIEW);
    EXPECT_EQ(Window(IDD_TABLE_VIEW).windowTitle(), "Table View");
    auto* databases = Find<QComboBox>(Window(IDD_TABLE_VIEW), IDC_DATABASE_CHOICE);
    EXPECT_THAT(Lines(*databases->view()),
                ElementsAre("object", "sensor", "launcher", "airstrip", "entity", "profile", "mast",
                            "3dobject", "class", "countryname"));
    Pick(*databases, 2);
    auto& table = static_cast<QTableView&>(View(IDD_TABLE_VIEW, IDC_TABLE));
    const auto cell = [&](int nRow, int nColumn) {
        return table.model()->index(nRow, nColumn).data().toString();
    };
    const int nName = table.model()->columnCount() - 1;
    EXPECT_EQ(cell(1, nName), "Nobody");

    Command(ID_VIEW_LAUNCHERS);
    DoubleClickRow(View(141, 1154), 1);
    TypeInto(*Find<QLineEdit>(Window(141), 1181), QStringLiteral("Torpedo"));
    Click(Window(141), IDC_APPLY);
    EXPECT_EQ(cell(1, nName), "Torpedo");

    Window(IDD_TABLE_VIEW).activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window(IDD_TABLE_VIEW)));
    table.setFocus();
    table.setCurrentIndex(table.model()->index(1, nName));
    QTest::keyClick(&table, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "name\r\nTorpedo\r\n");

    Command(ID_VIEW_LAUNCHERS);  // hidden, then opened by the table
    DoubleClickRow(table, 0);
    EXPECT_EQ(CurrentLine(141, 1154), "003: Frigate");
}

// The program as a user gets it: the demo set in the current directory and the real editors.
TEST_F(AppTest, EditorCommandsShowAndHideTheRealEditorsOnTheDemoSet) {
    CToolDoc demo;
    FillDemoSet(demo);
    ASSERT_TRUE(demo.OnSaveDocument(SetFilePath(Cwd(), Database::Object)));
    CMainFrame::SetEditorFactory({});
    ASSERT_TRUE(StartApp());
    struct EditorCommand {
        unsigned nID;
        int nTemplate;
        const char* pszCaption;
        int nList;
    };
    const EditorCommand commands[] = {
        {32774, 130, "Object Dialog", 1113},     {32773, 139, "Sensor Dialog", 1118},
        {32776, 141, "Launcher Dialog", 1154},   {32777, 153, "Profile Dialog", 1182},
        {32775, 155, "Mast Dialog", 1195},       {32778, 156, "Entity Dialog", 1196},
        {32788, 142, "Airstrip Dialog", 1262},   {32791, 158, "3D ObjectDialog", 1210},
        {32792, 160, "Ship Class Dialog", 1266}, {32793, 161, "Country Name Dialog", 1267},
    };
    const auto editor = [&](int nTemplate) { return Find<QDialog>(*Frame(), nTemplate); };
    for (const EditorCommand& command : commands) {
        SCOPED_TRACE(command.pszCaption);
        Action(command.nID, kToolBar)->trigger();
        QDialog* dialog = editor(command.nTemplate);
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(dialog->parentWidget(), Frame());
        EXPECT_EQ(dialog->windowTitle(), command.pszCaption);
        auto* list = Find<QAbstractItemView>(*dialog, command.nList);
        ASSERT_NE(list, nullptr);
        EXPECT_GT(list->model()->rowCount(), 0);
        EXPECT_TRUE(Action(command.nID, kToolBar)->isChecked());
    }
    EXPECT_TRUE(m_messages.m_entries.empty());
    QDialog* object = editor(130);
    Command(ID_VIEW_OBJECTS);
    EXPECT_FALSE(object->isVisible());
    EXPECT_FALSE(Action(ID_VIEW_OBJECTS, kToolBar)->isChecked());
    Command(ID_VIEW_OBJECTS);
    EXPECT_EQ(editor(130), object);  // shown again, not made anew
    Click(*object, IDC_EXIT);        // Exit releases the button
    EXPECT_FALSE(Action(ID_VIEW_OBJECTS)->isChecked());
    Command(ID_VIEW_OBJECTS);
    Command(ID_FILE_NEW);  // loads the set of the current directory again
    EXPECT_EQ(editor(130), nullptr);
    EXPECT_TRUE(Action(ID_VIEW_OBJECTS, kToolBar)->isChecked());  // the flag outlives its editor
    Command(ID_VIEW_OBJECTS);
    ASSERT_NE(editor(130), nullptr);
    EXPECT_TRUE(editor(130)->isVisible());

    Frame()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Frame()));
    QTest::keyClick(Frame(), Qt::Key_O, Qt::ControlModifier);  // opens a file, not an editor
    EXPECT_EQ(m_nFileDialogs, 1);
}

}  // namespace
