#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "EditorCases.h"
#include "RecordField.h"
#include "Resource.h"

namespace {

using testing::ElementsAre;
using testing::IsEmpty;

constexpr int kSensorSlots = 1117;
constexpr int kLauncherSlots = 1209;
constexpr int kAirstripSlots = 1208;
constexpr int kSonarProfile = IDC_SONAR_PROFILE;
constexpr std::size_t kLaunchers = 220;
constexpr std::size_t kAirstrips = 280;
constexpr std::size_t kSensors = 300;

class ObjectEditorTest : public EditorTest {
protected:
    ObjectEditorTest() { Use(Database::Object); }

    std::uint8_t* AddHull(std::uint16_t nKey) { return AddNamed(nKey, "Hull"); }
    static void SetSlot(std::uint8_t* pObject, std::size_t nArray, std::size_t nSlot,
                        std::int16_t nValue) {
        RecordField::Set(pObject, nArray + 2 * nSlot, nValue);
    }
    std::int16_t Slot(std::size_t nArray, std::size_t nSlot) {
        return RecordField::Get<std::int16_t>(Stored(1).data(), nArray + 2 * nSlot);
    }
    QListWidget& Slots(int nId) const { return *Find<QListWidget>(Dialog(), nId); }

    // Opens a picker by double-clicking a slot list, with script as the user. The picker's
    // slot list and database list are handed to the script.
    void RunPicker(int nSlotList, int nPickerSlots, int nPickerDatabase,
                   const std::function<void(QDialog&, QListWidget&, QListWidget&)>& script) {
        CModalScript modal([&](QDialog& picker) {
            picker.show();
            script(picker, *Find<QListWidget>(picker, nPickerSlots),
                   *Find<QListWidget>(picker, nPickerDatabase));
            return picker.result();
        });
        DoubleClickRow(Slots(nSlotList), 0);
        EXPECT_EQ(modal.m_nRuns, 1);
    }
};

TEST_F(ObjectEditorTest, SlotListsShowTheReferencedRecordsAndWarnAboutMissingOnes) {
    std::uint8_t* pObject = AddHull(1);
    ::AddNamed(m_doc, Database::Sensor, 12, "Long sensor name of forty characters xx");
    ::AddNamed(m_doc, Database::Launcher, 3, "VLS");
    ::AddNamed(m_doc, Database::Airstrip, 1234, "Deck");
    SetSlot(pObject, kSensors, 1, 12);
    SetSlot(pObject, kSensors, 8, -5);
    SetSlot(pObject, kLaunchers, 0, 3);
    SetSlot(pObject, kLaunchers, 3, 77);
    SetSlot(pObject, kAirstrips, 0, 1234);
    SetSlot(pObject, kAirstrips, 9, 300);
    AddHull(2);
    const Bytes before = Stored(1);
    Open();
    EXPECT_EQ(Lines(Slots(kSensorSlots)).size(), 9u);
    EXPECT_EQ(Lines(Slots(kLauncherSlots)).size(), 30u);
    EXPECT_EQ(Lines(Slots(kSensorSlots))[1], "012: Long sensor name of forty characters xx");
    EXPECT_EQ(Lines(Slots(kSensorSlots))[8], "Empty Slot");
    EXPECT_EQ(Lines(Slots(kLauncherSlots))[0], "003: VLS");
    EXPECT_EQ(Lines(Slots(kLauncherSlots))[3], "Empty Slot");
    EXPECT_EQ(Lines(Slots(kAirstripSlots))[0], "1234: Deck");
    const std::vector<std::string> warnings{
        "SensorID: -5 not in Sensor Database!\nSensorArray[8](ZB) will be deleted on Apply",
        "LauncherID: 77 not in Launcher Database!\nLauncherArray[3](ZB) will be deleted on Apply",
        "AirstripID: 300 not in Airstrip Database!\nAirstripArray[9](ZB) will be deleted on "
        "Apply"};
    EXPECT_EQ(m_messages.Texts(), warnings);
    EXPECT_EQ(m_messages.m_entries[0].nType, MB_OK | MB_ICONEXCLAMATION);
    Step(+1);
    Step(-1);  // every load of the record warns again
    EXPECT_EQ(m_messages.Texts().size(), 6u);
    EXPECT_EQ(Stored(1), before);

    // Exit counts the emptied slots as a change; Apply stores them as 0.
    m_messages.m_entries.clear();
    m_messages.Answer(IDNO);
    Press(kExit);
    EXPECT_EQ(m_messages.Texts().front(), "Do you wish to retain changes made to Hull ?");
    Dialog().show();
    m_messages.m_entries.clear();
    Press(kApply);
    Bytes expected = before;
    for (const std::size_t nOffset : {kSensors + 16, kLaunchers + 6, kAirstrips + 18}) {
        expected[nOffset] = expected[nOffset + 1] = 0;
    }
    EXPECT_EQ(Stored(1), expected);
}

TEST_F(ObjectEditorTest, APickerChangesOnlyTheWorkingSlotsUntilApply) {
    std::uint8_t* pObject = AddHull(1);
    ::AddNamed(m_doc, Database::Launcher, 5, "Gun");
    ::AddNamed(m_doc, Database::Launcher, 6, "Torpedo");
    SetSlot(pObject, kLaunchers, 0, 5);
    SetSlot(pObject, kLaunchers, 1, 99);  // missing: the picker empties it too
    const Bytes before = Stored(1);
    Open();
    m_messages.m_entries.clear();
    RunPicker(kLauncherSlots, 1185, 1186,
              [](QDialog& picker, QListWidget& slotList, QListWidget& database) {
                  EXPECT_EQ(picker.objectName(), "152");
                  EXPECT_EQ(picker.windowTitle(), "Launcher Slots");
                  EXPECT_THAT(Lines(database),
                              ElementsAre("0000: empty", "0005: Gun", "0006: Torpedo"));
                  EXPECT_EQ(Lines(slotList)[0], "0005: Gun");
                  EXPECT_EQ(Lines(slotList)[1], "0000: empty");
                  EXPECT_TRUE(database.selectedItems().isEmpty());
                  DoubleClickRow(database, 2);  // no slot selected: nothing happens
                  slotList.setCurrentRow(0);
                  EXPECT_EQ(database.currentItem()->text(), "0005: Gun");
                  slotList.setCurrentRow(2);
                  DoubleClickRow(database, 2);
                  slotList.setCurrentRow(3);
                  DoubleClickRow(database, 2);  // one record in two slots
                  slotList.setCurrentRow(0);
                  DoubleClickRow(database, 0);                 // the empty line empties a slot
                  QTest::keyClick(&slotList, Qt::Key_Return);  // Enter is OK
              });
    EXPECT_EQ(Lines(Slots(kLauncherSlots))[2], "006: Torpedo");
    EXPECT_EQ(Stored(1), before);  // the record changes only on Apply
    Press(kApply);
    EXPECT_EQ(Slot(kLaunchers, 0), 0);
    EXPECT_EQ(Slot(kLaunchers, 1), 0);
    EXPECT_EQ(Slot(kLaunchers, 2), 6);
    EXPECT_EQ(Slot(kLaunchers, 3), 6);
    EXPECT_THAT(m_messages.Texts(), IsEmpty());
}

TEST_F(ObjectEditorTest, EscapeAndUndoDropPickedSlots) {
    AddHull(1);
    RecordField::SetText(::AddNamed(m_doc, Database::Sensor, 5, "Sonar long name"), 160, 20, "Eye");
    ::AddNamed(m_doc, Database::Airstrip, 4, "Strip");
    const Bytes before = Stored(1);
    Open();
    RunPicker(kSensorSlots, 1002, 1182,
              [](QDialog& picker, QListWidget& slotList, QListWidget& database) {
                  EXPECT_THAT(Lines(database), ElementsAre("0000: empty", "0005: Eye"));
                  slotList.setCurrentRow(0);
                  DoubleClickRow(database, 1);
                  QTest::keyClick(&picker, Qt::Key_Escape);
              });
    EXPECT_EQ(Lines(Slots(kSensorSlots))[0], "Empty Slot");
    RunPicker(kAirstripSlots, 1192, 1193,
              [](QDialog& picker, QListWidget& slotList, QListWidget& database) {
                  slotList.setCurrentRow(9);
                  DoubleClickRow(database, 1);
                  Click(picker, 1);
              });
    EXPECT_EQ(Lines(Slots(kAirstripSlots))[9], "004: Strip");
    Press(kUndo);
    EXPECT_EQ(Lines(Slots(kAirstripSlots))[9], "Empty Slot");
    Press(kExit);
    EXPECT_THAT(m_messages.Texts(), IsEmpty());
    EXPECT_EQ(Stored(1), before);
}

// The Profile Slot dialog stores in place on Apply, drops an edit on Undo and asks about the
// rest on Exit.
TEST_F(ObjectEditorTest, SonarProfileOpensTheProfileOrSaysWhyNot) {
    std::uint8_t* pObject = AddHull(1);
    ::AddNamed(m_doc, Database::Profile, 0, "Zero");
    ::AddNamed(m_doc, Database::Profile, 7, "Quiet hull");
    Open();
    CModalScript script([this](QDialog& profile) {
        EXPECT_EQ(profile.objectName(), "157");
        EXPECT_EQ(Find<QLineEdit>(profile, IDC_INDEX)->text(), "7");
        EXPECT_EQ(Find<QLineEdit>(profile, 1029)->text(), "Quiet hull");
        TypeInto(*Find<QLineEdit>(profile, 1005), "-7");
        Click(profile, IDC_APPLY);
        TypeInto(*Find<QLineEdit>(profile, 1017), "7");
        Click(profile, IDC_UNDO);
        TypeInto(*Find<QLineEdit>(profile, 1006), "2");
        m_messages.Answer(IDYES);
        Click(profile, IDC_EXIT);
        return profile.result();
    });
    Press(kSonarProfile);  // index 0
    RecordField::Set<std::int16_t>(pObject, 330, -2);
    Press(kUndo);
    Press(kSonarProfile);
    EXPECT_EQ(script.m_nRuns, 0);
    RecordField::Set<std::int16_t>(pObject, 330, 7);
    const Bytes before = Stored(1);
    Press(kUndo);
    Press(kSonarProfile);
    EXPECT_EQ(script.m_nRuns, 1);
    EXPECT_THAT(m_messages.Texts(),
                ElementsAre("This Object has no Sonar Profile !",
                            "Profile Index -2 not found in Profile Database",
                            "Do you wish to retain changes made to Quiet hull ?"));
    EXPECT_EQ(RecordBytes(m_doc, Database::Profile, 7),
              HandRecord(Database::Profile, 7, "Quiet hull", {{22, {0xF9, 0xFF}}, {24, {2}}}));
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_THAT(ChangedDatabases(m_doc), ElementsAre(Database::Profile));
    EXPECT_EQ(Stored(1), before);
}

TEST_F(ObjectEditorTest, SimTypesAboveTwelveAreNeverListedButFoundBySearch) {
    AddHull(1);
    RecordField::Set<std::int32_t>(AddNamed(2, "Oddity"), 28, 13);
    RecordField::Set<std::int32_t>(AddNamed(3, "Sub"), 28, 0);
    Open();
    EXPECT_THAT(ListLines(), ElementsAre("001: Hull", "003: Sub"));
    Box(kSubBox).setChecked(false);
    Press(kFilter);
    EXPECT_THAT(ListLines(), ElementsAre("001: Hull"));
    Search("odd");
    EXPECT_THAT(ListLines(), ElementsAre("002: Oddity"));
    EXPECT_EQ(Combo(1086).currentIndex(), -1);
    const Bytes before = Stored(2);
    Press(kApply);
    EXPECT_EQ(Stored(2), before);
}

}  // namespace
