#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "RecordField.h"
#include "ToolServices.h"
#include "ToolTestSupport.h"
#include "VentryDoc.h"

namespace {

namespace fs = std::filesystem;
using SetFileNames::SetFile;

std::uint16_t IndexAt(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

class GenerateTest : public ::testing::TestWithParam<std::tuple<std::size_t, char>> {};

TEST_P(GenerateTest, WritesExactlyNRecordsPerFileUnderTheLetter) {
    const auto [count, letter] = GetParam();
    CTempDir dir;
    const CToolRun run =
        RunVentryDb({"generate", dir / "set", std::to_string(count), "--letter", {letter}});
    ASSERT_EQ(run.m_nExitCode, 0) << run.m_strErr;
    EXPECT_EQ(run.m_strErr, "");

    const fs::path set = dir.Path() / "set";
    EXPECT_EQ(FileNamesIn(set).size(), 11u);
    EXPECT_EQ(fs::file_size(SetFilePath(set, SetFile::ShipBasedAircraft, letter)), 0u);
    for (const CRecordFileKind& kind : kRecordFiles) {
        const std::string path = SetFilePath(set, kind.m_file, letter);
        ASSERT_TRUE(fs::exists(path)) << path;
        const std::vector<std::uint8_t> bytes = ReadBytes(path);
        ASSERT_EQ(bytes.size(), count * kind.m_nRecordSize) << path;
        if (kind.m_file == SetFile::Object3D) {
            continue;  // no index field: the key is the position
        }
        for (std::size_t i = 0; i < count; ++i) {
            ASSERT_EQ(IndexAt(bytes, i * kind.m_nRecordSize), i) << path;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(CountsAndLetters, GenerateTest,
                         ::testing::Values(std::make_tuple(0, 'e'), std::make_tuple(1, 'g'),
                                           std::make_tuple(257, 'f'), std::make_tuple(300, 'e')));

template <class T>
std::set<std::string> NamesOf(const CIndexMap<T>& map) {
    std::set<std::string> names;
    for (const auto& entry : map) {
        names.insert(entry.second->GetName());
    }
    return names;
}

TEST(GenerateSetTest, LoadsWithUniqueNamesAndResolvingTypeNames) {
    CTempDir dir;
    ASSERT_EQ(RunVentryDb({"generate", dir / "set", "500"}).m_nExitCode, 0);
    CToolServices services;
    CServicesScope scope(services);
    CVentryDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(dir / "set/object.eod"));
    EXPECT_TRUE(doc.FilesWithDuplicateIndices().empty());
    EXPECT_EQ(NamesOf(doc.m_mapObjects).size(), 500u);
    EXPECT_EQ(NamesOf(doc.m_mapSensors).size(), 500u);
    EXPECT_EQ(NamesOf(doc.m_mapLaunchers).size(), 500u);
    EXPECT_EQ(NamesOf(doc.m_mapAirstrips).size(), 500u);
    EXPECT_EQ(NamesOf(doc.m_mapEntities).size(), 500u);
    EXPECT_EQ(NamesOf(doc.m_mapProfiles).size(), 500u);
    EXPECT_EQ(NamesOf(doc.m_mapMasts).size(), 500u);
    EXPECT_EQ(NamesOf(doc.m_map3DObjects).size(), 500u);
    EXPECT_EQ(NamesOf(doc.m_mapShipClasses).size(), 500u);
    EXPECT_EQ(NamesOf(doc.m_mapCountryNames).size(), 500u);
    EXPECT_EQ(
        doc.m_mapObjects.at(42)->GetName().substr(doc.m_mapObjects.at(42)->GetName().rfind('-')),
        "-00042");
    for (const auto& [key, entity] : doc.m_mapEntities) {
        const std::string typeName = RecordField::GetText(entity->m_data.data(), 36, 20);
        EXPECT_EQ(typeName, doc.m_mapObjects.at(key)->GetName());
    }
    // About 40 % of the demo's objects are weapons.
    EXPECT_GT(doc.m_mapWeaponEntities.size(), 100u);
    EXPECT_LT(doc.m_mapWeaponEntities.size(), 400u);
}

TEST(GenerateSetTest, IsDeterministic) {
    CTempDir dir;
    ASSERT_EQ(RunVentryDb({"generate", dir / "a", "64"}).m_nExitCode, 0);
    ASSERT_EQ(RunVentryDb({"generate", dir / "b", "64"}).m_nExitCode, 0);
    for (const CRecordFileKind& kind : kRecordFiles) {
        EXPECT_EQ(ReadBytes(SetFilePath(dir.Path() / "a", kind.m_file, 'e')),
                  ReadBytes(SetFilePath(dir.Path() / "b", kind.m_file, 'e')));
    }
}

TEST(GenerateSetTest, MaximalSetUsesEveryIndex) {
    CTempDir dir;
    ASSERT_EQ(RunVentryDb({"generate", dir / "set", "65536"}).m_nExitCode, 0);
    const std::vector<std::uint8_t> masts = ReadBytes(dir / "set/mast.emd");
    ASSERT_EQ(masts.size(), 65536u * 96);
    EXPECT_EQ(IndexAt(masts, 0), 0);
    EXPECT_EQ(IndexAt(masts, 65535u * 96), 65535);
    EXPECT_EQ(fs::file_size(dir / "set/3dobject.e3d"), 65536u * 956);
}

TEST(GenerateSetTest, RefusesBadCountsAndLettersWithoutWriting) {
    CTempDir dir;
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"generate", dir / "set", "65537"},
             {"generate", dir / "set", "-1"},
             {"generate", dir / "set", "12x"},
             {"generate", dir / "set", ""},
             {"generate", dir / "set", "5", "--letter", "x"},
             {"generate", dir / "set", "5", "--letter", "eg"},
             {"generate", dir / "set", "5", "--letter"},
             {"generate", dir / "set"},
         }) {
        const CToolRun run = RunVentryDb(args);
        EXPECT_EQ(run.m_nExitCode, 2) << args.back();
        EXPECT_NE(run.m_strErr.find("usage: ventry-db"), std::string::npos);
    }
    EXPECT_FALSE(fs::exists(dir / "set"));
}

TEST(GenerateSetTest, FailsNamingTheDirectoryThatCannotBeMade) {
    CTempDir dir;
    WriteBytes(dir / "file", {1});
    const CToolRun run = RunVentryDb({"generate", dir / "file/set", "3"});
    EXPECT_EQ(run.m_nExitCode, 1);
    EXPECT_NE(run.m_strErr.find("ventry-db: " + (dir / "file/set")), std::string::npos)
        << run.m_strErr;
}

}  // namespace
