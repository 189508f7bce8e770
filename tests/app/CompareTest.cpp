#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QTest>

#include "AppTestSupport.h"
#include "DocRecords.h"
#include "MainFrame.h"
#include "Resource.h"

namespace {

using testing::ElementsAre;

// Object 1: mass at 92, sensor slot 2 at 302 (sensor 5 exists in the open set).
Bytes Frigate(Bytes mass, Bytes slot) {
    return HandRecord(Database::Object, 1, "Frigate", {{92, mass}, {302, slot}});
}

class CompareTest : public AppTest {
protected:
    void SetUp() override {
        m_strFileToChoose =
            WriteSet(m_dir.Path() / "other",
                     {{Database::Object, Concat({Frigate({0x5E, 0x01}, {5}),
                                                 HandRecord(Database::Object, 2, "Corv"), m_tug})}},
                     'g');
        StartOn({{Database::Object, Concat({Frigate({0x2C, 0x01}, {0}),
                                            HandRecord(Database::Object, 2, "Corvette")})},
                 {Database::Sensor, HandRecord(Database::Sensor, 5, "Radar")}});
        Command(ID_EXTRAS_COMPARE);
        m_pWindow = &Window(IDD_COMPARE);
        m_pList = Find<QAbstractItemView>(*m_pWindow, IDC_DIFFERENCES);
    }
    // The lines once the window has followed the last change.
    std::vector<std::string> Rows() const {
        QCoreApplication::processEvents();
        return Lines(*m_pList);
    }
    // Ctrl+clicks on the rows, then Take Other.
    void Take(std::initializer_list<int> rows) const {
        m_pList->clearSelection();
        for (const int nRow : rows) {
            const QRect rect = m_pList->visualRect(m_pList->model()->index(nRow, 0));
            QTest::mouseClick(m_pList->viewport(), Qt::LeftButton, Qt::ControlModifier,
                              rect.center());
        }
        Click(*m_pWindow, IDC_TAKE_OTHER);
    }

    Bytes m_tug = HandRecord(Database::Object, 3, "Tug", {{28, {9}}});
    QDialog* m_pWindow = nullptr;
    QAbstractItemView* m_pList = nullptr;
};

const char* const kMass = "object.eod: 1: mass: 300 -> 350";
const char* const kSlot = "object.eod: 1: sensor_slots_2: 0 -> 5";
const char* const kName = "object.eod: 2: name: Corvette -> Corv";
const char* const kAdded = "object.eod: 3: added";
const char* const kRemoved = "sensor.esd: 5: removed";

TEST_F(CompareTest, ListsTheDifferencesAndTakesTheChosenValuesAsOneStep) {
    EXPECT_EQ(m_pWindow->windowTitle(), "Compare");
    EXPECT_EQ(m_pWindow->findChild<QLabel*>()->text().toStdString(),
              "Compared with " + m_strFileToChoose + ": 5 differences.");
    EXPECT_THAT(Rows(), ElementsAre(kMass, kSlot, kName, kAdded, kRemoved));
    ClickBox(*Find<QCheckBox>(*m_pWindow, IDC_CHANGED_ONLY));
    EXPECT_THAT(Rows(), ElementsAre(kMass, kSlot, kName));
    ClickBox(*Find<QCheckBox>(*m_pWindow, IDC_CHANGED_ONLY));

    Take({0, 2});
    EXPECT_EQ(Action(ID_EDIT_UNDO)->text(), "&Undo take 2 values from object.god\tCtrl+Z");
    EXPECT_EQ(RecordBytes(*Doc(), Database::Object, 1), Frigate({0x5E, 0x01}, {0}));
    // The bytes after the shorter name are zeros again, not the rest of the longer one.
    EXPECT_EQ(RecordBytes(*Doc(), Database::Object, 2), HandRecord(Database::Object, 2, "Corv"));
    EXPECT_THAT(Rows(), ElementsAre(kSlot, kAdded, kRemoved));

    Command(ID_EDIT_UNDO);
    EXPECT_EQ(RecordBytes(*Doc(), Database::Object, 1), Frigate({0x2C, 0x01}, {0}));
    EXPECT_EQ(RecordBytes(*Doc(), Database::Object, 2),
              HandRecord(Database::Object, 2, "Corvette"));
    EXPECT_THAT(Rows(), ElementsAre(kMass, kSlot, kName, kAdded, kRemoved));
    EXPECT_TRUE(m_messages.m_entries.empty());

    Take({3, 4});
    EXPECT_EQ(Action(ID_EDIT_UNDO)->text(), "&Undo take 1 record from object.god\tCtrl+Z");
    EXPECT_EQ(RecordBytes(*Doc(), Database::Object, 3), m_tug);
    EXPECT_EQ(RecordCount(*Doc(), Database::Sensor), 1u);
    EXPECT_THAT(m_messages.Texts(), ElementsAre("This set keeps 1 record that the other set does "
                                                "not have: Ventry removes no records."));
    EXPECT_THAT(Rows(), ElementsAre(kMass, kSlot, kName, kRemoved));

    // An editor's unapplied edit of a record to take values into is kept or dropped first.
    DoubleClickRow(*m_pList, 0);
    auto* pObjects = Find<QAbstractItemView>(*Find<QDialog>(*Frame(), 130), 1113);
    EXPECT_EQ(Lines(*pObjects).at(static_cast<std::size_t>(CurrentRow(*pObjects))), "001: Frigate");
    TypeInto(*Find<QLineEdit>(*Find<QDialog>(*Frame(), 130), 1001), QStringLiteral("Fregatte"));
    m_messages.Answer(IDYES);
    Take({1});
    EXPECT_EQ(m_messages.Texts().back(), "Do you wish to retain changes made to Fregatte ?");
    EXPECT_EQ(RecordBytes(*Doc(), Database::Object, 1),
              HandRecord(Database::Object, 1, "Fregatte", {{92, {0x2C, 0x01}}, {302, {5}}}));
    EXPECT_EQ(Action(ID_EDIT_UNDO)->text(), "&Undo take 1 value from object.god\tCtrl+Z");
}

}  // namespace
