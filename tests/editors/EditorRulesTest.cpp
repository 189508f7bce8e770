#include <QPushButton>
#include <QTest>

#include "EditorCases.h"
#include "RecordField.h"
#include "Resource.h"

namespace {

using testing::ElementsAre;
using testing::IsEmpty;
using testing::UnorderedElementsAre;

constexpr const char* kNoResults =
    "The Active Filter produced no Results !\nUsing Default Filter instead";
// The thirteen type boxes in Sim Type order.
constexpr int kTypeBoxes[13] = {1214, 1215, 1220, 1224, 1218, 1219, 1223,
                                1222, 1225, 1217, 1221, 1216, 1226};

class EditorRulesTest : public EditorTest {
protected:
    // The names in the list lines, whatever numbers the lines show.
    std::vector<std::string> ListedNames() const {
        std::vector<std::string> names;
        for (const std::string& line : ListLines()) {
            names.push_back(line.substr(line.find(": ") + 2));
        }
        return names;
    }
    void SetBoxes(bool bOn) {
        for (const int nId : kTypeBoxes) {
            Box(nId).setChecked(bOn);
        }
    }
    bool AllBoxes(bool bOn) const {
        return std::ranges::all_of(kTypeBoxes,
                                   [&](int nId) { return Box(nId).isChecked() == bOn; });
    }
};

// Records that find their type through the object of their name (an entity through its Type
// Name): no such object counts as Sub, a type above 12 is always listed.
class TypeByNameTest : public EditorRulesTest, public testing::WithParamInterface<Database> {
protected:
    void SetUp() override { Use(GetParam()); }
    void AddTyped(std::uint16_t nKey, const std::string& strName) {
        std::uint8_t* pRecord = AddNamed(nKey, strName);
        if (GetParam() == Database::Entity) {
            RecordField::SetText(pRecord, 36, 20, strName);
        }
    }
};

TEST_P(TypeByNameTest, TheTypeBoxesFollowTheObjectOfTheSameName) {
    AddObject(m_doc, 1, "Frigate", 1);
    AddObject(m_doc, 2, "Oddity", 13);
    AddTyped(0, "Frigate");
    AddTyped(1, "Nobody");
    AddTyped(2, "Oddity");
    Open();
    EXPECT_THAT(ListedNames(), ElementsAre("Frigate", "Nobody", "Oddity"));
    Box(kSubBox).setChecked(false);
    Press(kFilter);
    EXPECT_THAT(ListedNames(), ElementsAre("Frigate", "Oddity"));
    Box(kSubBox).setChecked(true);
    Box(kShipBox).setChecked(false);
    Press(kFilter);
    EXPECT_THAT(ListedNames(), ElementsAre("Nobody", "Oddity"));
    EXPECT_THAT(m_messages.Texts(), IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(SixEditors, TypeByNameTest,
                         testing::Values(Database::Launcher, Database::Profile, Database::Entity,
                                         Database::Object3D, Database::ShipClass,
                                         Database::CountryName),
                         [](const auto& info) { return std::string(CaseOf(info.param).pszName); });

TEST_F(EditorRulesTest, SearchMatchesTheLineIgnoringCaseAndTakesWildcardsLiterally) {
    Use(Database::Profile);
    const std::pair<std::uint16_t, const char*> profiles[] = {
        {3, "Kilo Class"}, {12, "Akula"},  {99, "Type 209"},    {120, "Star*Fish"},
        {456, "Boat"},     {2000, "Orca"}, {3001, "KILO copy"}, {7, "\311clair"}};
    for (const auto& [nKey, pszName] : profiles) {
        AddNamed(nKey, pszName);
    }
    Open();
    Step(+1);
    Search("kIlO");
    EXPECT_THAT(ListLines(), ElementsAre("003: Kilo Class", "3001: KILO copy"));
    EXPECT_EQ(CurrentRow(List()), 0);
    EXPECT_TRUE(AllBoxes(false));  // a search that lists something turns the type boxes off
    Search("\351CL");
    EXPECT_THAT(ListedNames(), ElementsAre("\303\211clair"));
    Search("012");
    EXPECT_THAT(ListLines(), ElementsAre("012: Akula"));
    Search("0");
    EXPECT_THAT(ListedNames(), ElementsAre("Kilo Class", "\303\211clair", "Akula", "Type 209",
                                           "Star*Fish", "Orca", "KILO copy"));
    Search("r*f");
    EXPECT_THAT(ListedNames(), ElementsAre("Star*Fish"));
    EXPECT_THAT(m_messages.Texts(), IsEmpty());
    Search("?");
    EXPECT_THAT(m_messages.Texts(), ElementsAre(kNoResults));
    EXPECT_EQ(ListLines().size(), 8u);
    EXPECT_TRUE(AllBoxes(true));
    Search("orca");
    Search(nullptr);  // cancelled: everything again
    EXPECT_EQ(ListLines().size(), 8u);
    EXPECT_TRUE(AllBoxes(true));
}

TEST_F(EditorRulesTest, TheLauncherSearchLeavesTheTypeBoxesAsTheyAre) {
    Use(Database::Launcher);
    AddNamed(1, "Tube");
    AddNamed(2, "Rail");
    Open();
    Box(kShipBox).setChecked(false);
    Search("rail");
    EXPECT_THAT(ListLines(), ElementsAre("002: Rail"));
    EXPECT_FALSE(Box(kShipBox).isChecked());
    EXPECT_TRUE(Box(kSubBox).isChecked());
}

TEST_F(EditorRulesTest, SensorsOfClassNoneOrOutsideOneToElevenAreNeverListed) {
    Use(Database::Sensor);
    const std::pair<std::int32_t, const char*> sensors[] = {
        {0, "Nothing"}, {1, "Sonar"}, {12, "Beyond"}, {-1, "Below"}, {8, "Radar"}};
    std::uint16_t nKey = 1;
    for (const auto& [nClass, pszName] : sensors) {
        std::uint8_t* pRecord = AddNamed(nKey++, pszName);
        RecordField::Set(pRecord, 44, nClass);
        RecordField::SetText(pRecord, 160, 20, std::string(pszName).substr(0, 1));
    }
    Open();
    EXPECT_THAT(ListLines(), ElementsAre("002: Sonar (S)", "005: Radar (R)"));
    Box(1252).setChecked(false);  // Radar
    Press(IDC_APPLY_FILTER);
    EXPECT_THAT(ListLines(), ElementsAre("002: Sonar (S)"));
    Box(1215).setChecked(false);  // Active
    Press(IDC_APPLY_FILTER);
    EXPECT_THAT(m_messages.Texts(), ElementsAre(kNoResults));
    EXPECT_TRUE(Box(1252).isChecked());
    EXPECT_THAT(ListLines(), ElementsAre("002: Sonar (S)", "005: Radar (R)"));

    // Only sensors that nothing lists: one warning per fill, an empty list, no endless refill.
    Reset();
    RecordField::Set<std::int32_t>(AddNamed(1, "Nothing"), 44, 0);
    Open();
    EXPECT_THAT(m_messages.Texts(), ElementsAre(kNoResults));
    EXPECT_THAT(ListLines(), IsEmpty());
    EXPECT_FALSE(Find<QPushButton>(Dialog(), kApply)->isEnabled());
    Press(IDC_APPLY_FILTER);
    EXPECT_EQ(m_messages.Texts().size(), 2u);
}

// The mast and entity editors let the Index be edited; the key follows at the next load.
class EditedIndexTest : public EditorRulesTest, public testing::WithParamInterface<Database> {
protected:
    void SetUp() override {
        Use(GetParam());
        AddNamed(3, "Alpha");
        AddNamed(5, "Bravo");
    }
    std::uint16_t StoredIndex(std::uint16_t nKey) {
        return RecordField::Get<std::uint16_t>(Stored(nKey).data(), 0);
    }
    static constexpr int kIndex = IDC_INDEX;
};

TEST_P(EditedIndexTest, AnIndexAnotherRecordHasOrStoresIsRefused) {
    const Bytes before = Stored(3);
    Open();
    Type(m_pCase->nNameId, "Renamed");
    Type(kIndex, "5");
    Press(kApply);
    EXPECT_THAT(m_messages.Texts(),
                ElementsAre("The Index 5 is already used by another record.\nNothing was stored."));
    EXPECT_EQ(Stored(3), before);
    EXPECT_EQ(Dialog().focusWidget(), &Edit(kIndex));
    m_messages.Answer(IDYES);
    Press(kExit);  // Yes with the clash stays open
    EXPECT_TRUE(Dialog().isVisible());
    EXPECT_EQ(Stored(3), before);

    Type(kIndex, "-25536");  // 40000 as a signed 16-bit number
    Press(kApply);
    EXPECT_EQ(StoredIndex(3), 40000);
    EXPECT_EQ(ListLines().back(), "003: Renamed");  // the line keeps its number until a fill
    Step(-1);
    Type(kIndex, "40000");
    Press(kApply);  // stored by the other record: refused too
    EXPECT_EQ(StoredIndex(5), 5);
    Type(kIndex, "3");  // the key Alpha leaves at the next load is free
    Press(kApply);
    EXPECT_EQ(StoredIndex(5), 3);
    EXPECT_EQ(m_messages.Texts().size(), 4u);
    if (m_pCase->nNewId != 0) {  // New after Alpha skips what Bravo stores and its key
        Type(kIndex, "4");
        Press(kApply);
        Press(m_pCase->nNewId);
        EXPECT_EQ(ListLines().back(), "006: My new Entity");
        EXPECT_EQ(FindRecord(m_doc, m_pCase->file, 4), nullptr);
    }
}

INSTANTIATE_TEST_SUITE_P(MastAndEntity, EditedIndexTest,
                         testing::Values(Database::Mast, Database::Entity),
                         [](const auto& info) { return std::string(CaseOf(info.param).pszName); });

TEST_F(EditorRulesTest, AmmunitionCombosOfferTheWeaponEntitiesAndKeepOtherValues) {
    Use(Database::Launcher);
    for (const auto& [nKey, pszName] : {std::pair{4, "Torpedo Mk2"}, std::pair{9, "Torpedo"}}) {
        const auto nIndex = static_cast<std::uint16_t>(nKey);
        AddObject(m_doc, nIndex, pszName, 2, 8);
        AddRecord(m_doc, Database::Entity, nIndex, MakeRecord(Database::Entity, nIndex, pszName));
        m_doc.m_mapWeaponEntities.insert_or_assign(nIndex, m_doc.m_mapEntities.at(nIndex));
    }
    std::uint8_t* pLauncher = AddNamed(1, "Tube");
    RecordField::Set<std::int16_t>(pLauncher, 72, 9);
    RecordField::Set<std::int16_t>(pLauncher, 74, 5);  // no weapon entity
    RecordField::Set<std::int16_t>(pLauncher, 76, -3);
    Open();
    const int kAmmo[] = {1155, 1157, 1160, 1163};
    for (const int nId : kAmmo) {
        ASSERT_EQ(Combo(nId).count(), 3);
        EXPECT_EQ(Combo(nId).itemText(0), "");
        EXPECT_EQ(Combo(nId).itemText(1), "Torpedo Mk2");
        EXPECT_EQ(Combo(nId).itemText(2), "Torpedo");
    }
    EXPECT_EQ(Combo(kAmmo[0]).currentText(), "Torpedo");
    EXPECT_EQ(Combo(kAmmo[1]).currentIndex(), 0);
    Type(1125, "8");
    Press(kApply);
    const auto ammo = [&](int n) {
        return RecordField::Get<std::int16_t>(Stored(1).data(), 72 + 2 * n);
    };
    EXPECT_EQ(ammo(1), 5);
    EXPECT_EQ(ammo(2), -3);
    Pick(Combo(kAmmo[1]), 1);
    Pick(Combo(kAmmo[0]), 0);
    Press(kApply);
    EXPECT_EQ(ammo(0), 0);
    EXPECT_EQ(ammo(1), 4);
}

TEST_F(EditorRulesTest, ThreeDObjectsAreNumberedByRowOrByKeyAndNewTakesTheCountPlusOne) {
    Use(Database::Object3D);
    AddObject(m_doc, 1, "Frigate", 1);
    const char* names[] = {"Hull A", "Frigate", "Hull C", "Frigate", "Hull E"};
    for (std::uint16_t nKey = 0; nKey < 5; ++nKey) {
        AddNamed(nKey, names[nKey]);
    }
    Open();
    Box(kSubBox).setChecked(false);
    Press(kFilter);
    EXPECT_THAT(ListLines(), ElementsAre("000: Frigate", "001: Frigate"));
    Search("frig");
    EXPECT_THAT(ListLines(), ElementsAre("001: Frigate", "003: Frigate"));
    SetBoxes(true);
    Box(kShipBox).setChecked(false);
    Press(kFilter);
    ASSERT_THAT(ListLines(), ElementsAre("000: Hull A", "001: Hull C", "002: Hull E"));
    Step(+1);
    Type(1201, "Renamed");
    Press(kApply);
    EXPECT_THAT(ListLines(), ElementsAre("000: Hull A", "002: Hull E", "001: Renamed"));
    EXPECT_EQ(RecordField::GetText(Stored(2).data(), 0, 20), "Renamed");
    Press(1212);  // three lines: New tries 4, which is taken
    EXPECT_EQ(ListLines().back(), "005: My new 3DObject");
    EXPECT_EQ(RecordField::GetText(Stored(4).data(), 0, 20), "Hull E");
}

// A stored name longer than one may type shows whole.
TEST_F(EditorRulesTest, TheAbbreviationKeepsFourBytesAndWhatFollowsItsTerminator) {
    Use(Database::CountryName);
    std::memcpy(AddNamed(1, "Twenty-nine characters long..") + 52, "WXYZ", 4);
    Open();
    EXPECT_EQ(Edit(1268).text(), "Twenty-nine characters long..");
    EXPECT_EQ(Edit(1269).text(), "WXYZ");
    Type(1269, "AB");
    Press(kApply);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(Stored(1).data() + 52), 4),
              std::string("AB\0Z", 4));
    Type(1269, "ABCDEFGH");  // eighteen may be typed; the first four are what is stored
    Press(kApply);
    const Bytes stored = Stored(1);
    Type(1269, "ABCDXYZ");
    Press(kExit);
    EXPECT_THAT(m_messages.Texts(), IsEmpty());
    EXPECT_EQ(Stored(1), stored);
    EXPECT_EQ(Edit(1269).text(), "ABCD");
}

TEST_F(EditorRulesTest, TheDocumentOrTheFrameMayDeleteAnEditorFirst) {
    Use(Database::Profile);
    Open();
    m_doc.Editor(Database::Profile) = std::move(m_pEditor);
    m_doc.DeleteContents();
    EXPECT_EQ(m_doc.Editor(Database::Profile), nullptr);
    auto pFrame = std::make_unique<QWidget>();
    m_doc.Editor(Database::Profile) = CreateEditor(Database::Profile, pFrame.get(), m_doc);
    pFrame.reset();  // the editor goes with its Qt parent; the document forgets it
    EXPECT_EQ(m_doc.Editor(Database::Profile), nullptr);
}

}  // namespace
