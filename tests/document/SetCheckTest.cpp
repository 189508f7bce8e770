#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "CapturedMessages.h"
#include "DocRecords.h"
#include "RecordField.h"
#include "ReferenceIndex.h"
#include "SetCheck.h"

namespace {

using testing::ElementsAre;
using testing::IsEmpty;

Bytes Entity(std::uint16_t index, const std::string& typeName, std::uint8_t shipClass) {
    return HandRecord(Database::Entity, index, "e",
                      {{2, {shipClass}}, {36, Bytes(typeName.begin(), typeName.end())}});
}

// One example of every problem the check knows, and references of every kind.
class SetCheckTest : public testing::Test {
protected:
    void SetUp() override {
        const std::string objectFile = WriteSet(
            m_dir.Path(),
            {{Database::Object,
              Concat({HandRecord(Database::Object, 1, "Frigate",
                                 {{24, {2}},
                                  {28, {1}},
                                  {300, {5, 0, 0, 0, 77}},
                                  {220, {3}},
                                  {288, {0xFE, 0xFF}},
                                  {330, {9}}}),
                      HandRecord(Database::Object, 2, "Torpedo", {{24, {8}}, {28, {2}}}),
                      HandRecord(Database::Object, 3, "Oddity", {{24, {2}}, {28, {13}}})})},
             {Database::Sensor, Concat({HandRecord(Database::Sensor, 5, "Old", {{44, {8}}}),
                                        HandRecord(Database::Sensor, 5, "Radar", {{44, {8}}}),
                                        HandRecord(Database::Sensor, 6, "Nothing", {{44, {0}}})})},
             {Database::Launcher,
              Concat({HandRecord(Database::Launcher, 3, "Frigate", {{72, {10, 0, 11, 0, 12}}}),
                      HandRecord(Database::Launcher, 4, "Nobody")})},
             {Database::Entity, Concat({Entity(10, "Torpedo", 0), Entity(11, "Frigate", 7)})},
             {Database::Profile, HandRecord(Database::Profile, 1, "Frigate")},
             {Database::Mast, Concat({HandRecord(Database::Mast, 1, "Mast"), Bytes(5, 1)})},
             {Database::Object3D, HandRecord(Database::Object3D, 0, "Ghost")},
             {Database::ShipClass, HandRecord(Database::ShipClass, 1, "Frigate")},
             {Database::CountryName, HandRecord(Database::CountryName, 1, "Varland")}});
        std::filesystem::remove(SetFilePath(m_dir.Path(), Database::Airstrip));
        std::filesystem::create_directory(SetFilePath(m_dir.Path(), Database::Airstrip));
        ASSERT_TRUE(m_doc.OnOpenDocument(objectFile));
    }
    std::vector<std::string> Findings() const {
        std::vector<std::string> lines;
        for (const CFinding& finding : CheckSet(m_doc)) {
            lines.push_back(FormatFinding(m_doc, finding));
        }
        return lines;
    }
    static std::vector<std::string> Describe(const std::vector<CReference>& references) {
        std::vector<std::string> lines;
        for (const CReference& reference : references) {
            lines.push_back(std::string(LayoutOf(reference.From()).name) + " " +
                            std::to_string(reference.nFromKey) + " " +
                            CReferenceIndex::FieldName(reference) +
                            (reference.bResolved ? " -> " + std::to_string(reference.nToIndex)
                                                 : " unresolved"));
        }
        return lines;
    }

    CapturedMessages m_messages;
    TempDir m_dir;
    CVentryDoc m_doc;
};

TEST_F(SetCheckTest, EveryProblemIsReportedOnceWhereItIs) {
    const char* kSub = "; the type filter files this record as Sub";
    EXPECT_THAT(
        Findings(),
        ElementsAre(
            "object.eod: 1: sensor_slots_3: sensor 77 does not exist",
            "object.eod: 1: airstrip_slots_5: airstrip -2 does not exist",
            "object.eod: 1: sonar_profile: sonar profile 9 does not exist",
            "object.eod: 3: sim_type: Sim Type 13 is outside 0 to 12: the type filter "
            "never lists this object",
            "sensor.esd: 5: index: records 1 and 2 of the file have this index; the next "
            "save drops record 1",
            "sensor.esd: 6: sensor_class: sensor class 0 is outside 1 to 11: the class "
            "filter never lists this sensor",
            "launcher.eld: 3: ammo_types_2: entity 11 is not a weapon entity",
            "launcher.eld: 3: ammo_types_3: entity 12 does not exist",
            "launcher.eld: 4: name: no object is named \"Nobody\"" + std::string(kSub),
            "airstrip.ead: -: -: cannot be read: Is a directory",
            "entity.epd: 11: ship_class_index: ship class 7 does not exist",
            "mast.emd: -: -: 5 bytes after the last whole record; the next save drops "
            "them",
            "3dobject.e3d: 0: name: no object is named \"Ghost\"" + std::string(kSub),
            "countryname.ecd: 1: name: no object is named \"Varland\"" + std::string(kSub)));
    const std::vector<CFinding> findings = CheckSet(m_doc);
    EXPECT_EQ(findings[6].strCode, "not-a-weapon");
    EXPECT_EQ(findings[9].strCode, "unreadable-file");
}

TEST_F(SetCheckTest, TheReferenceIndexFindsEveryLinkBothWaysAsTheSetIsNow) {
    const CReferenceIndex before(m_doc);
    EXPECT_THAT(
        Describe(before.From(Database::Object, 1)),
        ElementsAre("object 1 sensor_slots_1 -> 5", "object 1 sensor_slots_3 unresolved",
                    "object 1 launcher_slots_1 -> 3", "object 1 airstrip_slots_5 unresolved",
                    "object 1 sonar_profile unresolved"));
    EXPECT_THAT(Describe(before.To(Database::Object, 1)),
                ElementsAre("launcher 3 name -> 1", "entity 11 type_name -> 1",
                            "profile 1 name -> 1", "class 1 name -> 1"));
    EXPECT_THAT(Describe(before.To(Database::Entity, 10)),
                ElementsAre("launcher 3 ammo_types_1 -> 10"));
    EXPECT_THAT(Describe(before.To(Database::Launcher, 3)),
                ElementsAre("object 1 launcher_slots_1 -> 3"));

    // A renamed object: the records that found it by its old name find nothing now.
    RecordField::SetText(FindRecord(m_doc, Database::Object, 1), 2, 20, "Frigate II");
    const CReferenceIndex after(m_doc);
    EXPECT_THAT(Describe(after.To(Database::Object, 1)), IsEmpty());
    EXPECT_THAT(Describe(after.From(Database::Launcher, 3)),
                ElementsAre("launcher 3 ammo_types_1 -> 10", "launcher 3 ammo_types_2 -> 11",
                            "launcher 3 ammo_types_3 unresolved", "launcher 3 name unresolved"));
    EXPECT_EQ(after.Target(after.From(Database::Launcher, 3).back()), "Frigate");
}

// What a change brings is what whole checks before and after it tell; a change of how other
// records resolve (an object's type, an index) leaves it to them.
TEST_F(SetCheckTest, AChangeBringsWhatWholeChecksBeforeAndAfterTell) {
    struct Case {
        Database database;
        std::uint16_t nKey;
        std::size_t nOffset;
        std::uint8_t value;
        std::optional<std::vector<std::string>> brought;
    };
    const Case cases[] = {
        {Database::Object,
         1,
         302,
         77,
         {{"object.eod: 1: sensor_slots_2: sensor 77 does not exist"}}},
        {Database::Object,
         1,
         28,
         20,
         {{"object.eod: 1: sim_type: Sim Type 20 is outside 0 to 12: the type filter never "
           "lists this object"}}},
        {Database::Sensor, 6, 44, 3, std::vector<std::string>()},  // cures a finding
        {Database::Object, 2, 24, 2, std::nullopt},
        {Database::Entity, 11, 0, 21, std::nullopt},
    };
    const auto lines = [this](const std::vector<CFinding>& findings) {
        std::vector<std::string> formatted;
        for (const CFinding& finding : findings) {
            formatted.push_back(FormatFinding(m_doc, finding));
        }
        return formatted;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nOffset);
        const std::vector<CFinding> before = CheckSet(m_doc);
        Bytes after = RecordBytes(m_doc, c.database, c.nKey);
        after[c.nOffset] = c.value;
        CSetChange change("set");
        change.Change(c.database, c.nKey, RecordBytes(m_doc, c.database, c.nKey), after);
        const std::optional<std::vector<CFinding>> brought = CheckChange(m_doc, change);
        ASSERT_TRUE(m_doc.ApplyChange(change));
        ASSERT_EQ(brought.has_value(), c.brought.has_value());
        if (brought) {
            EXPECT_EQ(lines(*brought), *c.brought);
            EXPECT_EQ(lines(FindingsNotIn(CheckSet(m_doc), before)), *c.brought);
        }
        m_doc.Undo();
    }
}

// After changes the check and the references follow the set as a save would write it: the
// objects' types as they are now, an entity under the index it now stores, no finding of the
// load that a save cured.
TEST_F(SetCheckTest, TheCheckFollowsChangesAndSavesAsTheFilesWillBe) {
    const auto set = [this](Database database, std::uint16_t nKey, std::size_t nOffset,
                            std::uint8_t value) {
        Bytes after = RecordBytes(m_doc, database, nKey);
        after[nOffset] = value;
        CSetChange change("set");
        change.Change(database, nKey, RecordBytes(m_doc, database, nKey), after);
        ASSERT_TRUE(m_doc.ApplyChange(change));
    };
    set(Database::Object, 2, 24, 2);   // the torpedo object is a surface ship now
    set(Database::Entity, 11, 0, 21);  // entity 11 is written as 21
    const std::vector<std::string> findings = Findings();
    EXPECT_THAT(findings, testing::Contains("launcher.eld: 3: ammo_types_1: entity 10 is not a "
                                            "weapon entity"));
    EXPECT_THAT(findings, testing::Contains("launcher.eld: 3: ammo_types_2: entity 11 does not "
                                            "exist"));
    EXPECT_THAT(findings, testing::Contains("entity.epd: 21: ship_class_index: ship class 7 does "
                                            "not exist"));
    for (const CFinding& finding : CheckSet(m_doc)) {
        if (finding.nIndex >= 0) {
            EXPECT_EQ(finding.nKey, finding.strField == "ship_class_index" ? 11 : finding.nIndex);
        }
    }
    const CReferenceIndex references(m_doc);
    EXPECT_THAT(Describe(references.To(Database::Entity, 11)), IsEmpty());
    EXPECT_THAT(Describe(references.To(Database::Object, 1)),
                ElementsAre("launcher 3 name -> 1", "entity 11 type_name -> 1",
                            "profile 1 name -> 1", "class 1 name -> 1"));

    TempDir other;
    ASSERT_TRUE(m_doc.OnSaveDocument(SetFilePath(other.Path(), Database::Object)));
    for (const std::string& finding : Findings()) {
        EXPECT_THAT(finding, testing::Not(testing::AnyOf(testing::HasSubstr("of the file have"),
                                                         testing::HasSubstr("cannot be read"),
                                                         testing::HasSubstr("bytes after"))));
    }
}

}  // namespace
