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

Bytes Sensor(std::uint16_t index, const std::string& name, std::uint8_t sensorClass) {
    return HandRecord(Database::Sensor, index, name, {{44, {sensorClass}}});
}
// Object 1 with sensors in its first slots (offset 300).
Bytes Object(const Bytes& sensorSlots) {
    return HandRecord(Database::Object, 1, "Frigate", {{300, sensorSlots}});
}

// Sensor 5 has class 8 in "base", 9 in "ours" and 7 in "theirs"; ours gives object 1 sensor 9,
// which theirs removed: each side checks clean, the merged set does not.
class MergeTest : public testing::Test {
protected:
    void SetUp() override {
        WriteSet(Path("base"),
                 {{Database::Object, Object({5, 0})},
                  {Database::Sensor, Concat({Sensor(5, "Radar", 8), Sensor(9, "Sonar", 1)})}});
        WriteSet(Path("ours"),
                 {{Database::Object, Object({5, 0, 9, 0})},
                  {Database::Sensor, Concat({Sensor(5, "Radar", 9), Sensor(9, "Sonar", 1)})}});
        WriteSet(Path("theirs"),
                 {{Database::Object, Object({5, 0})}, {Database::Sensor, Sensor(5, "Radar", 7)}});
    }
    fs::path Path(const std::string& name) const { return m_dir.Path() / name; }
    Bytes OnDisk(const std::string& directory, Database database) const {
        return ReadBytes(SetFilePath(Path(directory), database));
    }

    TempDir m_dir;
};

TEST_F(MergeTest, ConflictsStopTheMergeUnlessASideIsPreferred) {
    const std::string sets = "base/object.eod ours/object.eod theirs/object.eod ";
    const std::string line = "sensor.esd: 5: sensor_class: base 8, ours 9, theirs 7\n";
    const std::string newFinding =
        "ventry-db: warning: object.eod: 1: sensor_slots_2: sensor 9 does not exist\n";
    struct Run {
        ExpectedRun run;
        Bytes sensors;  // of the set "out" after the run; none: there is no such set
    };
    const Run runs[] = {
        {{"merge " + sets + "out/object.eod", 1, Eq(line),
          HasSubstr("/out/object.eod: nothing written: the sides conflict;")},
         {}},
        {{"merge " + sets + "out/object.eod --json", 1,
          Eq("{\"file\":\"sensor.esd\",\"database\":\"sensor\",\"index\":5,\"field\":\"sensor_"
             "class\",\"base\":\"8\",\"ours\":\"9\",\"theirs\":\"7\"}\n"),
          HasSubstr("nothing written")},
         {}},
        {{"merge " + sets + "out/object.eod --prefer ours", 0, Eq(line),
          Eq("ventry-db: warning: the conflicts listed take the values of ours\n" + newFinding)},
         Sensor(5, "Radar", 9)},
        {{"merge " + sets + "out/object.eod --prefer theirs", 0, Eq(line),
          AllOf(HasSubstr("of theirs\n"), HasSubstr(newFinding))},
         Sensor(5, "Radar", 7)},
        {{"merge base/object.eod none/object.eod theirs/object.eod out/object.eod", 3, IsEmpty(),
          HasSubstr("/none/object.eod: No such file or directory")},
         Sensor(5, "Radar", 7)},
        {{"merge " + sets + "out/object.eod --prefer mine", 2, IsEmpty(), HasSubstr("Usage")},
         Sensor(5, "Radar", 7)},
        {{"merge-file a b c data/sensors.bin", 1, IsEmpty(),
          HasSubstr("data/sensors.bin: not the file of a database")},
         Sensor(5, "Radar", 7)},
    };
    for (const Run& run : runs) {
        SCOPED_TRACE(run.run.line);
        ExpectRuns({&run.run, 1}, m_dir.Path());
        if (run.sensors.empty()) {
            EXPECT_FALSE(fs::exists(Path("out")));
            continue;
        }
        EXPECT_EQ(OnDisk("out", Database::Sensor), run.sensors);
        EXPECT_EQ(OnDisk("out", Database::Object), Object({5, 0, 9, 0}));
        EXPECT_TRUE(fs::exists(AircraftFilePath(Path("out"))));
    }
    // A clean merge into ours itself: theirs' sensor 9 removal and nothing else.
    WriteSet(Path("theirs"),
             {{Database::Object, Object({5, 0})}, {Database::Sensor, Sensor(5, "Radar", 8)}});
    const std::string inPlace =
        "merge base/object.eod ours/object.eod theirs/object.eod "
        "ours/object.eod";
    const ExpectedRun clean[] = {{inPlace, 0, IsEmpty(), Eq(newFinding)}};
    ExpectRuns(clean, m_dir.Path());
    EXPECT_EQ(OnDisk("ours", Database::Sensor), Sensor(5, "Radar", 9));
    // A file that cannot be read would count as emptied: its records would go.
    fs::remove(SetFilePath(Path("theirs"), Database::Sensor));
    fs::create_directory(SetFilePath(Path("theirs"), Database::Sensor));
    const ExpectedRun unreadable[] = {
        {inPlace, 3, IsEmpty(),
         HasSubstr("/theirs/sensor.esd: Is a directory; sets are merged only when every file "
                   "could be read\n")}};
    ExpectRuns(unreadable, m_dir.Path());
    EXPECT_EQ(OnDisk("ours", Database::Sensor), Sensor(5, "Radar", 9));
}

}  // namespace
