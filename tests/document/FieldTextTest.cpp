#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>

#include "Csv.h"
#include "FieldText.h"
#include "RecordLayouts.h"
#include "TestFiles.h"

namespace {

using testing::ElementsAre;

std::vector<std::string> Shown(const RecordLayout& layout, const Bytes& record) {
    std::vector<std::string> values;
    for (const FieldColumn& column : ColumnsOf(layout)) {
        values.push_back(column.name + "=" + FormatColumn(column, record.data()));
    }
    return values;
}

TEST(FieldTextTest, ColumnsShowAHandWrittenRecord) {
    const Bytes profile = {
        0x02, 0x01,                                         // index 258
        'K',  'l',  0xE9, 0,    0,    0,    0, 0, 0, 0,     // name "Klé", then a
        0,    0,    0,    0,    0,    0,    0, 0, 0, 'x',   // stray byte at the end
        0xFF, 0xFF, 0x00, 0x80, 0x34, 0x12, 0, 0, 0, 0,     // bands -1, -32768, 4660
        0,    0,                                            // band_1000_2000
        0,    0,    0,    0,    0,    0,    0, 0, 0, 0xAB,  // reserved: one byte set
    };
    ASSERT_EQ(profile.size(), 44u);
    EXPECT_THAT(
        Shown(ProfileLayout::kLayout, profile),
        ElementsAre("index=258", "name=Kl\xC3\xA9", "name_tail=" + std::string(30, '0') + "78",
                    "band_0_100=-1", "band_100_150=-32768", "band_150_500=4660", "band_350_500=0",
                    "band_500_1000=0", "band_1000_2000=0", "reserved_34=000000000000000000AB"));

    Bytes mast(96, 0);
    const std::pair<std::uint32_t, const char*> floats[] = {{0x7FC01234u, "0x7FC01234"},
                                                            {0x80000000u, "-0"},
                                                            {0x00000001u, "1e-45"},
                                                            {0xFF800000u, "0xFF800000"},
                                                            {0x3DCCCCCDu, "0.1"}};
    for (const auto& [bits, text] : floats) {
        std::memcpy(mast.data() + 80, &bits, 4);
        const FieldColumn center = ColumnsOf(MastLayout::kLayout)[22];
        ASSERT_EQ(center.name, "center_x");
        EXPECT_EQ(FormatColumn(center, mast.data()), text);
        Bytes back(96, 0);
        std::string reason;
        ASSERT_TRUE(ParseColumn(center, text, back.data(), reason)) << text;
        EXPECT_EQ(std::memcmp(back.data() + 80, &bits, 4), 0) << text;
    }
}

TEST(FieldTextTest, EveryRecordReadsBackFromItsColumns) {
    for (const RecordLayout* layout : kRecordLayouts) {
        for (std::uint32_t seed = 0; seed < 40; ++seed) {
            const Bytes record = PatternBytes(layout->nRecordSize, seed);
            Bytes back(layout->nRecordSize, 0);
            for (const FieldColumn& column : ColumnsOf(*layout)) {
                std::string reason;
                ASSERT_TRUE(
                    ParseColumn(column, FormatColumn(column, record.data()), back.data(), reason))
                    << column.name << ": " << reason;
            }
            ASSERT_EQ(back, record) << layout->name << " seed " << seed;
        }
    }
}

TEST(FieldTextTest, ValuesThatDoNotFitAreRefusedWithTheReason) {
    const std::vector<FieldColumn> columns = ColumnsOf(ObjectLayout::kLayout);
    const auto refusal = [&](const char* name, std::string_view text) {
        Bytes record(344, 0x55);
        const Bytes before = record;
        std::string reason;
        for (const FieldColumn& column : columns) {
            if (column.name == name) {
                EXPECT_FALSE(ParseColumn(column, text, record.data(), reason)) << text;
            }
        }
        EXPECT_EQ(record, before);
        return reason;
    };
    EXPECT_EQ(refusal("asw", "256"), "needs an integer between 0 and 255.");
    EXPECT_EQ(refusal("mass", "1.5"), "needs an integer between -32768 and 32767.");
    EXPECT_EQ(refusal("sensor_slots_9", "+-3"), "needs an integer between -32768 and 32767.");
    EXPECT_EQ(refusal("cd", "1e39"), "needs a number.");
    EXPECT_EQ(refusal("name", "\xE2\x82\xAC"), "holds characters that cannot be stored.");
    EXPECT_EQ(refusal("name", "ABCDEFGHIJKLMNOPQRSTU"), "holds more than 20 characters.");
    EXPECT_EQ(refusal("reserved_339", "00"), "needs 5 hexadecimal bytes.");
    EXPECT_EQ(refusal("name_tail", "0G"), "needs at most 20 hexadecimal bytes.");
}

}  // namespace

namespace {

TEST(CsvTest, CellsThatNeedQuotesAreQuotedAndSpreadsheetFilesReadTheSame) {
    const std::vector<std::string> cells{"plain", "a,b", "say \"hi\"", "two\nlines", ""};
    const std::string line = Csv::FormatRow(cells);
    EXPECT_EQ(line, "plain,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\r\n");
    std::vector<Csv::Row> rows;
    std::string error;
    ASSERT_TRUE(Csv::Parse("\xEF\xBB\xBF" + line + "x,\"y\"\n\"z\"", rows, error));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].cells, cells);
    EXPECT_EQ(rows[1].nLine, 3u);  // the quoted line break counts
    EXPECT_EQ(rows[1].cells, (std::vector<std::string>{"x", "y"}));
    EXPECT_EQ(rows[2].cells, std::vector<std::string>{"z"});
    EXPECT_FALSE(Csv::Parse("a,\"b\nc", rows, error));
    EXPECT_EQ(error, "line 1: a quote is not closed");
    EXPECT_FALSE(Csv::Parse("a\n\"b\"c", rows, error));
    EXPECT_EQ(error, "line 2: text after a closing quote");
}

}  // namespace
