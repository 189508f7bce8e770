#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <nlohmann/json.hpp>

#include "RecordField.h"
#include "TestFiles.h"
#include "ToolRun.h"

namespace {

namespace fs = std::filesystem;
using testing::ElementsAre;
using testing::HasSubstr;
using Json = nlohmann::json;

// A zero-filled record with its index and name, and little-endian values at hand-written
// offsets.
Bytes Record(SetFile file, std::uint16_t index, const std::string& name,
             std::vector<std::pair<std::size_t, Bytes>> values = {}) {
    Bytes record(ShapeOf(file).size, 0);
    RecordField::Set(record.data(), 0, index);
    RecordField::SetText(record.data(), ShapeOf(file).nameOffset, ShapeOf(file).nameWidth, name);
    for (const auto& [offset, bytes] : values) {
        std::copy(bytes.begin(), bytes.end(), record.begin() + static_cast<long>(offset));
    }
    return record;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; start < text.size(); start = end + 1) {
        end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

// Object 1 carries sensor 5 and the missing sensor 77; sensor 6 has class 0; launcher 3 finds
// its object by name, entity 10 names no object.
class SetCommandsTest : public testing::Test {
protected:
    void SetUp() override {
        m_strSet = WriteSet(
            m_dir.Path() / "set",
            {{SetFile::Object, Record(SetFile::Object, 1, "Frigate", {{300, {5, 0, 77, 0}}})},
             {SetFile::Sensor, Concat({Record(SetFile::Sensor, 5, "Radar", {{44, {8}}}),
                                       Record(SetFile::Sensor, 6, "Nothing")})},
             {SetFile::Launcher, Record(SetFile::Launcher, 3, "Frigate")},
             {SetFile::Entity, Record(SetFile::Entity, 10, "Ghost", {{36, {'G', 'o', 0}}})},
             {SetFile::Mast, Record(SetFile::Mast, 7, "Kl\xE9",
                                    {{22, {0xFE, 0xFF}},
                                     {80, {0x34, 0x12, 0xC0, 0x7F}},
                                     {84, {0, 0, 0, 0x80}},
                                     {92, {0x00, 0x80}}})}});
    }

    TempDir m_dir;
    std::string m_strSet;
};

TEST_F(SetCommandsTest, CheckReportsFindingsAndTheirExitStatus) {
    const ToolRun text = RunVentryDb({"check", m_strSet});
    EXPECT_EQ(text.nExitCode, 1);
    EXPECT_THAT(Lines(text.strOut),
                ElementsAre("object.eod: 1: sensor_slots_2: sensor 77 does not exist",
                            "sensor.esd: 6: sensor_class: sensor class 0 is outside 1 to 11: the "
                            "class filter never lists this sensor",
                            "entity.epd: 10: type_name: no object is named \"Go\"; the type "
                            "filter files this record as Sub"));
    const ToolRun json = RunVentryDb({"check", m_strSet, "--json"});
    EXPECT_EQ(json.nExitCode, 1);
    const std::vector<std::string> lines = Lines(json.strOut);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(Json::parse(lines[1]), Json({{"file", "sensor.esd"},
                                           {"database", "sensor"},
                                           {"index", 6},
                                           {"field", "sensor_class"},
                                           {"code", "never-listed"},
                                           {"message", Lines(text.strOut)[1].substr(29)}}));

    const std::string missing = m_dir.File("none/object.eod");
    const std::string sensor = SetFilePath(m_dir.Path() / "set", SetFile::Sensor);
    for (const auto& [path, message] :
         {std::pair{missing, missing + ": No such file or directory"},
          std::pair{sensor, sensor + ": not an object file name (.eod, .god or .fod)"}}) {
        const ToolRun unreadable = RunVentryDb({"check", path});
        EXPECT_EQ(unreadable.nExitCode, 3);
        EXPECT_THAT(unreadable.strErr, HasSubstr(message + "\n"));
    }
}

TEST_F(SetCommandsTest, DumpShowsHandWrittenBytes) {
    const ToolRun run = RunVentryDb({"dump", m_strSet, "mast", "--index", "7"});
    EXPECT_EQ(run.nExitCode, 0);
    const std::vector<std::string> lines = Lines(run.strOut);
    ASSERT_EQ(lines.size(), 25u);  // every column but the two empty tails
    EXPECT_EQ(lines[1], "mast.emd: 7: name: Kl\xC3\xA9");
    EXPECT_EQ(lines[2], "mast.emd: 7: data01: -2");
    EXPECT_EQ(lines[20], "mast.emd: 7: center_x: 0x7FC01234");
    EXPECT_EQ(lines[21], "mast.emd: 7: center_y: -0");
    EXPECT_EQ(lines[23], "mast.emd: 7: length: -32768");
    const Json json = Json::parse(RunVentryDb({"dump", m_strSet, "mast", "--json"}).strOut);
    EXPECT_EQ(json["index"], 7);
    EXPECT_EQ(json["fields"]["center_x"], "0x7FC01234");
    EXPECT_EQ(json["fields"]["name_tail"], "");
    EXPECT_EQ(RunVentryDb({"dump", m_strSet, "mast", "--index", "8"}).nExitCode, 1);
}

TEST_F(SetCommandsTest, DiffNamesExactlyWhatChanged) {
    const std::string changed =
        WriteSet(m_dir.Path() / "changed",
                 {{SetFile::Object, Record(SetFile::Object, 1, "Frigate", {{300, {5, 0, 77, 0}}})},
                  {SetFile::Sensor, Concat({Record(SetFile::Sensor, 5, "Radar II", {{44, {9}}}),
                                            Record(SetFile::Sensor, 8, "New")})},
                  {SetFile::Launcher, Record(SetFile::Launcher, 3, "Frigate")},
                  {SetFile::Entity, Record(SetFile::Entity, 10, "Ghost", {{36, {'G', 'o', 0}}})},
                  {SetFile::Mast, ReadBytes(SetFilePath(m_dir.Path() / "set", SetFile::Mast))}});
    const ToolRun run = RunVentryDb({"diff", m_strSet, changed});
    EXPECT_EQ(run.nExitCode, 1);
    EXPECT_THAT(Lines(run.strOut), ElementsAre("sensor.esd: 5: name: Radar -> Radar II",
                                               "sensor.esd: 5: sensor_class: 8 -> 9",
                                               "sensor.esd: 6: removed", "sensor.esd: 8: added"));
    EXPECT_EQ(Json::parse(Lines(RunVentryDb({"diff", m_strSet, changed, "--json"}).strOut)[1]),
              Json({{"file", "sensor.esd"},
                    {"database", "sensor"},
                    {"index", 5},
                    {"change", "changed"},
                    {"field", "sensor_class"},
                    {"old", "8"},
                    {"new", "9"}}));
    const ToolRun same = RunVentryDb({"diff", m_strSet, m_strSet});
    EXPECT_EQ(same.nExitCode, 0);
    EXPECT_EQ(same.strOut, "identical: 6 records in 10 databases\n");
}

TEST_F(SetCommandsTest, RefsFollowsBothDirections) {
    EXPECT_EQ(RunVentryDb({"refs", m_strSet, "object", "1"}).strOut,
              "refers to:\n"
              "sensor: 5: Radar (sensor_slots_1)\n"
              "sensor: 77: - (sensor_slots_2)\n"
              "referred to by:\n"
              "launcher: 3: Frigate (name)\n");
    EXPECT_EQ(RunVentryDb({"refs", m_strSet, "entity", "10"}).strOut,
              "refers to:\nobject: -: Go (type_name)\nreferred to by:\n");
    EXPECT_EQ(Json::parse(RunVentryDb({"refs", m_strSet, "sensor", "5", "--json"}).strOut),
              Json({{"direction", "referred-to-by"},
                    {"database", "object"},
                    {"index", 1},
                    {"name", "Frigate"},
                    {"field", "sensor_slots_1"},
                    {"resolved", true}}));
}

// Every bad input is refused with its place, and the set that was there keeps its bytes.
TEST_F(SetCommandsTest, ImportRefusesBadCsvAndWritesNothing) {
    const fs::path csv = m_dir.Path() / "csv";
    ASSERT_EQ(RunVentryDb({"export", m_strSet, csv.string()}).nExitCode, 0);
    ASSERT_EQ(RunVentryDb({"import", csv.string(), m_strSet}).nExitCode, 0);
    // The import over the set kept the files it replaced in a backup folder beside them.
    const fs::path backups = m_dir.Path() / "set" / "ventry-backup";
    ASSERT_EQ(FileNamesIn(backups).size(), 1u);
    EXPECT_EQ(FileNamesIn(backups / FileNamesIn(backups)[0]).size(), 10u);
    std::map<std::string, Bytes> before;
    for (const std::string& name : FileNamesIn(m_dir.Path() / "set")) {
        if (!fs::is_directory(m_dir.Path() / "set" / name)) {
            before[name] = ReadBytes(m_dir.Path() / "set" / name);
        }
    }
    const auto replace = [](std::string from, std::string to) {
        return [=](std::string& text) { text.replace(text.find(from), from.size(), to); };
    };
    struct Case {
        const char* pszFile;
        std::function<void(std::string&)> edit;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"class.csv", {}, {"class.csv: No such file or directory"}},
        {"mast.csv",
         replace("data02", "datum02"),
         {"mast.csv:1:5: datum02: no such column", "mast.csv:1: data02: the column is missing"}},
        {"object.csv",
         replace("1,Frigate,,0,0,0,", "1,Frigate,,0,0,zero,"),
         {"object.csv:2:6: sim_type: needs an integer between -2147483648 and 2147483647."}},
        {"mast.csv",
         replace(",-2,", ",-32769,"),
         {"mast.csv:2:4: data01: needs an integer between -32768 and 32767."}},
        {"sensor.csv",
         replace("Radar", "Radar of twenty-one chars and more than forty-two"),
         {"sensor.csv:2:2: name: holds more than 42 characters."}},
        {"sensor.csv",
         replace("Radar", "R\xCE\xA9"),
         {"sensor.csv:2:2: name: holds characters that cannot be stored."}},
        {"sensor.csv",
         replace("\r\n6,", "\r\n5,"),
         {"sensor.csv:3:1: index: index 5 is already on line 2"}},
        {"sensor.csv",
         replace("\r\n6,", "\r\n6,,"),
         {"sensor.csv:3: the row has 38 cells, the header 37"}},
    };
    for (const Case& c : cases) {
        const fs::path path = csv / c.pszFile;
        const std::string original = [&] {
            std::ifstream in(path, std::ios::binary);
            return std::string(std::istreambuf_iterator<char>(in), {});
        }();
        std::string text = original;
        if (c.edit) {
            c.edit(text);
            std::ofstream(path, std::ios::binary) << text;
        } else {
            fs::remove(path);
        }
        const ToolRun run = RunVentryDb({"import", csv.string(), m_strSet});
        EXPECT_EQ(run.nExitCode, 1) << c.messages.front();
        for (const std::string& message : c.messages) {
            EXPECT_THAT(run.strErr, HasSubstr("ventry-db: " + (csv / message).string() + "\n"));
        }
        EXPECT_THAT(run.strErr, HasSubstr(m_strSet + ": nothing written"));
        for (const auto& [name, bytes] : before) {
            EXPECT_EQ(ReadBytes(m_dir.Path() / "set" / name), bytes) << name;
        }
        std::ofstream(path, std::ios::binary) << original;
    }
}

}  // namespace
