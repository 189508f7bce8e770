#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "DemoSet.h"
#include "RecordBuilder.h"
#include "SetWriter.h"
#include "ToolServices.h"
#include "ToolTestSupport.h"
#include "VentryDoc.h"

namespace {

using SetFileNames::SetFile;

// One demo set written by the tool and loaded through the document, shared by the tests.
class DemoSetTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_pDir = new CTempDir;
        s_run = RunVentryDb({"demo", (*s_pDir / "demo")});
        s_pDoc = new CVentryDoc;
        s_bLoaded = s_pDoc->OnOpenDocument(ObjectFile());
    }
    static void TearDownTestSuite() {
        delete s_pDoc;
        delete s_pDir;
    }

    static std::string Directory() { return *s_pDir / "demo"; }
    static std::string ObjectFile() { return Directory() + "/object.eod"; }
    static const CVentryDoc& Doc() { return *s_pDoc; }

    static const CObjectInfo& ObjectNamed(const std::string& name) {
        return *Doc().m_mapObjectsByName.at(name);
    }

    static inline CTempDir* s_pDir = nullptr;
    static inline CVentryDoc* s_pDoc = nullptr;
    static inline CToolRun s_run;
    static inline bool s_bLoaded = false;
};

TEST_F(DemoSetTest, ToolSucceedsQuietly) {
    EXPECT_EQ(s_run.m_nExitCode, 0);
    EXPECT_EQ(s_run.m_strErr, "");
}

TEST_F(DemoSetTest, WritesTheWholeSetAndAnEmptyShipBasedAircraftFile) {
    for (const CRecordFileKind& kind : kRecordFiles) {
        const auto size = std::filesystem::file_size(SetFilePath(Directory(), kind.m_file, 'e'));
        EXPECT_GT(size, 0u);
        EXPECT_EQ(size % kind.m_nRecordSize, 0u);
    }
    EXPECT_EQ(std::filesystem::file_size(Directory() + "/shipbasedaircraft.ehd"), 0u);
    EXPECT_EQ(SetFileNames::FindCompleteSet(Directory() + "/", 1), ObjectFile());
}

TEST_F(DemoSetTest, LoadsCleanlyWithEveryDatabaseFilled) {
    ASSERT_TRUE(s_bLoaded);
    EXPECT_TRUE(Doc().FilesWithDuplicateIndices().empty());
    EXPECT_TRUE(Doc().UnreadableFiles().empty());
    EXPECT_GE(Doc().m_mapObjects.size(), 24u);
    EXPECT_FALSE(Doc().m_mapSensors.empty());
    EXPECT_FALSE(Doc().m_mapLaunchers.empty());
    EXPECT_FALSE(Doc().m_mapAirstrips.empty());
    EXPECT_FALSE(Doc().m_mapEntities.empty());
    EXPECT_FALSE(Doc().m_mapProfiles.empty());
    EXPECT_FALSE(Doc().m_mapMasts.empty());
    EXPECT_FALSE(Doc().m_map3DObjects.empty());
    EXPECT_FALSE(Doc().m_mapShipClasses.empty());
    EXPECT_FALSE(Doc().m_mapCountryNames.empty());
    EXPECT_FALSE(Doc().m_mapWeaponEntities.empty());
}

TEST_F(DemoSetTest, NamesAreUniqueInEveryNamedDatabase) {
    EXPECT_EQ(Doc().m_mapObjectsByName.size(), Doc().m_mapObjects.size());
    const auto expectUniqueNames = [](const auto& map) {
        std::set<std::string> names;
        for (const auto& [index, record] : map) {
            EXPECT_TRUE(names.insert(record->GetName()).second) << record->GetName();
        }
    };
    expectUniqueNames(Doc().m_mapSensors);
    expectUniqueNames(Doc().m_mapLaunchers);
    expectUniqueNames(Doc().m_map3DObjects);
    expectUniqueNames(Doc().m_mapEntities);
}

TEST_F(DemoSetTest, CoversEverySimTypeObjectTypeAndSensorClass) {
    std::set<std::int32_t> simTypes;
    std::set<std::int32_t> objectTypes;
    for (const auto& [index, object] : Doc().m_mapObjects) {
        simTypes.insert(ReadField(object->m_data.data(), ObjectLayout::kSimType));
        objectTypes.insert(ReadField(object->m_data.data(), ObjectLayout::kObjectType));
    }
    EXPECT_EQ(simTypes, (std::set<std::int32_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(objectTypes, (std::set<std::int32_t>{1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12}));

    std::set<std::int32_t> sensorClasses;
    for (const auto& [index, sensor] : Doc().m_mapSensors) {
        sensorClasses.insert(ReadField(sensor->m_data.data(), SensorLayout::kSensorClass));
    }
    EXPECT_EQ(sensorClasses, (std::set<std::int32_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
}

TEST_F(DemoSetTest, EveryObjectSlotAndProfileNamesAnExistingRecord) {
    std::size_t references = 0;
    std::set<std::uint16_t> usedSensors;
    std::set<std::uint16_t> usedLaunchers;
    std::set<std::uint16_t> usedAirstrips;
    for (const auto& [index, object] : Doc().m_mapObjects) {
        const std::uint8_t* data = object->m_data.data();
        const std::string name = object->GetName();
        for (const std::int16_t slot : ReadField(data, ObjectLayout::kSensorSlots)) {
            if (slot != 0) {
                EXPECT_TRUE(Doc().m_mapSensors.contains(static_cast<std::uint16_t>(slot))) << name;
                usedSensors.insert(static_cast<std::uint16_t>(slot));
                ++references;
            }
        }
        for (const std::int16_t slot : ReadField(data, ObjectLayout::kLauncherSlots)) {
            if (slot != 0) {
                EXPECT_TRUE(Doc().m_mapLaunchers.contains(static_cast<std::uint16_t>(slot)))
                    << name;
                usedLaunchers.insert(static_cast<std::uint16_t>(slot));
                ++references;
            }
        }
        for (const std::int16_t slot : ReadField(data, ObjectLayout::kAirstripSlots)) {
            if (slot != 0) {
                EXPECT_TRUE(Doc().m_mapAirstrips.contains(static_cast<std::uint16_t>(slot)))
                    << name;
                usedAirstrips.insert(static_cast<std::uint16_t>(slot));
                ++references;
            }
        }
        const std::int16_t profile = ReadField(data, ObjectLayout::kProfileIndex);
        if (profile != 0) {
            const auto found = Doc().m_mapProfiles.find(static_cast<std::uint16_t>(profile));
            ASSERT_NE(found, Doc().m_mapProfiles.end()) << name;
            EXPECT_EQ(found->second->GetName(), name);
            ++references;
        }
    }
    EXPECT_GT(references, 100u);
    // Every launcher and airstrip is carried by something; only spare sensors may be unused.
    EXPECT_EQ(usedLaunchers.size(), Doc().m_mapLaunchers.size());
    EXPECT_EQ(usedAirstrips.size(), Doc().m_mapAirstrips.size());
    EXPECT_GE(usedSensors.size() + 1, Doc().m_mapSensors.size());
}

TEST_F(DemoSetTest, EveryLauncherFiresWeaponEntitiesOfItsOwnObject) {
    for (const auto& [index, launcher] : Doc().m_mapLaunchers) {
        const std::uint8_t* data = launcher->m_data.data();
        const std::string name = launcher->GetName();
        EXPECT_TRUE(Doc().m_mapObjectsByName.contains(name)) << name;
        std::size_t loaded = 0;
        for (const std::int16_t ammo : ReadField(data, LauncherLayout::kAmmoTypes)) {
            if (ammo != 0) {
                EXPECT_TRUE(Doc().m_mapWeaponEntities.contains(static_cast<std::uint16_t>(ammo)))
                    << name;
                ++loaded;
            }
        }
        EXPECT_GE(loaded, 1u) << name;
        const auto first = ReadField(data, LauncherLayout::kAmmoTypes)[0];
        EXPECT_EQ(Doc().m_mapEntities.at(static_cast<std::uint16_t>(first))->GetName(), name);
    }
}

TEST_F(DemoSetTest, EntitiesNameObjectsAndExistingShipClasses) {
    std::size_t hulls = 0;
    for (const auto& [index, entity] : Doc().m_mapEntities) {
        const std::uint8_t* data = entity->m_data.data();
        EXPECT_TRUE(Doc().m_mapObjectsByName.contains(ReadField(data, EntityLayout::kTypeName)))
            << entity->GetName();
        const std::int16_t shipClass = ReadField(data, EntityLayout::kShipClassIndex);
        if (shipClass != 0) {
            EXPECT_TRUE(Doc().m_mapShipClasses.contains(static_cast<std::uint16_t>(shipClass)));
            ++hulls;
        }
    }
    EXPECT_GE(hulls, 8u);
    // Exactly the weapons' entities are weapon entities.
    for (const auto& [index, entity] : Doc().m_mapEntities) {
        const std::int32_t objectType = ReadField(
            ObjectNamed(ReadField(entity->m_data.data(), EntityLayout::kTypeName)).m_data.data(),
            ObjectLayout::kObjectType);
        EXPECT_EQ(Doc().m_mapWeaponEntities.contains(index), objectType >= 7 && objectType <= 11)
            << entity->GetName();
    }
}

TEST_F(DemoSetTest, ProfilesModelsAndClassesBelongToObjects) {
    for (const auto& [index, profile] : Doc().m_mapProfiles) {
        EXPECT_TRUE(Doc().m_mapObjectsByName.contains(profile->GetName())) << profile->GetName();
    }
    for (const auto& [key, model] : Doc().m_map3DObjects) {
        EXPECT_TRUE(Doc().m_mapObjectsByName.contains(model->GetName())) << model->GetName();
    }
    for (const auto& [index, shipClass] : Doc().m_mapShipClasses) {
        EXPECT_TRUE(Doc().m_mapObjectsByName.contains(shipClass->GetName()));
        const std::int16_t country = ReadField(shipClass->m_data.data(), ShipClassLayout::kCountry);
        EXPECT_TRUE(Doc().m_mapCountryNames.contains(static_cast<std::uint16_t>(country)));
    }
}

// Offsets written out here rather than taken from the layout table, so a wrong table shows.
TEST_F(DemoSetTest, ObjectAndLauncherByteImages) {
    const auto bytes = ReadBytes(ObjectFile());
    ASSERT_GE(bytes.size(), 3 * 344u);
    const std::uint8_t* halvard = bytes.data() + 2 * 344;  // third row of the table
    EXPECT_EQ(halvard[0] | halvard[1] << 8, 3);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(halvard + 2), 8),
              std::string("Halvard\0", 8));
    EXPECT_EQ(std::vector<std::uint8_t>(halvard + 24, halvard + 32),
              (std::vector<std::uint8_t>{2, 0, 0, 0, 1, 0, 0, 0}));
    const int firstLauncher = halvard[220] | halvard[221] << 8;
    const int firstAirstrip = halvard[280] | halvard[281] << 8;
    const int firstSensor = halvard[300] | halvard[301] << 8;
    const int profile = halvard[330] | halvard[331] << 8;
    EXPECT_EQ(Doc().m_mapLaunchers.at(static_cast<std::uint16_t>(firstLauncher))->GetName(),
              "Gale SAM");
    EXPECT_EQ(Doc().m_mapAirstrips.at(static_cast<std::uint16_t>(firstAirstrip))->GetName(),
              "Aft Helo Pad");
    EXPECT_EQ(Doc().m_mapSensors.at(static_cast<std::uint16_t>(firstSensor))->GetName(),
              "Skarpa Air Search Radar");
    EXPECT_EQ(Doc().m_mapProfiles.at(static_cast<std::uint16_t>(profile))->GetName(), "Halvard");
    EXPECT_EQ(halvard[334] | halvard[335] << 8, 0x8F);  // targetCaps
    EXPECT_EQ(halvard[338], 0x3F);                      // countermeasures

    const auto launchers = ReadBytes(Directory() + "/launcher.eld");
    ASSERT_GE(launchers.size(), 120u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(launchers.data() + 100)), "Vesper Torpedo");
    const int ammo = launchers[72] | launchers[73] << 8;
    EXPECT_EQ(Doc().m_mapEntities.at(static_cast<std::uint16_t>(ammo))->GetName(),
              "Vesper Torpedo");
    EXPECT_EQ(launchers[2], 6);  // tubes
}

template <class T>
void ExpectSameRecords(const CIndexMap<T>& expected, const CIndexMap<T>& actual) {
    ASSERT_EQ(expected.size(), actual.size());
    for (const auto& [key, record] : expected) {
        const auto found = actual.find(key);
        ASSERT_NE(found, actual.end()) << key;
        EXPECT_EQ(record->m_data, found->second->m_data) << key;
    }
}

// The builder's records come back from a save and load unchanged, and the tool wrote the same.
TEST_F(DemoSetTest, BuiltRecordsSurviveSaveAndLoadAndMatchTheToolsFiles) {
    CTempDir dir;
    CToolServices services;
    CServicesScope scope(services);
    CVentryDoc built;
    CDemoSetBuilder(built).Build();
    const std::string objectFile = CSetWriter::ObjectFilePath(dir.Path().string(), 'e');
    ASSERT_TRUE(CSetWriter::Write(built, objectFile));
    CVentryDoc loaded;
    ASSERT_TRUE(loaded.OnOpenDocument(objectFile));
    ExpectSameRecords(built.m_mapObjects, loaded.m_mapObjects);
    ExpectSameRecords(built.m_mapSensors, loaded.m_mapSensors);
    ExpectSameRecords(built.m_mapLaunchers, loaded.m_mapLaunchers);
    ExpectSameRecords(built.m_mapAirstrips, loaded.m_mapAirstrips);
    ExpectSameRecords(built.m_mapEntities, loaded.m_mapEntities);
    ExpectSameRecords(built.m_mapProfiles, loaded.m_mapProfiles);
    ExpectSameRecords(built.m_mapMasts, loaded.m_mapMasts);
    ExpectSameRecords(built.m_map3DObjects, loaded.m_map3DObjects);
    ExpectSameRecords(built.m_mapShipClasses, loaded.m_mapShipClasses);
    ExpectSameRecords(built.m_mapCountryNames, loaded.m_mapCountryNames);
    for (const CRecordFileKind& kind : kRecordFiles) {
        EXPECT_EQ(ReadBytes(SetFilePath(dir.Path(), kind.m_file, 'e')),
                  ReadBytes(SetFilePath(Directory(), kind.m_file, 'e')));
    }
    EXPECT_EQ(services.FailureCount(), 0);
}

}  // namespace
