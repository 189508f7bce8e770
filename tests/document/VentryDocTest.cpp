#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>

#include "../support/CapturedMessages.h"
#include "../support/TestFiles.h"
#include "SetFileNames.h"
#include "VentryDoc.h"

namespace {

using SetFileNames::SetFile;
namespace fs = std::filesystem;

struct Layout {
    SetFile file;
    std::size_t size;
    std::size_t nameOffset;
    std::size_t nameWidth;
};

constexpr Layout kLayouts[] = {
    {SetFile::Object, 344, 2, 20},     {SetFile::Sensor, 180, 2, 42},
    {SetFile::Launcher, 120, 100, 20}, {SetFile::Airstrip, 96, 76, 20},
    {SetFile::Entity, 58, 4, 20},      {SetFile::Profile, 44, 2, 20},
    {SetFile::Mast, 96, 2, 20},        {SetFile::Object3D, 956, 0, 20},
    {SetFile::ShipClass, 68, 10, 40},  {SetFile::CountryName, 56, 2, 40},
};

Bytes Record(const Layout& layout, std::uint16_t index, const std::string& name,
             std::uint32_t seed) {
    return MakeRecord(layout.size, index, layout.nameOffset, layout.nameWidth, name, seed);
}

Bytes Record(SetFile file, std::uint16_t index, const std::string& name, std::uint32_t seed = 7) {
    for (const Layout& layout : kLayouts) {
        if (layout.file == file) {
            return Record(layout, index, name, seed);
        }
    }
    throw std::logic_error("no layout");
}

Bytes ObjectRecord(std::uint16_t index, const std::string& name, std::int32_t objectType) {
    Bytes record = Record(SetFile::Object, index, name, index);
    RecordField::Set<std::int32_t>(record.data(), ObjectField::kObjectType, objectType);
    return record;
}

Bytes EntityRecord(std::uint16_t index, const std::string& typeName) {
    Bytes record = Record(SetFile::Entity, index, "entity" + std::to_string(index), index);
    RecordField::SetText(record.data(), EntityField::kTypeName, EntityField::kTypeNameWidth,
                         typeName);
    return record;
}

class VentryDocTest : public ::testing::Test {
protected:
    std::string Name(SetFile file, const TempDir& dir, const char* languagePart = ".e") const {
        return SetFileNames::BuildName(dir.Path().string() + "/", file, languagePart);
    }
    void Write(SetFile file, const Bytes& bytes) { WriteBytes(Name(file, m_src), bytes); }
    // Every file of the set, even empty ones, so the set is complete.
    void WriteEmptySet() {
        for (std::size_t i = 0; i < SetFileNames::kSetFileCount; ++i) {
            Write(static_cast<SetFile>(i), {});
        }
    }
    bool Load() { return m_doc.OnOpenDocument(Name(SetFile::Object, m_src)); }
    bool SaveTo(const TempDir& dir, const char* languagePart = ".e") {
        return m_doc.OnSaveDocument(Name(SetFile::Object, dir, languagePart));
    }
    static std::vector<std::string> FilesIn(const TempDir& dir) {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir.Path())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    CapturedMessages m_messages;
    TempDir m_src;
    TempDir m_dst;
    CVentryDoc m_doc;
};

TEST_F(VentryDocTest, CopyReproducesEveryFileByteForByteUnderTheNewLetter) {
    std::map<SetFile, Bytes> written;
    std::uint32_t seed = 1;
    for (const Layout& layout : kLayouts) {
        std::vector<Bytes> records;
        for (std::uint16_t index : {0, 1, 2, 300, 65535}) {
            // 3D object records have no index field: their first bytes are just name.
            const std::uint16_t stored = layout.file == SetFile::Object3D ? 0 : index;
            records.push_back(Record(layout, stored, "rec" + std::to_string(index), ++seed));
            if (layout.file == SetFile::Object3D) {
                records.back() = PatternBytes(layout.size, seed);  // names without terminator
            }
        }
        written[layout.file] = Concat(records);
        Write(layout.file, written[layout.file]);
    }
    ASSERT_TRUE(Load());
    EXPECT_EQ(m_doc.m_mapObjects.size(), 5u);
    EXPECT_EQ(m_doc.m_map3DObjects.size(), 5u);
    ASSERT_TRUE(SaveTo(m_dst, ".g"));
    for (const Layout& layout : kLayouts) {
        EXPECT_EQ(ReadBytes(Name(layout.file, m_dst, ".g")), written[layout.file])
            << Name(layout.file, m_dst, ".g");
    }
    // Ten files, nothing else: no ship-based aircraft file and no temporaries.
    EXPECT_EQ(FilesIn(m_dst).size(), 10u);
    EXPECT_TRUE(m_messages.m_texts.empty());
}

TEST_F(VentryDocTest, RecordsAreWrittenInIndexOrderAndTrailingBytesAreDropped) {
    WriteEmptySet();
    const Bytes second = Record(SetFile::Sensor, 9, "second");
    const Bytes first = Record(SetFile::Sensor, 2, "first");
    Bytes file = Concat({second, first});
    file.push_back(0xAB);  // 361 bytes: two records and one stray byte
    Write(SetFile::Sensor, file);
    ASSERT_TRUE(Load());
    ASSERT_EQ(m_doc.m_mapSensors.size(), 2u);
    ASSERT_TRUE(SaveTo(m_dst));
    EXPECT_EQ(ReadBytes(Name(SetFile::Sensor, m_dst)), Concat({first, second}));
}

TEST_F(VentryDocTest, MissingFilesLoadEmptyAndSaveCreatesAllTenFiles) {
    Write(SetFile::Object, ObjectRecord(4, "Skua", 1));
    ASSERT_TRUE(Load());
    EXPECT_EQ(m_doc.m_mapObjects.size(), 1u);
    EXPECT_TRUE(m_doc.m_mapCountryNames.empty());
    EXPECT_TRUE(m_doc.UnreadableFiles().empty());
    ASSERT_TRUE(SaveTo(m_dst));
    EXPECT_EQ(FilesIn(m_dst),
              (std::vector<std::string>{"3dobject.e3d", "airstrip.ead", "class.ebd",
                                        "countryname.ecd", "entity.epd", "launcher.eld", "mast.emd",
                                        "object.eod", "profile.eqd", "sensor.esd"}));
    EXPECT_TRUE(ReadBytes(Name(SetFile::CountryName, m_dst)).empty());
}

TEST_F(VentryDocTest, DirectoriesFifosShortAndHugeFilesGiveEmptyDatabasesWithoutHanging) {
    WriteEmptySet();
    fs::remove(Name(SetFile::Sensor, m_src));
    fs::create_directory(Name(SetFile::Sensor, m_src));
    fs::remove(Name(SetFile::Launcher, m_src));
    ASSERT_EQ(::mkfifo(Name(SetFile::Launcher, m_src).c_str(), 0600), 0);
    Write(SetFile::Mast, Bytes(95, 1));  // shorter than one record
    fs::resize_file(Name(SetFile::Profile, m_src), std::uintmax_t{3} << 30);  // sparse, 3 GiB
    ASSERT_TRUE(Load());
    EXPECT_TRUE(m_doc.m_mapSensors.empty());
    EXPECT_TRUE(m_doc.m_mapLaunchers.empty());
    EXPECT_TRUE(m_doc.m_mapMasts.empty());
    EXPECT_TRUE(m_doc.m_mapProfiles.empty());
    EXPECT_EQ(m_doc.UnreadableFiles(),
              (std::vector<std::string>{Name(SetFile::Sensor, m_src) + ": Is a directory",
                                        Name(SetFile::Launcher, m_src) + ": Invalid argument",
                                        Name(SetFile::Profile, m_src) + ": File too large"}));
}

TEST_F(VentryDocTest, ObjectFileThatIsADirectoryFailsTheLoadWithItsPath) {
    fs::create_directory(Name(SetFile::Object, m_src));
    EXPECT_FALSE(Load());
    ASSERT_EQ(m_messages.m_texts.size(), 1u);
    EXPECT_NE(m_messages.m_texts[0].find(Name(SetFile::Object, m_src) + ": Is a directory"),
              std::string::npos);
}

TEST_F(VentryDocTest, DuplicateIndicesKeepTheLaterRecordAndAreReported) {
    WriteEmptySet();
    const Bytes earlier = ObjectRecord(5, "Earlier", 1);
    const Bytes later = ObjectRecord(5, "Later", 1);
    Write(SetFile::Object, Concat({earlier, later}));
    Write(SetFile::Sensor,
          Concat({Record(SetFile::Sensor, 5, "A"), Record(SetFile::Sensor, 5, "B")}));
    ASSERT_TRUE(Load());
    ASSERT_EQ(m_doc.m_mapObjects.size(), 1u);
    EXPECT_EQ(m_doc.m_mapObjects.at(5)->GetName(), "Later");
    // The earlier record is still reachable by name, as loading left it.
    ASSERT_EQ(m_doc.m_mapObjectsByName.count("Earlier"), 1u);
    EXPECT_EQ(Bytes(m_doc.m_mapObjectsByName["Earlier"]->m_data.begin(),
                    m_doc.m_mapObjectsByName["Earlier"]->m_data.end()),
              earlier);
    EXPECT_EQ(
        m_doc.FilesWithDuplicateIndices(),
        (std::vector<std::string>{Name(SetFile::Object, m_src), Name(SetFile::Sensor, m_src)}));
    ASSERT_TRUE(SaveTo(m_dst));
    EXPECT_EQ(ReadBytes(Name(SetFile::Object, m_dst)), later);
    EXPECT_EQ(ReadBytes(Name(SetFile::Sensor, m_dst)), Record(SetFile::Sensor, 5, "B"));
}

TEST_F(VentryDocTest, ThreeDObjectsAreKeyedByTheirPositionInTheFile) {
    WriteEmptySet();
    const Bytes a = PatternBytes(956, 1), b = PatternBytes(956, 2), c = PatternBytes(956, 3);
    Write(SetFile::Object3D, Concat({a, b, c}));
    ASSERT_TRUE(Load());
    ASSERT_EQ(m_doc.m_map3DObjects.size(), 3u);
    EXPECT_EQ(
        Bytes(m_doc.m_map3DObjects.at(0)->m_data.begin(), m_doc.m_map3DObjects.at(0)->m_data.end()),
        a);
    EXPECT_EQ(
        Bytes(m_doc.m_map3DObjects.at(2)->m_data.begin(), m_doc.m_map3DObjects.at(2)->m_data.end()),
        c);
    EXPECT_TRUE(m_doc.FilesWithDuplicateIndices().empty());
}

TEST_F(VentryDocTest, WeaponEntitiesAreThoseNamingObjectsOfType7To11) {
    WriteEmptySet();
    Write(SetFile::Object, Concat({ObjectRecord(1, "Type6", 6), ObjectRecord(2, "Type7", 7),
                                   ObjectRecord(3, "Type9", 9), ObjectRecord(4, "Type11", 11),
                                   ObjectRecord(5, "Type12", 12)}));
    Write(SetFile::Entity,
          Concat({EntityRecord(10, "Type6"), EntityRecord(11, "Type7"), EntityRecord(12, "Type9"),
                  EntityRecord(13, "Type11"), EntityRecord(14, "Type12"),
                  EntityRecord(15, "Nobody"), EntityRecord(16, "type9")}));
    ASSERT_TRUE(Load());
    EXPECT_EQ(m_doc.m_mapEntities.size(), 7u);
    std::vector<std::uint16_t> weapons;
    for (const auto& [index, entity] : m_doc.m_mapWeaponEntities) {
        weapons.push_back(index);
        EXPECT_EQ(entity, m_doc.m_mapEntities.at(index).get());
    }
    EXPECT_EQ(weapons, (std::vector<std::uint16_t>{11, 12, 13}));
}

TEST_F(VentryDocTest, ASecondLoadLeavesNothingOfTheFirst) {
    WriteEmptySet();
    Write(SetFile::Object, Concat({ObjectRecord(1, "Old", 9), ObjectRecord(2, "Both", 1)}));
    Write(SetFile::Entity, EntityRecord(1, "Old"));
    Write(SetFile::Sensor, Record(SetFile::Sensor, 1, "OldSensor"));
    ASSERT_TRUE(Load());
    ASSERT_EQ(m_doc.m_mapWeaponEntities.size(), 1u);

    const std::string second = Name(SetFile::Object, m_dst);
    WriteBytes(second, ObjectRecord(3, "New", 1));
    ASSERT_TRUE(m_doc.OnOpenDocument(second));
    EXPECT_EQ(m_doc.m_mapObjects.size(), 1u);
    EXPECT_EQ(m_doc.m_mapObjects.count(1), 0u);
    EXPECT_EQ(m_doc.m_mapObjectsByName.size(), 1u);
    EXPECT_EQ(m_doc.m_mapObjectsByName.count("New"), 1u);
    EXPECT_TRUE(m_doc.m_mapEntities.empty());
    EXPECT_TRUE(m_doc.m_mapWeaponEntities.empty());
    EXPECT_TRUE(m_doc.m_mapSensors.empty());
    EXPECT_EQ(m_doc.m_strSensorFile, Name(SetFile::Sensor, m_dst));
}

TEST_F(VentryDocTest, UnknownObjectFileNamesAreRefusedBeforeAnyFileIsTouched) {
    Write(SetFile::Object, ObjectRecord(1, "Kept", 1));
    ASSERT_TRUE(Load());
    Write(SetFile::Sensor, Record(SetFile::Sensor, 1, "NotAnObject"));

    EXPECT_FALSE(m_doc.OnOpenDocument(Name(SetFile::Sensor, m_src)));
    EXPECT_EQ(m_doc.m_mapObjects.count(1), 1u);  // the open set is still there
    for (const char* name : {"sensor.esd", "object.eod.bak", "object"}) {
        EXPECT_FALSE(m_doc.OnSaveDocument(m_dst.File(name))) << name;
    }
    EXPECT_TRUE(FilesIn(m_dst).empty());
    ASSERT_EQ(m_messages.m_texts.size(), 4u);
    for (const std::string& text : m_messages.m_texts) {
        EXPECT_EQ(text, CVentryDoc::kNamesFailedMessage);
    }
}

TEST_F(VentryDocTest, AFailedSaveLeavesTheOldSetAndNoTemporaries) {
    WriteEmptySet();
    Write(SetFile::Object, ObjectRecord(1, "New", 1));
    Write(SetFile::Sensor, Record(SetFile::Sensor, 1, "NewSensor"));
    ASSERT_TRUE(Load());
    // The old set in the destination, with one file that cannot be replaced.
    const Bytes oldObjects = ObjectRecord(8, "Old", 1);
    const Bytes oldSensors = Record(SetFile::Sensor, 8, "OldSensor");
    WriteBytes(Name(SetFile::Object, m_dst), oldObjects);
    WriteBytes(Name(SetFile::Sensor, m_dst), oldSensors);
    fs::create_directory(Name(SetFile::ShipClass, m_dst));
    const auto before = FilesIn(m_dst);

    EXPECT_FALSE(SaveTo(m_dst));
    EXPECT_EQ(ReadBytes(Name(SetFile::Object, m_dst)), oldObjects);
    EXPECT_EQ(ReadBytes(Name(SetFile::Sensor, m_dst)), oldSensors);
    EXPECT_EQ(FilesIn(m_dst), before);
    ASSERT_EQ(m_messages.m_texts.size(), 1u);
    EXPECT_NE(m_messages.m_texts[0].find(Name(SetFile::ShipClass, m_dst)), std::string::npos);

    // A file that cannot be created at all stops the save the same way.
    fs::remove(Name(SetFile::ShipClass, m_dst));
    fs::create_directory(Name(SetFile::Mast, m_dst) + ".ventry-save");
    EXPECT_FALSE(SaveTo(m_dst));
    EXPECT_EQ(ReadBytes(Name(SetFile::Object, m_dst)), oldObjects);
    fs::remove(Name(SetFile::Mast, m_dst) + ".ventry-save");
    EXPECT_EQ(FilesIn(m_dst).size(), 2u);
}

TEST_F(VentryDocTest, SaveIntoAMissingOrReadOnlyDirectoryFailsAndCreatesNothing) {
    Write(SetFile::Object, ObjectRecord(1, "A", 1));
    ASSERT_TRUE(Load());
    EXPECT_FALSE(m_doc.OnSaveDocument(m_dst.File("missing/object.eod")));
    EXPECT_FALSE(fs::exists(m_dst.File("missing")));
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind root";
    }
    fs::permissions(m_dst.Path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(SaveTo(m_dst));
    fs::permissions(m_dst.Path(), fs::perms::owner_all);
    EXPECT_TRUE(FilesIn(m_dst).empty());
}

class CountedEditor : public CEditorWindow {
public:
    explicit CountedEditor(int& destroyed) : m_destroyed(destroyed) {}
    ~CountedEditor() override { ++m_destroyed; }

private:
    int& m_destroyed;
};

TEST(VentryDocEditorsTest, DeleteContentsDestroysEditorsAndKeepsShownFlags) {
    CVentryDoc doc;
    int destroyed = 0;
    doc.Editor(EditorSlot::Object) = std::make_unique<CountedEditor>(destroyed);
    doc.Editor(EditorSlot::CountryName) = std::make_unique<CountedEditor>(destroyed);
    doc.Shown(EditorSlot::Object) = true;
    doc.DeleteContents();
    EXPECT_EQ(destroyed, 2);
    EXPECT_EQ(doc.Editor(EditorSlot::Object), nullptr);
    EXPECT_TRUE(doc.Shown(EditorSlot::Object));
    EXPECT_FALSE(doc.Shown(EditorSlot::Sensor));
}

}  // namespace
