#include <QComboBox>
#include <QGroupBox>

#include "ObjectEditorFixture.h"

namespace {

using testing::ElementsAre;
using testing::IsEmpty;

TEST_F(ObjectEditorTest, ApplyWithoutEditsLeavesArbitraryRecordsAsTheyWere) {
    std::vector<Bytes> before;
    for (std::uint16_t i = 1; i <= 40; ++i) {
        // Every byte random: Sim Types the filter hides, Object Types without an item, NaN
        // floats, names without terminator, unshown Data49 values, reserved bytes.
        CObjectInfo& object = AddRandom(m_doc.m_mapObjects, i, 500 + i);
        std::memset(object.m_data.data() + 220, 0, 98);
        // The slots name records that exist; 0 stays empty.
        for (std::size_t nSlot = 0; nSlot < 9; ++nSlot) {
            SetSlot(object, kSensorArray, nSlot, static_cast<std::int16_t>(i % 3));
        }
        SetSlot(object, kLauncherArray, 29, 2);
        SetSlot(object, kAirstripArray, 9, 1);
        before.push_back(object.m_data);
    }
    AddNamed(m_doc.m_mapSensors, 1, "S1");
    AddNamed(m_doc.m_mapSensors, 2, "S2");
    AddNamed(m_doc.m_mapLaunchers, 2, "L2");
    AddNamed(m_doc.m_mapAirstrips, 1, "A1");
    RecordField::Set<std::uint32_t>(before[0].data(), 72, 0x7FC01234u);  // a NaN payload
    m_doc.m_mapObjects.at(1)->m_data = before[0];
    Open();
    Search("");  // lists every record, whatever its Sim Type
    ASSERT_EQ(List().count(), 40);
    m_messages.m_entries.clear();  // the start's type filter may have listed none
    for (int i = 0; i < 40; ++i) {
        Click(kApply);
        StepDown();
    }
    for (std::uint16_t i = 1; i <= 40; ++i) {
        EXPECT_EQ(Stored(i), before[i - 1]) << "record " << i;
    }
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_THAT(m_messages.Texts(), IsEmpty());
}

class ObjectControlEditTest : public ObjectEditorTest,
                              public testing::WithParamInterface<ControlEdit> {};

TEST_P(ObjectControlEditTest, ChangesOnlyItsOwnBytes) {
    const ControlEdit& edit = GetParam();
    CObjectInfo& object = AddObjectRecord(9, 77);
    RecordField::SetText(object.m_data.data(), 2, 20, "Random");
    const Bytes before = object.m_data;
    Open();
    Type(edit.nId, edit.pszInput);
    Click(kApply);
    Bytes expected = before;
    std::copy(edit.bytes.begin(), edit.bytes.end(), expected.begin() + edit.nOffset);
    EXPECT_EQ(object.m_data, expected);
    EXPECT_THAT(m_messages.Texts(), IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    EveryEdit, ObjectControlEditTest,
    testing::Values(
        ControlEdit{1001, "Xy", 2, {'X', 'y', 0}}, ControlEdit{1005, "40000", 22, {0x40, 0x9C}},
        ControlEdit{1007, "D", 32, {'D', 0}},
        ControlEdit{1009, "s.wav", 52, {'s', '.', 'w', 'a', 'v', 0}},
        ControlEdit{1011, "1.5", 72, {0, 0, 0xC0, 0x3F}},
        ControlEdit{1013, "-2", 76, {0, 0, 0, 0xC0}}, ControlEdit{1015, "0.5", 80, {0, 0, 0, 0x3F}},
        ControlEdit{1017, "2", 84, {0, 0, 0, 0x40}}, ControlEdit{1019, "4", 88, {0, 0, 0x80, 0x40}},
        ControlEdit{1021, "-1", 92, {0xFF, 0xFF}}, ControlEdit{1023, "258", 94, {2, 1}},
        ControlEdit{1213, "100000", 96, {0xA0, 0x86, 1, 0}},
        ControlEdit{1028, "-2", 100, {0xFE, 0xFF, 0xFF, 0xFF}},
        ControlEdit{1033, "16909060", 104, {4, 3, 2, 1}}, ControlEdit{1035, "7", 108, {7, 0}},
        ControlEdit{1075, "300", 112, {0x2C, 1}}, ControlEdit{1077, "Z", 114, {'Z', 0}},
        ControlEdit{1067, "255", 134, {255}}, ControlEdit{1069, "1", 135, {1}},
        ControlEdit{1071, "2", 136, {2}}, ControlEdit{1079, "3", 137, {3}},
        ControlEdit{1081, "4", 138, {4}}, ControlEdit{1083, "5", 139, {5}},
        ControlEdit{1085, "6", 140, {6}}, ControlEdit{1089, "-100", 144, {0x9C, 0xFF, 0xFF, 0xFF}},
        ControlEdit{1091, "65535", 148, {0xFF, 0xFF}}, ControlEdit{1107, "65537", 150, {1, 0}},
        ControlEdit{1093, "45", 152, {45, 0, 0, 0}},
        ControlEdit{1095, "-1", 156, {0xFF, 0xFF, 0xFF, 0xFF}},
        ControlEdit{1097, "256", 160, {0, 1, 0, 0}},
        ControlEdit{1099, "1", 164, {0, 0, 0x80, 0x3F}},
        ControlEdit{1101, "-1", 168, {0, 0, 0x80, 0xBF}},
        ControlEdit{1103, "8", 172, {0, 0, 0, 0x41}},
        ControlEdit{1109, "16", 176, {0, 0, 0x80, 0x41}},
        ControlEdit{1111, "0.25", 180, {0, 0, 0x80, 0x3E}},
        ControlEdit{1125, "3", 184, {0, 0, 0x40, 0x40}},
        ControlEdit{1131, "5", 188, {0, 0, 0xA0, 0x40}},
        ControlEdit{1133, "6", 192, {0, 0, 0xC0, 0x40}},
        ControlEdit{1135, "10", 196, {0, 0, 0x20, 0x41}}, ControlEdit{1137, "0", 200, {0, 0, 0, 0}},
        ControlEdit{1139, "-0.5", 204, {0, 0, 0, 0xBF}},
        ControlEdit{1141, "100", 208, {0, 0, 0xC8, 0x42}},
        ControlEdit{1143, "1024", 212, {0, 0, 0x80, 0x44}},
        ControlEdit{1161, "-3", 318, {0xFD, 0xFF}}),
    ControlEditName);

struct BitEdit {
    int nId;
    std::size_t nOffset;
    std::uint8_t nMask;
};

class ObjectBitEditTest : public ObjectEditorTest, public testing::WithParamInterface<BitEdit> {};

TEST_P(ObjectBitEditTest, TogglesOnlyItsBit) {
    const BitEdit& edit = GetParam();
    CObjectInfo& object = AddObjectRecord(9, 78);
    const Bytes before = object.m_data;
    Open();
    ClickBox(edit.nId);
    Click(kApply);
    Bytes expected = before;
    expected[edit.nOffset] ^= edit.nMask;
    EXPECT_EQ(object.m_data, expected);
}

INSTANTIATE_TEST_SUITE_P(
    EveryBox, ObjectBitEditTest,
    testing::Values(BitEdit{1054, 334, 0x01}, BitEdit{1055, 334, 0x02}, BitEdit{1056, 334, 0x04},
                    BitEdit{1057, 334, 0x08}, BitEdit{1058, 334, 0x10}, BitEdit{1059, 334, 0x80},
                    BitEdit{1047, 336, 0x01}, BitEdit{1048, 336, 0x02}, BitEdit{1060, 336, 0x04},
                    BitEdit{1050, 336, 0x08}, BitEdit{1049, 336, 0x20}, BitEdit{1051, 336, 0x40},
                    BitEdit{1052, 336, 0x80}, BitEdit{1199, 338, 0x01}, BitEdit{1200, 338, 0x02},
                    BitEdit{1201, 338, 0x04}, BitEdit{1202, 338, 0x08}, BitEdit{1203, 338, 0x10},
                    BitEdit{1204, 338, 0x20}),
    [](const auto& info) { return std::to_string(info.param.nId); });

TEST_F(ObjectEditorTest, UntickingGuidedClearsOnlyItsBit) {
    CObjectInfo& object = AddObjectRecord(1, 3);
    RecordField::Set<std::uint16_t>(object.m_data.data(), 336, 0xFFFF);
    RecordField::Set<std::uint16_t>(object.m_data.data(), 334, 0xFFFF);
    object.m_data[338] = 0xFF;
    Open();
    EXPECT_TRUE(Box(1051).isChecked());
    ClickBox(1051);
    Click(kApply);
    EXPECT_EQ(RecordField::Get<std::uint16_t>(Stored(1).data(), 336), 0xFFBF);
    EXPECT_EQ(RecordField::Get<std::uint16_t>(Stored(1).data(), 334), 0xFFFF);
    EXPECT_EQ(Stored(1)[338], 0xFF);
}

TEST_F(ObjectEditorTest, IdAboveSignedRangeKeepsLowBitsAndReadsBackSignExtended) {
    AddObjectRecord(1, 4);
    Open();
    Type(1005, "40000");
    Click(kApply);
    EXPECT_EQ(RecordField::Get<std::uint16_t>(Stored(1).data(), 22), 0x9C40);
    EXPECT_EQ(Text(1005), "4294941760");
    Click(kApply);  // the widened text stores the same 16 bits
    EXPECT_EQ(RecordField::Get<std::uint16_t>(Stored(1).data(), 22), 0x9C40);
    EXPECT_THAT(m_messages.Texts(), IsEmpty());
}

TEST_F(ObjectEditorTest, IndexIsShownWithoutSignAndCannotBeEdited) {
    AddObjectRecord(40000, 5);
    Open();
    EXPECT_EQ(Text(1004), "40000");
    EXPECT_FALSE(Edit(1004).isEnabled());
    EXPECT_THAT(Lines(), ElementsAre(testing::StartsWith("40000: ")));
}

TEST_F(ObjectEditorTest, TextsTakeTwentyCharactersAndAFullNameHasNoTerminator) {
    CObjectInfo& object = AddObjectRecord(1, 6);
    const Bytes before = object.m_data;
    Open();
    for (const int nId : {1001, 1007, 1009, 1077}) {
        Type(nId, "ABCDEFGHIJKLMNOPQRSTUVWXY");
        EXPECT_EQ(Text(nId), "ABCDEFGHIJKLMNOPQRST") << nId;
    }
    Click(kApply);
    for (const std::size_t nOffset : {2u, 32u, 52u, 114u}) {
        EXPECT_EQ(std::memcmp(Stored(1).data() + nOffset, "ABCDEFGHIJKLMNOPQRST", 20), 0);
    }
    EXPECT_EQ(Stored(1)[22], before[22]);
    EXPECT_EQ(Stored(1)[134], before[134]);
    EXPECT_EQ(m_doc.m_mapObjects.at(1)->GetName(), "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(Text(kName), "ABCDEFGHIJKLMNOPQRST");
}

TEST_F(ObjectEditorTest, ObjectTypeItemsStoreTheirValues) {
    const std::int32_t values[] = {1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12};
    const char* texts[] = {"Sub",         "Surf",    "Air",   "Helo",   "Stat (Land)", "Mine",
                           "Weap (Torp)", "Missile", "Shell", "Bullet", "Downed Pilot"};
    const Bytes before = AddObjectRecord(1, 7).m_data;
    Open();
    ASSERT_EQ(Combo(kObjectType).count(), 11);
    for (int nItem = 0; nItem < 11; ++nItem) {
        EXPECT_EQ(Combo(kObjectType).itemText(nItem).toStdString(), texts[nItem]);
        Combo(kObjectType).setCurrentIndex(nItem);
        Click(kApply);
        Bytes expected = before;
        RecordField::Set(expected.data(), 24, values[nItem]);
        EXPECT_EQ(Stored(1), expected);
        EXPECT_EQ(Combo(kObjectType).currentIndex(), nItem);
    }
}

TEST_F(ObjectEditorTest, ObjectTypeValuesWithoutItemShowNoSelectionAndAreKept) {
    for (const std::int32_t nValue : {5, 0, 13, -1}) {
        m_doc.m_mapObjects.clear();
        CObjectInfo& object = AddObjectRecord(1, 8);
        RecordField::Set(object.m_data.data(), 24, nValue);
        const Bytes before = object.m_data;
        Open();
        EXPECT_EQ(Combo(kObjectType).currentIndex(), -1) << nValue;
        Click(kApply);
        EXPECT_EQ(object.m_data, before) << nValue;
    }
}

TEST_F(ObjectEditorTest, ObjectTypeSixShowsStatLand) {
    CObjectInfo& object = AddObjectRecord(1, 9);
    RecordField::Set<std::int32_t>(object.m_data.data(), 24, 6);
    Open();
    EXPECT_EQ(Combo(kObjectType).currentText().toStdString(), "Stat (Land)");
}

TEST_F(ObjectEditorTest, SimTypeIsTheItemPosition) {
    const char* texts[] = {"sub",   "ship",  "torp", "cm",      "float", "rock",  "mine",
                           "depth", "plane", "helo", "missile", "bio",   "bullet"};
    CObjectInfo& object = AddObjectRecord(1, 10);
    RecordField::Set<std::int32_t>(object.m_data.data(), 28, 9);
    Open();
    ASSERT_EQ(Combo(kSimType).count(), 13);
    for (int nItem = 0; nItem < 13; ++nItem) {
        EXPECT_EQ(Combo(kSimType).itemText(nItem).toStdString(), texts[nItem]);
    }
    EXPECT_EQ(Combo(kSimType).currentIndex(), 9);
    const Bytes before = object.m_data;
    Combo(kSimType).setCurrentIndex(12);
    Click(kApply);
    Bytes expected = before;
    RecordField::Set<std::int32_t>(expected.data(), 28, 12);
    EXPECT_EQ(Stored(1), expected);
}

TEST_F(ObjectEditorTest, SimTypeThirteenIsHiddenByTheTypeFilterButFoundBySearch) {
    AddObjectRecord(1, 11);
    CObjectInfo& odd = AddObjectRecord(2, 12);
    RecordField::SetText(odd.m_data.data(), 2, 20, "Oddity");
    RecordField::Set<std::int32_t>(odd.m_data.data(), 28, 13);
    const Bytes before = odd.m_data;
    CObjectInfo& sub = AddObjectRecord(3, 13);
    RecordField::Set<std::int32_t>(sub.m_data.data(), 28, 0);
    Open();
    EXPECT_EQ(List().count(), 2);
    FilterOnly(kShip);
    ASSERT_EQ(List().count(), 1);
    EXPECT_EQ(Lines()[0].substr(0, 4), "003:");

    Search("odd");
    EXPECT_THAT(Lines(), ElementsAre("002: Oddity"));
    EXPECT_EQ(Combo(kSimType).currentIndex(), -1);
    Click(kApply);
    EXPECT_EQ(odd.m_data, before);
}

TEST_F(ObjectEditorTest, NewCopiesTheModelWithSlotsAndProfile) {
    CObjectInfo& model = AddObjectRecord(4, 14);
    AddNamed(m_doc.m_mapSensors, 8, "Radar");
    AddNamed(m_doc.m_mapLaunchers, 9, "Tube");
    AddNamed(m_doc.m_mapAirstrips, 10, "Deck");
    SetSlot(model, kSensorArray, 8, 8);
    SetSlot(model, kLauncherArray, 0, 9);
    SetSlot(model, kAirstripArray, 5, 10);
    RecordField::Set<std::int16_t>(model.m_data.data(), 330, 77);
    Open();
    Click(kNew);
    ASSERT_EQ(m_doc.m_mapObjects.count(5), 1u);
    Bytes expected = model.m_data;
    RecordField::Set<std::uint16_t>(expected.data(), 0, 5);
    RecordField::SetText(expected.data(), 2, 20, "My new Object");
    EXPECT_EQ(Stored(5), expected);
    EXPECT_EQ(Lines().back(), "005: My new Object");
    EXPECT_EQ(Slots(kSensorSlots).item(8)->text().toStdString(), "008: Radar");
    EXPECT_EQ(Slots(kLauncherSlots).item(0)->text().toStdString(), "009: Tube");
    EXPECT_EQ(Slots(kAirstripSlots).item(5)->text().toStdString(), "010: Deck");
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(ObjectEditorTest, EmptyDatabaseShowsNoRecordAndNewStartsFromZeros) {
    Open();
    EXPECT_EQ(List().count(), 0);
    EXPECT_FALSE(Find<QPushButton>(Dialog(), kApply)->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(Dialog(), kSonarProfile)->isEnabled());
    EXPECT_EQ(Slots(kLauncherSlots).count(), 30);
    EXPECT_THAT(m_messages.Texts(), IsEmpty());
    Click(kNew);
    ASSERT_EQ(m_doc.m_mapObjects.count(1), 1u);
    EXPECT_EQ(m_doc.m_mapObjects.at(1)->GetName(), "My new Object");
}

TEST_F(ObjectEditorTest, DialogIsTemplate130WithItsGroupsAndButtons) {
    AddObjectRecord(1, 15);
    Open();
    EXPECT_EQ(Dialog().objectName(), "130");
    EXPECT_EQ(Dialog().windowTitle(), "Object Dialog");
    EXPECT_EQ(Find<QPushButton>(Dialog(), kNew)->text(), "New Object");
    EXPECT_EQ(Find<QPushButton>(Dialog(), kSonarProfile)->text(), "Sonar Profil");
    std::vector<std::string> captions;
    for (const QGroupBox* pBox : Dialog().findChildren<QGroupBox*>()) {
        captions.push_back(pBox->title().toStdString());
    }
    EXPECT_THAT(captions,
                testing::IsSupersetOf({"Filter", "Ship/AC only:Countermeasures carried",
                                       "uncertain Options", "missileCaps", "targetCaps",
                                       "Mission Priorities", "Sensor Slots", "Launcher Slots",
                                       "Airstrip Slots (not implemented yet)"}));
    // The buttons stand one below the other.
    const int nExitX = Find<QPushButton>(Dialog(), kExit)->x();
    for (const int nId : {kUndo, kApply, kNew}) {
        EXPECT_EQ(Find<QPushButton>(Dialog(), nId)->x(), nExitX) << nId;
    }
    EXPECT_LT(Find<QPushButton>(Dialog(), kExit)->y(), Find<QPushButton>(Dialog(), kNew)->y());
}

}  // namespace
