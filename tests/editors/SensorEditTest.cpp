#include "EditorTexts.h"
#include "SensorLauncherAirstripFixture.h"

namespace {

using testing::ElementsAre;
using testing::IsEmpty;

using Bytes = std::array<std::uint8_t, 180>;

constexpr int kName = 1119;
constexpr int kDisplayName = 1120;
constexpr int kClass = 1121;
constexpr int kCounterDetect = 1123;
constexpr int kApplyFilter = 1257;
constexpr int kActiveBox = 1215;
constexpr int kRadarBox = 1252;
constexpr int kClassBoxes[11] = {1215, 1228, 1250, 1253, 1254, 1248, 1249, 1252, 1255, 1251, 1246};
constexpr int kLevels[4] = {1141, 1142, 1143, 1144};

class SensorEditorTest : public SensorLauncherAirstripTest {
protected:
    void Open() { SensorLauncherAirstripTest::Open(EditorSlot::Sensor); }

    CSensorInfo& Add(std::uint16_t nIndex, std::int32_t nClass, const std::string& strName,
                     const std::string& strDisplay = {}) {
        auto pSensor = std::make_unique<CSensorInfo>();
        RecordField::Set(pSensor->m_data.data(), 0, nIndex);
        RecordField::SetText(pSensor->m_data.data(), 2, 42, strName);
        RecordField::Set(pSensor->m_data.data(), 44, nClass);
        RecordField::SetText(pSensor->m_data.data(), 160, 20, strDisplay);
        CSensorInfo& sensor = *pSensor;
        m_doc.m_mapSensors[nIndex] = std::move(pSensor);
        return sensor;
    }
    const Bytes& Stored(std::uint16_t nIndex) const {
        return m_doc.m_mapSensors.at(nIndex)->m_data;
    }
};

TEST_F(SensorEditorTest, ApplyWithoutEditsLeavesArbitraryRecordsAsTheyWere) {
    for (std::uint16_t i = 0; i < 48; ++i) {
        CSensorInfo& sensor = AddRandomRecord(m_doc.m_mapSensors, i, 700 + i);
        RecordField::Set<std::int32_t>(sensor.m_data.data(), 44, i % 11 + 1);
    }
    ExpectUntouchedApplyKeepsEveryByte(EditorSlot::Sensor, m_doc.m_mapSensors);
}

class SensorControlEditTest : public SensorEditorTest,
                              public testing::WithParamInterface<ControlEdit> {};

TEST_P(SensorControlEditTest, ChangesOnlyItsOwnBytes) {
    const ControlEdit& edit = GetParam();
    CSensorInfo& sensor = AddRandomRecord(m_doc.m_mapSensors, 6, 29);
    RecordField::SetText(sensor.m_data.data(), 2, 42, "Random");
    RecordField::Set<std::int32_t>(sensor.m_data.data(), 44, 5);
    const Bytes before = sensor.m_data;
    Open();
    Change(edit.nId, edit.pszInput);
    Click(kApply);
    const bool bBox = qobject_cast<QCheckBox*>(Find<QWidget>(Dialog(), edit.nId)) != nullptr;
    EXPECT_EQ(sensor.m_data, Expected(before, edit, bBox));
    EXPECT_TRUE(m_messages.m_entries.empty());
}

INSTANTIATE_TEST_SUITE_P(
    EveryControl, SensorControlEditTest,
    testing::Values(
        ControlEdit{kName, "Xy", 2, {'X', 'y', 0}},
        ControlEdit{kDisplayName, "Dn", 160, {'D', 'n', 0}},
        ControlEdit{kClass, "3", 44, {3, 0, 0, 0}},
        ControlEdit{kCounterDetect, "11", 48, {11, 0, 0, 0}},
        ControlEdit{1122, "4294967295", 52, {0xFF, 0xFF, 0xFF, 0xFF}},
        ControlEdit{1137, "1", 56, {1, 0, 0, 0}}, ControlEdit{1138, "2", 60, {2, 0, 0, 0}},
        ControlEdit{1139, "3", 64, {3, 0, 0, 0}}, ControlEdit{1140, "4", 68, {4, 0, 0, 0}},
        ControlEdit{1128, "-1", 76, {0xFF, 0xFF, 0xFF, 0xFF}}, ControlEdit{1136, "7", 80, {7, 0}},
        ControlEdit{1154, "-2", 82, {0xFE, 0xFF}}, ControlEdit{1155, "8", 84, {8, 0, 0, 0}},
        ControlEdit{1156, "9", 88, {9, 0, 0, 0}}, ControlEdit{1157, "10", 92, {10, 0, 0, 0}},
        ControlEdit{1124, "65536", 96, {0, 0, 1, 0}},
        ControlEdit{1125, "-65536", 100, {0, 0, 0xFF, 0xFF}},
        ControlEdit{1158, "11", 104, {11, 0, 0, 0}}, ControlEdit{1159, "12", 108, {12, 0, 0, 0}},
        ControlEdit{1160, "13", 112, {13, 0, 0, 0}}, ControlEdit{1161, "14", 120, {14, 0}},
        ControlEdit{1174, "-15", 122, {0xF1, 0xFF}}, ControlEdit{1146, "16", 124, {16, 0, 0, 0}},
        ControlEdit{1126, "17", 128, {17, 0, 0, 0}}, ControlEdit{1163, "18", 132, {18, 0, 0, 0}},
        ControlEdit{1164, "1", 136, {0, 0, 0x80, 0x3F}},
        ControlEdit{1165, "2", 140, {0, 0, 0, 0x40}}, ControlEdit{1166, "19", 144, {19, 0, 0, 0}},
        ControlEdit{1167, "20", 148, {20, 0, 0, 0}}, ControlEdit{1168, "21", 152, {21, 0, 0, 0}},
        ControlEdit{1169, "22", 156, {22, 0, 0, 0}}, ControlEdit{1130, "", 116, {0x01, 0}},
        ControlEdit{1127, "", 116, {0x02, 0}}, ControlEdit{1129, "", 116, {0x04, 0}},
        ControlEdit{1147, "", 116, {0x08, 0}}, ControlEdit{1131, "", 116, {0x10, 0}},
        ControlEdit{1132, "", 116, {0x20, 0}}, ControlEdit{1133, "", 116, {0x40, 0}},
        ControlEdit{1148, "", 116, {0x80, 0}}, ControlEdit{1134, "", 116, {0, 0x01}},
        ControlEdit{1135, "", 116, {0, 0x02}}, ControlEdit{1153, "", 116, {0, 0x04}},
        ControlEdit{1149, "", 116, {0, 0x08}}, ControlEdit{1150, "", 116, {0, 0x10}},
        ControlEdit{1162, "", 116, {0, 0x20}}, ControlEdit{1151, "", 116, {0, 0x40}},
        ControlEdit{1152, "", 116, {0, 0x80}}),
    ControlEditName);

TEST_F(SensorEditorTest, ClassNoneIsNeverListed) {
    Add(1, 0, "Nothing");
    Add(2, 1, "Sonar", "Active sonar");
    Add(3, 12, "Beyond");
    Add(4, -1, "Below");
    Open();
    EXPECT_THAT(Lines(), ElementsAre("002: Sonar (Active sonar)"));
    Click(kApplyFilter);
    EXPECT_THAT(Lines(), ElementsAre("002: Sonar (Active sonar)"));
    EXPECT_TRUE(m_messages.m_entries.empty());
}

TEST_F(SensorEditorTest, ClassBoxesHideAndShow) {
    Add(1, 1, "Sonar", "S");
    Add(2, 8, "Radar", "R");
    Add(3, 1, "Dipper", "D");
    Open();
    Toggle(kRadarBox);
    Click(kApplyFilter);
    EXPECT_THAT(Lines(), ElementsAre("001: Sonar (S)", "003: Dipper (D)"));
    Toggle(kRadarBox);
    Toggle(kActiveBox);
    Click(kApplyFilter);
    EXPECT_THAT(Lines(), ElementsAre("002: Radar (R)"));
    EXPECT_EQ(Edit(kName).text(), "Radar");
    EXPECT_TRUE(m_messages.m_entries.empty());
}

TEST_F(SensorEditorTest, FilterWithoutResultsWarnsAndTicksEveryBox) {
    Add(1, 1, "Sonar", "S");
    Add(2, 8, "Radar", "R");
    Open();
    for (const int nId : kClassBoxes) {
        if (nId != kActiveBox) {
            Toggle(nId);
        }
    }
    Toggle(kActiveBox);
    Click(kApplyFilter);
    EXPECT_THAT(m_messages.Texts(), ElementsAre(EditorTexts::kNoResults));
    EXPECT_EQ(m_messages.m_entries[0].nType, MB_OK | MB_ICONEXCLAMATION);
    for (const int nId : kClassBoxes) {
        EXPECT_TRUE(Box(nId).isChecked()) << nId;
    }
    EXPECT_THAT(Lines(), ElementsAre("001: Sonar (S)", "002: Radar (R)"));
}

TEST_F(SensorEditorTest, OnlyClassNoneSensorsWarnOnceAndLeaveAnEmptyList) {
    Add(1, 0, "Nothing");
    Open();
    EXPECT_THAT(m_messages.Texts(), ElementsAre(EditorTexts::kNoResults));
    EXPECT_THAT(Lines(), IsEmpty());
    EXPECT_FALSE(Find<QPushButton>(Dialog(), kApply)->isEnabled());
    Click(kApplyFilter);
    EXPECT_EQ(m_messages.m_entries.size(), 2u);
    EXPECT_THAT(Lines(), IsEmpty());
}

TEST_F(SensorEditorTest, TwentyCharacterDisplayNameIsWrittenWithoutTerminator) {
    Add(1, 1, "Sonar", "S");
    const Bytes before = Stored(1);
    Open();
    TypeInto(Edit(kDisplayName), "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(Edit(kDisplayName).text(), "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    Click(kApply);
    Bytes expected = before;
    std::memcpy(expected.data() + 160, "ABCDEFGHIJKLMNOPQRST", 20);
    EXPECT_EQ(Stored(1), expected);
    EXPECT_EQ(Edit(kDisplayName).text(), "ABCDEFGHIJKLMNOPQRST");
    EXPECT_THAT(Lines(), ElementsAre("001: Sonar (ABCDEFGHIJKLMNOPQRST)"));
}

TEST_F(SensorEditorTest, NameTypingStopsAtTwenty) {
    Add(1, 1, "Sonar", "S");
    Open();
    TypeInto(Edit(kName), "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    Click(kApply);
    EXPECT_EQ(m_doc.m_mapSensors.at(1)->GetName(), "ABCDEFGHIJKLMNOPQRST");
}

TEST_F(SensorEditorTest, RenameOrNewDisplayNameMovesTheLine) {
    Add(1, 1, "Sonar", "S");
    Add(2, 1, "Dipper", "D");
    Add(3, 1, "Towed", "T");
    Open();
    TypeInto(Edit(kName), "Hull sonar");
    Click(kApply);
    EXPECT_THAT(Lines(), ElementsAre("002: Dipper (D)", "003: Towed (T)", "001: Hull sonar (S)"));
    EXPECT_EQ(List().currentRow(), 2);
    DoubleClickRow(List(), 0);
    TypeInto(Edit(kDisplayName), "Dipping");
    Click(kApply);
    EXPECT_THAT(Lines(),
                ElementsAre("003: Towed (T)", "001: Hull sonar (S)", "002: Dipper (Dipping)"));
    EXPECT_EQ(List().currentRow(), 2);
}

TEST_F(SensorEditorTest, CaseOnlyChangesKeepTheLine) {
    Add(1, 1, "Sonar", "Hull");
    Add(2, 1, "Dipper", "D");
    Open();
    TypeInto(Edit(kName), "SONAR");
    TypeInto(Edit(kDisplayName), "hULL");
    Click(kApply);
    EXPECT_THAT(Lines(), ElementsAre("001: Sonar (Hull)", "002: Dipper (D)"));
    EXPECT_EQ(m_doc.m_mapSensors.at(1)->GetName(), "SONAR");
    EXPECT_EQ(RecordField::GetText(Stored(1).data(), 160, 20), "hULL");
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(SensorEditorTest, NewTakesTheFirstFreeIndexAfterTheLastListedOne) {
    CSensorInfo& model = Add(2, 1, "Sonar", "S");
    RecordField::Set<std::int32_t>(model.m_data.data(), 128, 77);
    Add(5, 8, "Radar", "R");
    Add(6, 1, "Dipper", "D");
    Add(7, 8, "Search radar", "SR");
    Open();
    Toggle(kRadarBox);
    Click(kApplyFilter);
    ASSERT_THAT(Lines(), ElementsAre("002: Sonar (S)", "006: Dipper (D)"));
    Click(kNew);
    ASSERT_TRUE(m_doc.m_mapSensors.contains(8));
    EXPECT_FALSE(m_doc.m_mapSensors.contains(1));
    EXPECT_THAT(Lines(), ElementsAre("002: Sonar (S)", "006: Dipper (D)",
                                     "008: My new Sensor (HandMade Sensor)"));
    EXPECT_EQ(List().currentRow(), 2);
    Bytes expected = model.m_data;
    expected[0] = 8;
    std::memcpy(expected.data() + 2, "My new Sensor", 14);
    std::memcpy(expected.data() + 160, "HandMade Sensor", 16);
    EXPECT_EQ(Stored(8), expected);
    EXPECT_EQ(Edit(kName).text(), "My new Sensor");
    EXPECT_EQ(Edit(kDisplayName).text(), "HandMade Sensor");
    EXPECT_EQ(Edit(1126).text(), "77");
}

TEST_F(SensorEditorTest, DetectionCurveLevelsShowZeroAndAreDisabled) {
    CSensorInfo& sensor = AddRandomRecord(m_doc.m_mapSensors, 1, 3);
    RecordField::Set<std::int32_t>(sensor.m_data.data(), 44, 2);
    Open();
    for (const int nId : kLevels) {
        EXPECT_EQ(Edit(nId).text(), "0") << nId;
        EXPECT_FALSE(Edit(nId).isEnabled()) << nId;
    }
}

TEST_F(SensorEditorTest, UnlistedCounterDetectValueAndLongNameAreKept) {
    CSensorInfo& sensor = Add(1, 1, std::string(42, 'N'), "Long");
    RecordField::Set<std::int32_t>(sensor.m_data.data(), 48, 40);
    Open();
    EXPECT_EQ(Combo(kCounterDetect).currentIndex(), -1);
    EXPECT_EQ(Lines().front(), "001: " + std::string(42, 'N') + " (Long)");
    TypeInto(Edit(1126), "5");
    Click(kApply);
    EXPECT_EQ(RecordField::Get<std::int32_t>(Stored(1).data(), 48), 40);
    EXPECT_EQ(RecordField::GetText(Stored(1).data(), 2, 42), std::string(42, 'N'));
    EXPECT_EQ(RecordField::Get<std::int32_t>(Stored(1).data(), 128), 5);
    Pick(kCounterDetect, 4);
    Click(kApply);
    EXPECT_EQ(RecordField::Get<std::int32_t>(Stored(1).data(), 48), 4);
}

TEST_F(SensorEditorTest, CloseBoxAsksWithTheEditedNameAndYesStores) {
    Add(1, 1, "Sonar", "S");
    Open();
    TypeInto(Edit(kName), "Hull");
    TypeInto(Edit(kDisplayName), "Hull sonar");
    m_messages.Answer(IDYES);
    Dialog().close();
    EXPECT_THAT(m_messages.Texts(), ElementsAre("Do you wish to retain changes made to Hull ?"));
    EXPECT_EQ(m_doc.m_mapSensors.at(1)->GetName(), "Hull");
    EXPECT_EQ(RecordField::GetText(Stored(1).data(), 160, 20), "Hull sonar");
    EXPECT_FALSE(Dialog().isVisible());
    EXPECT_FALSE(m_doc.Shown(EditorSlot::Sensor));
}

TEST_F(SensorEditorTest, DialogHasItsTemplateCaptionAndClassPanel) {
    Add(1, 1, "Sonar", "S");
    Open();
    EXPECT_EQ(Dialog().objectName(), "139");
    EXPECT_EQ(Dialog().windowTitle(), "Sensor Dialog");
    EXPECT_TRUE(Dialog().windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(List().objectName(), "1118");
    EXPECT_EQ(Box(1228).text(), "Active Intercept");
    EXPECT_EQ(Box(1246).text(), "Jammer");
    EXPECT_EQ(Find<QPushButton>(Dialog(), kApplyFilter)->text(), "Apply Filter");
    EXPECT_EQ(Find<QPushButton>(Dialog(), 1227), nullptr);
    EXPECT_EQ(Find<QPushButton>(Dialog(), kNew)->text(), "New Sensor");
    EXPECT_EQ(Combo(kClass).count(), 12);
    EXPECT_EQ(Combo(kClass).itemText(11), "Jammer");
    EXPECT_EQ(Combo(kClass).currentText(), "Active");
}

}  // namespace
