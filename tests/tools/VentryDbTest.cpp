#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "DocRecords.h"
#include "RecordField.h"
#include "ToolRun.h"

namespace {

namespace fs = std::filesystem;
using testing::AllOf;
using testing::ElementsAre;
using testing::Eq;
using testing::HasSubstr;
using testing::IsEmpty;
using testing::Not;

// In one directory, where every run starts: "set", where object 1 carries sensor 5 and the
// missing sensor 77, sensor 6 has class 0, launcher 3 finds its object by name and entity 10
// names no object; "changed", the same with sensor 5 edited, 6 removed and 8 added.
class VentryDbTest : public testing::Test {
protected:
    void SetUp() override {
        std::map<Database, Bytes> files{
            {Database::Object, HandRecord(Database::Object, 1, "Frigate", {{300, {5, 0, 77, 0}}})},
            {Database::Sensor, Concat({HandRecord(Database::Sensor, 5, "Radar", {{44, {8}}}),
                                       HandRecord(Database::Sensor, 6, "Nothing")})},
            {Database::Launcher, HandRecord(Database::Launcher, 3, "Frigate")},
            {Database::Entity, HandRecord(Database::Entity, 10, "Ghost", {{36, {'G', 'o', 0}}})},
            {Database::Mast, HandRecord(Database::Mast, 7, "Kl\xE9",
                                        {{21, {'x'}},  // the name's last byte
                                         {22, {0xFE, 0xFF}},
                                         {50, {'a', '"', '\\', 'b'}},  // sound_file
                                         {80, {0x34, 0x12, 0xC0, 0x7F}},
                                         {84, {0, 0, 0, 0x80}},
                                         {92, {0x00, 0x80}}})}};
        WriteSet(m_dir.Path() / "set", files);
        files[Database::Sensor] = Concat({HandRecord(Database::Sensor, 5, "Radar II", {{44, {9}}}),
                                          HandRecord(Database::Sensor, 8, "New")});
        WriteSet(m_dir.Path() / "changed", files);
    }
    ToolRun Run(const std::string& line) const { return RunVentryDb(line, m_dir.Path()); }
    fs::path Path(const std::string& name) const { return m_dir.Path() / name; }

    TempDir m_dir;
};

TEST_F(VentryDbTest, EveryCommandPrintsItsResultAndExitsWithItsStatus) {
    std::vector<ExpectedRun> runs{
        {"--help", 0, AllOf(HasSubstr("\n  demo "), HasSubstr("\n  check "), HasSubstr("\n  run ")),
         IsEmpty()},
        {"check set/object.eod", 1,
         Eq("object.eod: 1: sensor_slots_2: sensor 77 does not exist\n"
            "sensor.esd: 6: sensor_class: sensor class 0 is outside 1 to 11: the class filter "
            "never lists this sensor\n"
            "entity.epd: 10: type_name: no object is named \"Go\"; the type filter files this "
            "record as Sub\n"),
         IsEmpty()},
        {"check set/object.eod --json", 1,
         HasSubstr("}\n{\"file\":\"sensor.esd\",\"database\":\"sensor\",\"index\":6,\"field\":"
                   "\"sensor_class\",\"code\":\"never-listed\",\"message\":\"sensor class 0 is "
                   "outside 1 to 11: the class filter never lists this sensor\"}\n{"),
         IsEmpty()},
        {"check none/object.eod", 3, IsEmpty(),
         HasSubstr("/none/object.eod: No such file or directory\n")},
        {"check set/sensor.esd", 3, IsEmpty(),
         HasSubstr("/set/sensor.esd: not an object file name (.eod, .god or .fod)\n")},
        // Every column but the empty tail.
        {"dump set/object.eod mast --index 7", 0,
         AllOf(HasSubstr("mast.emd: 7: index: 7\nmast.emd: 7: name: Kl\xC3\xA9\n"
                         "mast.emd: 7: name_tail: 00000000000000000000000000000078\n"
                         "mast.emd: 7: data01: -2\n"),
               HasSubstr("mast.emd: 7: center_x: 0x7FC01234\nmast.emd: 7: center_y: -0\n"),
               HasSubstr("mast.emd: 7: length: -32768\n"), Not(HasSubstr("sound_file_tail"))),
         IsEmpty()},
        {"dump set/object.eod mast --json", 0,
         AllOf(HasSubstr("{\"file\":\"mast.emd\",\"database\":\"mast\",\"index\":7,"),
               HasSubstr("\"name_tail\":\"00000000000000000000000000000078\","),
               HasSubstr("\"center_x\":\"0x7FC01234\""),
               HasSubstr("\"sound_file\":\"a\\\"\\\\b\",\"sound_file_tail\":\"\"")),
         IsEmpty()},
        {"dump set/object.eod mast --index 8", 1, IsEmpty(), HasSubstr("mast.emd: no record 8\n")},
        {"dump set/object.eod sensor --index 5 --names", 0,
         HasSubstr(
             "sensor.esd: 5: sensor_class: Radar\nsensor.esd: 5: counter_detect_sensor: None\n"),
         IsEmpty()},
        {"diff set/object.eod changed/object.eod", 1,
         Eq("sensor.esd: 5: name: Radar -> Radar II\nsensor.esd: 5: sensor_class: 8 -> 9\n"
            "sensor.esd: 6: removed\nsensor.esd: 8: added\n"),
         IsEmpty()},
        {"diff set/object.eod changed/object.eod --json", 1,
         HasSubstr("\n{\"file\":\"sensor.esd\",\"database\":\"sensor\",\"index\":5,\"change\":"
                   "\"changed\",\"field\":\"sensor_class\",\"old\":\"8\",\"new\":\"9\"}\n"),
         IsEmpty()},
        {"diff set/object.eod set/object.eod", 0, Eq("identical: 6 records in 10 databases\n"),
         IsEmpty()},
        {"refs set/object.eod object 1", 0,
         Eq("refers to:\nsensor: 5: Radar (sensor_slots_1)\nsensor: 77: - (sensor_slots_2)\n"
            "referred to by:\nlauncher: 3: Frigate (name)\n"),
         IsEmpty()},
        {"refs set/object.eod sensor 5 --json", 0,
         Eq("{\"direction\":\"referred-to-by\",\"database\":\"object\",\"index\":1,\"name\":"
            "\"Frigate\",\"field\":\"sensor_slots_1\",\"resolved\":true}\n"),
         IsEmpty()},
        // A Latin-1 text in another letter case; a number in one field.
        {"find set/object.eod KL\xC3\x89", 0, Eq("mast: 7: Kl\xC3\xA9 (name)\n"), IsEmpty()},
        {"find set/object.eod 8 --database sensor --field sensor_class", 0,
         Eq("sensor: 5: Radar (sensor_class)\n"), IsEmpty()},
        {"find set/object.eod 77 --json", 0,
         Eq("{\"file\":\"object.eod\",\"database\":\"object\",\"index\":1,\"name\":\"Frigate\","
            "\"field\":\"sensor_slots_2\",\"value\":\"77\"}\n"),
         IsEmpty()},
        {"find set/object.eod nothing-here", 1, IsEmpty(), IsEmpty()},
        {"find set/object.eod x --field bogus", 2, IsEmpty(),
         Eq("ventry-db: no field named bogus\n")},
        // The demo set as a user gets it: nothing for the check to find.
        {"demo demo", 0, IsEmpty(), IsEmpty()},
        {"check demo/object.eod", 0, IsEmpty(), IsEmpty()},
    };
    for (const char* line : {"", "frobnicate", "generate x 65537", "generate x 5 --letter q",
                             "dump a.eod mast --index x", "find a.eod x --database ship"}) {
        runs.push_back({line, 2, IsEmpty(), HasSubstr("Usage: ventry-db")});
    }
    ExpectRuns(runs, m_dir.Path());
    EXPECT_THAT(FileNamesIn(m_dir.Path()), ElementsAre("changed", "demo", "set"));
    EXPECT_EQ(FileNamesIn(Path("set")).size(), 11u);
}

// Every bad input is refused with its place, and the set that was there keeps its bytes.
TEST_F(VentryDbTest, ImportRefusesBadCsvAndWritesNothing) {
    ASSERT_EQ(Run("export set/object.eod csv").nExitCode, 0);
    ASSERT_EQ(Run("import csv set/object.eod").nExitCode, 0);
    // The import over the set kept the files it replaced in a backup folder beside them.
    const fs::path backups = Path("set/ventry-backup");
    ASSERT_EQ(FileNamesIn(backups).size(), 1u);
    EXPECT_EQ(FileNamesIn(backups / FileNamesIn(backups)[0]).size(), 10u);
    const std::map<Database, Bytes> before = ReadSet(Path("set"));
    struct Case {
        const char* pszFile;
        std::string from;  // empty: the file is removed
        std::string to;
        const char* pszMessage;
        const char* pszAlso = nullptr;
    };
    const Case cases[] = {
        {"class.csv", "", "", "class.csv: No such file or directory"},
        {"mast.csv", "data02", "datum02", "mast.csv:1:5: datum02: no such column",
         "mast.csv:1: data02: the column is missing"},
        {"object.csv", "1,Frigate,,0,0,0,", "1,Frigate,,0,0,zero,",
         "object.csv:2:6: sim_type: needs an integer between -2147483648 and 2147483647."},
        {"sensor.csv", "Radar", "Radar of twenty-one chars and more than forty-two",
         "sensor.csv:2:2: name: holds more than 42 characters."},
        {"sensor.csv", "\r\n6,", "\r\n5,", "sensor.csv:3:1: index: index 5 is already on line 2"},
        {"sensor.csv", "\r\n6,", "\r\n6,,", "sensor.csv:3: the row has 38 cells, the header 37"},
    };
    for (const Case& c : cases) {
        const fs::path path = Path("csv") / c.pszFile;
        const Bytes original = ReadBytes(path);
        if (c.from.empty()) {
            fs::remove(path);
        } else {
            std::string text(original.begin(), original.end());
            text.replace(text.find(c.from), c.from.size(), c.to);
            WriteBytes(path, Bytes(text.begin(), text.end()));
        }
        const ToolRun run = Run("import csv set/object.eod");
        EXPECT_EQ(run.nExitCode, 1) << c.pszMessage;
        for (const char* pszMessage : {c.pszMessage, c.pszAlso}) {
            if (pszMessage != nullptr) {
                EXPECT_THAT(run.strErr, HasSubstr("ventry-db: csv/" + std::string(pszMessage)));
            }
        }
        EXPECT_THAT(run.strErr, HasSubstr("/set/object.eod: nothing written"));
        EXPECT_EQ(ReadSet(Path("set")), before);
        WriteBytes(path, original);
    }
}

TEST_F(VentryDbTest, CopyReproducesEveryFileUnderTheNewNamesAndWarnsAboutWhatItDrops) {
    std::map<Database, Bytes> files;
    for (const RecordShape& shape : kRecordShapes) {
        files[shape.file] =
            Concat({MakeRecord(shape.file, 4, "four", 1), MakeRecord(shape.file, 9, "nine", 2)});
    }
    const Bytes aircraft{7, 8, 9};
    WriteSet(Path("src"), files, 'e', aircraft);
    ASSERT_EQ(Run("copy src/object.eod dst/object.god").nExitCode, 0);  // makes dst
    EXPECT_EQ(ReadSet(Path("dst"), 'g'), files);
    EXPECT_EQ(ReadBytes(AircraftFilePath(Path("dst"), 'g')), aircraft);
    EXPECT_EQ(FileNamesIn(Path("dst")).size(), 11u);

    const Bytes later = MakeRecord(Database::Sensor, 4, "later", 3);
    WriteBytes(SetFilePath(Path("src"), Database::Sensor),
               Concat({files[Database::Sensor], later}));
    fs::remove(SetFilePath(Path("src"), Database::Mast));
    fs::create_directory(SetFilePath(Path("src"), Database::Mast));
    const ToolRun warned = Run("copy src/object.eod dst/object.eod");
    EXPECT_EQ(warned.nExitCode, 0);
    for (const Database file : {Database::Sensor, Database::Mast}) {
        EXPECT_THAT(warned.strErr,
                    HasSubstr("ventry-db: warning: " + SetFilePath(Path("src"), file)));
    }
    EXPECT_EQ(ReadBytes(SetFilePath(Path("dst"), Database::Sensor)),
              Concat({later, MakeRecord(Database::Sensor, 9, "nine", 2)}));
    EXPECT_TRUE(ReadBytes(SetFilePath(Path("dst"), Database::Mast)).empty());
}

// The ship-based aircraft file is copied in the same save as the databases: when it fails,
// none of the eleven files is replaced.
TEST_F(VentryDbTest, ACopyWhoseAircraftFileFailsLeavesEveryFileAsItWas) {
    WriteSet(Path("src"), {{Database::Sensor, MakeRecord(Database::Sensor, 1, "other")}});
    const std::string aircraft = AircraftFilePath(Path("src"));
    fs::remove(aircraft);
    fs::create_directory(aircraft);
    WriteBytes(AircraftFilePath(Path("set")), Bytes{4, 2});
    const std::map<Database, Bytes> before = ReadSet(Path("set"));
    const ToolRun run = Run("copy src/object.eod set/object.eod");
    EXPECT_EQ(run.nExitCode, 1);
    EXPECT_THAT(run.strErr, HasSubstr(aircraft + ": Is a directory\n"));
    EXPECT_EQ(ReadSet(Path("set")), before);
    EXPECT_EQ(ReadBytes(AircraftFilePath(Path("set"))), Bytes({4, 2}));
    EXPECT_EQ(FileNamesIn(Path("set")).size(), 11u);
}

// Finishing an interrupted save is news, not a failure: the command's status stays its own.
TEST_F(VentryDbTest, ACommandThatFinishesAnInterruptedSaveSaysSoAndSucceeds) {
    const std::string mast = SetFilePath(Path("set"), Database::Mast);
    WriteBytes(mast + ".ventry-save", HandRecord(Database::Mast, 8, "Saved"));
    const std::string note =
        CommitNote({"temporary mast.emd", "commit 3",
                    "replace " + NoteIdentity(mast + ".ventry-save") + " mast.emd"},
                   true);
    WriteBytes(Path("set/object.eod.ventry-commit"), Bytes(note.begin(), note.end()));
    const ToolRun run = Run("dump set/object.eod mast");
    EXPECT_EQ(run.nExitCode, 0);
    EXPECT_THAT(run.strOut, HasSubstr("mast.emd: 8: name: Saved\n"));
    EXPECT_EQ(run.strErr,
              "ventry-db: The last save of this set was interrupted; it has been completed.\n");
}

TEST_F(VentryDbTest, GenerateFillsEveryIndexDeterministically) {
    ASSERT_EQ(Run("generate a 65536 --letter g").nExitCode, 0);
    ASSERT_EQ(Run("generate b 65536 --letter g").nExitCode, 0);
    for (const RecordShape& shape : kRecordShapes) {
        const Bytes bytes = ReadBytes(SetFilePath(Path("a"), shape.file, 'g'));
        ASSERT_EQ(bytes.size(), 65536 * shape.size);
        EXPECT_EQ(bytes, ReadBytes(SetFilePath(Path("b"), shape.file, 'g')));
        for (std::size_t i = 0; i < 65536 && shape.file != Database::Object3D; i += 4097) {
            ASSERT_EQ(RecordField::Get<std::uint16_t>(bytes.data(), i * shape.size), i);
        }
    }
    CVentryDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(SetFilePath(Path("a"), Database::Object, 'g')));
    EXPECT_EQ(doc.m_mapObjectsByName.size(), 65536u);  // names are unique
    for (const auto& [index, entity] : doc.m_mapEntities) {
        ASSERT_TRUE(
            doc.m_mapObjectsByName.contains(RecordField::GetText(entity->m_data.data(), 36, 20)));
    }
}

}  // namespace
