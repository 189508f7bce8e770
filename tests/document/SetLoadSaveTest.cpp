#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <functional>
#include <random>

#include "CapturedMessages.h"
#include "Csv.h"
#include "DocRecords.h"
#include "RecordField.h"
#include "SetCsv.h"

namespace {

namespace fs = std::filesystem;

// Noise in every byte, then at random places floats that decimal text cannot carry or that
// read back wrongly when printed carelessly; indices ascend with gaps up to 65535, 3D objects
// keep their order; half of the texts end before their field does, the others fill it.
std::map<Database, Bytes> RandomSet(std::uint32_t seed) {
    const std::uint32_t kFloats[] = {0x7FC01234u, 0xFF800001u, 0x80000000u,
                                     0x00000001u, 0x807FFFFFu, 0x7F800000u};
    std::mt19937 random(seed);
    std::map<Database, Bytes> files;
    for (const RecordShape& shape : kRecordShapes) {
        std::uint16_t index = static_cast<std::uint16_t>(random() % 3);
        for (std::uint32_t n = 0; n < 12; ++n) {
            Bytes record = PatternBytes(shape.size, random());
            for (int i = 0; i < 6; ++i) {
                RecordField::Set(record.data(), 4 * (random() % (shape.size / 4)),
                                 kFloats[random() % 6]);
            }
            if (n % 2 == 0) {
                record[shape.nameOffset + random() % shape.nameWidth] = 0;
            }
            if (shape.file != Database::Object3D) {
                RecordField::Set(record.data(), 0, n == 11 ? std::uint16_t{65535} : index);
                index = static_cast<std::uint16_t>(index + 1 + random() % 500);
            }
            files[shape.file].insert(files[shape.file].end(), record.begin(), record.end());
        }
    }
    return files;
}

Bytes ObjectRecord(std::uint16_t index, const std::string& name, std::int32_t objectType) {
    Bytes record = MakeRecord(Database::Object, index, name, index);
    RecordField::Set<std::int32_t>(record.data(), 24, objectType);
    return record;
}

Bytes EntityRecord(std::uint16_t index, const std::string& typeName) {
    Bytes record = MakeRecord(Database::Entity, index, "entity", index);
    RecordField::SetText(record.data(), 36, 20, typeName);
    return record;
}

class SetLoadSaveTest : public ::testing::Test {
protected:
    bool Load(const std::map<Database, Bytes>& files) {
        return m_doc.OnOpenDocument(WriteSet(m_src.Path(), files));
    }
    bool SaveTo(const TempDir& dir, char letter = 'e') {
        return m_doc.OnSaveDocument(SetFilePath(dir.Path(), Database::Object, letter));
    }
    std::string Src(Database file) const { return SetFilePath(m_src.Path(), file); }
    std::string Dst(Database file, char letter = 'e') const {
        return SetFilePath(m_dst.Path(), file, letter);
    }

    CapturedMessages m_messages;
    TempDir m_src;
    TempDir m_dst;
    CVentryDoc m_doc;
};

TEST_F(SetLoadSaveTest, EveryFileComesBackByteForByteUnderEveryLetter) {
    const std::map<Database, Bytes> files = RandomSet(3);
    ASSERT_TRUE(Load(files));
    for (const char letter : {'g', 'f'}) {
        ASSERT_TRUE(SaveTo(m_dst, letter));
        for (const RecordShape& shape : kRecordShapes) {
            EXPECT_EQ(ReadBytes(Dst(shape.file, letter)), files.at(shape.file)) << letter;
        }
    }
    // Twenty files, nothing else: no ship-based aircraft file and no temporaries.
    EXPECT_EQ(FileNamesIn(m_dst.Path()).size(), 20u);
    EXPECT_TRUE(m_messages.m_texts.empty());
}

TEST_F(SetLoadSaveTest, BadFilesGiveEmptyDatabasesWithoutHangingAndAreReported) {
    WriteSet(m_src.Path(), {{Database::Mast, Bytes(95, 1)}});  // shorter than one record
    fs::remove(Src(Database::Sensor));
    fs::create_directory(Src(Database::Sensor));
    fs::remove(Src(Database::Launcher));
    ASSERT_EQ(::mkfifo(Src(Database::Launcher).c_str(), 0600), 0);
    fs::resize_file(Src(Database::Profile), std::uintmax_t{3} << 30);  // sparse, 3 GiB
    fs::remove(Src(Database::CountryName));                            // missing: no problem
    WriteBytes(Src(Database::Airstrip), MakeRecord(Database::Airstrip, 1, "a"));
    fs::permissions(Src(Database::Airstrip), fs::perms::none);

    ASSERT_TRUE(m_doc.OnOpenDocument(Src(Database::Object)));
    for (const Database file : {Database::Sensor, Database::Launcher, Database::Mast,
                                Database::Profile, Database::CountryName}) {
        EXPECT_EQ(RecordCount(m_doc, file), 0u);
    }
    std::vector<std::string> expected{Src(Database::Sensor) + ": Is a directory",
                                      Src(Database::Launcher) + ": Invalid argument"};
    if (::geteuid() != 0) {  // permissions do not bind root
        expected.push_back(Src(Database::Airstrip) + ": Permission denied");
    }
    expected.push_back(Src(Database::Profile) + ": File too large");
    EXPECT_EQ(m_doc.LoadFindings().unreadableFiles, expected);
}

TEST_F(SetLoadSaveTest, DuplicateIndicesKeepTheLaterRecordAndAreReported) {
    const Bytes earlier = ObjectRecord(5, "Earlier", 1);
    const Bytes later = ObjectRecord(5, "Later", 1);
    // Out of index order, and one index three times.
    const Bytes sensorB = MakeRecord(Database::Sensor, 5, "B");
    const Bytes sensorX = MakeRecord(Database::Sensor, 2, "X");
    ASSERT_TRUE(
        Load({{Database::Object, Concat({earlier, later})},
              {Database::Sensor, Concat({MakeRecord(Database::Sensor, 5, "A"), sensorX,
                                         MakeRecord(Database::Sensor, 5, "C"), sensorB})}}));
    EXPECT_EQ(RecordBytes(m_doc, Database::Object, 5), later);
    // The name map still refers to the earlier record, which lives until the set is emptied.
    const std::uint8_t* pEarlier = m_doc.m_mapObjectsByName.at("Earlier")->m_data.data();
    EXPECT_EQ(Bytes(pEarlier, pEarlier + earlier.size()), earlier);
    EXPECT_EQ(m_doc.LoadFindings().duplicateIndexFiles,
              (std::vector<std::string>{Src(Database::Object), Src(Database::Sensor)}));
    std::vector<std::array<std::size_t, 3>> duplicates;  // index, dropped and kept position
    for (const CLoadFindings::CDuplicateIndex& duplicate : m_doc.LoadFindings().duplicateIndices) {
        duplicates.push_back(
            {duplicate.nIndex, duplicate.nDroppedPosition, duplicate.nKeptPosition});
    }
    EXPECT_EQ(duplicates,
              (std::vector<std::array<std::size_t, 3>>{{5, 0, 1}, {5, 0, 2}, {5, 2, 3}}));
    ASSERT_TRUE(SaveTo(m_dst));
    EXPECT_EQ(ReadBytes(Dst(Database::Object)), later);
    EXPECT_EQ(ReadBytes(Dst(Database::Sensor)), Concat({sensorX, sensorB}));
}

TEST_F(SetLoadSaveTest, WeaponEntitiesNameObjectsOfType7To11AndASecondLoadDropsTheFirst) {
    ASSERT_TRUE(Load(
        {{Database::Object, Concat({ObjectRecord(1, "T6", 6), ObjectRecord(2, "T7", 7),
                                    ObjectRecord(3, "T11", 11), ObjectRecord(4, "T12", 12)})},
         {Database::Entity,
          Concat({EntityRecord(10, "T6"), EntityRecord(11, "T7"), EntityRecord(12, "T11"),
                  EntityRecord(13, "T12"), EntityRecord(14, "Nobody"), EntityRecord(15, "t7")})},
         {Database::Sensor, MakeRecord(Database::Sensor, 1, "OldSensor")}}));
    std::vector<std::uint16_t> weapons;
    for (const auto& [index, entity] : m_doc.m_mapWeaponEntities) {
        weapons.push_back(index);
        EXPECT_EQ(entity, m_doc.m_mapEntities.at(index));
    }
    EXPECT_EQ(weapons, (std::vector<std::uint16_t>{11, 12}));

    const std::string second = SetFilePath(m_dst.Path(), Database::Object);
    WriteBytes(second, ObjectRecord(3, "New", 1));
    ASSERT_TRUE(m_doc.OnOpenDocument(second));
    EXPECT_EQ(RecordCount(m_doc, Database::Object), 1u);
    EXPECT_EQ(m_doc.m_mapObjectsByName.count("T7"), 0u);
    EXPECT_TRUE(m_doc.m_mapEntities.empty());
    EXPECT_TRUE(m_doc.m_mapWeaponEntities.empty());
    EXPECT_TRUE(m_doc.m_mapSensors.empty());
    EXPECT_EQ(m_doc.m_strSensorFile, Dst(Database::Sensor));
}

TEST_F(SetLoadSaveTest, ObjectFilesOfUnknownNamesOrUnreadableAreRefusedAndNothingIsTouched) {
    ASSERT_TRUE(Load({{Database::Object, ObjectRecord(1, "Kept", 1)}}));
    EXPECT_FALSE(m_doc.OnOpenDocument(Src(Database::Sensor)));
    EXPECT_EQ(RecordCount(m_doc, Database::Object), 1u);
    for (const char* name : {"sensor.esd", "object.eod.bak", "object"}) {
        EXPECT_FALSE(m_doc.OnSaveDocument(m_dst.File(name))) << name;
    }
    EXPECT_EQ(m_messages.m_texts,
              std::vector<std::string>(4,
                                       "Something went wrong while determining\nthe correct "
                                       "Database names\nCurrent Operation Canceled"));
    EXPECT_FALSE(m_doc.OnSaveDocument(m_dst.File("missing/object.eod")));  // makes no directory
    EXPECT_TRUE(FileNamesIn(m_dst.Path()).empty());

    fs::remove(Src(Database::Object));
    fs::create_directory(Src(Database::Object));
    EXPECT_FALSE(m_doc.OnOpenDocument(Src(Database::Object)));
    EXPECT_NE(m_messages.m_texts.back().find(Src(Database::Object) + ": Is a directory"),
              std::string::npos);
}

// What listeners are promised: a whole new set at each load, each step once with its title,
// nothing for a change that changes nothing or after they left.
TEST_F(SetLoadSaveTest, ListenersHearOfEveryLoadAndOfEveryStepOnce) {
    std::vector<std::string> heard;  // the step's title, "*" for a whole new set
    const int nListener = m_doc.AddChangeListener([&](const CVentryDoc::CChangeNotice& notice) {
        EXPECT_TRUE(notice.pChange != nullptr || notice.Touches(Database::Object3D));
        heard.push_back(notice.pChange == nullptr ? "*" : notice.pChange->Title());
    });
    ASSERT_TRUE(Load({{Database::Mast, MakeRecord(Database::Mast, 3, "Mast")}}));
    ASSERT_FALSE(heard.empty());
    EXPECT_EQ(heard.back(), "*");
    EXPECT_FALSE(m_doc.IsModified());

    heard.clear();
    Bytes after = MakeRecord(Database::Mast, 3, "Taller mast");
    CSetChange change("Apply to mast 3");
    change.Change(Database::Mast, 3, RecordBytes(m_doc, Database::Mast, 3), after);
    change.Add(Database::Entity, 8, MakeRecord(Database::Entity, 8, "Crew"));
    ASSERT_TRUE(m_doc.ApplyChange(change));
    EXPECT_THAT(heard, testing::ElementsAre("Apply to mast 3"));
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(RecordBytes(m_doc, Database::Mast, 3), after);
    EXPECT_THAT(ChangedDatabases(m_doc), testing::ElementsAre(Database::Entity, Database::Mast));

    // A change that changes nothing is no step.
    CSetChange nothing("nothing");
    nothing.Change(Database::Mast, 3, after, after);
    EXPECT_FALSE(m_doc.ApplyChange(nothing));
    EXPECT_EQ(heard.size(), 1u);

    m_doc.RemoveChangeListener(nListener);
    m_doc.Undo();
    EXPECT_EQ(heard.size(), 1u);
}

class SetCsvTest : public testing::Test {
protected:
    // The set's files as they are after export, import and save.
    std::map<Database, Bytes> RoundTrip(const std::map<Database, Bytes>& files,
                                        const std::function<void()>& editCsv = {}) {
        CVentryDoc doc;
        EXPECT_TRUE(doc.OnOpenDocument(WriteSet(m_dir.Path() / "set", files)));
        std::string error;
        fs::create_directories(Csv());
        EXPECT_TRUE(ExportSetCsv(doc, Csv().string(), error)) << error;
        if (editCsv) {
            editCsv();
        }
        CVentryDoc imported;
        std::vector<CCsvProblem> problems;
        EXPECT_TRUE(ImportSetCsv(Csv().string(), imported, problems));
        EXPECT_TRUE(problems.empty()) << FormatCsvProblem(problems.front());
        fs::create_directories(m_dir.Path() / "out");
        EXPECT_TRUE(imported.OnSaveDocument(SetFilePath(m_dir.Path() / "out", Database::Object)));
        return ReadSet(m_dir.Path() / "out");
    }
    fs::path Csv() const { return m_dir.Path() / "csv"; }

    CapturedMessages m_messages;
    TempDir m_dir;
};

TEST_F(SetCsvTest, ExportThenImportReproducesRandomSetsByteForByte) {
    for (std::uint32_t seed = 1; seed <= 5; ++seed) {
        const std::map<Database, Bytes> files = RandomSet(seed);
        EXPECT_EQ(RoundTrip(files), files) << "seed " << seed;
    }
    EXPECT_TRUE(m_messages.m_texts.empty());
}

// Changed cells change the bytes of their fields and nothing else.
TEST_F(SetCsvTest, ChangedCellsChangeOnlyTheirFields) {
    struct Change {
        const char* pszFile;
        std::size_t nColumn;  // counted from 0 in the exported header
        const char* pszHeader;
        const char* pszValue;
        Database file;
        std::size_t nOffset;
        std::string bytes;
    };
    const Change changes[] = {
        {"object.csv", 1, "name", "Kl\xC3\xA9mer-class frigate", Database::Object, 2,
         "Kl\xE9mer-class frigate"},  // fills the field: no terminator
        {"mast.csv", 22, "center_x", "-0.1", Database::Mast, 80, "\xCD\xCC\xCC\xBD"},
        {"object.csv", 110, "target_caps", "32769", Database::Object, 334, "\x01\x80"},
        {"sensor.csv", 3, "sensor_class", "-2", Database::Sensor, 44, "\xFE\xFF\xFF\xFF"},
    };
    const std::map<Database, Bytes> files = RandomSet(7);
    std::map<Database, Bytes> expected = files;
    for (const Change& change : changes) {
        std::copy(change.bytes.begin(), change.bytes.end(),
                  expected[change.file].begin() + change.nOffset);
    }
    const auto edit = [&] {
        for (const Change& change : changes) {
            const Bytes bytes = ReadBytes(Csv() / change.pszFile);
            std::vector<Csv::Row> rows = CsvRows(std::string(bytes.begin(), bytes.end()));
            ASSERT_EQ(rows[0].cells[change.nColumn], change.pszHeader);
            rows[1].cells[change.nColumn] = change.pszValue;
            std::string changed;
            for (const Csv::Row& row : rows) {
                changed += Csv::FormatRow(row.cells);
            }
            changed += "\r\n";  // a blank row, as some editors leave at the end
            WriteBytes(Csv() / change.pszFile, {changed.begin(), changed.end()});
        }
    };
    EXPECT_EQ(RoundTrip(files, edit), expected);
}

}  // namespace
