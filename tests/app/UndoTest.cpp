#include <QAction>
#include <QCoreApplication>
#include <QPushButton>
#include <QTableView>
#include <random>

#include "AppTestSupport.h"
#include "MainFrame.h"
#include "RecordField.h"
#include "Resource.h"

namespace {

using testing::ElementsAre;

constexpr unsigned kUndo = ID_EDIT_UNDO;
constexpr unsigned kRedo = ID_EDIT_REDO;

// The program with its real editors on a set in the current directory.
class UndoTest : public AppTest {
protected:
    // The database files of the set as a save writes them into directory.
    std::map<Database, Bytes> SavedInto(const std::string& directory) const {
        const auto path = m_dir.Path() / directory;
        std::filesystem::create_directories(path);
        EXPECT_TRUE(Doc()->OnSaveDocument(SetFilePath(path, Database::Object)));
        return ReadSet(path);
    }
    void UndoAll() const {
        while (Action(kUndo)->isEnabled()) {
            Command(kUndo);
        }
    }
    void RedoAll() const {
        while (Action(kRedo)->isEnabled()) {
            Command(kRedo);
        }
    }
    // Sets one cell of the Table View, as typing into it would.
    void EditCell(Database database, int nRow, int nColumn, const QString& value) const {
        Command(ID_EXTRAS_TABLE_VIEW);
        Pick(*Find<QComboBox>(Window(IDD_TABLE_VIEW), IDC_DATABASE_CHOICE),
             static_cast<int>(database));
        QAbstractItemModel& cells = *View(IDD_TABLE_VIEW, IDC_TABLE).model();
        cells.setData(cells.index(nRow, nColumn), value);
    }
};

// Six records per database, random bytes that every editor's start list shows.
std::map<Database, Bytes> RandomSet(unsigned nSeed) {
    std::mt19937 random(nSeed);
    std::map<Database, Bytes> files;
    for (const RecordShape& shape : kRecordShapes) {
        std::vector<Bytes> records;
        for (std::uint16_t nKey = 1; nKey <= 6; ++nKey) {
            Bytes record = PatternBytes(shape.size, random());
            if (shape.file != Database::Object3D) {
                RecordField::Set(record.data(), 0, nKey);
            }
            RecordField::SetText(record.data(), shape.nameOffset, shape.nameWidth,
                                 "N" + std::to_string(nKey));
            if (shape.file == Database::Object) {
                RecordField::Set<std::int32_t>(record.data(), 28, nKey % 13);  // Sim Type
            } else if (shape.file == Database::Sensor) {
                RecordField::Set<std::int32_t>(record.data(), 44, 1 + nKey % 11);  // class
            }
            records.push_back(record);
        }
        files[shape.file] = Concat(records);
    }
    return files;
}

class UndoEveryEditorTest : public UndoTest, public testing::WithParamInterface<Database> {};

// Whatever the steps, undoing them all gives back the loaded files byte for byte, and redoing
// them all the files as they were before the undos.
TEST_P(UndoEveryEditorTest, UndoingEveryStepGivesTheLoadedFilesAndRedoingGivesTheEditedOnes) {
    const std::map<Database, Bytes> loaded = RandomSet(static_cast<unsigned>(GetParam()) + 1);
    StartOn(loaded);
    const unsigned kCommands[] = {ID_VIEW_OBJECTS,     ID_VIEW_SENSORS,   ID_VIEW_LAUNCHERS,
                                  ID_VIEW_AIRSTRIPS,   ID_VIEW_ENTITIES,  ID_VIEW_PROFILES,
                                  ID_VIEW_MASTS,       ID_VIEW_3DOBJECTS, ID_VIEW_SHIPCLASSES,
                                  ID_VIEW_COUNTRYNAMES};
    Action(kCommands[static_cast<std::size_t>(GetParam())], kToolBar)->trigger();
    QDialog& editor = *dynamic_cast<QDialog*>(Doc()->Editor(GetParam()).get());
    std::vector<QLineEdit*> edits;
    for (QLineEdit* pEdit : editor.findChildren<QLineEdit*>()) {
        if (pEdit->isEnabled() && pEdit->objectName() != QString::number(IDC_INDEX)) {
            edits.push_back(pEdit);
        }
    }
    QPushButton* pNew = nullptr;
    for (QPushButton* pButton : editor.findChildren<QPushButton*>()) {
        pNew = pButton->text().startsWith(QStringLiteral("New")) ? pButton : pNew;
    }
    ASSERT_FALSE(edits.empty());
    std::mt19937 random(static_cast<unsigned>(GetParam()) + 100);
    for (int nAction = 0; nAction < 24; ++nAction) {
        const auto nNumber = QString::number(random() % 100);
        switch (random() % 3) {
            case 0: {
                QLineEdit& edit = *edits[random() % edits.size()];
                TypeInto(edit, edit.validator() ? QStringLiteral("T") + nNumber : nNumber);
                Click(editor, IDC_APPLY);
                break;
            }
            case 1:
                if (pNew != nullptr) {
                    Click(editor, pNew->objectName().toInt());
                }
                break;
            default:
                EditCell(GetParam(), static_cast<int>(random() % 6),
                         1 + static_cast<int>(random() % 4), nNumber);
                break;
        }
        Click(editor, IDC_UNDO);  // whatever did not parse goes
    }
    ASSERT_TRUE(Action(kUndo)->isEnabled());
    const std::map<Database, Bytes> edited = SavedInto("edited");
    ASSERT_NE(edited, loaded);
    UndoAll();
    EXPECT_EQ(SavedInto("undone"), loaded);
    RedoAll();
    EXPECT_EQ(SavedInto("redone"), edited);
}

INSTANTIATE_TEST_SUITE_P(AllEditors, UndoEveryEditorTest,
                         testing::Values(Database::Object, Database::Sensor, Database::Launcher,
                                         Database::Airstrip, Database::Entity, Database::Profile,
                                         Database::Mast, Database::Object3D, Database::ShipClass,
                                         Database::CountryName),
                         [](const testing::TestParamInfo<Database>& info) {
                             return std::string(LayoutOf(info.param).name == "3dobject"
                                                    ? "Object3D"
                                                    : LayoutOf(info.param).name);
                         });

class UndoMenuTest : public UndoTest {
protected:
    void SetUp() override {
        StartOn({{Database::Object, Concat({HandRecord(Database::Object, 1, "Frigate", {{28, {1}}}),
                                            HandRecord(Database::Object, 2, "R&D", {{28, {1}}})})},
                 {Database::Sensor, HandRecord(Database::Sensor, 4, "Radar", {{44, {8}}})}});
        Command(ID_VIEW_OBJECTS);
    }
    QLineEdit& Name() const { return *Find<QLineEdit>(Window(130), 1001); }
    void Rename(const char* pszName) const {
        TypeInto(Name(), QString::fromLatin1(pszName));
        Click(Window(130), IDC_APPLY);
    }
    QString Text(unsigned nID) const { return Action(nID)->text(); }
};

// The Edit menu names the step it would take; the History lists every step and moves there on
// a double-click; the modified mark follows the position of the last load or save.
TEST_F(UndoMenuTest, TheEditMenuAndTheHistoryNameEveryStepAndTheModifiedMarkFollows) {
    EXPECT_FALSE(Action(kUndo)->isEnabled());
    EXPECT_FALSE(Action(kRedo)->isEnabled());
    EXPECT_EQ(Text(kUndo), "&Undo\tCtrl+Z");

    Rename("Corvette");
    EXPECT_EQ(Text(kUndo), "&Undo Apply to object 1 Corvette\tCtrl+Z");
    EXPECT_TRUE(Doc()->IsModified());
    Click(Window(130), 1210);  // New Object
    EXPECT_EQ(Text(kUndo), "&Undo New Object 3\tCtrl+Z");
    EditCell(Database::Sensor, 0, 1, QStringLiteral("Sonar"));
    EXPECT_EQ(Text(kUndo), "&Undo 1 cell in sensor\tCtrl+Z");

    Command(kUndo);
    EXPECT_EQ(Text(kRedo), "&Redo 1 cell in sensor\tCtrl+Y");
    EXPECT_TRUE(Action(kRedo)->isEnabled());
    ASSERT_TRUE(Doc()->OnSaveDocument(Doc()->GetPathName()));
    EXPECT_FALSE(Doc()->IsModified());
    Command(kUndo);  // the set no longer is the saved one
    EXPECT_TRUE(Doc()->IsModified());
    Command(kRedo);
    EXPECT_FALSE(Doc()->IsModified());

    Command(ID_EDIT_HISTORY);
    QAbstractItemView& history = View(IDD_HISTORY, IDC_HISTORY);
    EXPECT_THAT(Lines(history), ElementsAre("Set as loaded", "Apply to object 1 Corvette",
                                            "New Object 3", "1 cell in sensor"));
    EXPECT_EQ(CurrentRow(history), 2);
    DoubleClickRow(history, 0);
    EXPECT_EQ(Name().text(), "Frigate");
    EXPECT_EQ(Doc()->History().Position(), 0u);
    EXPECT_TRUE(Doc()->IsModified());
    QCoreApplication::processEvents();
    EXPECT_EQ(CurrentRow(history), 0);
    DoubleClickRow(history, 3);
    EXPECT_EQ(RecordField::GetText(Doc()->Records(Database::Sensor).Find(4), 2, 42), "Sonar");
    EXPECT_FALSE(Action(kRedo)->isEnabled());

    Rename("R&D Ship");  // a new step drops the undone ones; an ampersand is a letter
    EXPECT_EQ(Text(kUndo), "&Undo Apply to object 1 R&&D Ship\tCtrl+Z");
    EXPECT_FALSE(Action(kRedo)->isEnabled());
    EXPECT_THAT(m_messages.Texts(), testing::IsEmpty());
}

// Before an undo changes the record an editor shows with edits not yet applied, the editor
// asks its question: No drops them and the undo runs; Yes applies them as a step, which the
// undo then takes back, so Redo brings them back.
TEST_F(UndoMenuTest, AnEditorWithUnappliedEditsOfTheRecordAsksBeforeTheUndo) {
    Rename("Corvette");
    TypeInto(Name(), QStringLiteral("Typed"));
    m_messages.Answer(IDNO);
    Command(kUndo);
    EXPECT_THAT(m_messages.Texts(), ElementsAre("Do you wish to retain changes made to Typed ?"));
    EXPECT_EQ(Name().text(), "Frigate");
    EXPECT_FALSE(Action(kUndo)->isEnabled());

    Command(kRedo);
    EXPECT_EQ(Name().text(), "Corvette");
    TypeInto(Name(), QStringLiteral("Kept"));
    m_messages.Answer(IDYES);
    Command(kUndo);
    EXPECT_EQ(m_messages.Texts().size(), 2u);
    EXPECT_EQ(Name().text(), "Corvette");
    EXPECT_EQ(Text(kRedo), "&Redo Apply to object 1 Kept\tCtrl+Y");

    // An undo of another record asks nothing.
    Click(Window(130), 1210);  // New Object 3, current
    Command(kUndo);
    EXPECT_EQ(m_messages.Texts().size(), 2u);
}

// Undoing New takes the record out of the set and out of the list; the editor goes back to
// the record that was current before New. Redo brings it back at the end of the list.
TEST_F(UndoMenuTest, UndoOfNewTakesTheRecordOutOfTheListAndTheSet) {
    QAbstractItemView& list = View(130, 1113);
    DoubleClickRow(list, 1);
    Click(Window(130), 1210);
    EXPECT_THAT(Lines(list), ElementsAre("001: Frigate", "002: R&D", "003: My new Object"));
    EXPECT_EQ(CurrentRow(list), 2);
    Command(kUndo);
    EXPECT_THAT(Lines(list), ElementsAre("001: Frigate", "002: R&D"));
    EXPECT_EQ(CurrentRow(list), 1);
    EXPECT_EQ(Name().text(), "R&D");
    EXPECT_EQ(Doc()->Records(Database::Object).Find(3), nullptr);
    EXPECT_FALSE(Doc()->IsModified());
    Command(kRedo);
    EXPECT_THAT(Lines(list), ElementsAre("001: Frigate", "002: R&D", "003: My new Object"));
    EXPECT_EQ(CurrentRow(list), 1);
}

}  // namespace
