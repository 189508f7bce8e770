#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QTableView>
#include <QTest>

#include "AppTestSupport.h"
#include "DocRecords.h"
#include "MainFrame.h"
#include "RecordField.h"
#include "Resource.h"

namespace {

using testing::ElementsAre;
using testing::IsEmpty;

// The program with its real editors on three objects whose masses are 300, 20000 and 100, a
// sensor and an entity.
class BulkEditTest : public AppTest {
protected:
    void SetUp() override {
        m_objects = {HandRecord(Database::Object, 1, "Frigate",
                                {{24, {2}}, {32, Text("Patrol")}, {92, {0x2C, 0x01}}}),
                     HandRecord(Database::Object, 2, "Kite",
                                {{24, {3}}, {32, Text("patrol line")}, {92, {0x20, 0x4E}}}),
                     HandRecord(Database::Object, 3, "K\xF8ge",
                                {{24, {2}}, {32, Text("Patrolling")}, {92, {0x64, 0}}})};
        StartOn({{Database::Object, Concat(m_objects)},
                 {Database::Sensor, HandRecord(Database::Sensor, 5, "K\xD8GE Radar",
                                               {{44, {8}}, {76, {0x2C, 0x01}}})},
                 {Database::Entity, HandRecord(Database::Entity, 300, "Crew")}});
    }
    void OpenTable() const {
        Command(ID_EXTRAS_TABLE_VIEW);
        Window(IDD_TABLE_VIEW).activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Window(IDD_TABLE_VIEW)));
        Table().setFocus();
    }
    static Bytes Text(const char* pszText) { return Bytes(pszText, pszText + strlen(pszText)); }
    QTableView& Table() const { return *Find<QTableView>(Window(IDD_TABLE_VIEW), IDC_TABLE); }
    int ColumnOf(const char* pszName) const {
        const QAbstractItemModel& cells = *Table().model();
        for (int nColumn = 0; nColumn < cells.columnCount(); ++nColumn) {
            if (cells.headerData(nColumn, Qt::Horizontal).toString() == QLatin1String(pszName)) {
                return nColumn;
            }
        }
        return -1;
    }
    std::vector<std::string> Cells(const char* pszColumn) const {
        std::vector<std::string> cells;
        for (int nRow = 0; nRow < Table().model()->rowCount(); ++nRow) {
            cells.push_back(
                Table().model()->index(nRow, ColumnOf(pszColumn)).data().toString().toStdString());
        }
        return cells;
    }
    // Selects rows nFirst to nLast of the columns from pszFirst to pszLast, the current cell at
    // the top left.
    void Select(int nFirst, int nLast, const char* pszFirst, const char* pszLast = nullptr) const {
        const QAbstractItemModel& cells = *Table().model();
        const QModelIndex from = cells.index(nFirst, ColumnOf(pszFirst));
        Table().selectionModel()->setCurrentIndex(from, QItemSelectionModel::NoUpdate);
        Table().selectionModel()->select(
            QItemSelection(from, cells.index(nLast, ColumnOf(pszLast ? pszLast : pszFirst))),
            QItemSelectionModel::ClearAndSelect);
    }
    void Key(Qt::Key key) const { QTest::keyClick(&Table(), key, Qt::ControlModifier); }
    // The Edit menu's Undo, and the objects are as loaded again.
    void ExpectUndoneBy(const char* pszStep) const {
        EXPECT_EQ(Action(ID_EDIT_UNDO)->text(), QStringLiteral("&Undo %1\tCtrl+Z").arg(pszStep));
        Command(ID_EDIT_UNDO);
        for (std::uint16_t nKey = 1; nKey <= 3; ++nKey) {
            EXPECT_EQ(RecordBytes(*Doc(), Database::Object, nKey), m_objects[nKey - 1u]) << nKey;
        }
        EXPECT_FALSE(Action(ID_EDIT_UNDO)->isEnabled());
    }

    std::vector<Bytes> m_objects;
};

// The line under the expression counts the cells as one types; a result that does not fit one
// cell refuses them all and names that cell.
TEST_F(BulkEditTest, SetValuesChangesTheSelectedCellsOfAColumnAsOneStep) {
    EXPECT_FALSE(Action(ID_EDIT_SET_VALUES)->isEnabled());
    OpenTable();
    EXPECT_TRUE(Action(ID_EDIT_SET_VALUES)->isEnabled());
    Select(0, 2, "mass");
    std::vector<QString> counts;
    CModalScript script([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Set Values");
        auto& expression = *Find<QLineEdit>(dialog, IDC_EXPRESSION);
        const auto type = [&](const char* pszText) {
            TypeInto(expression, QString::fromLatin1(pszText));
            counts.push_back(Find<QLabel>(dialog, IDC_CHANGE_COUNT)->text());
        };
        type("*2");
        Click(dialog, IDOK);  // refused: the dialog stays
        type("=300");
        Click(dialog, IDOK);
        return dialog.result();
    });
    Key(Qt::Key_E);
    EXPECT_THAT(counts, ElementsAre("object 2: mass: 40000 does not fit between -32768 and 32767.",
                                    "2 of 3 cells will change"));
    EXPECT_THAT(m_messages.Texts(),
                ElementsAre("object 2: mass: 40000 does not fit between -32768 and 32767."));
    EXPECT_THAT(Cells("mass"), ElementsAre("300", "300", "300"));
    EXPECT_EQ(RecordBytes(*Doc(), Database::Object, 2)[93], 0x01);
    ExpectUndoneBy("2 cells in object");

    // From the Edit menu: names by name; a selection across columns is refused.
    Select(0, 1, "object_type");
    CModalScript byName([&](QDialog& dialog) {
        TypeInto(*Find<QLineEdit>(dialog, IDC_EXPRESSION), QStringLiteral("missile"));
        Click(dialog, IDOK);
        return dialog.result();
    });
    Command(ID_EDIT_SET_VALUES);
    EXPECT_THAT(Cells("object_type"), ElementsAre("Missile", "Missile", "Surf"));
    EXPECT_EQ(RecordBytes(*Doc(), Database::Object, 2)[24], 9);
    Select(0, 1, "name", "id");
    Command(ID_EDIT_SET_VALUES);
    EXPECT_EQ(m_messages.Texts().back(),
              "Set Values sets the cells of one column; the selection spans several.");
    EXPECT_EQ(byName.m_nRuns, 1);
    ExpectUndoneBy("2 cells in object");
}

// A block from a spreadsheet goes in from the current cell, a single value fills the
// selection; either is checked whole before anything changes.
TEST_F(BulkEditTest, PasteTakesABlockOrFillsTheSelectionAllOrNothing) {
    OpenTable();
    QClipboard& clipboard = *QApplication::clipboard();
    Select(1, 1, "name");
    clipboard.setText(QStringLiteral("Sloop\t7\r\n\"K\u00F8ge \"\"II\"\"\"\t8\r\n"));
    Key(Qt::Key_V);
    EXPECT_THAT(Cells("name"), ElementsAre("Frigate", "Sloop", "K\u00F8ge \"II\""));
    EXPECT_THAT(Cells("id"), ElementsAre("0", "7", "8"));
    EXPECT_EQ(RecordBytes(*Doc(), Database::Object, 3)[2], 'K');
    EXPECT_EQ(RecordBytes(*Doc(), Database::Object, 3)[3], 0xF8);
    ExpectUndoneBy("4 cells in object");

    clipboard.setText(QStringLiteral("A\tx\nB\t9\n"));
    Select(0, 0, "name");
    Key(Qt::Key_V);
    Select(0, 2, "default_doctrine");
    clipboard.setText(QStringLiteral("Hold\n"));
    Key(Qt::Key_V);
    EXPECT_THAT(Cells("default_doctrine"), ElementsAre("Hold", "Hold", "Hold"));
    Select(2, 2, "mass");
    clipboard.setText(QStringLiteral("1\n2\n"));
    Key(Qt::Key_V);  // a block that reaches beyond the table
    EXPECT_THAT(m_messages.Texts(),
                ElementsAre("object 1: id: \"x\" needs an integer between -32768 and 32767.",
                            "The 2 \u00D7 1 cells on the clipboard reach beyond the table from the "
                            "current cell."));
    ExpectUndoneBy("3 cells in object");
}

// Whole words or any part, whatever the letter case, Latin-1 capitals too; a result longer
// than its field refuses the step.
TEST_F(BulkEditTest, FindAndReplaceChangesTextCellsAsOneStep) {
    OpenTable();
    const auto replace = [&](const char* pszFind, const char* pszWith, bool bWholeWord) {
        CModalScript script([&](QDialog& dialog) {
            EXPECT_EQ(dialog.objectName(), QString::number(IDD_FIND_REPLACE));
            TypeInto(*Find<QLineEdit>(dialog, IDC_REPLACE_FIND), QString::fromUtf8(pszFind));
            TypeInto(*Find<QLineEdit>(dialog, IDC_REPLACE_WITH), QString::fromUtf8(pszWith));
            Find<QCheckBox>(dialog, IDC_WHOLE_WORD)->setChecked(bWholeWord);
            Click(dialog, IDOK);
            return dialog.result();
        });
        Key(Qt::Key_H);
    };
    Select(0, 0, "name");
    replace("PATROL", "Watch", true);
    EXPECT_THAT(Cells("default_doctrine"), ElementsAre("Watch", "Watch line", "Patrolling"));
    replace("\xC3\x98G", "og", false);
    EXPECT_THAT(Cells("name"), ElementsAre("Frigate", "Kite", "Koge"));
    replace("o", "-a long replacement-", false);
    replace("nowhere", "x", false);
    EXPECT_THAT(m_messages.Texts(),
                ElementsAre("object 3: name: \"K-a long replacement-ge\" holds more than 20 "
                            "characters.",
                            "No cell holds \"nowhere\"."));
    Select(0, 1, "default_doctrine");  // only the selection
    replace("watch", "Guard", false);
    EXPECT_THAT(Cells("default_doctrine"), ElementsAre("Guard", "Guard line", "Patrolling"));
    Command(ID_EDIT_UNDO);
    Command(ID_EDIT_UNDO);
    ExpectUndoneBy("2 cells in object");
}

// Ctrl+F in the main window; the lines follow the set and open their records.
TEST_F(BulkEditTest, FindInSetListsEveryMatchingFieldAndOpensItsRecord) {
    Frame()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Frame()));
    QTest::keyClick(Frame(), Qt::Key_F, Qt::ControlModifier);
    QDialog& window = Window(IDD_FIND_IN_SET);
    EXPECT_EQ(window.windowTitle(), "Find in Set");
    auto& results = *Find<QAbstractItemView>(window, IDC_FIND_RESULTS);
    const auto find = [&](const QString& query) {
        TypeInto(*Find<QLineEdit>(window, IDC_FIND_QUERY), query);
        Click(window, IDC_FIND);
        return Lines(results);
    };
    EXPECT_THAT(find(QStringLiteral("k\u00F8ge")),
                ElementsAre("object: 3: K\u00F8ge (name)", "sensor: 5: K\u00D8GE Radar (name)"));
    EXPECT_THAT(
        find(QStringLiteral("300")),
        ElementsAre("object: 1: Frigate (mass)", "sensor: 5: K\u00D8GE Radar (counter_det_rng)",
                    "entity: 300: Crew (index)"));
    EXPECT_EQ(Find<QLabel>(window, IDC_FIND_SUMMARY)->text(), "3 fields hold \"300\".");
    OpenTable();
    Table().model()->setData(Table().model()->index(1, ColumnOf("mass")), QStringLiteral("300"));
    QApplication::processEvents();
    EXPECT_EQ(Lines(results).at(1), "object: 2: Kite (mass)");
    DoubleClickRow(results, 2);
    const QAbstractItemView& sensors = *Find<QAbstractItemView>(Window(139), 1118);
    EXPECT_EQ(Lines(sensors).at(static_cast<std::size_t>(CurrentRow(sensors))),
              "005: K\u00D8GE Radar ()");
    EXPECT_THAT(find(QStringLiteral("zzz")), IsEmpty());
    EXPECT_EQ(Find<QLabel>(window, IDC_FIND_SUMMARY)->text(), "Nothing holds \"zzz\".");
    EXPECT_THAT(m_messages.Texts(), IsEmpty());
}

}  // namespace
