#include <QAction>
#include <QPlainTextEdit>
#include <QSettings>
#include <cstring>
#include <string_view>

#include "AppTestSupport.h"
#include "DocRecords.h"
#include "MainFrame.h"
#include "Resource.h"

namespace {

using testing::ElementsAre;

// Ships of Sim Type 1, armour at 112: the script raises what is below 30 to 30.
Bytes Ship(std::uint16_t nIndex, const char* pszName, std::uint8_t nArmour) {
    return HandRecord(Database::Object, nIndex, pszName, {{28, {1}}, {112, {nArmour, 0}}});
}

const char* const kFrigate = "object.eod: 1: armor: 20 -> 30";
const char* const kSloop = "object.eod: 2: armor: 10 -> 30";

// The real program with its editors on three ships, and a script beside the set.
class ScriptTest : public AppTest {
protected:
    void SetUp() override {
        m_strArmour = Script("armour.lua",
                             "for index, ship in set.object:records() do\n"
                             "    if ship.armor < 30 then ship.armor = 30 end\n"
                             "end\n"
                             "print('armour raised')\n");
        StartOn({{Database::Object,
                  Concat({Ship(1, "Frigate", 20), Ship(2, "Sloop", 10), Ship(3, "Tug", 40)})}});
    }
    std::string Script(const char* pszName, std::string_view text) const {
        WriteBytes(Cwd() / pszName, Bytes(text.begin(), text.end()));
        return (Cwd() / pszName).string();
    }
    void Run(const std::string& script) {
        m_strFileToChoose = script;
        Command(ID_EXTRAS_RUN_SCRIPT);
    }
    QDialog& Window() const { return *Find<QDialog>(*Frame(), IDD_SCRIPT); }
    std::vector<std::string> Changes() const {
        return Lines(*Find<QAbstractItemView>(Window(), IDC_SCRIPT_CHANGES));
    }
    std::string Output() const {
        return Find<QPlainTextEdit>(Window(), IDC_SCRIPT_OUTPUT)->toPlainText().toStdString();
    }
    bool CanApply() const { return Find<QWidget>(Window(), IDC_SCRIPT_APPLY)->isEnabled(); }
    Bytes Record(std::uint16_t nKey) const { return RecordBytes(*Doc(), Database::Object, nKey); }
    std::vector<Bytes> Ships() const { return {Record(1), Record(2)}; }
    QString Text(unsigned nID) const { return Action(nID)->text(); }

    std::string m_strArmour;
};

TEST_F(ScriptTest, ApplyMakesTheWholeScriptOneStepThatUndoAndRedoTakeBackAndBringAgain) {
    Run(m_strArmour);
    EXPECT_EQ(m_lastDialog.mid(0, 3),
              (QStringList{"Run Script", "Lua scripts (*.lua)", "All files (*)"}));
    ASSERT_TRUE(Window().isVisible() && Window().windowTitle() == "Script");
    EXPECT_THAT(Changes(), ElementsAre(kFrigate, kSloop));
    EXPECT_EQ(Output(), "armour raised\n");
    EXPECT_THAT(Ships(), ElementsAre(Ship(1, "Frigate", 20), Ship(2, "Sloop", 10)));
    Click(Window(), IDC_SCRIPT_APPLY);
    EXPECT_FALSE(Window().isVisible());
    EXPECT_EQ(Text(ID_EDIT_UNDO), "&Undo script armour.lua\tCtrl+Z");
    EXPECT_THAT(Ships(), ElementsAre(Ship(1, "Frigate", 30), Ship(2, "Sloop", 30)));
    Command(ID_EDIT_UNDO);
    EXPECT_THAT(Ships(), ElementsAre(Ship(1, "Frigate", 20), Ship(2, "Sloop", 10)));
    EXPECT_FALSE(Action(ID_EDIT_UNDO)->isEnabled());
    Command(ID_EDIT_REDO);
    EXPECT_THAT(Ships(), ElementsAre(Ship(1, "Frigate", 30), Ship(2, "Sloop", 30)));
}

// A failing script shows its error and applies nothing; the Extras menu and the settings file
// list both scripts, the newest first.
TEST_F(ScriptTest, AFailingScriptAppliesNothingAndTheRecentListKeepsBothScripts) {
    EXPECT_EQ(Text(ID_EXTRAS_SCRIPT1), "Recent Script");
    Run(m_strArmour);
    Click(Window(), IDC_SCRIPT_DISCARD);
    const std::string bad =
        Script("bad.lua", "print('before')\nset.object[1].armor = 99\nset.object[2].armor = 70000");
    Run(bad);
    EXPECT_EQ(Output(),
              "before\nbad.lua:3: object 2: armor: 70000 does not fit a 16-bit signed integer\n");
    EXPECT_THAT(Changes(), testing::IsEmpty());
    EXPECT_FALSE(CanApply());
    EXPECT_FALSE(Action(ID_EDIT_UNDO)->isEnabled());

    EXPECT_EQ(Text(ID_EXTRAS_SCRIPT1), QString::fromStdString("&1 " + bad));
    EXPECT_EQ(Text(ID_EXTRAS_SCRIPT1 + 1), QString::fromStdString("&2 " + m_strArmour));
    EXPECT_FALSE(Action(ID_EXTRAS_SCRIPT1 + 2)->isVisible());
    QSettings stored(QString::fromStdString(SettingsFile()), QSettings::IniFormat);
    stored.beginGroup("Recent Scripts");
    EXPECT_EQ(stored.childKeys(), (QStringList{"Script1", "Script2"}));
    EXPECT_EQ(stored.value("Script1").toString().toStdString(), bad);
    EXPECT_EQ(stored.value("Script2").toString().toStdString(), m_strArmour);

    Command(ID_EXTRAS_SCRIPT1 + 1);  // runs again and moves up
    EXPECT_THAT(Changes(), ElementsAre(kFrigate, kSloop));
    EXPECT_EQ(Text(ID_EXTRAS_SCRIPT1), QString::fromStdString("&1 " + m_strArmour));
}

// Apply first lets an editor keep its unapplied edit of a record the script changes; a set
// changed since the run gets the script run again, applied when it changes the same, shown
// again otherwise.
TEST_F(ScriptTest, AChangeOfTheSetAfterTheRunIsNeverOverwrittenByTheStaleResult) {
    Command(ID_VIEW_OBJECTS);
    Run(m_strArmour);
    TypeInto(*Find<QLineEdit>(*Find<QDialog>(*Frame(), 130), 1001), QStringLiteral("Typed"));
    m_messages.Answer(IDYES);
    Click(Window(), IDC_SCRIPT_APPLY);
    EXPECT_THAT(m_messages.Texts(), ElementsAre("Do you wish to retain changes made to Typed ?"));
    Bytes typed = Ship(1, "Frigate", 30);
    std::memcpy(typed.data() + 2, "Typed", 6);  // the bytes after the terminator stay
    EXPECT_EQ(Record(1), typed);
    EXPECT_EQ(Text(ID_EDIT_UNDO), "&Undo script armour.lua\tCtrl+Z");

    Run(m_strArmour);  // nothing below 30 any more
    EXPECT_FALSE(CanApply());
    Command(ID_EDIT_UNDO);
    Run(m_strArmour);
    FlipByte(*Doc(), Database::Object, 1, 112);  // armour 235
    Click(Window(), IDC_SCRIPT_APPLY);
    EXPECT_EQ(m_messages.Texts().at(1),
              "The set has changed since armour.lua ran, and the script now changes it "
              "differently. Nothing was applied; the window shows the new changes.");
    EXPECT_THAT(Changes(), ElementsAre(kSloop));
    EXPECT_EQ(Text(ID_EDIT_UNDO), "&Undo flip\tCtrl+Z");
    Click(Window(), IDC_SCRIPT_APPLY);
    EXPECT_EQ(Record(2), Ship(2, "Sloop", 30));
    EXPECT_EQ(Record(1)[112], 235);
}

}  // namespace
