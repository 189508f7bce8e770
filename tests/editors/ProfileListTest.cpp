#include "EditorTexts.h"
#include "ProfileEditorFixture.h"

namespace {

using testing::ElementsAre;
using testing::IsEmpty;

class ProfileListTest : public ProfileEditorTest {
protected:
    void SetBoxes(std::initializer_list<int> onTypes) {
        for (int nId : kTypeBoxes) {
            Box(nId).setChecked(false);
        }
        for (int nType : onTypes) {
            Box(kTypeBoxes[nType]).setChecked(true);
        }
    }
    bool AllBoxes(bool bOn) const {
        return std::all_of(std::begin(kTypeBoxes), std::end(kTypeBoxes),
                           [&](int nId) { return Box(nId).isChecked() == bOn; });
    }
};

TEST_F(ProfileListTest, ListsEveryRecordInAscendingIndexOrder) {
    AddProfile(m_doc, 300, "Deep");
    AddProfile(m_doc, 7, "Seven");
    AddProfile(m_doc, 12, "Twelve");
    AddProfile(m_doc, 4321, "Wide");
    Open();
    EXPECT_THAT(Lines(), ElementsAre("007: Seven", "012: Twelve", "300: Deep", "4321: Wide"));
    EXPECT_EQ(List().currentRow(), 0);
    EXPECT_EQ(Name(), "Seven");
    EXPECT_EQ(Edit(kIndex).text(), "7");
    EXPECT_TRUE(m_messages.m_entries.empty());
}

TEST_F(ProfileListTest, LineShowsTheNameUpToItsTerminatorOrTwentyBytes) {
    AddProfile(m_doc, 0, "");
    AddProfile(m_doc, 1, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");  // fills the field, no terminator
    AddProfile(m_doc, 2, "Short");
    m_doc.m_mapProfiles[2]->m_data[8] = 'X';  // after the terminator: never shown
    AddProfile(m_doc, 40000, "Big");
    Open();
    EXPECT_THAT(Lines(),
                ElementsAre("000: ", "001: ABCDEFGHIJKLMNOPQRST", "002: Short", "40000: Big"));
}

TEST_F(ProfileListTest, IndexShowsAsSignedNumberInDisabledEdit) {
    AddProfile(m_doc, 40000, "Big");
    Open();
    EXPECT_EQ(Edit(kIndex).text(), "-25536");
    EXPECT_FALSE(Edit(kIndex).isEnabled());
}

TEST_F(ProfileListTest, EachBoxListsProfilesWhoseObjectHasItsType) {
    for (int nType = 0; nType < 13; ++nType) {
        const std::string strName = "Type" + std::to_string(nType);
        AddObject(m_doc, static_cast<std::uint16_t>(100 + nType), strName, nType);
        AddProfile(m_doc, static_cast<std::uint16_t>(nType + 1), strName);
    }
    AddProfile(m_doc, 20, "Orphan");  // no object: type 0
    AddObject(m_doc, 200, "Odd", 13);
    AddProfile(m_doc, 21, "Odd");
    AddObject(m_doc, 201, "Negative", -1);
    AddProfile(m_doc, 22, "Negative");
    AddObject(m_doc, 202, "TYPE5", 5);
    AddProfile(m_doc, 23, "type5");  // names match exactly or not at all: type 0
    Open();
    ASSERT_EQ(List().count(), 17);

    for (int nType = 0; nType < 13; ++nType) {
        SetBoxes({nType});
        Click(kFilter);
        std::vector<std::string> expected = {(nType + 1 < 10 ? "00" : "0") +
                                             std::to_string(nType + 1) + ": Type" +
                                             std::to_string(nType)};
        if (nType == 0) {
            expected.push_back("020: Orphan");
        }
        expected.push_back("021: Odd");
        expected.push_back("022: Negative");
        if (nType == 0) {
            expected.push_back("023: type5");
        }
        EXPECT_EQ(Lines(), expected) << "type " << nType;
        EXPECT_EQ(List().currentRow(), 0);
    }
    EXPECT_TRUE(m_messages.m_entries.empty());
}

TEST_F(ProfileListTest, FilterListingNothingWarnsOnceAndFallsBackToAllTypes) {
    AddObject(m_doc, 1, "Frigate", 1);
    AddProfile(m_doc, 5, "Frigate");
    AddProfile(m_doc, 6, "Frigate");
    Open();
    SetBoxes({3, 4});
    Click(kFilter);
    EXPECT_THAT(m_messages.Texts(), ElementsAre(EditorTexts::kNoResults));
    EXPECT_EQ(m_messages.m_entries[0].nType, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_STREQ(EditorTexts::kNoResults,
                 "The Active Filter produced no Results !\nUsing Default Filter instead");
    EXPECT_TRUE(AllBoxes(true));
    EXPECT_THAT(Lines(), ElementsAre("005: Frigate", "006: Frigate"));
    EXPECT_EQ(Name(), "Frigate");
}

TEST_F(ProfileListTest, FilterResetsTheCurrentPositionToTheFirstEntry) {
    AddProfile(m_doc, 1, "One");
    AddProfile(m_doc, 2, "Two");
    AddProfile(m_doc, 3, "Three");
    Open();
    Step(QAbstractSlider::SliderSingleStepAdd);
    Step(QAbstractSlider::SliderSingleStepAdd);
    ASSERT_EQ(Name(), "Three");
    Click(kFilter);
    EXPECT_EQ(List().currentRow(), 0);
    EXPECT_EQ(Name(), "One");
}

class ProfileSearchTest : public ProfileListTest {
protected:
    void SetUp() override {
        AddProfile(m_doc, 3, "Kilo Class");
        AddProfile(m_doc, 12, "Akula");
        AddProfile(m_doc, 99, "Type 209");
        AddProfile(m_doc, 120, "Star*Fish");
        AddProfile(m_doc, 2000, "Orca");
        AddProfile(m_doc, 3001, "KILO copy");
        AddProfile(m_doc, 456, "Boat 10");
        AddProfile(m_doc, 789, "Oscar");
        Open();
    }
};

TEST_F(ProfileSearchTest, IgnoresLetterCase) {
    Search("kIlO");
    EXPECT_THAT(Lines(), ElementsAre("003: Kilo Class", "3001: KILO copy"));
    EXPECT_TRUE(m_messages.m_entries.empty());
}

TEST_F(ProfileSearchTest, MatchesTheIndexPartOfTheLine) {
    Search("012");
    EXPECT_THAT(Lines(), ElementsAre("012: Akula"));
}

TEST_F(ProfileSearchTest, ZeroFindsEveryIndexOrNameWithAZeroDigit) {
    Search("0");
    EXPECT_THAT(Lines(),
                ElementsAre("003: Kilo Class", "012: Akula", "099: Type 209", "120: Star*Fish",
                            "456: Boat 10", "2000: Orca", "3001: KILO copy"));
}

TEST_F(ProfileSearchTest, WildcardCharactersAreOrdinary) {
    Search("*");
    EXPECT_THAT(Lines(), ElementsAre("120: Star*Fish"));
    Search("r*f");
    EXPECT_THAT(Lines(), ElementsAre("120: Star*Fish"));
    Search("?");
    EXPECT_THAT(m_messages.Texts(), ElementsAre(EditorTexts::kNoResults));
}

TEST_F(ProfileSearchTest, SuccessfulSearchTurnsEveryTypeBoxOff) {
    Search("orca");
    EXPECT_THAT(Lines(), ElementsAre("2000: Orca"));
    EXPECT_TRUE(AllBoxes(false));
    EXPECT_EQ(Name(), "Orca");
}

TEST_F(ProfileSearchTest, SearchFindingNothingWarnsOnceThenListsEverything) {
    Search("Yasen");
    EXPECT_THAT(m_messages.Texts(), ElementsAre(EditorTexts::kNoResults));
    EXPECT_EQ(List().count(), 8);
    EXPECT_TRUE(AllBoxes(true));
    EXPECT_EQ(Name(), "Kilo Class");
}

TEST_F(ProfileSearchTest, EmptyOrCancelledSearchListsEverything) {
    Search("orca");
    Search("");
    EXPECT_EQ(List().count(), 8);
    EXPECT_TRUE(AllBoxes(true));
    Search("orca");
    Search(nullptr);
    EXPECT_EQ(List().count(), 8);
    EXPECT_TRUE(AllBoxes(true));
    EXPECT_TRUE(m_messages.m_entries.empty());
}

TEST_F(ProfileSearchTest, SearchResetsTheCurrentPosition) {
    Step(QAbstractSlider::SliderSingleStepAdd);
    Search("a");
    EXPECT_EQ(List().currentRow(), 0);
    EXPECT_EQ(Name(), "Kilo Class");
}

class ProfileNavigationTest : public ProfileEditorTest {
protected:
    void SetUp() override {
        AddProfile(m_doc, 1, "First", {1});
        AddProfile(m_doc, 2, "Second", {2});
        AddProfile(m_doc, 3, "Third", {3});
        Open();
    }
};

TEST_F(ProfileNavigationTest, SpinStepsAndStopsAtBothEnds) {
    Step(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(Name(), "First");
    EXPECT_EQ(List().currentRow(), 0);
    Step(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(Name(), "Second");
    EXPECT_EQ(Edit(1005).text(), "2");
    EXPECT_EQ(List().currentRow(), 1);
    Step(QAbstractSlider::SliderSingleStepAdd);
    Step(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(Name(), "Third");
    EXPECT_EQ(List().currentRow(), 2);
    Step(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(Name(), "Second");
}

TEST_F(ProfileNavigationTest, SpinArrowsRespondToRealClicks) {
    QScrollBar& spin = Spin();
    EXPECT_EQ(spin.orientation(), Qt::Vertical);
    const QPoint lower(spin.width() / 2, spin.height() - 3);
    const QPoint upper(spin.width() / 2, 3);
    QTest::mouseClick(&spin, Qt::LeftButton, {}, lower);
    EXPECT_EQ(Name(), "Second");
    QTest::mouseClick(&spin, Qt::LeftButton, {}, lower);
    QTest::mouseClick(&spin, Qt::LeftButton, {}, lower);
    EXPECT_EQ(Name(), "Third");
    QTest::mouseClick(&spin, Qt::LeftButton, {}, upper);
    EXPECT_EQ(Name(), "Second");
}

TEST_F(ProfileNavigationTest, SingleClickOnlyHighlightsAndDoubleClickLoads) {
    List().doItemsLayout();
    QTest::mouseClick(List().viewport(), Qt::LeftButton, {},
                      List().visualItemRect(List().item(2)).center());
    EXPECT_EQ(List().currentRow(), 2);
    EXPECT_EQ(Name(), "First");
    DoubleClickRow(List(), 2);
    EXPECT_EQ(Name(), "Third");
    EXPECT_EQ(Edit(1005).text(), "3");
    Step(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(Name(), "Second");
}

TEST_F(ProfileNavigationTest, SteppingDropsUnappliedEditsWithoutAsking) {
    TypeInto(Edit(kName), "Changed");
    Step(QAbstractSlider::SliderSingleStepAdd);
    Step(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(Name(), "First");
    EXPECT_EQ(m_doc.m_mapProfiles.at(1)->GetName(), "First");
    EXPECT_TRUE(m_messages.m_entries.empty());
}

TEST_F(ProfileNavigationTest, UndoReloadsTheStoredRecord) {
    Step(QAbstractSlider::SliderSingleStepAdd);
    TypeInto(Edit(kName), "Changed");
    TypeInto(Edit(1007), "77");
    Click(kUndo);
    EXPECT_EQ(Name(), "Second");
    EXPECT_EQ(Edit(1007).text(), "0");
    EXPECT_EQ(m_doc.m_mapProfiles.at(2)->GetName(), "Second");
    EXPECT_FALSE(m_doc.IsModified());
}

TEST(ProfileEditorEmptyTest, EmptyDatabaseShowsEmptyListWithRecordControlsDisabled) {
    CVentryDoc doc;
    CMessageLog messages;
    auto pEditor = CreateEditor(EditorSlot::Profile, nullptr, doc);
    auto& dialog = *dynamic_cast<QDialog*>(pEditor.get());
    dialog.show();
    auto& list = *Find<QListWidget>(dialog, 1182);
    EXPECT_EQ(list.count(), 0);
    EXPECT_FALSE(Find<QLineEdit>(dialog, 1029)->isEnabled());
    EXPECT_FALSE(Find<QLineEdit>(dialog, 1005)->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(dialog, 1207)->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(dialog, 1115)->isEnabled());
    EXPECT_TRUE(Find<QPushButton>(dialog, 1208)->isEnabled());

    // Neither filter can list anything; each fills once and stays empty.
    Find<QCheckBox>(dialog, 1214)->setChecked(false);
    ClickButton(dialog, 1227);
    EXPECT_EQ(list.count(), 0);
    {
        CModalScript script([](QDialog& filter) {
            QTest::keyClicks(Find<QLineEdit>(filter, 1183), QStringLiteral("x"));
            ClickButton(filter, 1);
            return filter.result();
        });
        ClickButton(dialog, 1228);
    }
    EXPECT_EQ(list.count(), 0);
    Find<QScrollBar>(dialog, 1145)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_THAT(messages.m_entries, IsEmpty());

    ClickButton(dialog, 1116);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_THAT(messages.m_entries, IsEmpty());
}

TEST(ProfileEditorEmptyTest, NewOnEmptyDatabaseStartsFromZeroFilledRecord) {
    CVentryDoc doc;
    CMessageLog messages;
    auto pEditor = CreateEditor(EditorSlot::Profile, nullptr, doc);
    auto& dialog = *dynamic_cast<QDialog*>(pEditor.get());
    dialog.show();
    ClickButton(dialog, 1208);
    ASSERT_EQ(doc.m_mapProfiles.size(), 1u);
    const auto& [nKey, pProfile] = *doc.m_mapProfiles.begin();
    EXPECT_EQ(nKey, 1);
    std::array<std::uint8_t, 44> expected{};
    expected[0] = 1;
    std::memcpy(expected.data() + 2, "My new Profile", 15);
    EXPECT_EQ(pProfile->m_data, expected);
    EXPECT_THAT(ListLines(*Find<QListWidget>(dialog, 1182)), ElementsAre("001: My new Profile"));
    EXPECT_TRUE(Find<QLineEdit>(dialog, 1029)->isEnabled());
    EXPECT_TRUE(Find<QPushButton>(dialog, 1207)->isEnabled());
    EXPECT_TRUE(doc.IsModified());
}

}  // namespace
