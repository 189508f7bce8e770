#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>

#include "ComparedSet.h"
#include "RecordLayouts.h"
#include "SetMerge.h"
#include "TestFiles.h"
#include "VentryDoc.h"

namespace {

// A sensor: name at 2 (42 bytes), sensor_class at 44, counter_detect_sensor at 48, reserved
// bytes at 72, the floats data20_y and data21_z at 136 and 140.
Bytes Sensor(std::uint16_t index, const std::string& name,
             const std::vector<std::pair<std::size_t, Bytes>>& values = {}) {
    return HandRecord(Database::Sensor, index, name, values);
}

// Sensor 5, "Radar", of a sensor class and a counter-detect sensor.
Bytes Radar(std::uint8_t nClass, std::uint8_t nCounter = 0) {
    return Sensor(5, "Radar", {{44, {nClass}}, {48, {nCounter}}});
}

// A 3D object: water_line_radius at 140, anim_parts at 152.
Bytes Object3D(const std::string& name, const std::vector<std::pair<std::size_t, Bytes>>& values) {
    return HandRecord(Database::Object3D, 0, name, values);
}

struct Case {
    const char* pszName;
    Bytes base;
    Bytes ours;
    Bytes theirs;
    EMergePreference prefer;
    Bytes merged;                // ours after the merge's change
    std::string conflicts = "";  // a line each
    Database database = Database::Sensor;
};

const Bytes kNaN{0x34, 0x12, 0xC0, 0x7F};
const Bytes kMinusZero{0, 0, 0, 0x80};

std::vector<Case> Cases() {
    using enum EMergePreference;
    const std::string kClass = "sensor: 5: sensor_class: base 8, ";
    return {
        {"fields changed on different sides", Radar(8), Radar(9), Radar(8, 3), None, Radar(9, 3)},
        {"the same change on both sides", Radar(8), Radar(9), Radar(9), None, Radar(9)},
        {"different changes conflict", Radar(8), Radar(9), Radar(7, 3), None, Radar(9, 3),
         kClass + "ours 9, theirs 7\n"},
        {"ours preferred", Radar(8), Radar(9), Radar(7, 3), Ours, Radar(9, 3),
         kClass + "ours 9, theirs 7\n"},
        {"theirs preferred", Radar(8), Radar(9), Radar(7, 3), Theirs, Radar(7, 3),
         kClass + "ours 9, theirs 7\n"},
        {"added on each side", Radar(8), Concat({Radar(8), Sensor(6, "Sonar")}),
         Concat({Radar(8), Sensor(7, "Mast")}), None,
         Concat({Radar(8), Sensor(6, "Sonar"), Sensor(7, "Mast")})},
        {"added on both sides, merged against zeros", Bytes(), Sensor(6, "Ours", {{44, {9}}}),
         Sensor(6, "Theirs", {{48, {3}}}), Theirs, Sensor(6, "Theirs", {{44, {9}}, {48, {3}}}),
         "sensor: 6: name: base -, ours Ours, theirs Theirs\n"},
        {"removed on one side, unchanged on the other", Concat({Radar(8), Sensor(6, "Sonar")}),
         Sensor(6, "Sonar"), Radar(8), None, Bytes()},
        {"removed by ours, changed by theirs", Radar(8), Bytes(), Radar(4), Theirs, Radar(4),
         kClass + "ours -, theirs 4\n"},
        {"changed by ours, removed by theirs", Radar(8), Radar(4), Bytes(), None, Radar(4),
         kClass + "ours 4, theirs -\n"},
        {"a file out of index order, with an index twice", Concat({Radar(8), Sensor(6, "Sonar")}),
         Concat({Radar(8), Sensor(6, "Sonar")}),
         Concat({Sensor(6, "Sonar", {{48, {2}}}), Radar(1), Radar(8, 3)}), None,
         Concat({Radar(8, 3), Sensor(6, "Sonar", {{48, {2}}})})},
        {"reserved bytes are a field", Sensor(5, "Radar", {{72, {1}}}),
         Sensor(5, "Radar", {{72, {1, 5}}}), Sensor(5, "Radar", {{72, {2}}, {44, {9}}}), None,
         Sensor(5, "Radar", {{72, {1, 5}}, {44, {9}}}),
         "sensor: 5: reserved_72: base 01000000, ours 01050000, theirs 02000000\n"},
        // The bytes after a text's terminator stay at the end of the field.
        {"a new name with the other side's tail", Sensor(5, "Radar", {{43, {0x77}}}),
         Sensor(5, "Radar II", {{43, {0x77}}}), Sensor(5, "Radar", {{42, {1, 0x66}}}), None,
         Sensor(5, "Radar II", {{42, {1, 0x66}}})},
        {"a name over the other side's tail", Sensor(5, "Radar"), Sensor(5, "Radar II"),
         Sensor(5, "Radar", {{8, {0x55}}}), None, Sensor(5, "Radar II"),
         "sensor: 5: name: base Radar, ours Radar II, theirs Radar\nsensor: 5: name_tail: base , "
         "ours , theirs 55" +
             std::string(70, '0') + "\n"},
        {"Latin-1 and special floats bit for bit", Radar(8),
         Sensor(5, "Kl\xE9", {{44, {8}}, {136, kNaN}}),
         Sensor(5, "Radar", {{44, {8}}, {136, kMinusZero}, {140, kMinusZero}}), Ours,
         Sensor(5, "Kl\xE9", {{44, {8}}, {136, kNaN}, {140, kMinusZero}}),
         "sensor: 5: data20_y: base 0, ours 0x7FC01234, theirs -0\n"},
        {"3D objects by position", Concat({Object3D("Hull", {}), Object3D("Mast", {})}),
         Concat({Object3D("Hull", {}), Object3D("Mast", {{152, {4}}})}),
         Concat(
             {Object3D("Hull", {{140, kMinusZero}}), Object3D("Mast", {}), Object3D("Crane", {})}),
         None,
         Concat({Object3D("Hull", {{140, kMinusZero}}), Object3D("Mast", {{152, {4}}}),
                 Object3D("Crane", {})}),
         "", Database::Object3D},
    };
}

// Each case twice: with base and theirs loaded, and read from files against ours.
TEST(SetMergeTest, JoinsTheChangesOfBothSidesFieldByField) {
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.pszName);
        const auto nDatabase = static_cast<std::size_t>(c.database);
        std::array<CVentryDoc, 3> docs;
        const std::array<const Bytes*, 3> files{&c.base, &c.ours, &c.theirs};
        for (std::size_t i = 0; i < 3; ++i) {
            CSetView view{};
            view[nDatabase] = *files[i];
            docs[i].LoadFromMemory(view);
        }
        TempDir dir;
        CComparedSet base(docs[1]);
        CComparedSet theirs(docs[1]);
        ASSERT_TRUE(base.OnOpenDocument(WriteSet(dir.Path() / "base", {{c.database, c.base}})));
        ASSERT_TRUE(
            theirs.OnOpenDocument(WriteSet(dir.Path() / "theirs", {{c.database, c.theirs}})));
        for (const CMergeResult& merge : {MergeSets(base, docs[1], theirs, c.prefer),
                                          MergeSets(docs[0], docs[1], docs[2], c.prefer)}) {
            std::string conflicts;
            for (const CMergeConflict& conflict : merge.conflicts) {
                conflicts +=
                    FormatConflict(std::string(LayoutOf(c.database).name), conflict) + '\n';
            }
            EXPECT_EQ(conflicts, c.conflicts);
            docs[1].ApplyChange(merge.change);
            CSetImage image;
            docs[1].StoreToMemory(image);
            EXPECT_EQ(image[nDatabase], c.merged);
            docs[1].Undo();
        }
    }
}

}  // namespace
