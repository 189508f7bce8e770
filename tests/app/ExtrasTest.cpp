#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QTableView>
#include <QTest>

#include "AppTestSupport.h"
#include "MainFrame.h"
#include "RecordField.h"
#include "VentryDoc.h"

namespace {

using testing::ElementsAre;

// A record as the record descriptions lay it out, values written by hand at their offsets.
struct Value {
    std::size_t nOffset;
    std::int32_t nValue;
    std::size_t nWidth = 4;
};
Bytes Record(SetFile file, std::uint16_t index, const std::string& name,
             std::initializer_list<Value> values = {}) {
    Bytes record(ShapeOf(file).size, 0);
    RecordField::Set(record.data(), 0, index);
    RecordField::SetText(record.data(), ShapeOf(file).nameOffset, ShapeOf(file).nameWidth, name);
    for (const Value& value : values) {
        std::memcpy(&record[value.nOffset], &value.nValue, value.nWidth);
    }
    return record;
}

Bytes Entity(std::uint16_t index, const std::string& name, const std::string& typeName) {
    Bytes record = Record(SetFile::Entity, index, name);
    RecordField::SetText(record.data(), 36, 20, typeName);
    return record;
}

// The real program on a set with links of every kind the windows show and three problems: an
// object and a sensor that their editors' filters never list, a launcher named after no object.
class ExtrasTest : public AppTest {
protected:
    void SetUp() override {
        Bytes radar = Record(SetFile::Sensor, 5, "Radar", {{44, 8}});
        RecordField::SetText(radar.data(), 160, 20, "R5");
        WriteSet(
            Cwd(),
            {{SetFile::Object, Concat({Record(SetFile::Object, 1, "Frigate",
                                              {{24, 2}, {28, 1}, {300, 5, 2}, {220, 3, 2}}),
                                       Record(SetFile::Object, 2, "Torpedo", {{24, 8}, {28, 2}}),
                                       Record(SetFile::Object, 3, "Oddity", {{24, 2}, {28, 13}})})},
             {SetFile::Sensor, Concat({radar, Record(SetFile::Sensor, 6, "Nothing")})},
             {SetFile::Launcher, Concat({Record(SetFile::Launcher, 3, "Frigate", {{72, 10, 2}}),
                                         Record(SetFile::Launcher, 4, "Nobody")})},
             {SetFile::Entity, Entity(10, "Torpedo Load", "Torpedo")},
             {SetFile::Profile, Record(SetFile::Profile, 1, "Frigate")}});
        CMainFrame::SetEditorFactory({});
        ASSERT_TRUE(StartApp());
    }
    QDialog& Window(int nId) const {
        auto* window = Find<QDialog>(*Frame(), nId);
        EXPECT_TRUE(window && window->isVisible()) << nId;
        return *window;
    }
    QAbstractItemView& View(int nWindow, int nId) const {
        return *Find<QAbstractItemView>(Window(nWindow), nId);
    }
    // The line of the editor's current record.
    std::string CurrentLine(int nEditor, int nList) const {
        const QAbstractItemView& list = View(nEditor, nList);
        return Lines(list).at(static_cast<std::size_t>(CurrentRow(list)));
    }
    void RenameLauncher4(const char* pszName) {
        Command(32776);
        DoubleClickRow(View(141, 1154), 1);
        TypeInto(*Find<QLineEdit>(Window(141), 1181), QString::fromLatin1(pszName));
        Click(Window(141), 1207);
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

TEST_F(ExtrasTest, CheckSetListsTheFindingsOfTheSetInMemory) {
    Command(32800);
    EXPECT_EQ(Window(170).windowTitle(), "Set Check");
    QAbstractItemView& findings = View(170, 1300);
    EXPECT_THAT(Lines(findings), ElementsAre(kObjectFinding, kSensorFinding, kLauncherFinding));

    RenameLauncher4("Torpedo");
    EXPECT_EQ(Lines(findings).size(), 3u);
    Click(Window(170), 1301);
    EXPECT_THAT(Lines(findings), ElementsAre(kObjectFinding, kSensorFinding));

    WriteSet(m_dir.Path() / "clean", {{SetFile::Object, Record(SetFile::Object, 1, "Frigate")}});
    m_strFileToChoose = SetFilePath(m_dir.Path() / "clean", SetFile::Object);
    m_messages.Answer(IDNO);  // the question about the unsaved Apply
    Command(57601);
    Click(Window(170), 1301);
    EXPECT_THAT(Lines(findings), ElementsAre("No problems found."));
}

TEST_F(ExtrasTest, AFindingOpensItsRecordInItsEditorWhateverTheFilter) {
    Command(32776);
    CModalScript search([](QDialog& filter) {
        TypeText(*Find<QLineEdit>(filter, 1183), QStringLiteral("frig"));
        Click(filter, 1);
        return filter.result();
    });
    Click(Window(141), 1228);
    ASSERT_THAT(Lines(View(141, 1154)), ElementsAre("003: Frigate"));

    Command(32800);
    DoubleClickRow(View(170, 1300), 2);
    EXPECT_THAT(Lines(View(141, 1154)), ElementsAre("003: Frigate", "004: Nobody"));
    EXPECT_EQ(CurrentLine(141, 1154), "004: Nobody");
    EXPECT_EQ(Find<QLineEdit>(Window(141), 1181)->text(), "Nobody");

    DoubleClickRow(View(170, 1300), 0);  // the type filter never lists it; an empty search does
    EXPECT_EQ(CurrentLine(130, 1113), "003: Oddity");
    EXPECT_TRUE(ToolBarAction(32774)->isChecked());

    DoubleClickRow(View(170, 1300), 1);
    EXPECT_EQ(CurrentLine(139, 1118), "005: Radar (R5)");
    EXPECT_THAT(m_messages.Texts(),
                ElementsAre("Sensor 6 has the sensor class 0: the sensor list shows only the "
                            "classes 1 to 11."));
}

TEST_F(ExtrasTest, WhereUsedAndTheContextEntriesFollowReferencesBothWays) {
    EXPECT_FALSE(MenuAction(32802)->isEnabled());
    Command(32774);
    Command(32776);  // shown last, then the object editor is activated
    QDialog& object = Window(130);
    object.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&object));
    EXPECT_TRUE(MenuAction(32802)->isEnabled());
    Command(32802);
    EXPECT_EQ(Window(172).windowTitle(), "Where Used");
    EXPECT_THAT(Lines(View(172, 1320)),
                ElementsAre("launcher: 3: Frigate (name)", "profile: 1: Frigate (name)"));
    DoubleClickRow(View(172, 1320), 1);
    EXPECT_EQ(CurrentLine(153, 1182), "001: Frigate");

    QAbstractItemView& sensors = *Find<QAbstractItemView>(object, 1117);
    sensors.setCurrentIndex(sensors.model()->index(0, 0));
    Find<QAction>(sensors, 32803)->trigger();
    EXPECT_EQ(CurrentLine(139, 1118), "005: Radar (R5)");
    Find<QAction>(*Find<QComboBox>(Window(141), 1155), 32803)->trigger();
    EXPECT_EQ(CurrentLine(156, 1196), "010: Torpedo Load");
    EXPECT_TRUE(m_messages.m_entries.empty());
}

TEST_F(ExtrasTest, TheTableFollowsTheEditorsAndOpensItsRecords) {
    Command(32801);
    EXPECT_EQ(Window(171).windowTitle(), "Table View");
    auto* databases = Find<QComboBox>(Window(171), 1311);
    EXPECT_THAT(Lines(*databases->view()),
                ElementsAre("object", "sensor", "launcher", "airstrip", "entity", "profile", "mast",
                            "3dobject", "class", "countryname"));
    Pick(*databases, 2);
    auto& table = static_cast<QTableView&>(View(171, 1310));
    const auto cell = [&](int nRow, int nColumn) {
        return table.model()->index(nRow, nColumn).data().toString();
    };
    const int nName = table.model()->columnCount() - 1;
    EXPECT_EQ(cell(1, nName), "Nobody");

    RenameLauncher4("Torpedo");
    EXPECT_EQ(cell(1, nName), "Torpedo");

    Window(171).activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window(171)));
    table.setFocus();
    table.setCurrentIndex(table.model()->index(1, nName));
    QTest::keyClick(&table, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "name\r\nTorpedo\r\n");

    Command(32776);  // hidden, then opened by the table
    DoubleClickRow(table, 0);
    EXPECT_EQ(CurrentLine(141, 1154), "003: Frigate");
}

}  // namespace
