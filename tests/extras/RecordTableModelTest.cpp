#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "GuiTest.h"
#include "RecordField.h"
#include "RecordLayouts.h"
#include "RecordTableModel.h"
#include "TestFiles.h"
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
        {72, {0xCD, 0xCC, 0xCC, 0x3D}, "mast_height_x10", "0.1"},
        {76, {0x34, 0x12, 0xC0, 0x7F}, "length_x10", "0x7FC01234"},  // NaN with a payload
        {80, {0x00, 0x00, 0x00, 0x80}, "width_x10", "-0"},
        {134, {0xFF}, "asw", "255"},
        {334, {0xFF, 0xFF}, "target_caps", "65535"},
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

// What each kind of field stores for a typed text; texts keep the bytes after their end.
struct KindEdit {
    FieldKind kind;
    const char* pszText;
    Bytes bytes;
};
const KindEdit kKindEdits[] = {
    {FieldKind::UInt8, "254", {0xFE}},
    {FieldKind::Int16, "-2", {0xFE, 0xFF}},
    {FieldKind::UInt16, "65534", {0xFE, 0xFF}},
    {FieldKind::Int32, "-2", {0xFE, 0xFF, 0xFF, 0xFF}},
    {FieldKind::UInt32, "4294967294", {0xFE, 0xFF, 0xFF, 0xFF}},
    {FieldKind::Float, "-2", {0x00, 0x00, 0x00, 0xC0}},
    {FieldKind::Text, "Ab", {'A', 'b', 0}},
};

TEST_F(RecordTableModelTest, AnEditWritesOnlyItsFieldsBytesForEveryColumnOfEveryLayout) {
    for (const RecordLayout* pLayout : kRecordLayouts) {
        SCOPED_TRACE(pLayout->name);
        std::uint8_t* pRecord = Add(pLayout->database, 1, PatternBytes(pLayout->nRecordSize, 11));
        m_model.SetDatabase(pLayout->database);
        const Bytes indexed(pRecord, pRecord + pLayout->nRecordSize);
        for (const LayoutField& field : pLayout->fields) {
            for (std::uint16_t nElement = 0;
                 nElement < field.nCount && field.kind != FieldKind::Raw; ++nElement) {
                const std::string column =
                    field.nCount > 1 ? std::string(field.name) + "_" + std::to_string(nElement + 1)
                                     : std::string(field.name);
                if (pLayout->bIndexed && field.name == "index") {
                    EXPECT_FALSE(Edit(0, column, "5"));
                    continue;
                }
                const auto edit = std::find_if(
                    std::begin(kKindEdits), std::end(kKindEdits),
                    [&](const KindEdit& candidate) { return candidate.kind == field.kind; });
                ASSERT_NE(edit, std::end(kKindEdits));
                EXPECT_TRUE(Edit(0, column, edit->pszText)) << column;
                Bytes expected = indexed;
                std::copy(edit->bytes.begin(), edit->bytes.end(),
                          expected.begin() + field.ElementOffset(nElement));
                EXPECT_EQ(Bytes(pRecord, pRecord + pLayout->nRecordSize), expected) << column;
                EXPECT_EQ(Cell(0, column), edit->pszText) << column;
                std::copy(indexed.begin(), indexed.end(), pRecord);
            }
        }
    }
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_TRUE(m_messages.m_entries.empty());
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
    m_model.SetFilter(QStringLiteral("\u20AC"));  // no record text can hold it
    EXPECT_EQ(m_model.rowCount(), 0);
}

}  // namespace
