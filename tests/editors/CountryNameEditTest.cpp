#include "RecordEditorFixture.h"

namespace {

using testing::ElementsAre;

using Bytes = std::array<std::uint8_t, 56>;

class CountryNameEditorTest : public RecordEditorTest {
protected:
    static constexpr int kIndex = 1004;
    static constexpr int kName = 1268;
    static constexpr int kAbbr = 1269;
    static constexpr int kNew = 1208;

    CountryNameEditorTest() : RecordEditorTest(EditorSlot::CountryName, 1267, 1145) {}

    CCountryNameInfo& AddCountry(std::uint16_t nIndex, const std::string& strName) {
        return AddNamed(m_doc.m_mapCountryNames, nIndex, strName);
    }
    const Bytes& Stored(std::uint16_t nKey) const {
        return m_doc.m_mapCountryNames.at(nKey)->m_data;
    }
};

TEST_F(CountryNameEditorTest, ApplyWithoutEditsLeavesArbitraryRecordsAsTheyWere) {
    for (std::uint16_t i = 0; i < 40; ++i) {
        AddRandom(m_doc.m_mapCountryNames, i, 800 + i);
    }
    ExpectUntouchedApplyKeepsEveryByte(m_doc.m_mapCountryNames);
}

class CountryNameControlEditTest : public CountryNameEditorTest,
                                   public testing::WithParamInterface<ControlEdit> {};

TEST_P(CountryNameControlEditTest, ChangesOnlyItsOwnBytes) {
    const ControlEdit& edit = GetParam();
    CCountryNameInfo& country = AddRandom(m_doc.m_mapCountryNames, 9, 23);
    RecordField::SetText(country.m_data.data(), 2, 40, "Random");
    std::memcpy(country.m_data.data() + 52, "RNDM", 4);
    ExpectEditChangesOnlyItsBytes(country, edit);
}

INSTANTIATE_TEST_SUITE_P(
    EveryControl, CountryNameControlEditTest,
    testing::Values(ControlEdit{1268, "Xy", 2, {'X', 'y', 0}}, ControlEdit{1005, "1", 42, {1, 0}},
                    ControlEdit{1006, "-2", 44, {0xFE, 0xFF}}, ControlEdit{1007, "3", 46, {3, 0}},
                    ControlEdit{1013, "1024", 48, {0, 4}}, ControlEdit{1015, "5", 50, {5, 0}},
                    ControlEdit{1269, "AB", 52, {'A', 'B', 0}}),
    ControlEditName);

TEST_F(CountryNameEditorTest, NameOfAShipObjectFollowsShipAndOtherNamesFollowSub) {
    AddObject(m_doc, 1, "Freedonia", 1);
    AddCountry(1, "Freedonia");
    AddCountry(2, "Sylvania");
    Open();
    FilterOnly(kShip);
    EXPECT_THAT(Lines(), ElementsAre("002: Sylvania"));
    Box(kShip).setChecked(true);
    FilterOnly(kSub);
    EXPECT_THAT(Lines(), ElementsAre("001: Freedonia"));
    EXPECT_TRUE(m_messages.m_entries.empty());
}

TEST_F(CountryNameEditorTest, SevenCharacterAbbreviationStoresItsFirstFour) {
    AddRandom(m_doc.m_mapCountryNames, 1, 6);
    const Bytes before = Stored(1);
    Open();
    Type(kAbbr, "ABCDEFG");
    EXPECT_EQ(Text(kAbbr), "ABCDEFG");
    Click(kApply);
    Bytes expected = before;
    std::memcpy(expected.data() + 52, "ABCD", 4);
    EXPECT_EQ(Stored(1), expected);
    Click(kUndo);
    EXPECT_EQ(Text(kAbbr), "ABCD");
}

TEST_F(CountryNameEditorTest, AbbreviationTypingStopsAtEighteenCharacters) {
    AddCountry(1, "One");
    Open();
    Type(kAbbr, "ABCDEFGHIJKLMNOPQRSTU");
    EXPECT_EQ(Text(kAbbr), "ABCDEFGHIJKLMNOPQR");
}

TEST_F(CountryNameEditorTest, TwoCharacterAbbreviationKeepsTheFourthByte) {
    CCountryNameInfo& country = AddCountry(1, "One");
    std::memcpy(country.m_data.data() + 52, "WXYZ", 4);
    Open();
    EXPECT_EQ(Text(kAbbr), "WXYZ");
    Type(kAbbr, "AB");
    Click(kApply);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(Stored(1).data() + 52), 4),
              std::string("AB\0Z", 4));
}

TEST_F(CountryNameEditorTest, ExitAfterALongerAbbreviationWithTheSameFirstFourAsksNothing) {
    CCountryNameInfo& country = AddCountry(1, "One");
    std::memcpy(country.m_data.data() + 52, "ABCD", 4);
    const Bytes before = Stored(1);
    Open();
    Type(kAbbr, "ABCDEFGH");
    Click(kExit);
    EXPECT_TRUE(m_messages.m_entries.empty());
    EXPECT_FALSE(Dialog().isVisible());
    EXPECT_EQ(Stored(1), before);
    EXPECT_EQ(Text(kAbbr), "ABCD");
}

TEST_F(CountryNameEditorTest, NewUsesTheDefaultName) {
    AddRandom(m_doc.m_mapCountryNames, 1, 8);
    const Bytes model = Stored(1);
    Open();
    Click(kNew);
    Bytes expected = model;
    expected[0] = 2;
    expected[1] = 0;
    std::memcpy(expected.data() + 2, "My new CountryName", 19);
    EXPECT_EQ(Stored(2), expected);
    EXPECT_EQ(Lines().back(), "002: My new CountryName");
    EXPECT_EQ(Text(kName), "My new CountryName");
}

TEST_F(CountryNameEditorTest, DialogHasItsTemplateCaptionAndCloseBox) {
    AddCountry(1, "One");
    Open();
    EXPECT_EQ(Dialog().objectName(), "161");
    EXPECT_EQ(Dialog().windowTitle(), "Country Name Dialog");
    EXPECT_TRUE(Dialog().windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(Find<QPushButton>(Dialog(), kNew)->text(), "New CountryName");
    EXPECT_FALSE(Edit(kIndex).isEnabled());
}

}  // namespace
