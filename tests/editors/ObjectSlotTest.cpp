#include "EditorTexts.h"
#include "ObjectEditorFixture.h"

namespace {

using testing::ElementsAre;
using testing::IsEmpty;

constexpr const char* kMissingLauncher =
    "LauncherID: 77 not in Launcher Database!\nLauncherArray[3](ZB) will be deleted on Apply";

TEST_F(ObjectEditorTest, SlotListsShowTheReferencedRecordsOrEmptySlots) {
    CObjectInfo& object = AddObjectRecord(1, 20);
    AddNamed(m_doc.m_mapSensors, 12, "Long sensor name of forty characters xx");
    AddNamed(m_doc.m_mapLaunchers, 3, "VLS");
    AddNamed(m_doc.m_mapAirstrips, 1234, "Deck");
    SetSlot(object, kSensorArray, 1, 12);
    SetSlot(object, kLauncherArray, 29, 3);
    SetSlot(object, kLauncherArray, 0, 3);
    SetSlot(object, kAirstripArray, 0, 1234);
    Open();
    EXPECT_EQ(Slots(kSensorSlots).count(), 9);
    EXPECT_EQ(Slots(kLauncherSlots).count(), 30);
    EXPECT_EQ(Slots(kAirstripSlots).count(), 10);
    EXPECT_EQ(Slots(kSensorSlots).item(0)->text().toStdString(), "Empty Slot");
    EXPECT_EQ(Slots(kSensorSlots).item(1)->text().toStdString(),
              "012: Long sensor name of forty characters xx");
    EXPECT_EQ(Slots(kLauncherSlots).item(0)->text().toStdString(), "003: VLS");
    EXPECT_EQ(Slots(kLauncherSlots).item(29)->text().toStdString(), "003: VLS");
    EXPECT_EQ(Slots(kAirstripSlots).item(0)->text().toStdString(), "1234: Deck");
    EXPECT_THAT(m_messages.Texts(), IsEmpty());
}

TEST_F(ObjectEditorTest, MissingLauncherWarnsShowsEmptyAndApplyStoresZero) {
    CObjectInfo& object = AddObjectRecord(1, 21);
    SetSlot(object, kLauncherArray, 3, 77);
    const Bytes before = object.m_data;
    Open();
    EXPECT_THAT(m_messages.Texts(), ElementsAre(kMissingLauncher));
    EXPECT_EQ(m_messages.m_entries[0].nType, unsigned{MB_OK | MB_ICONEXCLAMATION});
    EXPECT_EQ(Slots(kLauncherSlots).item(3)->text().toStdString(), "Empty Slot");
    EXPECT_EQ(object.m_data, before);  // nothing stored yet

    // Exit counts the emptied slot as a change and asks.
    m_messages.m_entries.clear();
    m_messages.Answer(IDNO);
    Click(kExit);
    ASSERT_GE(m_messages.m_entries.size(), 1u);
    EXPECT_EQ(m_messages.m_entries[0].strText, EditorTexts::RetainQuestion(object.GetName()));
    EXPECT_EQ(object.m_data, before);

    m_messages.m_entries.clear();
    Click(kApply);
    Bytes expected = before;
    expected[kLauncherArray + 6] = 0;
    expected[kLauncherArray + 7] = 0;
    EXPECT_EQ(object.m_data, expected);
    EXPECT_THAT(m_messages.Texts(), IsEmpty());
}

TEST_F(ObjectEditorTest, MissingSensorAndAirstripWarnEveryLoad) {
    CObjectInfo& object = AddObjectRecord(1, 22);
    SetSlot(object, kSensorArray, 8, -5);
    SetSlot(object, kAirstripArray, 0, 300);
    AddObjectRecord(2, 23);
    Open();
    const std::vector<std::string> warnings = {
        "SensorID: -5 not in Sensor Database!\nSensorArray[8](ZB) will be deleted on Apply",
        "AirstripID: 300 not in Airstrip Database!\nAirstripArray[0](ZB) will be deleted on Apply"};
    EXPECT_EQ(m_messages.Texts(), warnings);
    StepDown();
    StepUp();
    EXPECT_EQ(m_messages.Texts().size(), 4u);
}

TEST_F(ObjectEditorTest, PickerOkChangesTheWorkingSlotsAndApplyStoresThem) {
    CObjectInfo& object = AddObjectRecord(1, 24);
    AddNamed(m_doc.m_mapLaunchers, 5, "Gun");
    AddNamed(m_doc.m_mapLaunchers, 6, "Torpedo");
    SetSlot(object, kLauncherArray, 0, 5);
    const Bytes before = object.m_data;
    Open();
    CModalScript script([](QDialog& picker) {
        EXPECT_EQ(picker.objectName(), "152");
        EXPECT_EQ(picker.windowTitle(), "Launcher Slots");
        picker.show();
        QListWidget& slotList = *Find<QListWidget>(picker, 1185);
        QListWidget& database = *Find<QListWidget>(picker, 1186);
        EXPECT_EQ(slotList.count(), 30);
        EXPECT_THAT(ListLines(database), ElementsAre("0000: empty", "0005: Gun", "0006: Torpedo"));
        slotList.setCurrentRow(2);
        DoubleClickRow(database, 2);
        ClickButton(picker, 1);
        return picker.result();
    });
    DoubleClickRow(Slots(kLauncherSlots), 0);
    EXPECT_EQ(script.m_nRuns, 1);
    EXPECT_EQ(Slots(kLauncherSlots).item(2)->text().toStdString(), "006: Torpedo");
    EXPECT_EQ(object.m_data, before);  // the record changes only on Apply
    Click(kApply);
    EXPECT_EQ(RecordField::Get<std::int16_t>(object.m_data.data(), kLauncherArray + 4), 6);
    EXPECT_EQ(RecordField::Get<std::int16_t>(object.m_data.data(), kLauncherArray), 5);
}

TEST_F(ObjectEditorTest, PickerCancelKeepsTheWorkingSlots) {
    CObjectInfo& object = AddObjectRecord(1, 25);
    AddNamed(m_doc.m_mapSensors, 5, "Sonar");
    const Bytes before = object.m_data;
    Open();
    CModalScript script([](QDialog& picker) {
        EXPECT_EQ(picker.objectName(), "151");
        picker.show();
        Find<QListWidget>(picker, 1002)->setCurrentRow(0);
        DoubleClickRow(*Find<QListWidget>(picker, 1182), 1);
        ClickButton(picker, 2);
        return picker.result();
    });
    DoubleClickRow(Slots(kSensorSlots), 0);
    EXPECT_EQ(script.m_nRuns, 1);
    EXPECT_EQ(Slots(kSensorSlots).item(0)->text().toStdString(), "Empty Slot");
    m_messages.m_entries.clear();
    Click(kExit);
    EXPECT_THAT(m_messages.Texts(), IsEmpty());  // nothing changed, nothing asked
    EXPECT_EQ(object.m_data, before);
}

TEST_F(ObjectEditorTest, UndoDropsPickedSlots) {
    CObjectInfo& object = AddObjectRecord(1, 26);
    AddNamed(m_doc.m_mapAirstrips, 4, "Strip");
    const Bytes before = object.m_data;
    Open();
    CModalScript script([](QDialog& picker) {
        EXPECT_EQ(picker.objectName(), "154");
        picker.show();
        Find<QListWidget>(picker, 1192)->setCurrentRow(9);
        DoubleClickRow(*Find<QListWidget>(picker, 1193), 1);
        ClickButton(picker, 1);
        return picker.result();
    });
    DoubleClickRow(Slots(kAirstripSlots), 0);
    EXPECT_EQ(Slots(kAirstripSlots).item(9)->text().toStdString(), "004: Strip");
    Click(kUndo);
    EXPECT_EQ(Slots(kAirstripSlots).item(9)->text().toStdString(), "Empty Slot");
    Click(kApply);
    EXPECT_EQ(object.m_data, before);
}

TEST_F(ObjectEditorTest, SonarProfileZeroSaysThereIsNone) {
    AddObjectRecord(1, 27);
    AddProfile(m_doc, 0, "Zero");
    Open();
    CModalScript script([](QDialog& dialog) { return dialog.result(); });
    Click(kSonarProfile);
    EXPECT_THAT(m_messages.Texts(), ElementsAre("This Object has no Sonar Profile !"));
    EXPECT_EQ(script.m_nRuns, 0);
}

TEST_F(ObjectEditorTest, SonarProfileMissingSaysItIsNotFound) {
    CObjectInfo& object = AddObjectRecord(1, 28);
    RecordField::Set<std::int16_t>(object.m_data.data(), 330, -2);
    AddProfile(m_doc, 2, "Two");
    Open();
    CModalScript script([](QDialog& dialog) { return dialog.result(); });
    Click(kSonarProfile);
    EXPECT_THAT(m_messages.Texts(), ElementsAre("Profile Index -2 not found in Profile Database"));
    EXPECT_EQ(m_messages.m_entries[0].nType, unsigned{MB_OK | MB_ICONEXCLAMATION});
    EXPECT_EQ(script.m_nRuns, 0);
}

TEST_F(ObjectEditorTest, SonarProfileEditsTheProfileRecord) {
    CObjectInfo& object = AddObjectRecord(1, 29);
    RecordField::Set<std::int16_t>(object.m_data.data(), 330, 7);
    AddProfile(m_doc, 7, "Quiet hull", {1, 2, 3, 4, 5, 6});
    const Bytes before = object.m_data;
    Open();
    CModalScript script([](QDialog& profile) {
        EXPECT_EQ(profile.objectName(), "157");
        EXPECT_EQ(Find<QLineEdit>(profile, 1029)->text(), "Quiet hull");
        TypeInto(*Find<QLineEdit>(profile, 1005), "-7");
        ClickButton(profile, 1207);
        ClickButton(profile, 1116);
        return profile.result();
    });
    Click(kSonarProfile);
    EXPECT_EQ(script.m_nRuns, 1);
    EXPECT_EQ(RecordField::Get<std::int16_t>(m_doc.m_mapProfiles.at(7)->m_data.data(), 22), -7);
    EXPECT_EQ(object.m_data, before);
    EXPECT_THAT(m_messages.Texts(), IsEmpty());
}

}  // namespace
