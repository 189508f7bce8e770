#include "RecordEditorFixture.h"

namespace {

using testing::ElementsAre;

using Bytes = std::array<std::uint8_t, 68>;

class ShipClassEditorTest : public RecordEditorTest {
protected:
    static constexpr int kIndex = 1004;
    static constexpr int kName = 1264;
    static constexpr int kClass = 1265;
    static constexpr int kNew = 1208;

    ShipClassEditorTest() : RecordEditorTest(EditorSlot::ShipClass, 1266, 1145) {}

    CShipClassInfo& AddShipClass(std::uint16_t nIndex, const std::string& strName) {
        return AddNamed(m_doc.m_mapShipClasses, nIndex, strName);
    }
    const Bytes& Stored(std::uint16_t nKey) const {
        return m_doc.m_mapShipClasses.at(nKey)->m_data;
    }
};

TEST_F(ShipClassEditorTest, ApplyWithoutEditsLeavesArbitraryRecordsAsTheyWere) {
    for (std::uint16_t i = 0; i < 40; ++i) {
        AddRandom(m_doc.m_mapShipClasses, i, 700 + i);
    }
    ExpectUntouchedApplyKeepsEveryByte(m_doc.m_mapShipClasses);
}

class ShipClassControlEditTest : public ShipClassEditorTest,
                                 public testing::WithParamInterface<ControlEdit> {};

TEST_P(ShipClassControlEditTest, ChangesOnlyItsOwnBytes) {
    const ControlEdit& edit = GetParam();
    CShipClassInfo& shipClass = AddRandom(m_doc.m_mapShipClasses, 9, 17);
    RecordField::SetText(shipClass.m_data.data(), 10, 40, "Random");
    RecordField::SetText(shipClass.m_data.data(), 50, 18, "Random");
    ExpectEditChangesOnlyItsBytes(shipClass, edit);
}

INSTANTIATE_TEST_SUITE_P(EveryControl, ShipClassControlEditTest,
                         testing::Values(ControlEdit{1270, "-1", 2, {0xFF, 0xFF}},
                                         ControlEdit{1006, "2", 4, {2, 0}},
                                         ControlEdit{1007, "770", 6, {2, 3}},
                                         ControlEdit{1013, "32767", 8, {0xFF, 0x7F}},
                                         ControlEdit{1264, "Xy", 10, {'X', 'y', 0}},
                                         ControlEdit{1265, "Cl", 50, {'C', 'l', 0}}),
                         ControlEditName);

TEST_F(ShipClassEditorTest, NameOfAShipObjectFollowsShipAndOtherNamesFollowSub) {
    AddObject(m_doc, 1, "Frigate", 1);
    AddShipClass(1, "Frigate");
    AddShipClass(2, "Nothing named so");
    Open();
    FilterOnly(kShip);
    EXPECT_THAT(Lines(), ElementsAre("002: Nothing named so"));
    Box(kShip).setChecked(true);
    FilterOnly(kSub);
    EXPECT_THAT(Lines(), ElementsAre("001: Frigate"));
    EXPECT_TRUE(m_messages.m_entries.empty());
}

TEST_F(ShipClassEditorTest, EighteenCharacterClassHasNoTerminator) {
    AddRandom(m_doc.m_mapShipClasses, 1, 5);
    const Bytes before = Stored(1);
    Open();
    Type(kClass, "ABCDEFGHIJKLMNOPQRSTU");  // the edit refuses the 19th
    EXPECT_EQ(Text(kClass), "ABCDEFGHIJKLMNOPQR");
    Click(kApply);
    Bytes expected = before;
    std::memcpy(expected.data() + 50, "ABCDEFGHIJKLMNOPQR", 18);
    EXPECT_EQ(Stored(1), expected);
    Click(kUndo);
    EXPECT_EQ(Text(kClass), "ABCDEFGHIJKLMNOPQR");
}

TEST_F(ShipClassEditorTest, NameTypingStopsAtTwentyCharacters) {
    AddShipClass(1, "Short");
    Open();
    Type(kName, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(Text(kName), "ABCDEFGHIJKLMNOPQRST");
}

TEST_F(ShipClassEditorTest, IndexIsShownButNeverWritten) {
    AddShipClass(40000, "Big");
    Open();
    EXPECT_EQ(Text(kIndex), "-25536");
    EXPECT_FALSE(Edit(kIndex).isEnabled());
    Edit(kIndex).setText("12");
    Click(kApply);
    EXPECT_EQ(RecordField::Get<std::uint16_t>(Stored(40000).data(), 0), 40000);
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(ShipClassEditorTest, NewTakesTheNextFreeIndexAndTheDefaultName) {
    AddShipClass(7, "Seven");
    AddShipClass(8, "Eight");
    AddObject(m_doc, 1, "Eight", 1);
    Open();
    FilterOnly(kShip);
    ASSERT_THAT(Lines(), ElementsAre("007: Seven"));
    Click(kNew);
    EXPECT_EQ(Lines().back(), "009: My new ShipClass");
    EXPECT_EQ(m_doc.m_mapShipClasses.at(9)->GetName(), "My new ShipClass");
}

TEST_F(ShipClassEditorTest, CountryOnlyChangesTheRecordButNotTheLine) {
    AddShipClass(1, "One");
    Open();
    Type(1270, "3");
    Click(kApply);
    EXPECT_EQ(RecordField::Get<std::int16_t>(Stored(1).data(), 2), 3);
    EXPECT_THAT(Lines(), ElementsAre("001: One"));
}

TEST_F(ShipClassEditorTest, DialogHasItsTemplateCaptionAndCloseBox) {
    AddShipClass(1, "One");
    Open();
    EXPECT_EQ(Dialog().objectName(), "160");
    EXPECT_EQ(Dialog().windowTitle(), "Ship Class Dialog");
    EXPECT_TRUE(Dialog().windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(Find<QPushButton>(Dialog(), kNew)->text(), "New ShipClass");
}

}  // namespace
