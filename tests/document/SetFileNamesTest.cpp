#include <gtest/gtest.h>

#include "../support/TestFiles.h"
#include "SetFileNames.h"
#include "VentryDoc.h"

namespace {

using SetFileNames::FindCompleteSet;
using SetFileNames::LanguagePartOf;
using SetFileNames::SetFile;

TEST(SetFileNamesTest, LanguageComesFromTheObjectFileExtensionInAnyCase) {
    EXPECT_EQ(LanguagePartOf("object.eod"), ".e");
    EXPECT_EQ(LanguagePartOf("OBJECT.GOD"), ".g");
    EXPECT_EQ(LanguagePartOf("object.fOd"), ".f");
    for (const char* refused : {"sensor.esd", "object.eod.bak", "object", "a.eod", "object.xod",
                                "object.", "fleet.eod"}) {
        EXPECT_EQ(LanguagePartOf(refused), "") << refused;
    }
}

TEST(SetFileNamesTest, DerivationNamesEveryFileInTheObjectFilesDirectory) {
    CVentryDoc doc;
    ASSERT_TRUE(doc.DeriveFileNames("/data/set/object.eod"));
    EXPECT_EQ(doc.m_strObjectFile, "/data/set/object.eod");
    EXPECT_EQ(doc.m_strSensorFile, "/data/set/sensor.esd");
    EXPECT_EQ(doc.m_strLauncherFile, "/data/set/launcher.eld");
    EXPECT_EQ(doc.m_strAirstripFile, "/data/set/airstrip.ead");
    EXPECT_EQ(doc.m_strEntityFile, "/data/set/entity.epd");
    EXPECT_EQ(doc.m_strProfileFile, "/data/set/profile.eqd");
    EXPECT_EQ(doc.m_strMastFile, "/data/set/mast.emd");
    EXPECT_EQ(doc.m_str3DObjectFile, "/data/set/3dobject.e3d");
    EXPECT_EQ(doc.m_strShipClassFile, "/data/set/class.ebd");
    EXPECT_EQ(doc.m_strCountryNameFile, "/data/set/countryname.ecd");
    EXPECT_EQ(doc.m_strShipBasedAircraftFile, "/data/set/shipbasedaircraft.ehd");

    ASSERT_TRUE(doc.DeriveFileNames("/d/OBJECT.GOD"));
    EXPECT_EQ(doc.m_strSensorFile, "/d/sensor.gsd");
    EXPECT_EQ(doc.m_strShipClassFile, "/d/class.gbd");
    EXPECT_EQ(doc.m_strCountryNameFile, "/d/countryname.gcd");

    ASSERT_TRUE(doc.DeriveFileNames("/d/object.fod"));
    EXPECT_EQ(doc.m_strLauncherFile, "/d/launcher.fld");
    EXPECT_EQ(doc.m_strProfileFile, "/d/profile.fqd");

    EXPECT_FALSE(doc.DeriveFileNames("/d/sensor.esd"));
    EXPECT_EQ(doc.m_strObjectFile, "/d/object.fod");
}

class CompleteSetSearchTest : public ::testing::Test {
protected:
    void Touch(SetFile file, const char* languagePart) {
        WriteBytes(SetFileNames::BuildName(Dir(), file, languagePart), {});
    }
    void TouchSet(const char* languagePart) {
        for (std::size_t i = 0; i < SetFileNames::kSetFileCount; ++i) {
            Touch(static_cast<SetFile>(i), languagePart);
        }
    }
    std::string Dir() const { return m_dir.Path().string() + "/"; }

    TempDir m_dir;
};

TEST_F(CompleteSetSearchTest, FindsTheSetOfTheAskedLetterOnly) {
    TouchSet(".g");
    EXPECT_EQ(FindCompleteSet(Dir(), 1), "");
    EXPECT_EQ(FindCompleteSet(Dir(), 2), Dir() + "object.god");
    EXPECT_EQ(FindCompleteSet(Dir(), 3), "");
    TouchSet(".e");
    EXPECT_EQ(FindCompleteSet(Dir(), 1), Dir() + "object.eod");
    EXPECT_EQ(FindCompleteSet(Dir(), 7), Dir() + "object.eod");  // anything else means e
}

TEST_F(CompleteSetSearchTest, NeedsTheShipBasedAircraftFileButNotThe3DObjectOrCountryFiles) {
    for (SetFile file : {SetFile::Object, SetFile::Sensor, SetFile::Launcher, SetFile::Airstrip,
                         SetFile::Entity, SetFile::Profile, SetFile::Mast, SetFile::ShipClass}) {
        Touch(file, ".e");
    }
    EXPECT_EQ(FindCompleteSet(Dir(), 1), "");
    Touch(SetFile::ShipBasedAircraft, ".e");
    EXPECT_EQ(FindCompleteSet(Dir(), 1), Dir() + "object.eod");
}

TEST(ProposedSaveNameTest, CutsBeforeTheFirstCharacterThatCannotStandInAName) {
    EXPECT_EQ(CDocument::ProposedSaveName("Fleet #2"), "Fleet");
    EXPECT_EQ(CDocument::ProposedSaveName("a%b;c"), "a");
    EXPECT_EQ(CDocument::ProposedSaveName("dir/name"), "dir");
    EXPECT_EQ(CDocument::ProposedSaveName("object.eod"), "object.eod");
}

}  // namespace
