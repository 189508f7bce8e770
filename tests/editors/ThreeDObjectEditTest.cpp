#include "RecordEditorFixture.h"

namespace {

using testing::ElementsAre;

using Bytes = std::array<std::uint8_t, 956>;

class ThreeDObjectEditorTest : public RecordEditorTest {
protected:
    static constexpr int kName = 1201;
    static constexpr int kRadius = 1205;
    static constexpr int kFreeVar1 = 1206;
    static constexpr int kFreeVar4 = 1229;
    static constexpr int kNew = 1212;

    ThreeDObjectEditorTest() : RecordEditorTest(EditorSlot::Object3D, 1210, 1211) {}

    C3DObjectInfo& Add3DObject(std::uint16_t nKey, const std::string& strName) {
        return AddNamed(m_doc.m_map3DObjects, nKey, strName, false);
    }
    const Bytes& Stored(std::uint16_t nKey) const { return m_doc.m_map3DObjects.at(nKey)->m_data; }
    // Keys 0 to 4; the object "Frigate" (Sim Type 1) names keys 1 and 3.
    void AddFive() {
        AddObject(m_doc, 1, "Frigate", 1);
        Add3DObject(0, "Hull A");
        Add3DObject(1, "Frigate");
        Add3DObject(2, "Hull C");
        Add3DObject(3, "Frigate");
        Add3DObject(4, "Hull E");
    }
};

TEST_F(ThreeDObjectEditorTest, ApplyWithoutEditsLeavesArbitraryRecordsAsTheyWere) {
    for (std::uint16_t i = 0; i < 24; ++i) {
        AddRandom(m_doc.m_map3DObjects, i, 300 + i, false);
    }
    const std::uint32_t nan = 0xFFC00001u;
    std::memcpy(m_doc.m_map3DObjects.at(0)->m_data.data() + 140, &nan, 4);
    ExpectUntouchedApplyKeepsEveryByte(m_doc.m_map3DObjects);
}

class ThreeDObjectControlEditTest : public ThreeDObjectEditorTest,
                                    public testing::WithParamInterface<ControlEdit> {};

// Every byte outside the control's own stays, the unshown 80-139 and 156-955 among them.
TEST_P(ThreeDObjectControlEditTest, ChangesOnlyItsOwnBytes) {
    const ControlEdit& edit = GetParam();
    C3DObjectInfo& object = AddRandom(m_doc.m_map3DObjects, 0, 33, false);
    for (std::size_t nOffset : {0u, 20u, 40u, 60u}) {
        RecordField::SetText(object.m_data.data(), nOffset, 20, "Random");
    }
    ExpectEditChangesOnlyItsBytes(object, edit);
}

INSTANTIATE_TEST_SUITE_P(EveryControl, ThreeDObjectControlEditTest,
                         testing::Values(ControlEdit{1201, "Xy", 0, {'X', 'y', 0}},
                                         ControlEdit{1202, "Lo", 20, {'L', 'o', 0}},
                                         ControlEdit{1203, "Me", 40, {'M', 'e', 0}},
                                         ControlEdit{1204, "Hi", 60, {'H', 'i', 0}},
                                         ControlEdit{1205, "2.5", 140, {0, 0, 0x20, 0x40}},
                                         ControlEdit{1206, "4294967295", 144, {0xFF, 0xFF}},
                                         ControlEdit{1208, "65536", 146, {0, 0}},
                                         ControlEdit{1213, "65537", 148, {1, 0}},
                                         ControlEdit{1229, "32768", 150, {0, 0x80}},
                                         ControlEdit{1209, "-3", 152, {0xFD, 0xFF, 0xFF, 0xFF}}),
                         ControlEditName);

TEST_F(ThreeDObjectEditorTest, FilterNumbersLinesByRowAndAnEmptySearchByKey) {
    AddFive();
    Open();
    EXPECT_THAT(Lines(), ElementsAre("000: Hull A", "001: Frigate", "002: Hull C", "003: Frigate",
                                     "004: Hull E"));
    FilterOnly(kSub);
    EXPECT_THAT(Lines(), ElementsAre("000: Frigate", "001: Frigate"));
    Search("");
    EXPECT_THAT(Lines(), ElementsAre("000: Hull A", "001: Frigate", "002: Hull C", "003: Frigate",
                                     "004: Hull E"));
    Search("frig");
    EXPECT_THAT(Lines(), ElementsAre("001: Frigate", "003: Frigate"));
}

TEST_F(ThreeDObjectEditorTest, RenameKeepsTheNumberTheLineShowed) {
    AddFive();
    Open();
    FilterOnly(kShip);
    ASSERT_THAT(Lines(), ElementsAre("000: Hull A", "001: Hull C", "002: Hull E"));
    StepDown();
    Type(kName, "Renamed");
    Click(kApply);
    EXPECT_THAT(Lines(), ElementsAre("000: Hull A", "002: Hull E", "001: Renamed"));
    EXPECT_EQ(m_doc.m_map3DObjects.at(2)->GetName(), "Renamed");
    EXPECT_EQ(List().currentRow(), 2);

    Type(kName, "RENAMED");
    Click(kApply);
    EXPECT_THAT(Lines(), ElementsAre("000: Hull A", "002: Hull E", "001: Renamed"));
    EXPECT_EQ(m_doc.m_map3DObjects.at(2)->GetName(), "RENAMED");
}

TEST_F(ThreeDObjectEditorTest, FreeVarsWidenWithTheirSignAndStoreTheLowSixteenBits) {
    C3DObjectInfo& object = Add3DObject(0, "Model");
    RecordField::Set<std::uint16_t>(object.m_data.data(), 144, 0xFFFF);
    RecordField::Set<std::uint16_t>(object.m_data.data(), 146, 0x8000);
    RecordField::Set<std::uint16_t>(object.m_data.data(), 148, 0x7FFF);
    Open();
    EXPECT_EQ(Text(kFreeVar1), "4294967295");
    EXPECT_EQ(Text(1208), "4294934528");
    EXPECT_EQ(Text(1213), "32767");
    Type(kFreeVar4, "4294967295");
    Click(kApply);
    EXPECT_EQ(RecordField::Get<std::uint16_t>(object.m_data.data(), 150), 0xFFFF);
    EXPECT_EQ(RecordField::Get<std::uint16_t>(object.m_data.data(), 144), 0xFFFF);
    Type(kFreeVar1, "65536");
    Click(kApply);
    EXPECT_EQ(RecordField::Get<std::uint16_t>(object.m_data.data(), 144), 0);
    EXPECT_EQ(Text(kFreeVar1), "0");
}

TEST_F(ThreeDObjectEditorTest, NegativeFreeVarIsRefused) {
    Add3DObject(0, "Model");
    const Bytes before = Stored(0);
    Open();
    Type(kFreeVar1, "-1");
    Click(kApply);
    EXPECT_THAT(m_messages.Texts(),
                ElementsAre("The field \"Free Var 1\" needs an integer between 0 and 4294967295."));
    EXPECT_EQ(Stored(0), before);
}

TEST_F(ThreeDObjectEditorTest, NewWithEveryRecordListedTakesTheCountPlusOne) {
    for (std::uint16_t i = 0; i < 4; ++i) {
        AddRandom(m_doc.m_map3DObjects, i, 40 + i, false);
    }
    const Bytes model = Stored(1);
    Open();
    StepDown();
    Click(kNew);
    EXPECT_FALSE(m_doc.m_map3DObjects.contains(4));
    ASSERT_TRUE(m_doc.m_map3DObjects.contains(5));
    Bytes expected = model;
    std::memcpy(expected.data(), "My new 3DObject", 16);
    EXPECT_EQ(Stored(5), expected);
    EXPECT_EQ(Lines().back(), "005: My new 3DObject");
    EXPECT_EQ(List().currentRow(), 4);
    EXPECT_EQ(Text(kName), "My new 3DObject");
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(ThreeDObjectEditorTest, NewSkipsTakenKeys) {
    AddFive();
    Open();
    FilterOnly(kShip);  // three lines: New tries 4, which is taken
    Click(kNew);
    EXPECT_EQ(Lines().back(), "005: My new 3DObject");
    EXPECT_EQ(m_doc.m_map3DObjects.at(4)->GetName(), "Hull E");
}

TEST_F(ThreeDObjectEditorTest, UntouchedRadiusNeverCountsAsChanged) {
    C3DObjectInfo& object = Add3DObject(0, "Model");
    RecordField::Set(object.m_data.data(), 140, 0.1f + 1e-9f);
    Open();
    Click(kExit);
    EXPECT_TRUE(m_messages.m_entries.empty());
    EXPECT_FALSE(Dialog().isVisible());
}

TEST_F(ThreeDObjectEditorTest, DialogHasItsTemplateCaptionAndCloseBox) {
    Add3DObject(0, "Model");
    Open();
    EXPECT_EQ(Dialog().objectName(), "158");
    EXPECT_EQ(Dialog().windowTitle(), "3D ObjectDialog");
    EXPECT_TRUE(Dialog().windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(Find<QPushButton>(Dialog(), kNew)->text(), "New Object");
    EXPECT_EQ(Find<QPushButton>(Dialog(), 1208), nullptr);
}

}  // namespace
