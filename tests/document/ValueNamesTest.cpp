#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "DocRecords.h"
#include "RecordLayouts.h"
#include "ValueExpression.h"
#include "ValueNames.h"

namespace {

FieldColumn ColumnNamed(Database database, const std::string& name) {
    for (FieldColumn& column : ColumnsOf(LayoutOf(database))) {
        if (column.name == name) {
            return column;
        }
    }
    throw std::logic_error("no column " + name);
}

// Weapon entities 10 "Torpedo Load", 12 and 13 "Mine Pack"; entity 11 carries no weapon.
class ValueNamesTest : public testing::Test {
protected:
    void SetUp() override {
        AddObject(m_doc, 1, "Torpedo", 2, 8);
        AddObject(m_doc, 2, "Mine", 6, 7);
        AddObject(m_doc, 3, "Frigate", 1, 2);
        const std::pair<std::uint16_t, const char*> entities[] = {
            {10, "Torpedo Load"}, {11, "Crew"}, {12, "Mine Pack"}, {13, "Mine Pack"}};
        for (const auto& [nIndex, pszName] : entities) {
            const std::string type = nIndex == 10 ? "Torpedo" : nIndex == 11 ? "Frigate" : "Mine";
            AddRecord(m_doc, Database::Entity, nIndex,
                      HandRecord(Database::Entity, nIndex, pszName,
                                 {{36, Bytes(type.begin(), type.end())}}));
        }
    }

    CVentryDoc m_doc;
};

// Values that have no name of their own beside named ones, each read back to its bytes.
struct Shown {
    Database database;
    const char* pszColumn;
    std::size_t nOffset;
    Bytes bytes;
    const char* pszText;
};
const Shown kShown[] = {
    {Database::Object, "object_type", 24, {5, 0, 0, 0}, "5"},
    {Database::Object, "sim_type", 28, {13, 0, 0, 0}, "13"},
    {Database::Object, "countermeasures", 338, {0xE1}, "Chaff, CIWS, 0xC0"},
    {Database::Object, "countermeasures", 338, {0x00}, ""},
    {Database::Sensor, "counter_detect_sensor", 48, {12, 0, 0, 0}, "12"},
    {Database::Launcher, "ammo_types_1", 72, {10, 0}, "Torpedo Load"},
    {Database::Launcher, "ammo_types_2", 74, {0, 0}, ""},
    {Database::Launcher, "ammo_types_3", 76, {11, 0}, "11"},
};

TEST_F(ValueNamesTest, NamedValuesShowAsTheEditorsNameThemAndReadBackToTheSameBytes) {
    const CValueNames names(m_doc);
    for (const Shown& shown : kShown) {
        SCOPED_TRACE(shown.pszText);
        const FieldColumn column = ColumnNamed(shown.database, shown.pszColumn);
        Bytes record(LayoutOf(shown.database).nRecordSize, 0);
        std::copy(shown.bytes.begin(), shown.bytes.end(), record.begin() + shown.nOffset);
        EXPECT_EQ(names.Format(column, record.data()), shown.pszText);
        Bytes parsed(record.size(), 0xAA);
        std::string strReason;
        EXPECT_TRUE(names.Parse(column, shown.pszText, parsed.data(), strReason)) << strReason;
        EXPECT_TRUE(
            std::equal(shown.bytes.begin(), shown.bytes.end(), parsed.begin() + shown.nOffset));
    }
    // Without a set, ammunition is a number.
    Bytes launcher(120, 0);
    launcher[72] = 10;
    EXPECT_EQ(
        CValueNames().Format(ColumnNamed(Database::Launcher, "ammo_types_1"), launcher.data()),
        "10");
}

TEST_F(ValueNamesTest, NamesReadInAnyCaseAndWhatIsNoNameIsRefusedWithTheChoices) {
    const CValueNames names(m_doc);
    const auto value = [&](Database database, const char* pszColumn, const char* pszText) {
        std::int64_t nValue = 0;
        std::string strReason;
        const bool bRead =
            names.ParseValue(ColumnNamed(database, pszColumn), pszText, nValue, strReason);
        return bRead ? std::to_string(nValue) : strReason;
    };
    EXPECT_EQ(value(Database::Object, "object_type", " surf "), "2");
    EXPECT_EQ(value(Database::Object, "target_caps", "SUB,  air, 0x8000"), "32773");
    EXPECT_EQ(value(Database::Launcher, "ammo_types_4", "torpedo load"), "10");
    EXPECT_EQ(value(Database::Object, "object_type", "Boat"),
              "needs one of Sub, Surf, Air, Helo, Stat (Land), Mine, Weap (Torp), Missile, Shell, "
              "Bullet, Downed Pilot or an integer between -2147483648 and 2147483647.");
    EXPECT_EQ(value(Database::Object, "countermeasures", "Chaff, 0x100"),
              "needs names of its bits (Chaff, IR Flares, Acoustics, Towed Acoustics, ECM Jammer, "
              "CIWS) or numbers up to 0xFF, separated by commas.");
    EXPECT_EQ(value(Database::Launcher, "ammo_types_1", "Mine Pack"),
              "names several weapon entities (12, 13); give the index instead.");
    EXPECT_EQ(value(Database::Launcher, "ammo_types_1", "Crew"),
              "needs the name of a weapon entity or its index.");
}

// An object whose mass is 300, cd 0.5, Object Type Surf and target_caps Sub, named Kite.
struct Expression {
    const char* pszColumn;
    const char* pszExpression;
    const char* pszResult;  // the cell afterwards, or the problem
};
const Expression kExpressions[] = {
    {"mass", "5", "5"},
    {"mass", "=-5", "-5"},
    {"mass", "+12", "312"},
    {"mass", "-400", "-100"},
    {"mass", "*1.5", "450"},
    {"mass", "/8", "38"},  // 37.5, half away from zero
    {"mass", "*-0.005", "-2"},
    {"mass", "|0x8000", "-32468"},
    {"cd", "*3", "1.5"},
    {"cd", "/3", "0.16666667"},
    {"object_type", "Missile", "Missile"},
    {"object_type", "+1", "Air"},
    {"target_caps", "|0x0100", "Sub, 0x0100"},
    {"target_caps", "|Air, Land", "Sub, Air, Land"},
    {"target_caps", "&~0x0001", ""},
    {"name", "-Kite-", "-Kite-"},
    {"name", "=+1", "+1"},
    {"mass", "*200", "object 1: mass: 60000 does not fit between -32768 and 32767."},
    {"mass", "abc", "object 1: mass: needs an integer between -32768 and 32767."},
    {"mass", "/0", "mass: A division by 0 gives no number."},
    {"name", "+1", "name: +, -, * and / compute with numbers; = before a text sets it as it is."},
    {"cd", "|1", "cd: | and &~ set and clear bits of whole numbers only."},
    {"cd", "*1e39", "object 1: cd: 5e+38 does not fit a float."},
    {"name", "A name of 21 letters!", "object 1: name: holds more than 20 characters."},
};

TEST_F(ValueNamesTest, EveryExpressionFormSetsTheCellOrSaysWhyNotAndUndoRestoresTheBytes) {
    const Bytes kite =
        HandRecord(Database::Object, 1, "Kite",
                   {{24, {2}}, {88, {0, 0, 0, 0x3F}}, {92, {0x2C, 0x01}}, {334, {1}}});
    AddRecord(m_doc, Database::Object, 1, kite);
    const CValueNames names;
    for (const Expression& expression : kExpressions) {
        SCOPED_TRACE(expression.pszExpression);
        const FieldColumn column = ColumnNamed(Database::Object, expression.pszColumn);
        const std::uint16_t keys[] = {1};
        const CCellEdit edit =
            SetValues(m_doc, Database::Object, column, keys, names, expression.pszExpression);
        if (edit.Failed()) {
            EXPECT_EQ(edit.Problem(), expression.pszResult);
            continue;
        }
        EXPECT_EQ(edit.Change().Title(), "1 cell in object");
        ASSERT_TRUE(m_doc.ApplyChange(edit.Change()));
        EXPECT_EQ(names.Format(column, FindRecord(m_doc, Database::Object, 1)),
                  expression.pszResult);
        m_doc.Undo();
        EXPECT_EQ(RecordBytes(m_doc, Database::Object, 1), kite);
    }
}

}  // namespace
