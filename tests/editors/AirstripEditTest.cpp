#include <QGroupBox>

#include "EditorTexts.h"
#include "SensorLauncherAirstripFixture.h"

namespace {

using testing::ElementsAre;

using Bytes = std::array<std::uint8_t, 96>;

constexpr int kName = 1263;
constexpr int kIndex = 1004;
constexpr int kCatapult = 1231;

class AirstripEditorTest : public SensorLauncherAirstripTest {
protected:
    void Open() { SensorLauncherAirstripTest::Open(EditorSlot::Airstrip); }

    void Add(std::uint16_t nIndex, const std::string& strName, std::uint16_t nAttributes = 0) {
        auto pAirstrip = std::make_unique<CAirstripInfo>();
        RecordField::Set(pAirstrip->m_data.data(), 0, nIndex);
        RecordField::Set(pAirstrip->m_data.data(), 2, nAttributes);
        RecordField::SetText(pAirstrip->m_data.data(), 76, 20, strName);
        m_doc.m_mapAirstrips[nIndex] = std::move(pAirstrip);
    }
    const Bytes& Stored(std::uint16_t nIndex) const {
        return m_doc.m_mapAirstrips.at(nIndex)->m_data;
    }
};

TEST_F(AirstripEditorTest, EveryAirstripIsListedAtStart) {
    Add(2, "Deck");
    Add(5, "");
    Add(40000, "Far away");
    Open();
    EXPECT_THAT(Lines(), ElementsAre("002: Deck", "005: ", "40000: Far away"));
    EXPECT_EQ(List().currentRow(), 0);
    EXPECT_EQ(Edit(kName).text(), "Deck");
    EXPECT_EQ(Edit(kIndex).text(), "2");
    EXPECT_FALSE(Edit(kIndex).isEnabled());
    EXPECT_TRUE(m_messages.m_entries.empty());
}

TEST_F(AirstripEditorTest, ApplyWithoutEditsLeavesArbitraryRecordsAsTheyWere) {
    for (std::uint16_t i = 0; i < 48; ++i) {
        AddRandomRecord(m_doc.m_mapAirstrips, i, 300 + i);
    }
    ExpectUntouchedApplyKeepsEveryByte(EditorSlot::Airstrip, m_doc.m_mapAirstrips);
}

class AirstripControlEditTest : public AirstripEditorTest,
                                public testing::WithParamInterface<ControlEdit> {};

TEST_P(AirstripControlEditTest, ChangesOnlyItsOwnBytes) {
    const ControlEdit& edit = GetParam();
    CAirstripInfo& airstrip = AddRandomRecord(m_doc.m_mapAirstrips, 9, 17);
    RecordField::SetText(airstrip.m_data.data(), 76, 20, "Random");
    const Bytes before = airstrip.m_data;
    Open();
    Change(edit.nId, edit.pszInput);
    Click(kApply);
    const bool bBox = qobject_cast<QCheckBox*>(Find<QWidget>(Dialog(), edit.nId)) != nullptr;
    EXPECT_EQ(airstrip.m_data, Expected(before, edit, bBox));
    EXPECT_TRUE(m_messages.m_entries.empty());
}

INSTANTIATE_TEST_SUITE_P(
    EveryControl, AirstripControlEditTest,
    testing::Values(ControlEdit{kName, "Xy", 76, {'X', 'y', 0}}, ControlEdit{1229, "", 2, {0x01}},
                    ControlEdit{1230, "", 2, {0x02}}, ControlEdit{1231, "", 2, {0x04}},
                    ControlEdit{1232, "", 2, {0x08}}, ControlEdit{1233, "1", 4, {0, 0, 0x80, 0x3F}},
                    ControlEdit{1234, "-2", 8, {0, 0, 0, 0xC0}},
                    ControlEdit{1235, "0.5", 12, {0, 0, 0, 0x3F}},
                    ControlEdit{1236, "1", 16, {0, 0, 0x80, 0x3F}},
                    ControlEdit{1237, "1", 20, {0, 0, 0x80, 0x3F}},
                    ControlEdit{1238, "1", 24, {0, 0, 0x80, 0x3F}},
                    ControlEdit{1239, "1", 28, {0, 0, 0x80, 0x3F}},
                    ControlEdit{1240, "1", 32, {0, 0, 0x80, 0x3F}},
                    ControlEdit{1241, "1", 36, {0, 0, 0x80, 0x3F}},
                    ControlEdit{1242, "1", 40, {0, 0, 0x80, 0x3F}},
                    ControlEdit{1243, "1", 44, {0, 0, 0x80, 0x3F}},
                    ControlEdit{1244, "1", 48, {0, 0, 0x80, 0x3F}},
                    ControlEdit{1245, "1", 52, {0, 0, 0x80, 0x3F}},
                    ControlEdit{1247, "1", 56, {0, 0, 0x80, 0x3F}},
                    ControlEdit{1256, "1", 60, {0, 0, 0x80, 0x3F}},
                    ControlEdit{1258, "1", 64, {0, 0, 0x80, 0x3F}},
                    ControlEdit{1259, "1", 68, {0, 0, 0x80, 0x3F}},
                    ControlEdit{1260, "-0", 72, {0, 0, 0, 0x80}}),
    ControlEditName);

TEST_F(AirstripEditorTest, UntickingCatapultClearsItsBitOnly) {
    Add(1, "Carrier", 0xFFFF);
    Open();
    ASSERT_TRUE(Box(kCatapult).isChecked());
    Toggle(kCatapult);
    Click(kApply);
    EXPECT_EQ(RecordField::Get<std::uint16_t>(Stored(1).data(), 2), 0xFFFB);
}

TEST_F(AirstripEditorTest, CapitalsFindSmallLetters) {
    Add(1, "north deck");
    Add(2, "south pad");
    Add(3, "Northern Strip");
    Open();
    Search("NORTH");
    EXPECT_THAT(Lines(), ElementsAre("001: north deck", "003: Northern Strip"));
    EXPECT_TRUE(m_messages.m_entries.empty());
}

TEST_F(AirstripEditorTest, DigitsFindTheIndex) {
    Add(5, "Five");
    Add(12, "Twelve");
    Add(120, "Hundred twenty");
    Open();
    Search("012");
    EXPECT_THAT(Lines(), ElementsAre("012: Twelve"));
    Search("12");
    EXPECT_THAT(Lines(), ElementsAre("012: Twelve", "120: Hundred twenty"));
    EXPECT_EQ(Edit(kName).text(), "Twelve");
}

TEST_F(AirstripEditorTest, SearchThatFindsNothingWarnsAndListsEveryAirstrip) {
    Add(1, "One");
    Add(2, "Two");
    Open();
    Search("zzz");
    EXPECT_THAT(m_messages.Texts(), ElementsAre(EditorTexts::kNoResults));
    EXPECT_THAT(Lines(), ElementsAre("001: One", "002: Two"));
    Search("Two");
    Search(nullptr);
    EXPECT_THAT(Lines(), ElementsAre("001: One", "002: Two"));
    EXPECT_EQ(m_messages.m_entries.size(), 1u);
}

TEST_F(AirstripEditorTest, NewAfterASearchStartsAfterTheLastListedIndex) {
    Add(3, "North strip");
    Add(7, "North deck");
    Add(8, "South pad");
    Add(12, "West pad");
    Open();
    Search("north");
    ASSERT_THAT(Lines(), ElementsAre("003: North strip", "007: North deck"));
    Click(kNew);
    EXPECT_THAT(Lines(),
                ElementsAre("003: North strip", "007: North deck", "009: My new Airstrip"));
    EXPECT_EQ(List().currentRow(), 2);
    EXPECT_EQ(Edit(kIndex).text(), "9");
    EXPECT_EQ(Edit(kName).text(), "My new Airstrip");
    Bytes expected = Stored(7);
    expected[0] = 9;
    std::memcpy(expected.data() + 76, "My new Airstrip", 16);
    EXPECT_EQ(Stored(9), expected);
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(AirstripEditorTest, TwentyCharacterNameIsWrittenWithoutTerminator) {
    Add(1, "One");
    Open();
    TypeInto(Edit(kName), "ABCDEFGHIJKLMNOPQRSTUV");
    EXPECT_EQ(Edit(kName).text(), "ABCDEFGHIJKLMNOPQRST");
    Click(kApply);
    EXPECT_EQ(std::memcmp(Stored(1).data() + 76, "ABCDEFGHIJKLMNOPQRST", 20), 0);
    EXPECT_EQ(m_doc.m_mapAirstrips.at(1)->GetName(), "ABCDEFGHIJKLMNOPQRST");
    EXPECT_THAT(Lines(), ElementsAre("001: ABCDEFGHIJKLMNOPQRST"));
}

TEST_F(AirstripEditorTest, DialogHasItsTemplateCaptionAndFilterButton) {
    Add(1, "One");
    Open();
    EXPECT_EQ(Dialog().objectName(), "142");
    EXPECT_EQ(Dialog().windowTitle(), "Airstrip Dialog");
    EXPECT_FALSE(Dialog().windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(List().objectName(), "1262");
    auto* pFilter = Find<QPushButton>(Dialog(), kSearch);
    EXPECT_EQ(pFilter->text(), "Apply / Remove Filter");
    auto* pGroup = qobject_cast<QGroupBox*>(pFilter->parentWidget());
    ASSERT_NE(pGroup, nullptr);
    EXPECT_EQ(pGroup->title(), "Filter");
    EXPECT_EQ(Find<QPushButton>(Dialog(), 1227), nullptr);
    EXPECT_EQ(Find<QPushButton>(Dialog(), kNew)->text(), "New Airstrip");
}

}  // namespace
