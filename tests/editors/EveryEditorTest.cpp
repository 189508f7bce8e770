#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "EditorCases.h"
#include "RecordField.h"

namespace {

using testing::ElementsAre;
using testing::IsEmpty;
using testing::StartsWith;

constexpr const char* kNoResults =
    "The Active Filter produced no Results !\nUsing Default Filter instead";

// Float bits that a short decimal text would not give back.
constexpr std::uint32_t kAwkwardFloats[] = {0x7FC01234u, 0x80000000u, 0x00000001u, 0xFF800000u,
                                            0x3DCCCCCDu};

// What typing stores, by the field's type: little-endian bytes written out by hand.
std::string NameIn(const Bytes& record, Database file) {
    const RecordShape& shape = ShapeOf(file);
    return RecordField::GetText(record.data(), shape.nameOffset, shape.nameWidth);
}

TEST_P(EveryEditorTest, UntouchedApplyAndExitKeepEveryByte) {
    std::vector<Bytes> before;
    for (std::uint16_t nKey = 0; nKey < 24; ++nKey) {
        std::uint8_t* pRecord = AddRandom(nKey, 100u + nKey);
        std::size_t nFloat = nKey;
        for (const LayoutField& field : LayoutOf(GetParam().file).fields) {
            for (std::size_t i = 0; field.kind == FieldKind::Float && i < field.nCount; ++i) {
                RecordField::Set(pRecord, field.ElementOffset(i), kAwkwardFloats[nFloat++ % 5]);
            }
        }
        before.push_back(Stored(nKey));
    }
    Open();
    ASSERT_EQ(ListLines().size(), 24u);
    for (int i = 0; i < 24; ++i) {
        Press(kApply);
        Step(+1);
    }
    Press(kExit);
    for (std::uint16_t nKey = 0; nKey < 24; ++nKey) {
        EXPECT_EQ(Stored(nKey), before[nKey]) << "record " << nKey;
    }
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_THAT(ChangedDatabases(m_doc), IsEmpty());
    EXPECT_THAT(m_messages.Texts(), IsEmpty());
    EXPECT_FALSE(Dialog().isVisible());
}

TEST_P(EveryEditorTest, RenameMovesTheLineToTheEndAndACaseOnlyRenameKeepsIt) {
    const int nName = GetParam().nNameId;
    AddNamed(0, "Alpha");
    AddNamed(1, "Bravo");
    Open();
    ASSERT_THAT(ListLines(), ElementsAre(Line(0, "Alpha"), Line(1, "Bravo")));
    Type(nName, "ALPHA");
    Press(kApply);
    EXPECT_THAT(ListLines(), ElementsAre(Line(0, "Alpha"), Line(1, "Bravo")));
    EXPECT_EQ(NameIn(Stored(0), GetParam().file), "ALPHA");
    EXPECT_TRUE(m_doc.IsModified());
    // Only its own file is written by the next save.
    EXPECT_THAT(ChangedDatabases(m_doc), ElementsAre(GetParam().file));

    Type(nName, "Zulu");
    Press(kApply);
    EXPECT_THAT(ListLines(), ElementsAre(Line(1, "Bravo"), Line(0, "Zulu")));
    EXPECT_EQ(CurrentRow(List()), 1);
    EXPECT_EQ(NameIn(Stored(0), GetParam().file), "Zulu");
    Step(-1);
    EXPECT_EQ(Edit(nName).text(), "Bravo");
}

TEST_P(EveryEditorTest, NewCopiesTheCurrentRecordUnderTheNextFreeKey) {
    if (GetParam().nNewId == 0) {
        GTEST_SKIP() << "no New";
    }
    AddRandom(3, 1);
    AddRandom(7, 2);
    const Bytes model = Stored(3);
    Open();
    Press(GetParam().nNewId);
    const std::uint16_t nKey = GetParam().nNewKeyAfter3And7;
    ASSERT_NE(FindRecord(m_doc, GetParam().file, nKey), nullptr);
    const Bytes created = Stored(nKey);
    EXPECT_EQ(NameIn(created, GetParam().file), GetParam().pszDefaultName);
    EXPECT_THAT(ListLines().back(), StartsWith(Line(nKey, GetParam().pszDefaultName, "")));
    EXPECT_EQ(CurrentRow(List()), 2);
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_THAT(ChangedDatabases(m_doc), ElementsAre(GetParam().file));
    // Everything but the index, the name (and a sensor's display name) comes from the model.
    const RecordShape& shape = ShapeOf(GetParam().file);
    for (std::size_t i = 0; i < shape.size; ++i) {
        const bool bIndex = i < 2 && GetParam().file != Database::Object3D;
        const bool bName = i >= shape.nameOffset && i < shape.nameOffset + shape.nameWidth;
        const bool bDisplayName = GetParam().file == Database::Sensor && i >= 160;
        if (!bIndex && !bName && !bDisplayName) {
            EXPECT_EQ(created[i], model[i]) << "byte " << i;
        }
    }
}

TEST_P(EveryEditorTest, AnEmptyDatabaseStartsFromZerosAndNewStopsAfter65535) {
    const EditorCase& editor = GetParam();
    Open();
    EXPECT_THAT(ListLines(), IsEmpty());
    EXPECT_FALSE(Find<QPushButton>(Dialog(), kApply)->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(Dialog(), kUndo)->isEnabled());
    EXPECT_THAT(m_messages.Texts(), IsEmpty());
    if (editor.nNewId == 0) {
        return;
    }
    Press(editor.nNewId);
    Bytes expected(ShapeOf(editor.file).size, 0);
    if (editor.file != Database::Object3D) {
        expected[0] = 1;
    }
    RecordField::SetText(expected.data(), ShapeOf(editor.file).nameOffset,
                         ShapeOf(editor.file).nameWidth, editor.pszDefaultName);
    if (editor.file == Database::Sensor) {
        RecordField::SetText(expected.data(), 160, 20, "HandMade Sensor");
    }
    ASSERT_EQ(RecordCount(m_doc, editor.file), 1u);
    EXPECT_EQ(Stored(1), expected);
    EXPECT_TRUE(Find<QPushButton>(Dialog(), kApply)->isEnabled());
    if (editor.file == Database::Object3D) {
        return;  // numbered by position: there is always a free key after the listed ones
    }
    // New skips taken keys and stops at 65535: the last keys are taken but not listed.
    Reset();
    AddNamed(65533, "Alpha");
    for (const std::uint16_t nKey : {65534, 65535}) {
        std::uint8_t* pRecord = AddNamed(nKey, "Hidden");
        if (editor.file == Database::Sensor) {
            RecordField::Set<std::int32_t>(pRecord, 44, 8);  // Radar, which the filter hides
        }
    }
    Open();
    if (editor.nSearchId != 0) {
        Search("alpha");
    } else {
        Box(1252).setChecked(false);  // the sensor editor's Radar box
        Press(1257);
    }
    ASSERT_EQ(ListLines().size(), 1u);
    Press(editor.nNewId);
    EXPECT_THAT(m_messages.Texts(),
                ElementsAre("No new record was made: every index after the last listed one up "
                            "to 65535 is taken."));
    EXPECT_EQ(RecordCount(m_doc, editor.file), 3u);
    EXPECT_EQ(NameIn(Stored(65535), editor.file), "Hidden");
}

TEST_P(EveryEditorTest, ASearchThatFindsNothingWarnsOnceAndListsEverything) {
    if (GetParam().nSearchId == 0) {
        GTEST_SKIP() << "no search";
    }
    AddNamed(1, "Alpha");
    AddNamed(2, "Bravo");
    Open();
    Search("zzz");
    EXPECT_THAT(m_messages.Texts(), ElementsAre(kNoResults));
    EXPECT_EQ(m_messages.m_entries[0].nType, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(ListLines().size(), 2u);
}

TEST_P(EveryEditorTest, ExitAsksAboutEditsAndKeepsOrDropsThem) {
    const int nName = GetParam().nNameId;
    AddNamed(1, "Alpha");
    const Bytes before = Stored(1);
    Open();
    Type(nName, "Renamed");
    m_messages.Answer(IDNO);
    Press(kExit);
    EXPECT_THAT(m_messages.Texts(), ElementsAre("Do you wish to retain changes made to Renamed ?"));
    EXPECT_EQ(m_messages.m_entries[0].nType, MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(Stored(1), before);
    EXPECT_EQ(Edit(nName).text(), "Alpha");
    EXPECT_FALSE(Dialog().isVisible());
    EXPECT_FALSE(m_doc.Shown(GetParam().slot));

    Dialog().show();
    Type(nName, "Kept");
    m_messages.Answer(IDYES);
    Dialog().close();  // the close box, as Escape
    EXPECT_EQ(NameIn(Stored(1), GetParam().file), "Kept");
    EXPECT_FALSE(Dialog().isVisible());

    Dialog().show();  // Enter in a field is Exit; with nothing changed nothing is asked
    QTest::keyClick(&Edit(nName), Qt::Key_Return);
    EXPECT_FALSE(Dialog().isVisible());
    EXPECT_EQ(m_messages.m_entries.size(), 2u);
}

TEST_P(EveryEditorTest, SteppingAndDoubleClickShowRecordsAndDropUnappliedEdits) {
    const int nName = GetParam().nNameId;
    AddNamed(1, "One");
    AddNamed(2, "Two");
    AddNamed(3, "Three");
    Open();
    auto& spin = *Find<QScrollBar>(Dialog(), GetParam().nSpinId);
    QTest::mouseClick(&spin, Qt::LeftButton, {}, QPoint(spin.width() / 2, 2));  // upper arrow
    EXPECT_EQ(Edit(nName).text(), "One");
    Type(nName, "Changed");
    QTest::mouseClick(&spin, Qt::LeftButton, {}, QPoint(spin.width() / 2, spin.height() - 3));
    EXPECT_EQ(Edit(nName).text(), "Two");
    Step(+1);
    Step(+1);
    EXPECT_EQ(Edit(nName).text(), "Three");
    EXPECT_EQ(CurrentRow(List()), 2);
    DoubleClickRow(List(), 0);
    EXPECT_EQ(Edit(nName).text(), "One");
    Type(nName, "Changed");
    Press(kUndo);
    EXPECT_EQ(Edit(nName).text(), "One");
    EXPECT_THAT(m_messages.Texts(), IsEmpty());
    EXPECT_FALSE(m_doc.IsModified());
}

INSTANTIATE_TEST_SUITE_P(AllEditors, EveryEditorTest, testing::ValuesIn(kEditorCases),
                         [](const auto& info) { return std::string(info.param.pszName); });

// A few controls of every editor against the byte images the record layouts describe,
// written out by hand. Boxes flip the bits of their mask; "#n" picks a combo's row n.
struct HandEdit {
    Database slot;
    int nId;
    const char* pszInput;
    std::size_t nOffset;
    Bytes bytes;
};

const HandEdit kHandEdits[] = {
    {Database::Object, 1001, "Xy", 2, {'X', 'y', 0}},
    {Database::Object, 1105, "#4", 24, {6, 0, 0, 0}},
    {Database::Object, 1086, "#9", 28, {9, 0, 0, 0}},
    {Database::Object, 1011, "1.5", 72, {0, 0, 0xC0, 0x3F}},
    {Database::Object, 1021, "-1", 92, {0xFF, 0xFF}},
    {Database::Object, 1067, "255", 134, {255}},
    {Database::Object, 1089, "-100", 144, {0x9C, 0xFF, 0xFF, 0xFF}},
    {Database::Object, 1107, "65537", 150, {1, 0}},
    {Database::Object, 1059, nullptr, 334, {0x80}},
    {Database::Object, 1204, nullptr, 338, {0x20}},
    {Database::Sensor, 1119, "Xy", 2, {'X', 'y', 0}},
    {Database::Sensor, 1121, "#3", 44, {3, 0, 0, 0}},
    {Database::Sensor, 1122, "4294967295", 52, {0xFF, 0xFF, 0xFF, 0xFF}},
    {Database::Sensor, 1154, "-2", 82, {0xFE, 0xFF}},
    {Database::Sensor, 1120, "Dn", 160, {'D', 'n', 0}},
    {Database::Sensor, 1130, nullptr, 116, {0x01}},
    {Database::Launcher, 1125, "6", 2, {6, 0}},
    {Database::Launcher, 1131, "-90", 10, {0xA6, 0xFF}},
    {Database::Launcher, 1128, nullptr, 12, {0x01}},
    {Database::Launcher, 1174, "2", 56, {0, 0, 0, 0x40}},
    {Database::Launcher, 1009, "s", 80, {'s', 0}},
    {Database::Launcher, 1181, "Xy", 100, {'X', 'y', 0}},
    {Database::Airstrip, 1231, nullptr, 2, {0x04}},
    {Database::Airstrip, 1233, "1", 4, {0, 0, 0x80, 0x3F}},
    {Database::Airstrip, 1263, "Xy", 76, {'X', 'y', 0}},
    {Database::Profile, 1029, "Xy", 2, {'X', 'y', 0}},
    {Database::Profile, 1013, "-32768", 28, {0, 0x80}},
    {Database::Profile, 1017, " 4660 ", 32, {0x34, 0x12}},
    {Database::Mast, 1004, "7", 0, {7, 0}},
    {Database::Mast, 1194, "Xy", 2, {'X', 'y', 0}},
    {Database::Mast, 1009, "s", 50, {'s', 0}},
    {Database::Mast, 1213, "65536", 72, {0, 0, 1, 0}},
    {Database::Mast, 1168, "2", 88, {0, 0, 0, 0x40}},
    {Database::Entity, 1004, "-2", 0, {0xFE, 0xFF}},
    {Database::Entity, 1198, "Xy", 4, {'X', 'y', 0}},
    {Database::Entity, 1200, "7", 34, {7, 0}},
    {Database::Entity, 1199, "Ty", 36, {'T', 'y', 0}},
    {Database::Object3D, 1201, "Xy", 0, {'X', 'y', 0}},
    {Database::Object3D, 1204, "Hi", 60, {'H', 'i', 0}},
    {Database::Object3D, 1205, "1", 140, {0, 0, 0x80, 0x3F}},
    {Database::Object3D, 1229, "40000", 150, {0x40, 0x9C}},
    {Database::Object3D, 1209, "-2", 152, {0xFE, 0xFF, 0xFF, 0xFF}},
    {Database::ShipClass, 1270, "-2", 2, {0xFE, 0xFF}},
    {Database::ShipClass, 1264, "Xy", 10, {'X', 'y', 0}},
    {Database::ShipClass, 1265, "Cl", 50, {'C', 'l', 0}},
    {Database::CountryName, 1268, "Xy", 2, {'X', 'y', 0}},
    {Database::CountryName, 1015, "-1", 50, {0xFF, 0xFF}},
    {Database::CountryName, 1269, "Abcdefg", 52, {'A', 'b', 'c', 'd'}},
};

TEST_F(EditorTest, ControlsWriteTheBytesTheRecordLayoutsDescribe) {
    for (const HandEdit& edit : kHandEdits) {
        SCOPED_TRACE(testing::Message() << "control " << edit.nId);
        Use(edit.slot);
        Reset();
        AddRandom(5, 9);
        Bytes expected = Stored(5);
        Open();
        if (edit.pszInput == nullptr) {
            ClickBox(Box(edit.nId));
            expected[edit.nOffset] ^= edit.bytes[0];
        } else {
            if (edit.pszInput[0] == '#') {
                Pick(Combo(edit.nId), std::atoi(edit.pszInput + 1));
            } else {
                Type(edit.nId, edit.pszInput);
            }
            std::copy(edit.bytes.begin(), edit.bytes.end(), expected.begin() + edit.nOffset);
        }
        Press(kApply);
        EXPECT_EQ(Stored(5), expected);
    }
}

}  // namespace
