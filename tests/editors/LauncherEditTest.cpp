#include "EditorTexts.h"
#include "SensorLauncherAirstripFixture.h"

namespace {

using testing::ElementsAre;

using Bytes = std::array<std::uint8_t, 120>;

constexpr int kName = 1181;
constexpr int kSoundFile = 1009;
constexpr int kFilter = 1227;
constexpr int kSubBox = 1214;
constexpr int kShipBox = 1215;
constexpr int kAmmo[] = {1155, 1157, 1160, 1163};
constexpr int kTypeBoxes[13] = {1214, 1215, 1220, 1224, 1218, 1219, 1223,
                                1222, 1225, 1217, 1221, 1216, 1226};

class LauncherEditorTest : public SensorLauncherAirstripTest {
protected:
    void Open() { SensorLauncherAirstripTest::Open(EditorSlot::Launcher); }

    CLauncherInfo& Add(std::uint16_t nIndex, const std::string& strName,
                       const std::string& strSound = {}) {
        auto pLauncher = std::make_unique<CLauncherInfo>();
        RecordField::Set(pLauncher->m_data.data(), 0, nIndex);
        RecordField::SetText(pLauncher->m_data.data(), 100, 20, strName);
        RecordField::SetText(pLauncher->m_data.data(), 80, 20, strSound);
        CLauncherInfo& launcher = *pLauncher;
        m_doc.m_mapLaunchers[nIndex] = std::move(pLauncher);
        return launcher;
    }
    // An entity that names a weapon, as loading enters it.
    void AddWeapon(std::uint16_t nIndex, const std::string& strName) {
        auto pEntity = std::make_unique<CEntityInfo>();
        RecordField::Set(pEntity->m_data.data(), 0, nIndex);
        RecordField::SetText(pEntity->m_data.data(), 4, 20, strName);
        m_doc.m_mapWeaponEntities[nIndex] = pEntity.get();
        m_doc.m_mapEntities[nIndex] = std::move(pEntity);
    }
    const Bytes& Stored(std::uint16_t nIndex) const {
        return m_doc.m_mapLaunchers.at(nIndex)->m_data;
    }
    static std::int16_t AmmoOf(const Bytes& bytes, int nSlot) {
        return RecordField::Get<std::int16_t>(bytes.data(), 72 + 2 * nSlot);
    }
    std::vector<std::string> Items(int nId) const {
        std::vector<std::string> items;
        for (int i = 0; i < Combo(nId).count(); ++i) {
            items.push_back(Combo(nId).itemText(i).toStdString() + "=" +
                            Combo(nId).itemData(i).toString().toStdString());
        }
        return items;
    }
};

TEST_F(LauncherEditorTest, ApplyWithoutEditsLeavesArbitraryRecordsAsTheyWere) {
    AddWeapon(4, "Torpedo");
    AddWeapon(9, "Missile");
    for (std::uint16_t i = 0; i < 48; ++i) {
        CLauncherInfo& launcher = AddRandomRecord(m_doc.m_mapLaunchers, i, 500 + i);
        if (i % 3 == 0) {
            RecordField::Set<std::int16_t>(launcher.m_data.data(), 72 + 2 * (i % 4), 9);
        }
    }
    ExpectUntouchedApplyKeepsEveryByte(EditorSlot::Launcher, m_doc.m_mapLaunchers);
}

class LauncherControlEditTest : public LauncherEditorTest,
                                public testing::WithParamInterface<ControlEdit> {};

TEST_P(LauncherControlEditTest, ChangesOnlyItsOwnBytes) {
    const ControlEdit& edit = GetParam();
    AddWeapon(4, "Torpedo");
    AddWeapon(9, "Torpedo Mk2");
    CLauncherInfo& launcher = AddRandomRecord(m_doc.m_mapLaunchers, 6, 23);
    RecordField::SetText(launcher.m_data.data(), 100, 20, "Random");
    const Bytes before = launcher.m_data;
    Open();
    Change(edit.nId, edit.pszInput);
    Click(kApply);
    const bool bBox = qobject_cast<QCheckBox*>(Find<QWidget>(Dialog(), edit.nId)) != nullptr;
    EXPECT_EQ(launcher.m_data, Expected(before, edit, bBox));
    EXPECT_TRUE(m_messages.m_entries.empty());
}

INSTANTIATE_TEST_SUITE_P(
    EveryControl, LauncherControlEditTest,
    testing::Values(ControlEdit{kName, "Xy", 100, {'X', 'y', 0}},
                    ControlEdit{kSoundFile, "Boom", 80, {'B', 'o', 'o', 'm', 0}},
                    ControlEdit{1125, "2", 2, {2, 0}}, ControlEdit{1130, "-90", 4, {0xA6, 0xFF}},
                    ControlEdit{1129, "45", 6, {45, 0}}, ControlEdit{1132, "10", 8, {10, 0}},
                    ControlEdit{1131, "270", 10, {0x0E, 0x01}},
                    ControlEdit{1123, "30", 14, {30, 0}}, ControlEdit{1122, "31", 16, {31, 0}},
                    ControlEdit{1124, "32", 18, {32, 0}}, ControlEdit{1120, "33", 20, {33, 0}},
                    ControlEdit{1121, "34", 22, {34, 0}},
                    ControlEdit{1166, "1", 24, {0, 0, 0x80, 0x3F}},
                    ControlEdit{1167, "1", 28, {0, 0, 0x80, 0x3F}},
                    ControlEdit{1168, "1", 32, {0, 0, 0x80, 0x3F}},
                    ControlEdit{1169, "1", 36, {0, 0, 0x80, 0x3F}},
                    ControlEdit{1170, "1", 40, {0, 0, 0x80, 0x3F}},
                    ControlEdit{1171, "1", 44, {0, 0, 0x80, 0x3F}},
                    ControlEdit{1172, "1", 48, {0, 0, 0x80, 0x3F}},
                    ControlEdit{1173, "1", 52, {0, 0, 0x80, 0x3F}},
                    ControlEdit{1174, "-1", 56, {0, 0, 0x80, 0xBF}},
                    ControlEdit{1127, "3", 60, {3, 0}}, ControlEdit{1126, "4", 62, {4, 0}},
                    ControlEdit{1156, "5", 64, {5, 0}}, ControlEdit{1158, "6", 66, {6, 0}},
                    ControlEdit{1161, "7", 68, {7, 0}}, ControlEdit{1164, "-1", 70, {0xFF, 0xFF}},
                    ControlEdit{kAmmo[0], "1", 72, {4, 0}}, ControlEdit{kAmmo[1], "2", 74, {9, 0}},
                    ControlEdit{kAmmo[2], "2", 76, {9, 0}}, ControlEdit{kAmmo[3], "1", 78, {4, 0}},
                    ControlEdit{1128, "", 12, {0x01, 0}}, ControlEdit{1138, "", 12, {0x02, 0}},
                    ControlEdit{1139, "", 12, {0x04, 0}}, ControlEdit{1136, "", 12, {0x08, 0}},
                    ControlEdit{1137, "", 12, {0x10, 0}}, ControlEdit{1140, "", 12, {0x20, 0}},
                    ControlEdit{1141, "", 12, {0x40, 0}}, ControlEdit{1142, "", 12, {0x80, 0}},
                    ControlEdit{1143, "", 12, {0, 0x01}}, ControlEdit{1144, "", 12, {0, 0x02}},
                    ControlEdit{1175, "", 12, {0, 0x04}}, ControlEdit{1176, "", 12, {0, 0x08}},
                    ControlEdit{1177, "", 12, {0, 0x10}}, ControlEdit{1178, "", 12, {0, 0x20}},
                    ControlEdit{1179, "", 12, {0, 0x40}}, ControlEdit{1180, "", 12, {0, 0x80}}),
    ControlEditName);

TEST_F(LauncherEditorTest, LauncherWithoutObjectFollowsTheSubBox) {
    AddObject(m_doc, 1, "Frigate", 1);
    Add(1, "Frigate");
    Add(2, "Nobody");
    Open();
    ASSERT_THAT(Lines(), ElementsAre("001: Frigate", "002: Nobody"));
    Toggle(kSubBox);
    Click(kFilter);
    EXPECT_THAT(Lines(), ElementsAre("001: Frigate"));
    Toggle(kSubBox);
    Toggle(kShipBox);
    Click(kFilter);
    EXPECT_THAT(Lines(), ElementsAre("002: Nobody"));
    EXPECT_TRUE(m_messages.m_entries.empty());
}

TEST_F(LauncherEditorTest, SimTypeAboveTwelveIsAlwaysListed) {
    AddObject(m_doc, 1, "Oddity", 13);
    Add(1, "Frigate");
    Add(2, "Oddity");
    Open();
    for (const int nId : kTypeBoxes) {
        Toggle(nId);
    }
    Click(kFilter);
    EXPECT_THAT(Lines(), ElementsAre("002: Oddity"));
    EXPECT_TRUE(m_messages.m_entries.empty());
}

TEST_F(LauncherEditorTest, RenameMovesTheLineAndChangesWhatTheFilterLooksUp) {
    AddObject(m_doc, 1, "Frigate", 1);
    Add(1, "Nobody");
    Add(2, "Other");
    Open();
    TypeInto(Edit(kName), "Frigate");
    Click(kApply);
    EXPECT_THAT(Lines(), ElementsAre("002: Other", "001: Frigate"));
    EXPECT_EQ(List().currentRow(), 1);
    Toggle(kShipBox);
    Click(kFilter);
    EXPECT_THAT(Lines(), ElementsAre("002: Other"));
}

TEST_F(LauncherEditorTest, AmmunitionCombosHoldTheWeaponEntities) {
    AddWeapon(4, "Torpedo Mk2");
    AddWeapon(9, "Torpedo");
    CLauncherInfo& launcher = Add(1, "Tube");
    RecordField::Set<std::int16_t>(launcher.m_data.data(), 72, 9);
    RecordField::Set<std::int16_t>(launcher.m_data.data(), 74, 4);
    Open();
    for (const int nId : kAmmo) {
        EXPECT_THAT(Items(nId), ElementsAre("=0", "Torpedo Mk2=4", "Torpedo=9"));
    }
    EXPECT_EQ(Combo(kAmmo[0]).currentText(), "Torpedo");
    EXPECT_EQ(Combo(kAmmo[1]).currentText(), "Torpedo Mk2");
    EXPECT_EQ(Combo(kAmmo[2]).currentIndex(), 0);
    EXPECT_EQ(Combo(kAmmo[3]).currentIndex(), 0);
}

TEST_F(LauncherEditorTest, AmmunitionThatIsNoWeaponShowsEmptyAndIsKept) {
    AddWeapon(4, "Torpedo");
    CLauncherInfo& launcher = Add(1, "Tube");
    RecordField::Set<std::int16_t>(launcher.m_data.data(), 72, 5);
    RecordField::Set<std::int16_t>(launcher.m_data.data(), 74, -3);
    Open();
    EXPECT_EQ(Combo(kAmmo[0]).currentIndex(), 0);
    EXPECT_EQ(Combo(kAmmo[1]).currentIndex(), 0);
    TypeInto(Edit(1125), "8");
    Click(kApply);
    EXPECT_EQ(AmmoOf(Stored(1), 0), 5);
    EXPECT_EQ(AmmoOf(Stored(1), 1), -3);
    Pick(kAmmo[0], 1);
    Click(kApply);
    EXPECT_EQ(AmmoOf(Stored(1), 0), 4);
    Pick(kAmmo[0], 0);
    Click(kApply);
    EXPECT_EQ(AmmoOf(Stored(1), 0), 0);
}

TEST_F(LauncherEditorTest, TwentyCharacterSoundFileLeavesTheNameUntouched) {
    Add(1, "Tube", "old.wav");
    Open();
    TypeInto(Edit(kSoundFile), "abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(Edit(kSoundFile).text(), "abcdefghijklmnopqrstuvwxyz");
    Click(kApply);
    EXPECT_EQ(std::memcmp(Stored(1).data() + 80, "abcdefghijklmnopqrst", 20), 0);
    EXPECT_EQ(m_doc.m_mapLaunchers.at(1)->GetName(), "Tube");
    EXPECT_EQ(Edit(kSoundFile).text(), "abcdefghijklmnopqrst");
    EXPECT_THAT(Lines(), ElementsAre("001: Tube"));
}

TEST_F(LauncherEditorTest, NameTypedLongerIsStoredCutToTwenty) {
    Add(1, "Tube", "old.wav");
    Open();
    TypeInto(Edit(kName), "Twenty-five characters!!!");
    Click(kApply);
    EXPECT_EQ(m_doc.m_mapLaunchers.at(1)->GetName(), "Twenty-five characte");
    EXPECT_EQ(RecordField::GetText(Stored(1).data(), 80, 20), "old.wav");
    EXPECT_THAT(Lines(), ElementsAre("001: Twenty-five characte"));
}

TEST_F(LauncherEditorTest, NewKeepsTheSoundFile) {
    Add(1, "Tube", "tube.wav");
    Add(2, "Rail", "rail.wav");
    Open();
    Step(QAbstractSlider::SliderSingleStepAdd);
    Click(kNew);
    ASSERT_TRUE(m_doc.m_mapLaunchers.contains(3));
    Bytes expected = Stored(2);
    expected[0] = 3;
    std::memcpy(expected.data() + 100, "My new Launcher", 16);
    EXPECT_EQ(Stored(3), expected);
    EXPECT_EQ(Edit(kSoundFile).text(), "rail.wav");
    EXPECT_EQ(Edit(kName).text(), "My new Launcher");
    EXPECT_THAT(Lines(), ElementsAre("001: Tube", "002: Rail", "003: My new Launcher"));
}

TEST_F(LauncherEditorTest, SearchLeavesTheTypeBoxesAsTheyAre) {
    Add(1, "Tube");
    Add(2, "Rail");
    Open();
    Toggle(kShipBox);
    Search("rail");
    EXPECT_THAT(Lines(), ElementsAre("002: Rail"));
    EXPECT_FALSE(Box(kShipBox).isChecked());
    EXPECT_TRUE(Box(kSubBox).isChecked());
    Search(nullptr);
    EXPECT_THAT(Lines(), ElementsAre("001: Tube", "002: Rail"));
    EXPECT_FALSE(Box(kShipBox).isChecked());
}

TEST_F(LauncherEditorTest, DialogHasItsTemplateAndCaptionAndNoCloseBox) {
    Add(1, "Tube");
    Open();
    EXPECT_EQ(Dialog().objectName(), "141");
    EXPECT_EQ(Dialog().windowTitle(), "Launcher Dialog");
    EXPECT_FALSE(Dialog().windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(List().objectName(), "1154");
    EXPECT_EQ(Find<QPushButton>(Dialog(), kNew)->text(), "New Launcher");
    EXPECT_EQ(Find<QPushButton>(Dialog(), kSearch)->text(), "Search");
}

}  // namespace
