#include <random>

#include "EditorTexts.h"
#include "ProfileEditorFixture.h"

namespace {

using testing::ElementsAre;
using testing::IsEmpty;

using Bytes = std::array<std::uint8_t, 44>;

TEST_F(ProfileEditorTest, ApplyWritesNameAndBandsAndNothingElse) {
    CProfileInfo& profile = AddRandomProfile(m_doc, 5, 1);
    const Bytes before = profile.m_data;
    Open();
    TypeInto(Edit(kName), "Shorty");
    TypeInto(Edit(1005), "-12");
    TypeInto(Edit(1017), "32767");
    Click(kApply);

    Bytes expected = before;
    std::memcpy(expected.data() + 2, "Shorty", 7);  // with its terminator
    expected[22] = 0xF4;
    expected[23] = 0xFF;
    expected[32] = 0xFF;
    expected[33] = 0x7F;
    EXPECT_EQ(profile.m_data, expected);
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_TRUE(m_messages.m_entries.empty());
}

TEST_F(ProfileEditorTest, TwentyCharacterNameFillsTheFieldWithoutTerminator) {
    CProfileInfo& profile = AddRandomProfile(m_doc, 5, 2);
    const Bytes before = profile.m_data;
    Open();
    TypeInto(Edit(kName), "ABCDEFGHIJKLMNOPQRSTUVWXY");  // the edit refuses the 21st
    EXPECT_EQ(Name(), "ABCDEFGHIJKLMNOPQRST");
    Click(kApply);
    EXPECT_EQ(std::memcmp(profile.m_data.data() + 2, "ABCDEFGHIJKLMNOPQRST", 20), 0);
    EXPECT_EQ(profile.GetName(), "ABCDEFGHIJKLMNOPQRST");
    EXPECT_TRUE(std::equal(before.begin() + 22, before.end(), profile.m_data.begin() + 22));
    EXPECT_EQ(Lines().back(), "005: ABCDEFGHIJKLMNOPQRST");
}

TEST_F(ProfileEditorTest, ShorterNameKeepsTheBytesAfterItsTerminator) {
    AddProfile(m_doc, 5, "Long profile name");
    Open();
    TypeInto(Edit(kName), "Ab");
    Click(kApply);
    const Bytes& bytes = Stored(5);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes.data() + 2), 18),
              std::string("Ab\0g profile name\0", 18));
}

TEST_F(ProfileEditorTest, RenameMovesTheEntryToTheEndAndKeepsItCurrent) {
    AddProfile(m_doc, 1, "Alpha");
    AddProfile(m_doc, 2, "Bravo");
    AddProfile(m_doc, 3, "Charlie");
    Open();
    TypeInto(Edit(kName), "Zulu");
    Click(kApply);
    EXPECT_THAT(Lines(), ElementsAre("002: Bravo", "003: Charlie", "001: Zulu"));
    EXPECT_EQ(List().currentRow(), 2);
    EXPECT_EQ(Name(), "Zulu");
    EXPECT_EQ(m_doc.m_mapProfiles.at(1)->GetName(), "Zulu");
    Step(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(Name(), "Charlie");
}

TEST_F(ProfileEditorTest, CaseOnlyRenameChangesTheRecordButNotTheLine) {
    AddProfile(m_doc, 1, "Alpha");
    AddProfile(m_doc, 2, "Bravo");
    Open();
    TypeInto(Edit(kName), "ALPHA");
    Click(kApply);
    EXPECT_THAT(Lines(), ElementsAre("001: Alpha", "002: Bravo"));
    EXPECT_EQ(List().currentRow(), 0);
    EXPECT_EQ(m_doc.m_mapProfiles.at(1)->GetName(), "ALPHA");
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(ProfileEditorTest, ApplyWithoutEditsLeavesArbitraryRecordsAsTheyWere) {
    std::vector<Bytes> before;
    for (std::uint16_t i = 0; i < 64; ++i) {
        before.push_back(AddRandomProfile(m_doc, i, 100 + i).m_data);
    }
    Open();
    for (std::uint16_t i = 0; i < 64; ++i) {
        Click(kApply);
        Step(QAbstractSlider::SliderSingleStepAdd);
    }
    for (std::uint16_t i = 0; i < 64; ++i) {
        EXPECT_EQ(Stored(i), before[i]) << "record " << i;
    }
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(List().count(), 64);
    EXPECT_TRUE(m_messages.m_entries.empty());
}

class ProfileControlEditTest : public ProfileEditorTest,
                               public testing::WithParamInterface<ControlEdit> {};

TEST_P(ProfileControlEditTest, ChangesOnlyItsOwnBytes) {
    const ControlEdit& edit = GetParam();
    CProfileInfo& profile = AddRandomProfile(m_doc, 9, 7);
    RecordField::SetText(profile.m_data.data(), 2, 20, "Random");
    const Bytes before = profile.m_data;
    Open();
    TypeInto(Edit(edit.nId), QString::fromLatin1(edit.pszInput));
    Click(kApply);
    Bytes expected = before;
    std::copy(edit.bytes.begin(), edit.bytes.end(), expected.begin() + edit.nOffset);
    EXPECT_EQ(profile.m_data, expected);
}

INSTANTIATE_TEST_SUITE_P(
    EveryControl, ProfileControlEditTest,
    testing::Values(ControlEdit{1029, "Xy", 2, {'X', 'y', 0}}, ControlEdit{1005, "1", 22, {1, 0}},
                    ControlEdit{1006, "-2", 24, {0xFE, 0xFF}}, ControlEdit{1007, "256", 26, {0, 1}},
                    ControlEdit{1013, "-32768", 28, {0, 0x80}}, ControlEdit{1015, "+5", 30, {5, 0}},
                    ControlEdit{1017, " 4660 ", 32, {0x34, 0x12}}),
    [](const auto& info) { return std::to_string(info.param.nId); });

TEST_F(ProfileEditorTest, FieldThatDoesNotParseStopsApply) {
    AddProfile(m_doc, 1, "One", {1, 2, 3, 4, 5, 6});
    const Bytes before = Stored(1);
    Open();
    TypeInto(Edit(kName), "Renamed");
    TypeInto(Edit(1006), "12x");
    TypeInto(Edit(1013), "9");
    Click(kApply);
    EXPECT_THAT(m_messages.Texts(),
                ElementsAre("The field \"100-150\" needs an integer between -32768 and 32767."));
    EXPECT_EQ(Dialog().focusWidget(), &Edit(1006));
    EXPECT_EQ(Stored(1), before);
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_THAT(Lines(), ElementsAre("001: One"));

    TypeInto(Edit(1006), "40000");
    Click(kApply);
    EXPECT_EQ(m_messages.m_entries.size(), 2u);
    EXPECT_EQ(Stored(1), before);
}

TEST_F(ProfileEditorTest, NewNumbersAfterTheLastListedRecord) {
    AddObject(m_doc, 1, "Hidden", 1);
    AddProfile(m_doc, 3, "Three");
    AddProfile(m_doc, 7, "Seven");
    AddProfile(m_doc, 12, "Hidden");
    Open();
    Box(kTypeBoxes[1]).setChecked(false);
    Click(kFilter);
    ASSERT_THAT(Lines(), ElementsAre("003: Three", "007: Seven"));
    Click(kNew);
    EXPECT_THAT(Lines(), ElementsAre("003: Three", "007: Seven", "008: My new Profile"));
    EXPECT_TRUE(m_doc.m_mapProfiles.contains(8));
    EXPECT_EQ(List().currentRow(), 2);
    EXPECT_EQ(Name(), "My new Profile");
    EXPECT_EQ(Edit(kIndex).text(), "8");
}

TEST_F(ProfileEditorTest, NewSkipsIndicesThatAreTaken) {
    AddObject(m_doc, 1, "Hidden", 1);
    AddProfile(m_doc, 3, "Three");
    AddProfile(m_doc, 7, "Seven");
    AddProfile(m_doc, 8, "Hidden");
    AddProfile(m_doc, 9, "Hidden");
    Open();
    Box(kTypeBoxes[1]).setChecked(false);
    Click(kFilter);
    ASSERT_THAT(Lines(), ElementsAre("003: Three", "007: Seven"));
    Click(kNew);
    Click(kNew);
    EXPECT_THAT(Lines(), ElementsAre("003: Three", "007: Seven", "010: My new Profile",
                                     "011: My new Profile"));
    EXPECT_EQ(m_doc.m_mapProfiles.at(8)->GetName(), "Hidden");
    EXPECT_EQ(m_doc.m_mapProfiles.at(9)->GetName(), "Hidden");
}

TEST_F(ProfileEditorTest, NewCopiesEveryByteOfTheCurrentRecord) {
    AddRandomProfile(m_doc, 1, 11);
    const Bytes model = AddRandomProfile(m_doc, 2, 12).m_data;
    AddRandomProfile(m_doc, 3, 13);
    Open();
    Step(QAbstractSlider::SliderSingleStepAdd);
    const auto objectsByName = m_doc.m_mapObjectsByName.size();
    Click(kNew);
    ASSERT_TRUE(m_doc.m_mapProfiles.contains(4));
    Bytes expected = model;
    expected[0] = 4;
    expected[1] = 0;
    std::memcpy(expected.data() + 2, "My new Profile", 15);
    EXPECT_EQ(Stored(4), expected);
    EXPECT_EQ(m_doc.m_mapObjectsByName.size(), objectsByName);
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(Lines().back(), "004: My new Profile");
}

TEST_F(ProfileEditorTest, NewPastTheLastIndexIsRefused) {
    AddProfile(m_doc, 65534, "Almost");
    AddProfile(m_doc, 65535, "Last");
    Open();
    Click(kNew);
    EXPECT_THAT(m_messages.Texts(), ElementsAre(EditorTexts::kNoFreeIndex));
    EXPECT_EQ(m_doc.m_mapProfiles.size(), 2u);
    EXPECT_EQ(List().count(), 2);
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(ProfileEditorTest, ExitWithoutChangesAsksNothingAndHides) {
    AddProfile(m_doc, 1, "One");
    Open();
    Click(kExit);
    EXPECT_TRUE(m_messages.m_entries.empty());
    EXPECT_FALSE(Dialog().isVisible());
    EXPECT_FALSE(m_doc.Shown(EditorSlot::Profile));
}

TEST_F(ProfileEditorTest, ExitYesStoresTheEdits) {
    AddProfile(m_doc, 1, "One");
    Open();
    TypeInto(Edit(kName), "Uno");
    TypeInto(Edit(1015), "15");
    m_messages.Answer(IDYES);
    Click(kExit);
    ASSERT_THAT(m_messages.Texts(), ElementsAre("Do you wish to retain changes made to Uno ?"));
    EXPECT_EQ(m_messages.m_entries[0].nType, MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(m_doc.m_mapProfiles.at(1)->GetName(), "Uno");
    EXPECT_EQ(RecordField::Get<std::int16_t>(Stored(1).data(), 30), 15);
    EXPECT_FALSE(Dialog().isVisible());
    EXPECT_FALSE(m_doc.Shown(EditorSlot::Profile));
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(ProfileEditorTest, ExitNoDropsTheEditsAndRestoresTheControls) {
    AddProfile(m_doc, 1, "One", {10});
    const Bytes before = Stored(1);
    Open();
    TypeInto(Edit(1005), "99");
    m_messages.Answer(IDNO);
    Click(kExit);
    EXPECT_EQ(m_messages.m_entries.size(), 1u);
    EXPECT_EQ(Stored(1), before);
    EXPECT_EQ(Edit(1005).text(), "10");
    EXPECT_FALSE(Dialog().isVisible());
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(ProfileEditorTest, ExitYesWithFieldThatDoesNotParseStaysOpen) {
    AddProfile(m_doc, 1, "One");
    const Bytes before = Stored(1);
    Open();
    TypeInto(Edit(1007), "many");
    m_messages.Answer(IDYES);
    Click(kExit);
    EXPECT_THAT(m_messages.Texts(),
                ElementsAre("Do you wish to retain changes made to One ?",
                            "The field \"150-500\" needs an integer between -32768 and 32767."));
    EXPECT_TRUE(Dialog().isVisible());
    EXPECT_TRUE(m_doc.Shown(EditorSlot::Profile));
    EXPECT_EQ(Edit(1007).text(), "many");
    EXPECT_EQ(Stored(1), before);
}

TEST_F(ProfileEditorTest, EnterInAFieldActsAsExit) {
    AddProfile(m_doc, 1, "One");
    Open();
    TypeInto(Edit(kName), "Two");
    m_messages.Answer(IDYES);
    QTest::keyClick(&Edit(kName), Qt::Key_Return);
    EXPECT_THAT(m_messages.Texts(), ElementsAre("Do you wish to retain changes made to Two ?"));
    EXPECT_EQ(m_doc.m_mapProfiles.at(1)->GetName(), "Two");
    EXPECT_FALSE(Dialog().isVisible());
}

TEST_F(ProfileEditorTest, EscapeActsAsExit) {
    AddProfile(m_doc, 1, "One");
    Open();
    TypeInto(Edit(1006), "3");
    m_messages.Answer(IDNO);
    QTest::keyClick(&Edit(1006), Qt::Key_Escape);
    EXPECT_EQ(m_messages.m_entries.size(), 1u);
    EXPECT_EQ(Edit(1006).text(), "0");
    EXPECT_FALSE(Dialog().isVisible());
    EXPECT_FALSE(m_doc.Shown(EditorSlot::Profile));
}

TEST_F(ProfileEditorTest, EditorKeepsItsStateWhenShownAgain) {
    AddProfile(m_doc, 1, "One");
    AddProfile(m_doc, 2, "Two");
    Open();
    Step(QAbstractSlider::SliderSingleStepAdd);
    Click(kExit);
    Dialog().show();
    EXPECT_EQ(Name(), "Two");
    EXPECT_EQ(List().currentRow(), 1);
}

TEST_F(ProfileEditorTest, DialogHasItsTemplateIdCaptionAndDefaultButton) {
    AddProfile(m_doc, 1, "One");
    Open();
    EXPECT_EQ(Dialog().objectName(), "153");
    EXPECT_EQ(Dialog().windowTitle(), "Profile Dialog");
    EXPECT_FALSE(Dialog().windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(Find<QPushButton>(Dialog(), kExit)->isDefault());
    EXPECT_EQ(Find<QPushButton>(Dialog(), kNew)->text(), "New Profile");
    EXPECT_EQ(Find<QPushButton>(Dialog(), kSearch)->text(), "Search");
    EXPECT_EQ(Box(1214).text(), "Sub");
    EXPECT_EQ(Box(1226).text(), "Bullet");
}

}  // namespace

namespace {

TEST(ProfileEditorLifetimeTest, DocumentDeletesTheEditorWithItsContents) {
    CVentryDoc doc;
    QWidget frame;
    doc.Editor(EditorSlot::Profile) = CreateEditor(EditorSlot::Profile, &frame, doc);
    auto* pDialog = dynamic_cast<QDialog*>(doc.Editor(EditorSlot::Profile).get());
    ASSERT_NE(pDialog, nullptr);
    EXPECT_EQ(pDialog->parentWidget(), &frame);
    EXPECT_FALSE(pDialog->isVisible());
    doc.DeleteContents();
    EXPECT_EQ(doc.Editor(EditorSlot::Profile), nullptr);
    EXPECT_TRUE(frame.findChildren<QDialog*>().isEmpty());
}

TEST(ProfileEditorLifetimeTest, FrameDeletedFirstLeavesTheDocumentNothingToDelete) {
    CVentryDoc doc;
    auto pFrame = std::make_unique<QWidget>();
    doc.Editor(EditorSlot::Profile) = CreateEditor(EditorSlot::Profile, pFrame.get(), doc);
    pFrame.reset();
    EXPECT_EQ(doc.Editor(EditorSlot::Profile), nullptr);
    doc.DeleteContents();
}

}  // namespace
