#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "DocRecords.h"
#include "RecordField.h"
#include "ToolRun.h"

namespace {

namespace fs = std::filesystem;
using testing::HasSubstr;

TEST(VentryDbTest, HelpUsageErrorsAndFailuresHaveTheirExitStatus) {
    const ToolRun help = RunVentryDb({"--help"});
    EXPECT_EQ(help.nExitCode, 0);
    EXPECT_EQ(help.strErr, "");
    for (const char* command :
         {"demo", "generate", "copy", "check", "dump", "diff", "export", "import", "refs"}) {
        EXPECT_THAT(help.strOut, HasSubstr("\n  " + std::string(command) + " "));
    }
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{},
                                               {"frobnicate"},
                                               {"generate", "x", "65537"},
                                               {"generate", "x", "-1"},
                                               {"generate", "x", "5", "--letter", "q"},
                                               {"copy", "a"},
                                               {"demo", "a", "--bogus"},
                                               {"check"},
                                               {"dump", "a.eod", "objects"},
                                               {"dump", "a.eod", "--index", "3"},
                                               {"dump", "a.eod", "mast", "--index", "x"},
                                               {"refs", "a.eod", "mast", "-1"}}) {
        const ToolRun run = RunVentryDb(args);
        EXPECT_EQ(run.nExitCode, 2) << testing::PrintToString(args);
        EXPECT_THAT(run.strErr, HasSubstr("Usage: ventry-db"));
        EXPECT_EQ(run.strOut, "");
    }
    TempDir dir;
    const std::string missing = dir.File("nowhere/object.eod");
    const ToolRun failed = RunVentryDb({"copy", missing, dir.File("object.eod")});
    EXPECT_EQ(failed.nExitCode, 1);
    EXPECT_THAT(failed.strErr, HasSubstr(missing + ": No such file or directory"));
    EXPECT_TRUE(FileNamesIn(dir.Path()).empty());
}

TEST(VentryDbTest, CopyReproducesEveryFileUnderTheNewNamesAndWarnsAboutWhatItDrops) {
    TempDir dir;
    std::map<SetFile, Bytes> files;
    for (const RecordShape& shape : kRecordShapes) {
        files[shape.file] =
            Concat({MakeRecord(shape.file, 4, "four", 1), MakeRecord(shape.file, 9, "nine", 2)});
    }
    files[SetFile::ShipBasedAircraft] = {7, 8, 9};
    WriteSet(dir.Path() / "src", files);
    const ToolRun run = RunVentryDb({"copy", "src/object.eod", "dst/object.GOD"}, dir.Path());
    EXPECT_EQ(run.nExitCode, 1);  // dst does not exist: nothing is written
    EXPECT_FALSE(fs::exists(dir.Path() / "dst"));
    fs::create_directory(dir.Path() / "dst");
    ASSERT_EQ(RunVentryDb({"copy", "src/object.eod", "dst/object.GOD"}, dir.Path()).nExitCode, 0);
    EXPECT_EQ(ReadBytes(dir.Path() / "dst/object.GOD"), files[SetFile::Object]);
    for (const auto& [file, bytes] : files) {
        if (file != SetFile::Object) {
            EXPECT_EQ(ReadBytes(SetFilePath(dir.Path() / "dst", file, 'g')), bytes);
        }
    }
    EXPECT_EQ(FileNamesIn(dir.Path() / "dst").size(), 11u);

    const Bytes later = MakeRecord(SetFile::Sensor, 4, "later", 3);
    WriteBytes(SetFilePath(dir.Path() / "src", SetFile::Sensor),
               Concat({files[SetFile::Sensor], later}));
    fs::remove(SetFilePath(dir.Path() / "src", SetFile::Mast));
    fs::create_directory(SetFilePath(dir.Path() / "src", SetFile::Mast));
    const ToolRun warned = RunVentryDb(
        {"copy", SetFilePath(dir.Path() / "src", SetFile::Object), dir.File("dst/object.eod")});
    EXPECT_EQ(warned.nExitCode, 0);
    EXPECT_THAT(warned.strErr, HasSubstr("ventry-db: warning: " +
                                         SetFilePath(dir.Path() / "src", SetFile::Sensor)));
    EXPECT_THAT(warned.strErr,
                HasSubstr("ventry-db: warning: " + SetFilePath(dir.Path() / "src", SetFile::Mast)));
    EXPECT_EQ(ReadBytes(SetFilePath(dir.Path() / "dst", SetFile::Sensor)),
              Concat({later, MakeRecord(SetFile::Sensor, 9, "nine", 2)}));
    EXPECT_TRUE(ReadBytes(SetFilePath(dir.Path() / "dst", SetFile::Mast)).empty());

    for (const char* name : {"sensor.esd", "object.eod.bak", "object"}) {
        const ToolRun refused =
            RunVentryDb({"copy", "src/object.eod", "out/" + std::string(name)}, dir.Path());
        EXPECT_EQ(refused.nExitCode, 1) << name;
        EXPECT_THAT(refused.strErr, HasSubstr(name));
    }
    EXPECT_FALSE(fs::exists(dir.Path() / "out"));
}

TEST(VentryDbTest, GenerateFillsEveryIndexDeterministically) {
    TempDir dir;
    ASSERT_EQ(RunVentryDb({"generate", dir.File("a"), "65536", "--letter", "g"}).nExitCode, 0);
    ASSERT_EQ(RunVentryDb({"generate", dir.File("b"), "65536", "--letter", "g"}).nExitCode, 0);
    EXPECT_EQ(FileNamesIn(dir.Path() / "a").size(), 11u);
    for (const RecordShape& shape : kRecordShapes) {
        const Bytes bytes = ReadBytes(SetFilePath(dir.Path() / "a", shape.file, 'g'));
        ASSERT_EQ(bytes.size(), 65536 * shape.size);
        EXPECT_EQ(bytes, ReadBytes(SetFilePath(dir.Path() / "b", shape.file, 'g')));
        if (shape.file != SetFile::Object3D) {
            for (std::size_t i = 0; i < 65536; i += 4097) {
                ASSERT_EQ(RecordField::Get<std::uint16_t>(bytes.data(), i * shape.size), i);
            }
        }
    }
    CVentryDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(SetFilePath(dir.Path() / "a", SetFile::Object, 'g')));
    EXPECT_EQ(doc.m_mapObjectsByName.size(), 65536u);  // names are unique
    for (const auto& [index, entity] : doc.m_mapEntities) {
        ASSERT_TRUE(
            doc.m_mapObjectsByName.contains(RecordField::GetText(entity->m_data.data(), 36, 20)));
    }
}

// The demo set as a user gets it: nothing for the check to find, every database filled.
TEST(VentryDbTest, TheDemoSetIsCleanAndComplete) {
    TempDir dir;
    const ToolRun run = RunVentryDb({"demo", dir.File("demo")});
    ASSERT_EQ(run.nExitCode, 0);
    EXPECT_EQ(run.strErr, "");
    EXPECT_EQ(fs::file_size(dir.Path() / "demo/shipbasedaircraft.ehd"), 0u);
    const ToolRun check = RunVentryDb({"check", dir.File("demo/object.eod")});
    EXPECT_EQ(check.nExitCode, 0);
    EXPECT_EQ(check.strOut + check.strErr, "");
    for (const RecordShape& shape : kRecordShapes) {
        EXPECT_GT(fs::file_size(SetFilePath(dir.Path() / "demo", shape.file)), shape.size);
    }
    // Object 1, the submarine Narwhal: id 1001, Object Type 1, five sensors, one launcher and
    // sonar profile 1.
    const Bytes object = ReadBytes(dir.Path() / "demo/object.eod");
    EXPECT_EQ(Bytes(object.begin(), object.begin() + 32),
              Bytes({1, 0, 'N', 'a', 'r', 'w', 'h',  'a', 'l', 0, 0, 0, 0, 0, 0, 0,
                     0, 0, 0,   0,   0,   0,   0xE9, 3,   1,   0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Bytes(object.begin() + 300, object.begin() + 312),
              Bytes({13, 0, 2, 0, 3, 0, 4, 0, 17, 0, 0, 0}));
    EXPECT_EQ(RecordField::Get<std::uint32_t>(object.data(), 220), 1u);
    EXPECT_EQ(RecordField::Get<std::uint32_t>(object.data(), 330), 1u);
    // Launcher 1: six tubes, location (0, 30, -2), ammunition entities 1, 10 and 3.
    const Bytes launcher = ReadBytes(dir.Path() / "demo/launcher.eld");
    EXPECT_EQ(Bytes(launcher.begin(), launcher.begin() + 4), Bytes({1, 0, 6, 0}));
    EXPECT_EQ(Bytes(launcher.begin() + 24, launcher.begin() + 36),
              Bytes({0, 0, 0, 0, 0, 0, 0xF0, 0x41, 0, 0, 0, 0xC0}));
    EXPECT_EQ(Bytes(launcher.begin() + 72, launcher.begin() + 80),
              Bytes({1, 0, 10, 0, 3, 0, 0, 0}));
    EXPECT_EQ(RecordField::GetText(launcher.data(), 100, 20), "Vesper Torpedo");
}

}  // namespace
