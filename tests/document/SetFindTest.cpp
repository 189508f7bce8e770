#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "DocRecords.h"
#include "RecordLayouts.h"
#include "SetFind.h"

namespace {

using testing::ElementsAre;
using testing::IsEmpty;

// Latin-1 names, 70 in numbers of three databases and in a text.
class SetFindTest : public testing::Test {
protected:
    void SetUp() override {
        AddRecord(m_doc, Database::Object, 1,
                  HandRecord(Database::Object, 1, "K\xF8ge", {{88, {0, 0, 0, 0x3F}}, {92, {70}}}));
        AddRecord(m_doc, Database::Object, 2, HandRecord(Database::Object, 2, "K\xD8GE Two"));
        AddRecord(m_doc, Database::Sensor, 5,
                  HandRecord(Database::Sensor, 5, "Radar", {{76, {70}}, {160, {'7', '0', 'a'}}}));
        AddRecord(m_doc, Database::Mast, 70, HandRecord(Database::Mast, 70, "Kogge"));
    }
    std::vector<std::string> Lines(const CFindQuery& query) const {
        std::vector<std::string> lines;
        for (const CFindMatch& match : FindInSet(m_doc, query)) {
            lines.push_back(FormatMatch(m_doc, match));
        }
        return lines;
    }

    CVentryDoc m_doc;
};

TEST_F(SetFindTest, NumbersMatchEqualFieldsAndTextsMatchInAnyLetterCase) {
    EXPECT_THAT(Lines({"k\xC3\xB8GE"}),
                ElementsAre("object: 1: K\xC3\xB8ge (name)", "object: 2: K\xC3\x98GE Two (name)"));
    EXPECT_THAT(Lines({"70"}),
                ElementsAre("object: 1: K\xC3\xB8ge (mass)", "sensor: 5: Radar (counter_det_rng)",
                            "sensor: 5: Radar (display_name)", "mast: 70: Kogge (index)"));
    EXPECT_THAT(Lines({" 0.5 "}), ElementsAre("object: 1: K\xC3\xB8ge (cd)"));
    EXPECT_THAT(Lines({"70", &SensorLayout::kLayout, "display_name"}),
                ElementsAre("sensor: 5: Radar (display_name)"));
    EXPECT_THAT(Lines({"Kog", nullptr, "name"}), ElementsAre("mast: 70: Kogge (name)"));
    EXPECT_THAT(Lines({"nothing like it"}), IsEmpty());
    EXPECT_THAT(Lines({"\xE2\x82\xAC"}), IsEmpty());  // no record can hold it
}

}  // namespace
