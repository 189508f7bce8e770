#include <gtest/gtest.h>

#include "RecordLayouts.h"
#include "SetTake.h"
#include "TestFiles.h"
#include "VentryDoc.h"

namespace {

// A sensor: name at 2 (42 bytes, its last byte at 43).
Bytes Sensor(std::uint16_t index, const std::string& name,
             const std::vector<std::pair<std::size_t, Bytes>>& values = {}) {
    return HandRecord(Database::Sensor, index, name, values);
}

struct Case {
    const char* pszName;
    Bytes mine;
    Bytes other;
    std::string taken;  // the line as diff prints it
    Bytes result;
};

std::vector<Case> Cases() {
    return {
        {"a text keeps the bytes after this record's terminator",
         Sensor(5, "Radar", {{43, {0x77}}}), Sensor(5, "Radar II"),
         "sensor.esd: 5: name: Radar -> Radar II", Sensor(5, "Radar II", {{43, {0x77}}})},
        {"a tail replaces this record's, an empty one too", Sensor(5, "Radar", {{20, {0x66}}}),
         Sensor(5, "Radar", {{43, {0x55}}}),
         "sensor.esd: 5: name_tail: " + std::string(24, '0') + "66" + std::string(46, '0') +
             " -> " + std::string(70, '0') + "55",
         Sensor(5, "Radar", {{43, {0x55}}})},
    };
}

TEST(SetTakeTest, ATextAndItsTailAreTakenApartEachKeepingTheOtherInPlace) {
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.pszName);
        CVentryDoc mine;
        CVentryDoc other;
        const auto nSensors = static_cast<std::size_t>(Database::Sensor);
        CSetView view{};
        view[nSensors] = c.mine;
        mine.LoadFromMemory(view);
        view[nSensors] = c.other;
        other.LoadFromMemory(view);
        std::vector<CSetDifference> chosen;
        DiffSets(mine, other, [&](const CSetDifference& difference) {
            if (FormatDifference("sensor.esd", difference) == c.taken) {
                chosen.push_back(difference);
            }
        });
        ASSERT_EQ(chosen.size(), 1u);
        ASSERT_TRUE(mine.ApplyChange(TakeDifferences(mine, other, chosen).change));
        CSetImage image;
        mine.StoreToMemory(image);
        EXPECT_EQ(image[nSensors], c.result);
    }
}

}  // namespace
