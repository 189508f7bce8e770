#include <gtest/gtest.h>

#include "ToolTestSupport.h"

namespace {

namespace fs = std::filesystem;
using SetFileNames::SetFile;

class CopyTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(RunVentryDb({"demo", m_dir / "src"}).m_nExitCode, 0);
        fs::create_directory(m_dir.Path() / "dst");
    }

    fs::path Source() const { return m_dir.Path() / "src"; }
    fs::path Destination() const { return m_dir.Path() / "dst"; }

    void ExpectSameSet(const fs::path& from, char fromLetter, const fs::path& to, char toLetter) {
        for (const CRecordFileKind& kind : kRecordFiles) {
            const std::string copied = SetFilePath(to, kind.m_file, toLetter);
            ASSERT_TRUE(fs::exists(copied)) << copied;
            EXPECT_EQ(ReadBytes(SetFilePath(from, kind.m_file, fromLetter)), ReadBytes(copied))
                << copied;
        }
    }

    CTempDir m_dir;
};

TEST_F(CopyTest, ReproducesEveryFileByteForByte) {
    WriteBytes(Source() / "shipbasedaircraft.ehd", {7, 8, 9});
    const CToolRun run =
        RunVentryDb({"copy", Source() / "object.eod", Destination() / "object.eod"});
    ASSERT_EQ(run.m_nExitCode, 0) << run.m_strErr;
    EXPECT_EQ(run.m_strErr, "");
    ExpectSameSet(Source(), 'e', Destination(), 'e');
    EXPECT_EQ(ReadBytes(Destination() / "shipbasedaircraft.ehd"),
              (std::vector<std::uint8_t>{7, 8, 9}));
    EXPECT_EQ(FileNamesIn(Destination()), FileNamesIn(Source()));
}

TEST_F(CopyTest, ChangesTheLanguageLetterOfEveryName) {
    const CToolRun run =
        RunVentryDb({"copy", Source() / "object.eod", Destination() / "object.god"});
    ASSERT_EQ(run.m_nExitCode, 0) << run.m_strErr;
    ExpectSameSet(Source(), 'e', Destination(), 'g');
    for (const std::string& name : FileNamesIn(Destination())) {
        EXPECT_EQ(name[name.find('.') + 1], 'g') << name;
    }
    EXPECT_EQ(FileNamesIn(Destination()).size(), 11u);
}

TEST_F(CopyTest, ReproducesAGeneratedSet) {
    ASSERT_EQ(RunVentryDb({"generate", m_dir / "gen", "1000", "--letter", "f"}).m_nExitCode, 0);
    const CToolRun run =
        RunVentryDb({"copy", m_dir / "gen/object.fod", Destination() / "object.fod"});
    ASSERT_EQ(run.m_nExitCode, 0) << run.m_strErr;
    ExpectSameSet(m_dir.Path() / "gen", 'f', Destination(), 'f');
}

// The object file keeps the name it was given; the others take the lower-case letter.
TEST_F(CopyTest, KeepsAnUpperCaseObjectFileName) {
    const CToolRun run =
        RunVentryDb({"copy", Source() / "object.eod", Destination() / "object.GOD"});
    ASSERT_EQ(run.m_nExitCode, 0) << run.m_strErr;
    EXPECT_EQ(ReadBytes(Destination() / "object.GOD"), ReadBytes(Source() / "object.eod"));
    EXPECT_FALSE(fs::exists(Destination() / "object.god"));
    EXPECT_EQ(ReadBytes(Destination() / "sensor.gsd"), ReadBytes(Source() / "sensor.esd"));
}

TEST_F(CopyTest, TakesPathsRelativeToTheWorkingDirectory) {
    const CToolRun run = RunVentryDb({"copy", "src/object.eod", "dst/object.eod"}, m_dir.Path());
    ASSERT_EQ(run.m_nExitCode, 0) << run.m_strErr;
    ExpectSameSet(Source(), 'e', Destination(), 'e');
}

TEST_F(CopyTest, RefusesADestinationThatIsNoObjectFileAndWritesNothing) {
    for (const std::string name : {"sensor.esd", "object.eod.bak", "object", "object.ead"}) {
        const std::string destination = Destination() / name;
        const CToolRun run = RunVentryDb({"copy", Source() / "object.eod", destination});
        EXPECT_NE(run.m_nExitCode, 0) << name;
        EXPECT_NE(run.m_strErr.find("ventry-db: " + destination), std::string::npos)
            << run.m_strErr;
        EXPECT_TRUE(FileNamesIn(Destination()).empty()) << name;
    }
}

TEST_F(CopyTest, RefusesASourceThatIsNoObjectFile) {
    const CToolRun run =
        RunVentryDb({"copy", Source() / "sensor.esd", Destination() / "object.eod"});
    EXPECT_EQ(run.m_nExitCode, 1);
    EXPECT_NE(run.m_strErr.find((Source() / "sensor.esd").string()), std::string::npos);
    EXPECT_TRUE(FileNamesIn(Destination()).empty());
}

TEST_F(CopyTest, FailsOnAMissingSourceNamingIt) {
    const std::string missing = m_dir / "nowhere/object.eod";
    const CToolRun run = RunVentryDb({"copy", missing, Destination() / "object.eod"});
    EXPECT_EQ(run.m_nExitCode, 1);
    EXPECT_NE(run.m_strErr.find(missing + ": No such file or directory"), std::string::npos)
        << run.m_strErr;
    EXPECT_TRUE(FileNamesIn(Destination()).empty());
}

TEST_F(CopyTest, FailsIntoAMissingDirectoryLeavingNothingBehind) {
    const std::string target = m_dir / "missing/object.eod";
    const CToolRun run = RunVentryDb({"copy", Source() / "object.eod", target});
    EXPECT_EQ(run.m_nExitCode, 1);
    EXPECT_NE(run.m_strErr.find(target), std::string::npos) << run.m_strErr;
    EXPECT_FALSE(fs::exists(m_dir / "missing"));
}

TEST_F(CopyTest, WarnsAboutDuplicateIndicesAndKeepsTheLastRecord) {
    const std::string sensors = Source() / "sensor.esd";
    std::vector<std::uint8_t> bytes = ReadBytes(sensors);
    // A second record with index 1, different from the first one.
    std::vector<std::uint8_t> duplicate(bytes.begin() + 180, bytes.begin() + 360);
    duplicate[0] = 1;
    duplicate[1] = 0;
    bytes.insert(bytes.end(), duplicate.begin(), duplicate.end());
    WriteBytes(sensors, bytes);

    const CToolRun run =
        RunVentryDb({"copy", Source() / "object.eod", Destination() / "object.eod"});
    EXPECT_EQ(run.m_nExitCode, 0);
    EXPECT_NE(run.m_strErr.find("ventry-db: warning: " + sensors), std::string::npos)
        << run.m_strErr;
    const std::vector<std::uint8_t> copied = ReadBytes(Destination() / "sensor.esd");
    ASSERT_EQ(copied.size(), bytes.size() - 180);
    EXPECT_TRUE(std::equal(duplicate.begin(), duplicate.end(), copied.begin()));
    EXPECT_TRUE(std::equal(bytes.begin() + 180, bytes.end() - 180, copied.begin() + 180));
}

TEST_F(CopyTest, WarnsAboutAnUnreadableDatabaseAndCopiesItEmpty) {
    fs::remove(Source() / "mast.emd");
    fs::create_directory(Source() / "mast.emd");
    const CToolRun run =
        RunVentryDb({"copy", Source() / "object.eod", Destination() / "object.eod"});
    EXPECT_EQ(run.m_nExitCode, 0);
    EXPECT_NE(run.m_strErr.find("ventry-db: warning: " + (Source() / "mast.emd").string()),
              std::string::npos)
        << run.m_strErr;
    EXPECT_EQ(fs::file_size(Destination() / "mast.emd"), 0u);
}

}  // namespace
