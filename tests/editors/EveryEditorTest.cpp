#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "EditorCases.h"
#include "RecordField.h"
#include "Resource.h"

namespace {

using testing::ElementsAre;
using testing::IsEmpty;
using testing::StartsWith;

// Float bits that a short decimal text would not give back.
constexpr std::uint32_t kAwkwardFloats[] = {0x7FC01234u, 0x80000000u, 0x00000001u, 0xFF800000u,
                                            0x3DCCCCCDu};

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
        Press(IDC_APPLY_FILTER);
    }
    ASSERT_EQ(ListLines().size(), 1u);
    Press(editor.nNewId);
    EXPECT_THAT(m_messages.Texts(),
                ElementsAre("No new record was made: every index after the last listed one up "
                            "to 65535 is taken."));
    EXPECT_EQ(RecordCount(m_doc, editor.file), 3u);
    EXPECT_EQ(NameIn(Stored(65535), editor.file), "Hidden");
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
    EXPECT_FALSE(m_doc.Shown(GetParam().file));

    // Only some captions have a close box; closing the window works as Escape in all.
    EXPECT_EQ(Dialog().windowFlags().testFlag(Qt::WindowCloseButtonHint), GetParam().bCloseBox);
    Dialog().show();
    Type(nName, "Kept");
    m_messages.Answer(IDYES);
    Dialog().close();
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

}  // namespace
