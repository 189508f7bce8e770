#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "DocRecords.h"
#include "ScriptRun.h"

namespace {

using testing::ElementsAre;

// Object 1, sensor 5, masts 1 and 4 (the latter stores index 2, as after an edit) and 3D
// object 0; every test runs its script as "t.lua".
class ScriptTest : public testing::Test {
protected:
    void SetUp() override {
        AddRecord(m_doc, Database::Object, 1, HandRecord(Database::Object, 1, "Frigate"));
        AddRecord(m_doc, Database::Sensor, 5, HandRecord(Database::Sensor, 5, "Radar"));
        AddRecord(m_doc, Database::Mast, 1, HandRecord(Database::Mast, 1, "Main"));
        AddRecord(m_doc, Database::Mast, 4, HandRecord(Database::Mast, 2, "Edited"));
        AddRecord(m_doc, Database::Object3D, 0, HandRecord(Database::Object3D, 0, "Hull"));
    }
    CScriptResult Run(const std::string& text, const CScriptLimits& limits = {}) {
        m_strPrinted.clear();
        return RunScript(m_doc, text, "t.lua", limits,
                         [this](std::string_view text) { m_strPrinted += text; });
    }

    CVentryDoc m_doc;
    std::string m_strPrinted;
};

// Every kind of field in every database, by name: what a record holds reads as the Lua value,
// and a value written lands in exactly the field's bytes.
TEST_F(ScriptTest, EveryKindOfFieldReadsAndWritesByNameInEveryDatabase) {
    struct Case {
        const char* pszField;
        std::size_t nOffset;
        Bytes stored;
        const char* pszRead;  // Lua expressions
        const char* pszWrite;
        Bytes written;
    };
    struct DatabaseCases {
        Database database;
        const char* pszName;
        std::vector<Case> cases;
    };
    const DatabaseCases databases[] = {
        {Database::Object,
         "object",
         {{"mass", 92, {0x18, 0xFC}, "-1000", "32767", {0xFF, 0x7F}},
          {"fuel", 104, {0x40, 0x42, 0x0F, 0}, "1000000", "-2147483648", {0, 0, 0, 0x80}},
          {"cd", 88, {0, 0, 0xC0, 0x3F}, "1.5", "-0.25", {0, 0, 0x80, 0xBE}},
          {"asw", 134, {200}, "200", "255", {255}},
          {"target_caps", 334, {0xFF, 0xFF}, "65535", "4660", {0x34, 0x12}},
          {"sound_file", 52, {'K', 'l', 0xE9}, "'Kl\\233'", "'\\255x'", {0xFF, 'x', 0}},
          {"reserved_110", 110, {1, 2}, "'\\1\\2'", "'\\9\\8'", {9, 8}},
          {"sensor_slots[9]", 316, {7, 0}, "7", "-2", {0xFE, 0xFF}}}},
        {Database::Sensor,
         "sensor",
         {{"detection_curve_ranges[4]",
           68,
           {0xFF, 0xFF, 0xFF, 0xFF},
           "4294967295",
           "1",
           {1, 0, 0, 0}},
          {"display_name", 160, {'S', 0, 'x'}, "'S'", "'AB'", {'A', 'B', 0}}}},
        {Database::Launcher, "launcher", {{"rounds[2]", 66, {14, 0}, "14", "600", {0x58, 0x02}}}},
        {Database::Airstrip,
         "airstrip",
         {{"name", 76, {}, "'Row'", "'Deck'", {'D', 'e', 'c', 'k', 0}}}},
        {Database::Entity, "entity", {{"index", 0, {}, "7", "9", {9, 0}}}},
        {Database::Profile,
         "profile",
         {{"reserved_34", 34, {}, "('\\0'):rep(10)", "('\\7'):rep(10)", Bytes(10, 7)}}},
        {Database::Mast, "mast", {{"center_z", 88, {}, "0", "3", {0, 0, 0x40, 0x40}}}},
        {Database::Object3D,
         "3dobject",
         {{"anim_parts", 152, {}, "0", "70000", {0x70, 0x11, 1, 0}},
          {"reserved_156", 156, {}, "('\\0'):rep(800)", "('\\7'):rep(800)", Bytes(800, 7)}}},
        {Database::ShipClass,
         "class",
         {{"class", 50, {}, "''", "'Frigate'", {'F', 'r', 'i', 'g', 'a', 't', 'e', 0}}}},
        {Database::CountryName,
         "countryname",
         {{"abbreviation", 52, {}, "''", "'ABCD'", {'A', 'B', 'C', 'D'}}}},
    };
    for (const auto& [database, pszName, cases] : databases) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(pszName) + "." + c.pszField);
            const Bytes before = HandRecord(database, 7, "Row", {{c.nOffset, c.stored}});
            AddRecord(m_doc, database, 7, before);
            const std::string field = std::string("r.") + c.pszField;
            const CScriptResult result =
                Run(std::string("local r = set['") + pszName + "'][7]\nassert(" + field + " == " +
                    c.pszRead + ", tostring(" + field + "))\n" + field + " = " + c.pszWrite);
            ASSERT_TRUE(result.bSucceeded) << result.strError;
            ASSERT_EQ(result.change.Records().size(), 1u);
            const CRecordChange& record = result.change.Records()[0];
            Bytes after = before;
            std::copy(c.written.begin(), c.written.end(),
                      after.begin() + static_cast<long>(c.nOffset));
            EXPECT_EQ(record.database, database);
            EXPECT_EQ(record.nKey, 7);
            EXPECT_EQ(record.before, before);
            EXPECT_EQ(record.after, after);
        }
    }
}

// A NaN with a payload, -0 and infinity written back as read keep their bits; fields not
// written keep theirs anyway.
TEST_F(ScriptTest, FloatsWrittenBackAsReadKeepTheirBits) {
    const Bytes before = HandRecord(
        Database::Mast, 7, "Row",
        {{80, {0x34, 0x12, 0xC0, 0x7F}}, {84, {0, 0, 0, 0x80}}, {88, {0, 0, 0x80, 0x7F}}});
    AddRecord(m_doc, Database::Mast, 7, before);
    const CScriptResult result =
        Run("local m = set.mast[7]\nm.center_x, m.center_y, m.center_z = m.center_x, m.center_y, "
            "m.center_z\nm.length = 5");
    ASSERT_TRUE(result.bSucceeded) << result.strError;
    Bytes after = before;
    after[92] = 5;
    ASSERT_EQ(result.change.Records().size(), 1u);
    EXPECT_EQ(result.change.Records()[0].after, after);
}

// New copies its model, or starts from zeros, under the index it is given, which an indexed
// record stores too; the walk and the count take the new records in.
TEST_F(ScriptTest, NewRecordsJoinTheDatabase) {
    const CScriptResult result =
        Run("local copy = set.sensor:new(9, set.sensor[5])\nset.sensor:new(3).name = 'Blank'\n"
            "set['3dobject']:new(1, set['3dobject'][0])\ncopy.name = 'Copy'\n"
            "for key, sensor in set.sensor:records() do print(key, sensor.index, sensor.name) end\n"
            "print(#set.sensor, #set['3dobject'], set.sensor[9] == copy, set.sensor[9] == "
            "set.sensor[3])");
    ASSERT_TRUE(result.bSucceeded) << result.strError;
    EXPECT_EQ(m_strPrinted, "3\t3\tBlank\n5\t5\tRadar\n9\t9\tCopy\n3\t2\ttrue\tfalse\n");
    std::vector<std::string> changes;
    for (const CRecordChange& record : result.change.Records()) {
        EXPECT_TRUE(record.IsAdded());
        changes.push_back(std::to_string(record.nKey));
    }
    EXPECT_THAT(changes, ElementsAre("3", "9", "1"));
    EXPECT_EQ(result.change.Records()[0].after, HandRecord(Database::Sensor, 3, "Blank"));
    EXPECT_EQ(result.change.Records()[1].after, HandRecord(Database::Sensor, 9, "Copy"));
    EXPECT_EQ(result.change.Records()[2].after, HandRecord(Database::Object3D, 0, "Hull"));
}

// Each refusal names the line, the record and the field; a value that does not fit stops the
// script even inside pcall; nothing the script did is kept.
TEST_F(ScriptTest, RefusedValuesAndMisusesNameTheirLineRecordAndField) {
    const std::pair<const char*, const char*> cases[] = {
        {"o.mass = 70000", "object 1: mass: 70000 does not fit a 16-bit signed integer"},
        {"o.asw = -1", "object 1: asw: -1 does not fit an 8-bit unsigned integer"},
        {"s.detection_curve_ranges[2] = -1",
         "sensor 5: detection_curve_ranges_2: -1 does not fit a 32-bit unsigned integer"},
        {"o.fuel = 2^31", "object 1: fuel: 2147483648 does not fit a 32-bit signed integer"},
        {"o.mass = 1.5", "object 1: mass: 1.5 is not an integer"},
        {"o.mass = '5'", "object 1: mass: needs an integer, not a string"},
        {"o.cd = 1e39", "object 1: cd: 1e+39 does not fit a 32-bit float"},
        {"o.cd = 1/0", "object 1: cd: inf does not fit a 32-bit float"},
        {"o.name = ('x'):rep(21)", "object 1: name: a text of 21 characters does not fit 20"},
        {"o.name = 'a\\0b'", "object 1: name: a text cannot hold a zero byte"},
        {"o.name = 5", "object 1: name: needs a string, not a number"},
        {"o.reserved_110 = 'abc'", "object 1: reserved_110: needs a string of exactly 2 bytes"},
        {"set.mast[1].index = 2", "mast 1: index: 2 is another record's index"},
        {"set.mast[1].index = 4", "mast 1: index: 4 is another record's index"},
        {"pcall(function() o.mass = 1e6 end) o.mass = 5",
         "object 1: mass: 1000000 does not fit a 16-bit signed integer"},
        {"o.fule = 1", "object 1: no field fule"},
        {"o.sensor_slots[10] = 1", "object 1: sensor_slots: no element 10; it has 1 to 9"},
        {"o.sensor_slots = {}",
         "object 1: sensor_slots: a list; write its elements, as "
         "sensor_slots[1]"},
        {"set.sensor[5] = o", "sensor: records are added with new and changed field by field"},
        {"set.sensor:new(5)", "sensor: new: index 5 is taken"},
        {"set.mast:new(2)", "mast: new: index 2 is taken"},
        {"set.sensor:new(65536)", "sensor: new: 65536 is no index (0 to 65535)"},
        {"set.sensor:new(9, o)", "sensor: new: copies only a record of sensor"},
        {"set['3dobject']:new(5)", "3dobject: new: records join at the end, as 1"},
    };
    for (const auto& [pszStatement, pszMessage] : cases) {
        const CScriptResult result = Run(std::string("local o = set.object[1]\nlocal s = "
                                                     "set.sensor[5]\no.armor = 1\n") +
                                         pszStatement);
        EXPECT_FALSE(result.bSucceeded) << pszStatement;
        EXPECT_EQ(result.strError, std::string("t.lua:4: ") + pszMessage);
        EXPECT_TRUE(result.change.IsEmpty());
    }
}

// No files, programs or precompiled code; limits that pcall cannot get round.
TEST_F(ScriptTest, ScriptsRunInASandboxWithinTheirLimits) {
    struct Case {
        const char* pszScript;
        const char* pszOutcome;  // the error, or what was printed
        CScriptLimits limits = {};
    };
    const Case cases[] = {
        {"io.open('x')", "t.lua:1: attempt to index a nil value (global 'io')"},
        {"os.execute('true')", "t.lua:1: attempt to call a nil value (field 'execute')"},
        {"os.remove('x')", "t.lua:1: attempt to call a nil value (field 'remove')"},
        {"require('os')", "t.lua:1: attempt to call a nil value (global 'require')"},
        {"dofile('x')", "t.lua:1: attempt to call a nil value (global 'dofile')"},
        {"loadfile('x')", "t.lua:1: attempt to call a nil value (global 'loadfile')"},
        {"debug.getinfo(1)", "t.lua:1: attempt to index a nil value (global 'debug')"},
        {"print(load(string.dump(function() end)))",
         "nil\tattempt to load a binary chunk (mode is 't')\n"},
        {"print(load('return 6 * 7')(), os.clock() >= 0, os.time() > 0, #os.date('%Y'))",
         "42\ttrue\ttrue\t4\n"},
        {"error({})", "t.lua: the error is a table value"},
        {"while true do end", "t.lua:1: stopped: more than 100000 instructions", {100000}},
        {"print(pcall(function() while true do end end))\nwhile true do end",
         "t.lua:1: stopped: more than 100000 instructions",
         {100000}},
        {"local t = {}\nwhile true do t[#t + 1] = {} end",
         "t.lua: stopped: more than 4 MB of memory",
         {100'000'000, 4 << 20}},
        {"pcall(string.rep, 'x', 1 << 30)\nprint('on')",
         "t.lua: stopped: more than 4 MB of memory",
         {100'000'000, 4 << 20}},
        // Memory taken counts as work, so a loop of few instructions cannot run for ever.
        {"local s = ('x'):rep(1 << 22)",
         "t.lua: stopped: more than 10000 instructions",
         {10000, 64 << 20}},
    };
    for (const Case& c : cases) {
        const CScriptResult result = Run(c.pszScript, c.limits);
        EXPECT_EQ(result.bSucceeded ? m_strPrinted : result.strError, c.pszOutcome) << c.pszScript;
    }
}

}  // namespace
