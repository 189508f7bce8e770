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
    for (const char* command : {"demo DIR", "generate DIR N", "copy SRC DST"}) {
        EXPECT_THAT(help.strOut, HasSubstr(command));
    }
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{},
                                               {"frobnicate"},
                                               {"generate", "x", "65537"},
                                               {"generate", "x", "-1"},
                                               {"generate", "x", "5", "--letter", "q"},
                                               {"copy", "a"},
                                               {"demo", "a", "--bogus"}}) {
        const ToolRun run = RunVentryDb(args);
        EXPECT_EQ(run.nExitCode, 2) << testing::PrintToString(args);
        EXPECT_THAT(run.strErr, HasSubstr("usage: ventry-db"));
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

// The demo set: every database filled, every reference resolved.
TEST(VentryDbTest, TheDemoSetLoadsCleanlyAndEveryReferenceResolves) {
    TempDir dir;
    const ToolRun run = RunVentryDb({"demo", dir.File("demo")});
    ASSERT_EQ(run.nExitCode, 0);
    EXPECT_EQ(run.strErr, "");
    EXPECT_EQ(fs::file_size(dir.Path() / "demo/shipbasedaircraft.ehd"), 0u);
    CVentryDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(dir.File("demo/object.eod")));
    EXPECT_TRUE(doc.FilesWithDuplicateIndices().empty());
    for (const RecordShape& shape : kRecordShapes) {
        EXPECT_GT(RecordCount(doc, shape.file), 0u);
    }
    const auto resolves = [&](SetFile file, std::int16_t index) {
        return index == 0 || FindRecord(doc, file, static_cast<std::uint16_t>(index)) != nullptr;
    };
    for (const auto& [index, object] : doc.m_mapObjects) {
        const std::uint8_t* data = object->m_data.data();
        for (std::size_t slot = 0; slot < 30; ++slot) {
            EXPECT_TRUE(
                resolves(SetFile::Launcher, RecordField::Get<std::int16_t>(data, 220 + 2 * slot)));
        }
        for (std::size_t slot = 0; slot < 10; ++slot) {
            EXPECT_TRUE(
                resolves(SetFile::Airstrip, RecordField::Get<std::int16_t>(data, 280 + 2 * slot)));
        }
        for (std::size_t slot = 0; slot < 9; ++slot) {
            EXPECT_TRUE(
                resolves(SetFile::Sensor, RecordField::Get<std::int16_t>(data, 300 + 2 * slot)));
        }
        EXPECT_TRUE(resolves(SetFile::Profile, RecordField::Get<std::int16_t>(data, 330)));
    }
    for (const auto& [index, launcher] : doc.m_mapLaunchers) {
        for (std::size_t ammo = 0; ammo < 4; ++ammo) {
            const auto entity =
                RecordField::Get<std::int16_t>(launcher->m_data.data(), 72 + 2 * ammo);
            EXPECT_TRUE(entity == 0 ||
                        doc.m_mapWeaponEntities.contains(static_cast<std::uint16_t>(entity)));
        }
        EXPECT_TRUE(doc.m_mapObjectsByName.contains(launcher->GetName()));
    }
    for (const auto& [index, entity] : doc.m_mapEntities) {
        EXPECT_TRUE(
            doc.m_mapObjectsByName.contains(RecordField::GetText(entity->m_data.data(), 36, 20)));
    }
    std::set<std::int32_t> simTypes;
    for (const auto& [index, object] : doc.m_mapObjects) {
        simTypes.insert(RecordField::Get<std::int32_t>(object->m_data.data(), 28));
    }
    EXPECT_EQ(simTypes.size(), 13u);
}

}  // namespace
