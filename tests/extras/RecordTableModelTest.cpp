#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>
#include <algorithm>

#include "DocRecords.h"
#include "GuiTest.h"
#include "RecordField.h"
#include "RecordLayouts.h"
#include "RecordTableModel.h"
#include "TestFiles.h"
#include "ValueDelegate.h"
#include "VentryDoc.h"

namespace {

using testing::ElementsAre;

class RecordTableModelTest : public testing::Test {
protected:
    // Record bytes as written by hand: the index (when the database has one), then values.
    std::uint8_t* Add(Database database, std::uint16_t nKey, Bytes image) {
        if (LayoutOf(database).bIndexed) {
            RecordField::Set(image.data(), 0, nKey);
        }
        return m_doc.Records(database).Add(nKey, image.data());
    }
    int Column(const std::string& name) const {
        for (int nColumn = 0; nColumn < m_model.columnCount(); ++nColumn) {
            if (m_model.headerData(nColumn, Qt::Horizontal, Qt::DisplayRole).toString() ==
                QString::fromStdString(name)) {
                return nColumn;
            }
        }
        ADD_FAILURE() << "no column " << name;
        return 0;
    }
    std::string Cell(int nRow, const std::string& column) const {
        return m_model.index(nRow, Column(column)).data().toString().toStdString();
    }
    bool Edit(int nRow, const std::string& column, const char* pszText) {
        return m_model.setData(m_model.index(nRow, Column(column)), QString::fromUtf8(pszText),
                               Qt::EditRole);
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (int nRow = 0; nRow < m_model.rowCount(); ++nRow) {
            names.push_back(Cell(nRow, "name"));
        }
        return names;
    }

    CVentryDoc m_doc;
    CMessageLog m_messages;
    CRecordTableModel m_model{m_doc, nullptr};
};

TEST_F(RecordTableModelTest, CellsShowEveryKindOfFieldAsTheEditorsDo) {
    struct Shown {
        std::size_t nOffset;
        Bytes bytes;
        const char* pszColumn;
        const char* pszText;
    };
    const Shown cells[] = {
        {0, {7, 0}, "index", "7"},
        {2, {'K', 0xF8, 'g', 'e', 0, 'x'}, "name", "K\u00F8ge"},  // Latin-1, then old bytes
        {22, {0xFE, 0xFF}, "id", "-2"},
        {24, {0x70, 0x11, 0x01, 0x00}, "object_type", "70000"},
        {76, {0x34, 0x12, 0xC0, 0x7F}, "length_x10", "0x7FC01234"},  // NaN with a payload
        {134, {0xFF}, "asw", "255"},
        {334, {0xFF, 0xFF}, "target_caps", "Sub, Surf, Air, Helo, Land, Missile, 0xFF60"},
        {220, {0x00, 0x80}, "launcher_slots_1", "-32768"},
    };
    Bytes object(344, 0);
    for (const Shown& cell : cells) {
        std::copy(cell.bytes.begin(), cell.bytes.end(),
                  object.begin() + static_cast<std::ptrdiff_t>(cell.nOffset));
    }
    const std::uint8_t* pRecord = Add(Database::Object, 7, object);
    m_model.SetDatabase(Database::Object);
    ASSERT_EQ(m_model.rowCount(), 1);
    EXPECT_EQ(m_model.headerData(0, Qt::Vertical, Qt::DisplayRole).toInt(), 7);
    for (const Shown& cell : cells) {
        EXPECT_EQ(Cell(0, cell.pszColumn), cell.pszText) << cell.pszColumn;
    }
    // Only the values: no text tails, no reserved bytes.
    EXPECT_EQ(m_model.columnCount(), 105);
    EXPECT_FALSE(m_model.flags(m_model.index(0, Column("index"))) & Qt::ItemIsEditable);
    EXPECT_TRUE(m_model.flags(m_model.index(0, Column("name"))) & Qt::ItemIsEditable);
    EXPECT_EQ(m_model.Csv({0}, {Column("index"), Column("name")}), "index,name\r\n7,K\u00F8ge\r\n");

    // A refused value is named and stores nothing; the value a cell shows already changes
    // nothing either.
    EXPECT_TRUE(Edit(0, "asw", "255"));
    EXPECT_FALSE(Edit(0, "id", "40000"));
    EXPECT_FALSE(Edit(0, "name", "\u20AC uro"));
    EXPECT_EQ(Bytes(pRecord, pRecord + 344), object);
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_THAT(m_messages.Texts(),
                ElementsAre("The field \"id\" needs an integer between -32768 and 32767.",
                            "The field \"name\" holds characters that cannot be stored."));
}

TEST_F(RecordTableModelTest, SortsNumbersByValueAndFiltersTextsWhateverTheCase) {
    const std::pair<const char*, std::int16_t> objects[] = {
        {"Frigate", 30}, {"corvette", 5}, {"FRIGATE Two", 100}, {"Tender", 30}};
    for (std::uint16_t nKey = 1; const auto& [pszName, nSpeed] : objects) {
        Bytes object(344, 0);
        RecordField::SetText(object.data(), 2, 20, pszName);
        RecordField::Set(object.data(), 148, nSpeed);
        Add(Database::Object, nKey++, object);
    }
    m_model.SetDatabase(Database::Object);
    m_model.sort(Column("max_speed"), Qt::AscendingOrder);
    EXPECT_THAT(Names(), ElementsAre("corvette", "Frigate", "Tender", "FRIGATE Two"));
    m_model.sort(Column("max_speed"), Qt::DescendingOrder);
    EXPECT_THAT(Names(), ElementsAre("FRIGATE Two", "Frigate", "Tender", "corvette"));
    m_model.sort(Column("name"), Qt::AscendingOrder);
    EXPECT_THAT(Names(), ElementsAre("corvette", "Frigate", "FRIGATE Two", "Tender"));
    m_model.SetFilter(QStringLiteral("frig"));
    EXPECT_THAT(Names(), ElementsAre("Frigate", "FRIGATE Two"));
    m_model.sort(-1, Qt::AscendingOrder);
    EXPECT_EQ(m_model.headerData(1, Qt::Vertical, Qt::DisplayRole).toInt(), 3);
}

// The editors' combos and check boxes as the record descriptions list them: (text, value) and
// (check box, mask).
using Items = std::vector<std::pair<std::string, qlonglong>>;
const Items kObjectTypes{{"Sub", 1},         {"Surf", 2},    {"Air", 3},          {"Helo", 4},
                         {"Stat (Land)", 6}, {"Mine", 7},    {"Weap (Torp)", 8},  {"Missile", 9},
                         {"Shell", 10},      {"Bullet", 11}, {"Downed Pilot", 12}};
const Items kSimTypes{{"sub", 0},      {"ship", 1}, {"torp", 2},   {"cm", 3},    {"float", 4},
                      {"rock", 5},     {"mine", 6}, {"depth", 7},  {"plane", 8}, {"helo", 9},
                      {"missile", 10}, {"bio", 11}, {"bullet", 12}};
const Items kClasses{{"None", 0},     {"Active", 1},  {"Active Intercept", 2},
                     {"ESM", 3},      {"Visual", 4},  {"MAD", 5},
                     {"IR", 6},       {"Passive", 7}, {"Radar", 8},
                     {"FC Radar", 9}, {"CM", 10},     {"Jammer", 11}};
const Items kTargetCaps{{"Sub", 0x01},  {"Surf", 0x02}, {"Air", 0x04},
                        {"Helo", 0x08}, {"Land", 0x10}, {"Missile", 0x80}};
const Items kMissileCaps{
    {"AAM", 0x01},    {"ASM", 0x02},   {"SSM", 0x04}, {"SAM", 0x08}, {"Terrain Follow", 0x20},
    {"Guided", 0x40}, {"Thrown", 0x80}};
const Items kCountermeasures{{"Chaff", 0x01},           {"IR Flares", 0x02},  {"Acoustics", 0x04},
                             {"Towed Acoustics", 0x08}, {"ECM Jammer", 0x10}, {"CIWS", 0x20}};
const Items kSensorAttributes{
    {"Target Aspect", 0x0001},  {"Thermal Layer", 0x0002},      {"Sea State", 0x0004},
    {"unknown8", 0x0008},       {"Target Mass", 0x0010},        {"Target Noise", 0x0020},
    {"Platform Noise", 0x0040}, {"unknown2", 0x0080},           {"Earth Curvature", 0x0100},
    {"Ambient Light", 0x0200},  {"Detach from Parent", 0x0400}, {"unknown3", 0x0800},
    {"Speed????", 0x1000},      {"Sensor Blindig", 0x2000},     {"Activly Updated", 0x4000},
    {"unknown6", 0x8000}};
const Items kLauncherAttributes{
    {"Rotatable", 0x0001}, {"Bit 2(ASROC)?", 0x0002}, {"Requires FCR", 0x0004}, {"Bit 4", 0x0008},
    {"Bit5", 0x0010},      {"BIT6", 0x0020},          {"BIT 7", 0x0040},        {"BIT 8", 0x0080},
    {"BIT 9", 0x0100},     {"BIT 10", 0x0200},        {"BIT 11", 0x0400},       {"BIT 12", 0x0800},
    {"BIT 13", 0x1000},    {"BIT 14", 0x2000},        {"BIT 15", 0x4000},       {"BIT 16", 0x8000}};
const Items kAirstripAttributes{
    {"Plane Runway", 0x01}, {"Plane Takeoff", 0x02}, {"Catapult", 0x04}, {"Helo Pad", 0x08}};

struct NamedField {
    Database database;
    const char* pszColumn;
    std::size_t nOffset;
    std::size_t nWidth;
    const Items& items;
    bool bBits;
    qlonglong nUnnamed = 0;  // a bit without a box, and how a cell shows it
    const char* pszUnnamed = "";
};
const NamedField kNamedFields[] = {
    {Database::Object, "object_type", 24, 4, kObjectTypes, false},
    {Database::Object, "sim_type", 28, 4, kSimTypes, false},
    {Database::Object, "target_caps", 334, 2, kTargetCaps, true, 0x0100, ", 0x0100"},
    {Database::Object, "missile_caps", 336, 2, kMissileCaps, true, 0x0010, ", 0x0010"},
    {Database::Object, "countermeasures", 338, 1, kCountermeasures, true, 0x40, ", 0x40"},
    {Database::Sensor, "sensor_class", 44, 4, kClasses, false},
    {Database::Sensor, "counter_detect_sensor", 48, 4, kClasses, false},
    {Database::Sensor, "attributes", 116, 2, kSensorAttributes, true},
    {Database::Launcher, "attributes", 12, 2, kLauncherAttributes, true},
    {Database::Airstrip, "attributes", 2, 2, kAirstripAttributes, true, 0x0010, ", 0x0010"},
};

// Every item and check box shows and stores as in the editor: a combo of the editor's items
// stores the chosen one's value; a check list of the editor's boxes stores the ticked bits and
// keeps those without a box.
TEST_F(RecordTableModelTest, EnumeratedAndBitFieldsOfEveryLayoutShowAndStoreAsTheirEditorsDo) {
    CValueDelegate delegate;
    QWidget parent;
    for (const NamedField& named : kNamedFields) {
        SCOPED_TRACE(named.pszColumn);
        std::uint8_t* pRecord = Add(named.database, 1, Bytes(LayoutOf(named.database).nRecordSize));
        m_model.SetDatabase(named.database);
        const QModelIndex index = m_model.index(0, Column(named.pszColumn));
        for (const auto& [name, value] : named.items) {
            ASSERT_TRUE(
                m_model.setData(index, value | named.nUnnamed, CRecordTableModel::kValueRole));
            EXPECT_EQ(Cell(0, named.pszColumn), name + named.pszUnnamed);
        }
        QWidget* pEditor = delegate.createEditor(&parent, {}, index);
        delegate.setEditorData(pEditor, index);
        Items shown;
        qlonglong expected = named.nUnnamed;
        if (auto* pCombo = qobject_cast<QComboBox*>(pEditor)) {
            for (int i = 0; i < pCombo->count(); ++i) {
                shown.emplace_back(pCombo->itemText(i).toStdString(),
                                   pCombo->itemData(i).toLongLong());
            }
            pCombo->setCurrentIndex(0);
            expected = named.items.front().second;
        } else if (auto* pList = qobject_cast<QListWidget*>(pEditor)) {
            for (int i = 0; i < pList->count(); ++i) {
                QListWidgetItem& item = *pList->item(i);
                const auto found = std::find_if(
                    named.items.begin(), named.items.end(), [&item](const auto& candidate) {
                        return candidate.first == item.text().toStdString();
                    });
                shown.emplace_back(item.text().toStdString(), found->second);
                // The last item was stored last: only its box is ticked; now every box is.
                EXPECT_EQ(item.checkState(), i + 1 == pList->count() ? Qt::Checked : Qt::Unchecked);
                item.setCheckState(Qt::Checked);
                expected |= found->second;
            }
        }
        delegate.setModelData(pEditor, &m_model, index);
        EXPECT_EQ(shown, named.items);
        qlonglong stored = 0;
        std::memcpy(&stored, pRecord + named.nOffset, named.nWidth);
        EXPECT_EQ(stored, expected);
        delete pEditor;
    }
}

// A launcher's ammunition by the weapon entities of the set as it is now; headers keep the
// layout's names and tell the editors' labels.
TEST_F(RecordTableModelTest, AmmunitionFollowsTheWeaponEntitiesAndHeadersTellTheEditorsLabels) {
    AddObject(m_doc, 1, "Torpedo", 2, 8);
    Add(Database::Entity, 10,
        HandRecord(Database::Entity, 10, "Torpedo Load",
                   {{36, {'T', 'o', 'r', 'p', 'e', 'd', 'o'}}}));
    Add(Database::Launcher, 3, HandRecord(Database::Launcher, 3, "Tube", {{72, {10, 0, 11}}}));
    m_model.SetDatabase(Database::Launcher);
    EXPECT_EQ(Cell(0, "ammo_types_1"), "Torpedo Load");
    EXPECT_EQ(Cell(0, "ammo_types_2"), "11");
    EXPECT_EQ(Cell(0, "ammo_types_3"), "");
    const FieldColumn& ammo = m_model.Column(Column("ammo_types_1"));
    ASSERT_EQ(m_model.Names().Items(ammo).size(), 2u);
    EXPECT_EQ(m_model.Names().Items(ammo)[1].strName, "Torpedo Load");
    CSetChange change("the torpedo becomes a ship");
    Bytes torpedo = RecordBytes(m_doc, Database::Object, 1);
    const Bytes before = torpedo;
    torpedo[24] = 2;
    change.Change(Database::Object, 1, before, torpedo);
    ASSERT_TRUE(m_doc.ApplyChange(std::move(change)));
    EXPECT_EQ(Cell(0, "ammo_types_1"), "10");
    const auto tip = [this](const char* pszColumn) {
        return m_model.headerData(Column(pszColumn), Qt::Horizontal, Qt::ToolTipRole)
            .toString()
            .toStdString();
    };
    EXPECT_EQ(tip("ammo_types_1"), "Ammo Type 1 (Weapon Details)");
    EXPECT_EQ(tip("attributes"), "Attributes");
    EXPECT_EQ(tip("name"), "Name");
    m_model.SetDatabase(Database::Object);
    EXPECT_EQ(tip("target_caps"), "targetCaps");
    EXPECT_EQ(tip("asw"), "ASW (Mission Priorities)");
    EXPECT_EQ(tip("launcher_slots_1"), "");
    EXPECT_EQ(m_model.headerData(Column("target_caps"), Qt::Horizontal, Qt::DisplayRole),
              "target_caps");
}

}  // namespace
