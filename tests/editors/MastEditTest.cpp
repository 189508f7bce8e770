#include <cmath>

#include "RecordEditorFixture.h"

namespace {

using testing::ElementsAre;
using testing::IsEmpty;

using Bytes = std::array<std::uint8_t, 96>;

class MastEditorTest : public RecordEditorTest {
protected:
    static constexpr int kIndex = 1004;
    static constexpr int kName = 1194;
    static constexpr int kCenterX = 1166;

    MastEditorTest() : RecordEditorTest(EditorSlot::Mast, 1195, 1211) {}

    CMastInfo& AddMast(std::uint16_t nIndex, const std::string& strName) {
        return AddNamed(m_doc.m_mapMasts, nIndex, strName);
    }
    const Bytes& Stored(std::uint16_t nKey) const { return m_doc.m_mapMasts.at(nKey)->m_data; }
};

TEST_F(MastEditorTest, ListsEveryMastInIndexOrderWithoutFilterOrNew) {
    AddMast(300, "Tall");
    AddMast(2, "Short");
    AddMast(17, "Lattice");
    Open();
    EXPECT_THAT(Lines(), ElementsAre("002: Short", "017: Lattice", "300: Tall"));
    EXPECT_EQ(Text(kName), "Short");
    for (int nId : {1208, kFilter, kSearch, 1210, 1212}) {
        EXPECT_EQ(Find<QPushButton>(Dialog(), nId), nullptr) << nId;
    }
    EXPECT_EQ(Find<QCheckBox>(Dialog(), kSub), nullptr);
    EXPECT_TRUE(m_messages.m_entries.empty());
}

TEST_F(MastEditorTest, EmptyDatabaseShowsAnEmptyListWithoutAWarning) {
    Open();
    EXPECT_THAT(Lines(), IsEmpty());
    EXPECT_TRUE(m_messages.m_entries.empty());
    EXPECT_FALSE(Find<QPushButton>(Dialog(), kApply)->isEnabled());
    Click(kExit);
    EXPECT_FALSE(Dialog().isVisible());
}

TEST_F(MastEditorTest, ApplyWithoutEditsLeavesArbitraryRecordsAsTheyWere) {
    for (std::uint16_t i = 0; i < 40; ++i) {
        AddRandom(m_doc.m_mapMasts, i, 900 + i);
    }
    // Centres that no six-digit text shows: a NaN with a payload, -0.0, a denormal.
    const std::uint32_t nan = 0x7FC01234u;
    std::memcpy(m_doc.m_mapMasts.at(0)->m_data.data() + 80, &nan, 4);
    RecordField::Set(m_doc.m_mapMasts.at(0)->m_data.data(), 84, -0.0f);
    RecordField::Set(m_doc.m_mapMasts.at(0)->m_data.data(), 88, 1e-42f);
    ExpectUntouchedApplyKeepsEveryByte(m_doc.m_mapMasts);
}

class MastControlEditTest : public MastEditorTest,
                            public testing::WithParamInterface<ControlEdit> {};

TEST_P(MastControlEditTest, ChangesOnlyItsOwnBytes) {
    const ControlEdit& edit = GetParam();
    CMastInfo& mast = AddRandom(m_doc.m_mapMasts, 9, 99);
    RecordField::SetText(mast.m_data.data(), 2, 20, "Random");
    RecordField::SetText(mast.m_data.data(), 50, 20, "Random sound");
    ExpectEditChangesOnlyItsBytes(mast, edit);
}

INSTANTIATE_TEST_SUITE_P(
    EveryControl, MastControlEditTest,
    testing::Values(
        ControlEdit{1004, "10", 0, {10, 0}}, ControlEdit{1194, "Xy", 2, {'X', 'y', 0}},
        ControlEdit{1196, "1", 22, {1, 0}}, ControlEdit{1197, "2", 24, {2, 0}},
        ControlEdit{1198, "3", 26, {3, 0}}, ControlEdit{1199, "-4", 28, {0xFC, 0xFF}},
        ControlEdit{1200, "5", 30, {5, 0}}, ControlEdit{1201, "6", 32, {6, 0}},
        ControlEdit{1202, "7", 34, {7, 0}}, ControlEdit{1203, "8", 36, {8, 0}},
        ControlEdit{1204, "9", 38, {9, 0}}, ControlEdit{1205, "10", 40, {10, 0}},
        ControlEdit{1206, "11", 42, {11, 0}}, ControlEdit{1208, "12", 44, {12, 0}},
        ControlEdit{1209, "13", 46, {13, 0}}, ControlEdit{1210, "14", 48, {14, 0}},
        ControlEdit{1009, "Horn", 50, {'H', 'o', 'r', 'n', 0}},
        ControlEdit{1212, "15", 70, {15, 0}}, ControlEdit{1213, "-2", 72, {0xFE, 0xFF, 0xFF, 0xFF}},
        ControlEdit{1214, "16909060", 76, {4, 3, 2, 1}},
        ControlEdit{1166, "1", 80, {0, 0, 0x80, 0x3F}},
        ControlEdit{1167, "-2", 84, {0, 0, 0, 0xC0}}, ControlEdit{1168, "0.5", 88, {0, 0, 0, 0x3F}},
        ControlEdit{1218, "256", 92, {0, 1}}, ControlEdit{1219, "-32768", 94, {0, 0x80}}),
    ControlEditName);

TEST_F(MastEditorTest, ChangedIndexRewritesBytesZeroAndOneAndKeepsTheLine) {
    AddMast(3, "Alpha");
    AddMast(5, "Bravo");
    const Bytes before = Stored(3);
    Open();
    Type(kIndex, "4");
    Click(kApply);
    Bytes expected = before;
    expected[0] = 4;
    EXPECT_EQ(Stored(3), expected);
    EXPECT_FALSE(m_doc.m_mapMasts.contains(4));
    EXPECT_THAT(Lines(), ElementsAre("003: Alpha", "005: Bravo"));
    EXPECT_TRUE(m_doc.IsModified());

    Type(kName, "Zulu");  // the moved line keeps the number the list showed
    Click(kApply);
    EXPECT_THAT(Lines(), ElementsAre("005: Bravo", "004: Zulu"));
}

TEST_F(MastEditorTest, IndexThatAnotherRecordHasIsRefused) {
    AddMast(3, "Alpha");
    AddMast(5, "Bravo");
    const Bytes before = Stored(5);
    Open();
    StepDown();
    Type(kIndex, "3");
    Click(kApply);
    EXPECT_THAT(m_messages.Texts(),
                ElementsAre("The Index 3 is already used by another record.\nNothing was stored."));
    EXPECT_EQ(Stored(5), before);
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(Dialog().focusWidget(), &Edit(kIndex));
}

TEST_F(MastEditorTest, UntouchedCentreNeverCountsAsChanged) {
    CMastInfo& mast = AddMast(1, "One");
    RecordField::Set(mast.m_data.data(), 80, 0.1f + 1e-9f);
    RecordField::Set(mast.m_data.data(), 84, std::nanf(""));
    Open();
    Click(kExit);
    EXPECT_TRUE(m_messages.m_entries.empty());
    EXPECT_FALSE(Dialog().isVisible());
}

TEST_F(MastEditorTest, DialogHasItsTemplateCaptionAndNoCloseBox) {
    AddMast(1, "One");
    Open();
    EXPECT_EQ(Dialog().objectName(), "155");
    EXPECT_EQ(Dialog().windowTitle(), "Mast Dialog");
    EXPECT_FALSE(Dialog().windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(Edit(kIndex).isEnabled());
}

}  // namespace
