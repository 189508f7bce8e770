#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <filesystem>

#include "CapturedMessages.h"
#include "DocRecords.h"
#include "RecordField.h"

namespace {

namespace fs = std::filesystem;

Bytes ObjectRecord(std::uint16_t index, const std::string& name, std::int32_t objectType) {
    Bytes record = MakeRecord(SetFile::Object, index, name, index);
    RecordField::Set<std::int32_t>(record.data(), 24, objectType);
    return record;
}

Bytes EntityRecord(std::uint16_t index, const std::string& typeName) {
    Bytes record = MakeRecord(SetFile::Entity, index, "entity", index);
    RecordField::SetText(record.data(), 36, 20, typeName);
    return record;
}

class SetLoadSaveTest : public ::testing::Test {
protected:
    bool Load(const std::map<SetFile, Bytes>& files) {
        return m_doc.OnOpenDocument(WriteSet(m_src.Path(), files));
    }
    bool SaveTo(const TempDir& dir, char letter = 'e') {
        return m_doc.OnSaveDocument(SetFilePath(dir.Path(), SetFile::Object, letter));
    }
    std::string Src(SetFile file) const { return SetFilePath(m_src.Path(), file); }
    std::string Dst(SetFile file, char letter = 'e') const {
        return SetFilePath(m_dst.Path(), file, letter);
    }

    CapturedMessages m_messages;
    TempDir m_src;
    TempDir m_dst;
    CVentryDoc m_doc;
};

TEST_F(SetLoadSaveTest, EveryFileComesBackByteForByteUnderEveryLetter) {
    std::map<SetFile, Bytes> files;
    std::uint32_t seed = 1;
    for (const RecordShape& shape : kRecordShapes) {
        std::vector<Bytes> records;
        for (const std::uint16_t index : {0, 1, 2, 300, 65535}) {
            records.push_back(MakeRecord(shape.file, index, "r" + std::to_string(index), ++seed));
        }
        if (shape.file == SetFile::Object3D) {
            records.push_back(PatternBytes(shape.size, ++seed));  // a name without terminator
        }
        files[shape.file] = Concat(records);
    }
    ASSERT_TRUE(Load(files));
    EXPECT_EQ(RecordCount(m_doc, SetFile::Object3D), 6u);
    for (const char letter : {'g', 'f'}) {
        ASSERT_TRUE(SaveTo(m_dst, letter));
        for (const RecordShape& shape : kRecordShapes) {
            EXPECT_EQ(ReadBytes(Dst(shape.file, letter)), files[shape.file]) << letter;
        }
    }
    // Twenty files, nothing else: no ship-based aircraft file and no temporaries.
    EXPECT_EQ(FileNamesIn(m_dst.Path()).size(), 20u);
    EXPECT_TRUE(m_messages.m_texts.empty());
}

TEST_F(SetLoadSaveTest, FilesAreWrittenInIndexOrderWithoutTrailingBytes) {
    const Bytes second = MakeRecord(SetFile::Sensor, 9, "second");
    const Bytes first = MakeRecord(SetFile::Sensor, 2, "first");
    Bytes sensors = Concat({second, first});
    sensors.push_back(0xAB);  // one stray byte after two records
    const Bytes a = PatternBytes(956, 1), b = PatternBytes(956, 2);
    ASSERT_TRUE(Load({{SetFile::Sensor, sensors}, {SetFile::Object3D, Concat({a, b})}}));
    // 3D objects have no index: the position in the file is the key.
    EXPECT_EQ(RecordBytes(m_doc, SetFile::Object3D, 1), b);
    ASSERT_TRUE(SaveTo(m_dst));
    EXPECT_EQ(ReadBytes(Dst(SetFile::Sensor)), Concat({first, second}));
    EXPECT_EQ(ReadBytes(Dst(SetFile::Object3D)), Concat({a, b}));
    EXPECT_TRUE(m_doc.FilesWithDuplicateIndices().empty());
}

TEST_F(SetLoadSaveTest, BadFilesGiveEmptyDatabasesWithoutHangingAndAreReported) {
    WriteSet(m_src.Path(), {{SetFile::Mast, Bytes(95, 1)}});  // shorter than one record
    fs::remove(Src(SetFile::Sensor));
    fs::create_directory(Src(SetFile::Sensor));
    fs::remove(Src(SetFile::Launcher));
    ASSERT_EQ(::mkfifo(Src(SetFile::Launcher).c_str(), 0600), 0);
    fs::resize_file(Src(SetFile::Profile), std::uintmax_t{3} << 30);  // sparse, 3 GiB
    fs::remove(Src(SetFile::CountryName));                            // missing: no problem
    WriteBytes(Src(SetFile::Airstrip), MakeRecord(SetFile::Airstrip, 1, "a"));
    fs::permissions(Src(SetFile::Airstrip), fs::perms::none);
    const bool bRoot = ::geteuid() == 0;

    ASSERT_TRUE(m_doc.OnOpenDocument(Src(SetFile::Object)));
    for (const SetFile file : {SetFile::Sensor, SetFile::Launcher, SetFile::Mast, SetFile::Profile,
                               SetFile::CountryName}) {
        EXPECT_EQ(RecordCount(m_doc, file), 0u);
    }
    std::vector<std::string> expected{Src(SetFile::Sensor) + ": Is a directory",
                                      Src(SetFile::Launcher) + ": Invalid argument"};
    if (!bRoot) {  // permissions do not bind root
        expected.push_back(Src(SetFile::Airstrip) + ": Permission denied");
    }
    expected.push_back(Src(SetFile::Profile) + ": File too large");
    EXPECT_EQ(m_doc.UnreadableFiles(), expected);
}

TEST_F(SetLoadSaveTest, AnObjectFileThatIsADirectoryFailsTheLoadWithItsPath) {
    WriteSet(m_src.Path(), {});
    fs::remove(Src(SetFile::Object));
    fs::create_directory(Src(SetFile::Object));
    EXPECT_FALSE(m_doc.OnOpenDocument(Src(SetFile::Object)));
    ASSERT_EQ(m_messages.m_texts.size(), 1u);
    EXPECT_NE(m_messages.m_texts[0].find(Src(SetFile::Object) + ": Is a directory"),
              std::string::npos);
}

TEST_F(SetLoadSaveTest, DuplicateIndicesKeepTheLaterRecordAndAreReported) {
    const Bytes earlier = ObjectRecord(5, "Earlier", 1);
    const Bytes later = ObjectRecord(5, "Later", 1);
    // Out of index order, and one index three times.
    const Bytes sensorB = MakeRecord(SetFile::Sensor, 5, "B");
    const Bytes sensorX = MakeRecord(SetFile::Sensor, 2, "X");
    ASSERT_TRUE(Load({{SetFile::Object, Concat({earlier, later})},
                      {SetFile::Sensor, Concat({MakeRecord(SetFile::Sensor, 5, "A"), sensorX,
                                                MakeRecord(SetFile::Sensor, 5, "C"), sensorB})}}));
    EXPECT_EQ(RecordBytes(m_doc, SetFile::Object, 5), later);
    // The name map still refers to the earlier record, which lives until the set is emptied.
    const std::uint8_t* pEarlier = m_doc.m_mapObjectsByName.at("Earlier")->m_data.data();
    EXPECT_EQ(Bytes(pEarlier, pEarlier + earlier.size()), earlier);
    EXPECT_EQ(m_doc.FilesWithDuplicateIndices(),
              (std::vector<std::string>{Src(SetFile::Object), Src(SetFile::Sensor)}));
    std::vector<std::array<std::size_t, 3>> duplicates;  // index, dropped and kept position
    for (const CVentryDoc::CDuplicateIndex& duplicate : m_doc.DuplicateIndices()) {
        duplicates.push_back(
            {duplicate.nIndex, duplicate.nDroppedPosition, duplicate.nKeptPosition});
    }
    EXPECT_EQ(duplicates,
              (std::vector<std::array<std::size_t, 3>>{{5, 0, 1}, {5, 0, 2}, {5, 2, 3}}));
    ASSERT_TRUE(SaveTo(m_dst));
    EXPECT_EQ(ReadBytes(Dst(SetFile::Object)), later);
    EXPECT_EQ(ReadBytes(Dst(SetFile::Sensor)), Concat({sensorX, sensorB}));
}

TEST_F(SetLoadSaveTest, WeaponEntitiesAreThoseNamingObjectsOfType7To11) {
    ASSERT_TRUE(Load(
        {{SetFile::Object, Concat({ObjectRecord(1, "T6", 6), ObjectRecord(2, "T7", 7),
                                   ObjectRecord(3, "T11", 11), ObjectRecord(4, "T12", 12)})},
         {SetFile::Entity,
          Concat({EntityRecord(10, "T6"), EntityRecord(11, "T7"), EntityRecord(12, "T11"),
                  EntityRecord(13, "T12"), EntityRecord(14, "Nobody"), EntityRecord(15, "t7")})}}));
    std::vector<std::uint16_t> weapons;
    for (const auto& [index, entity] : m_doc.m_mapWeaponEntities) {
        weapons.push_back(index);
        EXPECT_EQ(entity, m_doc.m_mapEntities.at(index));
    }
    EXPECT_EQ(weapons, (std::vector<std::uint16_t>{11, 12}));
}

TEST_F(SetLoadSaveTest, ASecondLoadLeavesNothingOfTheFirst) {
    ASSERT_TRUE(Load({{SetFile::Object, ObjectRecord(1, "Old", 9)},
                      {SetFile::Entity, EntityRecord(1, "Old")},
                      {SetFile::Sensor, MakeRecord(SetFile::Sensor, 1, "OldSensor")}}));
    ASSERT_EQ(m_doc.m_mapWeaponEntities.size(), 1u);
    const std::string second = SetFilePath(m_dst.Path(), SetFile::Object);
    WriteBytes(second, ObjectRecord(3, "New", 1));
    ASSERT_TRUE(m_doc.OnOpenDocument(second));
    EXPECT_EQ(RecordCount(m_doc, SetFile::Object), 1u);
    EXPECT_EQ(m_doc.m_mapObjectsByName.count("Old"), 0u);
    EXPECT_TRUE(m_doc.m_mapEntities.empty());
    EXPECT_TRUE(m_doc.m_mapWeaponEntities.empty());
    EXPECT_TRUE(m_doc.m_mapSensors.empty());
    EXPECT_EQ(m_doc.m_strSensorFile, Dst(SetFile::Sensor));
}

TEST_F(SetLoadSaveTest, UnknownObjectFileNamesAreRefusedBeforeAnyFileIsTouched) {
    ASSERT_TRUE(Load({{SetFile::Object, ObjectRecord(1, "Kept", 1)}}));
    EXPECT_FALSE(m_doc.OnOpenDocument(Src(SetFile::Sensor)));
    EXPECT_EQ(RecordCount(m_doc, SetFile::Object), 1u);
    for (const char* name : {"sensor.esd", "object.eod.bak", "object"}) {
        EXPECT_FALSE(m_doc.OnSaveDocument(m_dst.File(name))) << name;
    }
    EXPECT_TRUE(FileNamesIn(m_dst.Path()).empty());
    EXPECT_EQ(m_messages.m_texts,
              std::vector<std::string>(4,
                                       "Something went wrong while determining\nthe correct "
                                       "Database names\nCurrent Operation Canceled"));
}

TEST_F(SetLoadSaveTest, AFailedSaveLeavesTheOldSetAndNoTemporaries) {
    ASSERT_TRUE(Load({{SetFile::Object, ObjectRecord(1, "New", 1)},
                      {SetFile::Sensor, MakeRecord(SetFile::Sensor, 1, "NewSensor")}}));
    const Bytes oldObjects = ObjectRecord(8, "Old", 1);
    WriteBytes(Dst(SetFile::Object), oldObjects);
    fs::create_directory(Dst(SetFile::ShipClass));  // cannot be replaced
    const auto before = FileNamesIn(m_dst.Path());
    EXPECT_FALSE(SaveTo(m_dst));
    EXPECT_EQ(ReadBytes(Dst(SetFile::Object)), oldObjects);
    EXPECT_EQ(FileNamesIn(m_dst.Path()), before);
    ASSERT_EQ(m_messages.m_texts.size(), 1u);
    EXPECT_NE(m_messages.m_texts[0].find(Dst(SetFile::ShipClass)), std::string::npos);

    // A file that cannot be created at all stops the save the same way.
    fs::remove(Dst(SetFile::ShipClass));
    fs::create_directory(Dst(SetFile::Mast) + ".ventry-save");
    EXPECT_FALSE(SaveTo(m_dst));
    fs::remove(Dst(SetFile::Mast) + ".ventry-save");
    EXPECT_EQ(FileNamesIn(m_dst.Path()), (std::vector<std::string>{"object.eod"}));
    EXPECT_FALSE(m_doc.OnSaveDocument(m_dst.File("missing/object.eod")));
    EXPECT_FALSE(fs::exists(m_dst.File("missing")));
}

TEST_F(SetLoadSaveTest, ListenersHearOfEveryLoadAndOfChangedRecords) {
    std::vector<Database> heard;
    const int nListener =
        m_doc.AddChangeListener([&](Database database) { heard.push_back(database); });
    ASSERT_TRUE(Load({}));
    EXPECT_EQ(heard.size(), 20u);  // emptied, then loaded
    EXPECT_FALSE(m_doc.IsModified());
    m_doc.RecordsChanged(Database::Mast);
    EXPECT_EQ(heard.back(), Database::Mast);
    EXPECT_TRUE(m_doc.IsModified());
    m_doc.RemoveChangeListener(nListener);
    m_doc.RecordsChanged(Database::Object);
    EXPECT_EQ(heard.size(), 21u);
}

}  // namespace
