#include "RecordEditorFixture.h"

namespace {

using testing::ElementsAre;

using Bytes = std::array<std::uint8_t, 58>;

class EntityEditorTest : public RecordEditorTest {
protected:
    static constexpr int kIndex = 1004;
    static constexpr int kName = 1198;
    static constexpr int kTypeName = 1199;
    static constexpr int kNew = 1208;

    EntityEditorTest() : RecordEditorTest(EditorSlot::Entity, 1196, 1211) {}

    CEntityInfo& AddEntity(std::uint16_t nIndex, const std::string& strName,
                           const std::string& strTypeName = {}) {
        CEntityInfo& entity = AddNamed(m_doc.m_mapEntities, nIndex, strName);
        RecordField::SetText(entity.m_data.data(), EntityField::kTypeName,
                             EntityField::kTypeNameWidth, strTypeName);
        return entity;
    }
    const Bytes& Stored(std::uint16_t nKey) const { return m_doc.m_mapEntities.at(nKey)->m_data; }
};

TEST_F(EntityEditorTest, ApplyWithoutEditsLeavesArbitraryRecordsAsTheyWere) {
    for (std::uint16_t i = 0; i < 40; ++i) {
        AddRandom(m_doc.m_mapEntities, i, 500 + i);
    }
    ExpectUntouchedApplyKeepsEveryByte(m_doc.m_mapEntities);
}

class EntityControlEditTest : public EntityEditorTest,
                              public testing::WithParamInterface<ControlEdit> {};

TEST_P(EntityControlEditTest, ChangesOnlyItsOwnBytes) {
    const ControlEdit& edit = GetParam();
    CEntityInfo& entity = AddRandom(m_doc.m_mapEntities, 9, 77);
    RecordField::SetText(entity.m_data.data(), 4, 20, "Random");
    RecordField::SetText(entity.m_data.data(), 36, 20, "Random type");
    ExpectEditChangesOnlyItsBytes(entity, edit);
}

INSTANTIATE_TEST_SUITE_P(
    EveryControl, EntityControlEditTest,
    testing::Values(ControlEdit{1004, "-2", 0, {0xFE, 0xFF}}, ControlEdit{1197, "258", 2, {2, 1}},
                    ControlEdit{1198, "Xy", 4, {'X', 'y', 0}}, ControlEdit{1201, "1", 24, {1, 0}},
                    ControlEdit{1202, "-1", 26, {0xFF, 0xFF}},
                    ControlEdit{1203, "32767", 28, {0xFF, 0x7F}},
                    ControlEdit{1204, "-32768", 30, {0, 0x80}}, ControlEdit{1205, "5", 32, {5, 0}},
                    ControlEdit{1200, "4660", 34, {0x34, 0x12}},
                    ControlEdit{1199, "Hull", 36, {'H', 'u', 'l', 'l', 0}},
                    ControlEdit{1206, "7", 56, {7, 0}}),
    ControlEditName);

TEST_F(EntityEditorTest, TypeNameNamingNoObjectFollowsSub) {
    AddObject(m_doc, 1, "Frigate", 1);
    AddEntity(1, "Orphan", "Nobody");
    AddEntity(2, "Escort", "Frigate");
    Open();
    FilterOnly(kSub);
    EXPECT_THAT(Lines(), ElementsAre("002: Escort"));
    Box(kSub).setChecked(true);
    FilterOnly(kShip);
    EXPECT_THAT(Lines(), ElementsAre("001: Orphan"));
}

TEST_F(EntityEditorTest, TypeNameOfAnObjectAboveTwelveIsAlwaysListed) {
    AddObject(m_doc, 1, "Strange", 13);
    AddObject(m_doc, 2, "Frigate", 1);
    AddEntity(1, "Odd", "Strange");
    AddEntity(2, "Escort", "Frigate");
    Open();
    for (int nId : {1214, 1215, 1220, 1224, 1218, 1219, 1223, 1222, 1225, 1217, 1221, 1216}) {
        Box(nId).setChecked(false);
    }
    Click(kFilter);  // only "Bullet" on
    EXPECT_THAT(Lines(), ElementsAre("001: Odd"));
    EXPECT_TRUE(m_messages.m_entries.empty());
}

TEST_F(EntityEditorTest, ChangedTypeNameChangesTheBoxAtTheNextFill) {
    AddObject(m_doc, 1, "Frigate", 1);
    AddObject(m_doc, 2, "Torpedo", 2);
    AddEntity(1, "Escort", "Frigate");
    AddEntity(2, "Other", "Frigate");
    Open();
    FilterOnly(kShip);
    ASSERT_EQ(m_messages.m_entries.size(), 1u);  // nothing listed: back to every type
    Type(kTypeName, "Torpedo");
    Click(kApply);
    EXPECT_THAT(Lines(), ElementsAre("001: Escort", "002: Other"));  // not refilled
    FilterOnly(kShip);
    EXPECT_THAT(Lines(), ElementsAre("001: Escort"));
    EXPECT_EQ(m_messages.m_entries.size(), 1u);
}

TEST_F(EntityEditorTest, ChangedIndexRewritesBytesZeroAndOneAndKeepsTheLineUntilAFill) {
    AddEntity(3, "Alpha");
    AddEntity(5, "Bravo");
    const Bytes before = Stored(3);
    Open();
    Type(kIndex, "-25536");  // 40000 as a signed 16-bit number
    Click(kApply);
    Bytes expected = before;
    expected[0] = 0x40;
    expected[1] = 0x9C;
    EXPECT_EQ(Stored(3), expected);
    EXPECT_FALSE(m_doc.m_mapEntities.contains(40000));
    EXPECT_THAT(Lines(), ElementsAre("003: Alpha", "005: Bravo"));
    EXPECT_EQ(Text(kIndex), "-25536");
    Click(kFilter);
    EXPECT_THAT(Lines(), ElementsAre("40000: Alpha", "005: Bravo"));
    EXPECT_TRUE(m_messages.m_entries.empty());
}

TEST_F(EntityEditorTest, IndexThatAnotherRecordHasIsRefused) {
    AddEntity(3, "Alpha");
    AddEntity(5, "Bravo");
    const Bytes before = Stored(3);
    Open();
    Type(kName, "Renamed");
    Type(kIndex, "5");
    Click(kApply);
    EXPECT_THAT(m_messages.Texts(),
                ElementsAre("The Index 5 is already used by another record.\nNothing was stored."));
    EXPECT_EQ(Stored(3), before);
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(Dialog().focusWidget(), &Edit(kIndex));
    EXPECT_THAT(Lines(), ElementsAre("003: Alpha", "005: Bravo"));
}

TEST_F(EntityEditorTest, IndexHeldByAnEditedRecordIsRefusedAndNewSkipsIt) {
    AddEntity(3, "Alpha");
    AddEntity(5, "Bravo");
    Open();
    Type(kIndex, "4");
    Click(kApply);
    ASSERT_EQ(RecordField::Get<std::uint16_t>(Stored(3).data(), 0), 4);
    StepDown();
    Type(kIndex, "4");
    Click(kApply);
    EXPECT_EQ(m_messages.m_entries.size(), 1u);
    EXPECT_EQ(RecordField::Get<std::uint16_t>(Stored(5).data(), 0), 5);

    Type(kIndex, "3");  // the key that Alpha leaves behind at the next load
    Click(kApply);
    EXPECT_EQ(m_messages.m_entries.size(), 1u);
    EXPECT_EQ(RecordField::Get<std::uint16_t>(Stored(5).data(), 0), 3);
    // Bravo now stores 3 under key 5, Alpha 4 under key 3: New after key 5 may take 6.
    Click(kNew);
    EXPECT_EQ(Lines().back(), "006: My new Entity");
}

TEST_F(EntityEditorTest, NewSkipsAnIndexThatAnEditedRecordStores) {
    AddEntity(3, "Alpha");
    AddEntity(5, "Bravo");
    Open();
    StepDown();
    Type(kIndex, "6");
    Click(kApply);
    Click(kNew);
    EXPECT_THAT(Lines(), ElementsAre("003: Alpha", "005: Bravo", "007: My new Entity"));
    EXPECT_FALSE(m_doc.m_mapEntities.contains(6));
}

TEST_F(EntityEditorTest, ExitYesWithAClashingIndexStaysOpen) {
    AddEntity(3, "Alpha");
    AddEntity(5, "Bravo");
    const Bytes before = Stored(3);
    Open();
    Type(kIndex, "5");
    m_messages.Answer(IDYES);
    Click(kExit);
    EXPECT_EQ(m_messages.m_entries.size(), 2u);
    EXPECT_TRUE(Dialog().isVisible());
    EXPECT_EQ(Stored(3), before);
}

TEST_F(EntityEditorTest, NewCopiesTheWholeRecordIntoTheIndexMapOnly) {
    AddObject(m_doc, 1, "Torpedo", 2);
    AddRandom(m_doc.m_mapEntities, 1, 1);
    CEntityInfo& model = AddRandom(m_doc.m_mapEntities, 2, 2);
    RecordField::SetText(model.m_data.data(), 36, 20, "Torpedo");
    m_doc.m_mapWeaponEntities[2] = &model;
    const Bytes before = model.m_data;
    Open();
    StepDown();
    Click(kNew);
    ASSERT_TRUE(m_doc.m_mapEntities.contains(3));
    Bytes expected = before;
    expected[0] = 3;
    expected[1] = 0;
    std::memcpy(expected.data() + 4, "My new Entity", 14);
    EXPECT_EQ(Stored(3), expected);
    EXPECT_EQ(m_doc.m_mapWeaponEntities.size(), 1u);
    EXPECT_EQ(Lines().back(), "003: My new Entity");
    EXPECT_EQ(Text(kTypeName), "Torpedo");
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(EntityEditorTest, SearchMatchesIndexAndNameButNotTheTypeName) {
    AddEntity(1, "Escort", "Frigate");
    AddEntity(2, "Frigate killer", "Sub");
    Open();
    Search("frigate");
    EXPECT_THAT(Lines(), ElementsAre("002: Frigate killer"));
}

TEST_F(EntityEditorTest, TwentyCharacterTypeNameHasNoTerminator) {
    CEntityInfo& entity = AddRandom(m_doc.m_mapEntities, 1, 3);
    const Bytes before = entity.m_data;
    Open();
    Type(kTypeName, "ABCDEFGHIJKLMNOPQRSTUV");
    EXPECT_EQ(Text(kTypeName), "ABCDEFGHIJKLMNOPQRST");
    Click(kApply);
    EXPECT_EQ(std::memcmp(entity.m_data.data() + 36, "ABCDEFGHIJKLMNOPQRST", 20), 0);
    EXPECT_EQ(entity.m_data[56], before[56]);
    EXPECT_EQ(entity.m_data[57], before[57]);
}

TEST_F(EntityEditorTest, DialogHasItsTemplateCaptionAndButtons) {
    AddEntity(1, "One");
    Open();
    EXPECT_EQ(Dialog().objectName(), "156");
    EXPECT_EQ(Dialog().windowTitle(), "Entity Dialog");
    EXPECT_FALSE(Dialog().windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(Find<QPushButton>(Dialog(), kNew)->text(), "New Entity");
    EXPECT_TRUE(Edit(kIndex).isEnabled());
}

}  // namespace
