#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "Csv.h"
#include "FieldText.h"
#include "RecordField.h"
#include "RecordLayouts.h"
#include "TestFiles.h"
#include "VentryDoc.h"

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
    // Over a longer name the old tail fills only the room after the terminator.
    const std::vector<FieldColumn> columns = ColumnsOf(ProfileLayout::kLayout);
    Bytes renamed = profile;
    std::string reason;
    ASSERT_TRUE(ParseColumn(columns[1], "Kl\xC3\xA9mentine", renamed.data(), reason));
    ASSERT_TRUE(
        ParseColumn(columns[2], "0102030405060708090A0B0C0D0E0F78", renamed.data(), reason));
    EXPECT_EQ(Shown(ProfileLayout::kLayout, renamed)[2], "name_tail=08090A0B0C0D0E0F78");

    Bytes mast(96, 0);
    const std::pair<std::uint32_t, const char*> floats[] = {
        {0x7FC01234u, "0x7FC01234"}, {0x80000000u, "-0"}, {0xFF800000u, "0xFF800000"}};
    const FieldColumn center = ColumnsOf(MastLayout::kLayout)[22];
    ASSERT_EQ(center.name, "center_x");
    for (const auto& [bits, text] : floats) {
        std::memcpy(mast.data() + 80, &bits, 4);
        EXPECT_EQ(FormatColumn(center, mast.data()), text);
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

TEST(CsvTest, CellsThatNeedQuotesAreQuotedAndSpreadsheetFilesReadTheSame) {
    const std::vector<std::string> cells{"plain", "a,b", "say \"hi\"", "two\nlines", ""};
    const std::string line = Csv::FormatRow(cells);
    EXPECT_EQ(line, "plain,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\r\n");
    const std::vector<Csv::Row> rows = CsvRows("\xEF\xBB\xBF" + line + "x,\"y\"\r\n\"z\"\nw");
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].cells, cells);
    EXPECT_EQ(rows[1].nLine, 3u);  // the quoted line break counts
    EXPECT_EQ(rows[1].cells, (std::vector<std::string>{"x", "y"}));
    EXPECT_EQ(rows[2].cells, std::vector<std::string>{"z"});
    EXPECT_EQ(rows[3].cells, std::vector<std::string>{"w"});
    std::string error;
    EXPECT_FALSE(Csv::ForEachRow(
        "a,\"b\nc", [](const Csv::Row&) {}, error));
    EXPECT_EQ(error, "line 1: a quote is not closed");
    EXPECT_FALSE(Csv::ForEachRow(
        "a\n\"b\"c", [](const Csv::Row&) {}, error));
    EXPECT_EQ(error, "line 2: text after a closing quote");
}

TEST(RecordFieldTest, TextsFollowTheTerminatorRules) {
    using RecordField::GetText, RecordField::SetText;
    std::uint8_t record[8];
    std::memset(record, 'x', sizeof record);
    SetText(record, 1, 6, "abc");  // terminated; the bytes after it stay
    EXPECT_EQ(std::string(reinterpret_cast<char*>(record), 8), std::string("xabc\0xxx", 8));
    EXPECT_EQ(GetText(record, 1, 6), "abc");
    SetText(record, 1, 6, "ABCDEFGH");  // fills the field without terminator, cut to it
    EXPECT_EQ(std::string(reinterpret_cast<char*>(record), 8), "xABCDEFx");
    EXPECT_EQ(GetText(record, 1, 6), "ABCDEF");  // stops at the width, not at the next zero
    SetText(record, 1, 6, "12345");              // one short of the width: still terminated
    EXPECT_EQ(std::string(reinterpret_cast<char*>(record), 8), std::string("x12345\0x", 8));
    const std::uint8_t latin1[4] = {0xE9, 0xFF, 0x01, 0};
    EXPECT_EQ(GetText(latin1, 0, 4), "\xE9\xFF\x01");
}

TEST(SetFileNamesTest, EveryNameComesFromTheObjectFileInAnyCase) {
    using SetFileNames::LanguagePartOf;
    EXPECT_EQ(LanguagePartOf("object.eod"), ".e");
    EXPECT_EQ(LanguagePartOf("OBJECT.GOD"), ".g");
    EXPECT_EQ(LanguagePartOf("object.fOd"), ".f");
    for (const char* refused :
         {"sensor.esd", "object.eod.bak", "object", "a.eod", "object.xod", "fleet.eod"}) {
        EXPECT_EQ(LanguagePartOf(refused), "") << refused;
    }
    CVentryDoc doc;
    ASSERT_TRUE(doc.DeriveFileNames("/data/set/object.eod"));
    const std::vector<std::string> names{
        doc.m_strObjectFile,      doc.m_strSensorFile,           doc.m_strLauncherFile,
        doc.m_strAirstripFile,    doc.m_strEntityFile,           doc.m_strProfileFile,
        doc.m_strMastFile,        doc.m_str3DObjectFile,         doc.m_strShipClassFile,
        doc.m_strCountryNameFile, doc.m_strShipBasedAircraftFile};
    EXPECT_EQ(names, (std::vector<std::string>{
                         "/data/set/object.eod", "/data/set/sensor.esd", "/data/set/launcher.eld",
                         "/data/set/airstrip.ead", "/data/set/entity.epd", "/data/set/profile.eqd",
                         "/data/set/mast.emd", "/data/set/3dobject.e3d", "/data/set/class.ebd",
                         "/data/set/countryname.ecd", "/data/set/shipbasedaircraft.ehd"}));
    ASSERT_TRUE(doc.DeriveFileNames("/d/OBJECT.GOD"));
    EXPECT_EQ(doc.m_strCountryNameFile, "/d/countryname.gcd");
    ASSERT_TRUE(doc.DeriveFileNames("/d/object.fod"));
    EXPECT_EQ(doc.m_strProfileFile, "/d/profile.fqd");
    EXPECT_FALSE(doc.DeriveFileNames("/d/sensor.esd"));
    EXPECT_EQ(doc.m_strObjectFile, "/d/object.fod");
}

TEST(SetFileNamesTest, TheSetSearchWantsNineFilesOfTheAskedLetter) {
    TempDir dir;
    const std::string directory = dir.Path().string() + "/";
    WriteSet(dir.Path(), {}, 'g');
    EXPECT_EQ(SetFileNames::FindCompleteSet(directory, 1), "");
    EXPECT_EQ(SetFileNames::FindCompleteSet(directory, 2), directory + "object.god");
    EXPECT_EQ(SetFileNames::FindCompleteSet(directory, 3), "");
    WriteSet(dir.Path(), {}, 'e');
    EXPECT_EQ(SetFileNames::FindCompleteSet(directory, 7), directory + "object.eod");
    // The 3D object and country name files may be missing; the ship-based aircraft may not.
    std::filesystem::remove(SetFilePath(dir.Path(), Database::Object3D));
    std::filesystem::remove(SetFilePath(dir.Path(), Database::CountryName));
    EXPECT_EQ(SetFileNames::FindCompleteSet(directory, 1), directory + "object.eod");
    std::filesystem::remove(AircraftFilePath(dir.Path()));
    EXPECT_EQ(SetFileNames::FindCompleteSet(directory, 1), "");
}

TEST(SetFileNamesTest, ASaveNameIsProposedFromTheTitle) {
    EXPECT_EQ(CDocument::ProposedSaveName("Fleet #2"), "Fleet");
    EXPECT_EQ(CDocument::ProposedSaveName("a%b;c"), "a");
    EXPECT_EQ(CDocument::ProposedSaveName("object.eod"), "object.eod");
}

}  // namespace
