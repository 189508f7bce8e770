#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "TestFiles.h"
#include "ToolRun.h"

namespace {

namespace fs = std::filesystem;
using testing::HasSubstr;
using testing::StartsWith;

Bytes Sensors(std::uint8_t class5, std::uint8_t class6) {
    return Concat({HandRecord(Database::Sensor, 5, "Radar", {{44, {class5}}}),
                   HandRecord(Database::Sensor, 6, "Sonar", {{44, {class6}}})});
}

// A repository of its own, with no configuration but its own.
class GitTest : public testing::Test {
protected:
    void SetUp() override {
        ::setenv("GIT_CONFIG_NOSYSTEM", "1", 1);
        ::setenv("GIT_CONFIG_GLOBAL", "/dev/null", 1);
        Git("init -q -b main .");
        Git("config user.name Tester");
        Git("config user.email tester@example.org");
    }
    // Runs git in the repository; returns its exit status and sets m_strOutput.
    int Git(const std::string& args) {
        const ToolRun run = RunProgram("git", args, m_dir.Path());
        m_strOutput = run.strOut + run.strErr;
        return run.nExitCode;
    }
    void Commit(const std::string& branch, const Bytes& sensors) {
        ASSERT_EQ(Git("checkout -q -b " + branch + " main"), 0) << m_strOutput;
        WriteBytes(SetFilePath(m_dir.Path(), Database::Sensor), sensors);
        ASSERT_EQ(Git("commit -q -am " + branch), 0) << m_strOutput;
    }
    Bytes SensorFile() const { return ReadBytes(SetFilePath(m_dir.Path(), Database::Sensor)); }

    TempDir m_dir;
    std::string m_strOutput;
};

TEST_F(GitTest, SetUpGitDiffsAndMergesDatabaseFilesFieldByField) {
    const fs::path attributes = m_dir.Path() / ".gitattributes";
    WriteBytes(attributes, {'*', '.', 't', 'x', 't', ' ', 't', 'e', 'x', 't'});
    ASSERT_EQ(RunVentryDb("git-setup " + m_dir.Path().string()).nExitCode, 0);
    const Bytes setUp = ReadBytes(attributes);
    const Bytes config = ReadBytes(m_dir.Path() / ".git/config");
    EXPECT_EQ(RunVentryDb("git-setup", m_dir.Path()).nExitCode, 0);
    EXPECT_EQ(ReadBytes(attributes), setUp);
    EXPECT_EQ(ReadBytes(m_dir.Path() / ".git/config"), config);
    const std::string text(setUp.begin(), setUp.end());
    EXPECT_THAT(text, StartsWith("*.txt text\nobject.eod -text diff=ventry merge=ventry\n"));
    EXPECT_THAT(text, HasSubstr("\n3dobject.f3d -text diff=ventry merge=ventry\n"));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 31);

    WriteSet(m_dir.Path(), {{Database::Sensor, Sensors(8, 1)}});
    ASSERT_EQ(Git("add ."), 0);
    ASSERT_EQ(Git("commit -q -m base"), 0);
    Commit("ours", Sensors(9, 1));
    ASSERT_EQ(Git("diff main"), 0);
    EXPECT_THAT(m_strOutput, HasSubstr("\n sensor.esd: 5: name: Radar\n-sensor.esd: 5: "
                                       "sensor_class: 8\n+sensor.esd: 5: sensor_class: 9\n"));
    Commit("theirs", Sensors(8, 2));
    EXPECT_EQ(Git("merge -q ours -m merged"), 0) << m_strOutput;
    EXPECT_EQ(SensorFile(), Sensors(9, 2));

    Commit("other", Sensors(7, 1));
    EXPECT_NE(Git("merge -q ours -m merged"), 0);
    EXPECT_THAT(m_strOutput, HasSubstr("sensor.esd: 5: sensor_class: base 8, ours 7, theirs 9\n"));
    EXPECT_EQ(SensorFile(), Sensors(7, 1));
}

}  // namespace
