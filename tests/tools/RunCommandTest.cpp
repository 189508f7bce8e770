#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "TestFiles.h"
#include "ToolRun.h"

namespace {

namespace fs = std::filesystem;
using testing::AllOf;
using testing::Eq;
using testing::HasSubstr;
using testing::IsEmpty;

// "set": the frigate, object 1 of Sim Type 1, 160 m long with armour 20, and the sloop, 10 m.
// "armour.lua" is the documented example.
class RunCommandTest : public testing::Test {
protected:
    void SetUp() override {
        WriteSet(Path("set"),
                 {{Database::Object,
                   Concat({HandRecord(Database::Object, 1, "Frigate",
                                      {{28, {1}}, {76, {0, 0, 0xC8, 0x44}}, {112, {20}}}),
                           HandRecord(Database::Object, 2, "Sloop",
                                      {{28, {1}}, {76, {0, 0, 0xC8, 0x42}}, {112, {20}}})})}});
        fs::copy_file(fs::path(VENTRY_SOURCE_DIR) / "docs/scripts/armour.lua", Path("armour.lua"));
        WriteScript("bad.lua", "set.object[1].armor = 30\nset.object[2].mass = 70000\n");
        WriteScript("print.lua", "print(set.object[2].name, #set.object)\n");
    }
    void WriteScript(const std::string& name, const std::string& text) const {
        WriteBytes(Path(name), Bytes(text.begin(), text.end()));
    }
    fs::path Path(const std::string& name) const { return m_dir.Path() / name; }
    ToolRun Run(const std::string& line) const { return RunVentryDb(line, m_dir.Path()); }

    TempDir m_dir;
};

TEST_F(RunCommandTest, PrintsWhatChangedAsDiffDoesAndSavesAllOrNothing) {
    const Bytes objects = ReadBytes(SetFilePath(Path("set"), Database::Object));
    const std::string change = "object.eod: 1: armor: 20 -> 30\n";
    const ExpectedRun runs[] = {
        {"run armour.lua set/object.eod --dry-run", 0, Eq(change), IsEmpty()},
        {"run armour.lua set/object.eod --json --dry-run", 0,
         Eq("{\"file\":\"object.eod\",\"database\":\"object\",\"index\":1,\"change\":\"changed\","
            "\"field\":\"armor\",\"old\":\"20\",\"new\":\"30\"}\n"),
         IsEmpty()},
        {"run print.lua set/object.eod", 0, Eq("Sloop\t2\n"), IsEmpty()},
        {"run bad.lua set/object.eod", 1, IsEmpty(),
         AllOf(HasSubstr("ventry-db: bad.lua:2: object 2: mass: 70000 does not fit a 16-bit "
                         "signed integer\nventry-db: /"),
               HasSubstr("/set/object.eod: nothing written\n"))},
        {"run missing.lua set/object.eod", 1, IsEmpty(),
         Eq("ventry-db: missing.lua: No such file or directory\n")},
        {"run set set/object.eod", 1, IsEmpty(), Eq("ventry-db: set: Is a directory\n")},
        {"run armour.lua", 2, IsEmpty(), HasSubstr("Usage: ventry-db")},
        {"run armour.lua set/object.eod --max-memory-mb 0", 2, IsEmpty(), HasSubstr("Usage")},
    };
    ExpectRuns(runs, m_dir.Path());
    // Nothing above wrote anything, not even a backup.
    EXPECT_EQ(ReadBytes(SetFilePath(Path("set"), Database::Object)), objects);
    EXPECT_EQ(FileNamesIn(Path("set")).size(), 11u);

    const ToolRun run = Run("run armour.lua set/object.eod");
    EXPECT_EQ(run.nExitCode, 0);
    EXPECT_EQ(run.strOut, change);
    Bytes expected = objects;
    expected[112] = 30;
    EXPECT_EQ(ReadBytes(SetFilePath(Path("set"), Database::Object)), expected);
    const fs::path backups = Path("set/ventry-backup");
    ASSERT_EQ(FileNamesIn(backups).size(), 1u);
    EXPECT_THAT(FileNamesIn(backups / FileNamesIn(backups)[0]), testing::ElementsAre("object.eod"));
    EXPECT_EQ(Run("run armour.lua set/object.eod").strOut, "");
}

// A file that could not be read would be saved empty.
TEST_F(RunCommandTest, RefusesASetWithAnUnreadableFile) {
    fs::remove(SetFilePath(Path("set"), Database::Sensor));
    fs::create_directory(SetFilePath(Path("set"), Database::Sensor));
    const ToolRun run = Run("run armour.lua set/object.eod");
    EXPECT_EQ(run.nExitCode, 3);
    EXPECT_THAT(run.strErr, HasSubstr("/set/sensor.esd: Is a directory; the set is left as it is"));
    EXPECT_EQ(FileNamesIn(Path("set")).size(), 11u);
}

TEST_F(RunCommandTest, TheDocumentedExamplesRunOnTheDemoSet) {
    ASSERT_EQ(Run("demo demo").nExitCode, 0);
    const std::pair<const char*, const char*> examples[] = {
        {"armour.lua", "object.eod: 3: armor: 20 -> 30\n"},
        {"ammunition.lua", "launcher.eld: 5: ammo_types_2: 0 -> 13\n"},
        {"respace.lua", "entity.epd: 11: type_name: Depth Charge Mk3 -> Depth Charge Mk 3\n"},
    };
    for (const auto& [pszScript, pszChange] : examples) {
        const ToolRun run =
            Run("run " + (fs::path(VENTRY_SOURCE_DIR) / "docs/scripts" / pszScript).string() +
                " demo/object.eod --dry-run");
        EXPECT_EQ(run.nExitCode, 0) << pszScript;
        EXPECT_THAT(run.strOut, HasSubstr(pszChange));
        EXPECT_EQ(run.strErr, "");
    }
}

}  // namespace
