#include <gtest/gtest.h>

#include <cmath>

#include "RecordField.h"
#include "TestFiles.h"
#include "VentryDoc.h"

namespace {

using RecordField::Get;
using RecordField::GetText;
using RecordField::Set;
using RecordField::SetText;

TEST(RecordFieldTest, ValuesAreLittleEndianAndFloatBitsSurvive) {
    std::uint8_t record[16] = {};
    Set<std::uint16_t>(record, 0, 0x1234);
    Set<std::int32_t>(record, 2, -2);
    Set<float>(record, 6, 1.0f);
    const std::uint8_t expected[10] = {0x34, 0x12, 0xFE, 0xFF, 0xFF, 0xFF, 0, 0, 0x80, 0x3F};
    EXPECT_EQ(std::memcmp(record, expected, sizeof expected), 0);
    EXPECT_EQ(Get<std::int16_t>(record, 2), -2);
    EXPECT_EQ(Get<std::uint32_t>(record, 2), 0xFFFFFFFEu);

    const std::uint8_t nan[4] = {0x34, 0x12, 0xC0, 0x7F};  // a NaN with a payload
    EXPECT_TRUE(std::isnan(Get<float>(nan, 0)));
    Set<float>(record, 12, Get<float>(nan, 0));
    EXPECT_EQ(std::memcmp(record + 12, nan, 4), 0);
}

TEST(RecordFieldTest, TextsFollowTheTerminatorRules) {
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
    std::filesystem::remove(SetFilePath(dir.Path(), SetFile::Object3D));
    std::filesystem::remove(SetFilePath(dir.Path(), SetFile::CountryName));
    EXPECT_EQ(SetFileNames::FindCompleteSet(directory, 1), directory + "object.eod");
    std::filesystem::remove(SetFilePath(dir.Path(), SetFile::ShipBasedAircraft));
    EXPECT_EQ(SetFileNames::FindCompleteSet(directory, 1), "");
}

TEST(SetFileNamesTest, ASaveNameIsProposedFromTheTitle) {
    EXPECT_EQ(CDocument::ProposedSaveName("Fleet #2"), "Fleet");
    EXPECT_EQ(CDocument::ProposedSaveName("a%b;c"), "a");
    EXPECT_EQ(CDocument::ProposedSaveName("object.eod"), "object.eod");
}

}  // namespace
