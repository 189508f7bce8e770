#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QLabel>
#include <array>

#include "EditorTestSupport.h"
#include "SlotPickerDlg.h"
#include "SlotPickerKind.h"

namespace {

using testing::ElementsAre;
using testing::ElementsAreArray;

class SlotPickerTest : public testing::Test {
protected:
    template <class T>
    void Add(CIndexMap<T>& map, std::uint16_t nKey, std::size_t nOffset, const char* pszName) {
        auto pRecord = std::make_unique<T>();
        RecordField::Set(pRecord->m_data.data(), 0, nKey);
        RecordField::SetText(pRecord->m_data.data(), nOffset, 20, pszName);
        map[nKey] = std::move(pRecord);
    }

    // Runs the picker on values with script as the user; its result as PickSlots gives it.
    bool Pick(const SlotPickerKind& kind, std::vector<std::int16_t>& values,
              const std::function<void(QDialog&, QListWidget&, QListWidget&)>& script) {
        CModalScript modal([&](QDialog& picker) {
            picker.show();
            script(picker, *Find<QListWidget>(picker, kind.nSlotListId),
                   *Find<QListWidget>(picker, kind.nDatabaseListId));
            return picker.result();
        });
        const bool bOk = CSlotPickerDlg::PickSlots(nullptr, m_doc, kind, values);
        EXPECT_EQ(modal.m_nRuns, 1);
        return bOk;
    }

    CVentryDoc m_doc;
    CMessageLog m_messages;
};

TEST_F(SlotPickerTest, OkWithoutChangesReturnsTheSlotsWithMissingOnesEmptied) {
    Add(m_doc.m_mapLaunchers, 3, 100, "Tube");
    Add(m_doc.m_mapLaunchers, 7, 100, "Rail");
    std::vector<std::int16_t> values(30, 0);
    values[0] = 3;
    values[1] = 99;
    values[2] = 7;
    values[3] = 3;
    values[29] = -1;
    std::vector<std::string> slotLines;
    EXPECT_TRUE(Pick(SlotPickerKinds::kLauncher, values,
                     [&](QDialog& picker, QListWidget& slotList, QListWidget& database) {
                         slotLines = ListLines(slotList);
                         EXPECT_EQ(slotList.selectedItems().size(), 0);
                         EXPECT_EQ(database.selectedItems().size(), 0);
                         ClickButton(picker, 1);
                     }));
    std::vector<std::int16_t> expected(30, 0);
    expected[0] = 3;
    expected[2] = 7;
    expected[3] = 3;
    EXPECT_EQ(values, expected);
    ASSERT_EQ(slotLines.size(), 30u);
    EXPECT_EQ(slotLines[0], "0003: Tube");
    EXPECT_EQ(slotLines[1], "0000: empty");
    EXPECT_EQ(slotLines[2], "0007: Rail");
    EXPECT_TRUE(m_messages.m_entries.empty());
}

TEST_F(SlotPickerTest, CancelAndEscapeReturnNothing) {
    Add(m_doc.m_mapSensors, 4, 160, "Eye");
    std::vector<std::int16_t> values(9, 0);
    values[8] = 55;
    const std::vector<std::int16_t> before = values;
    EXPECT_FALSE(Pick(SlotPickerKinds::kSensor, values,
                      [](QDialog& picker, QListWidget& slotList, QListWidget& database) {
                          slotList.setCurrentRow(0);
                          DoubleClickRow(database, 1);
                          ClickButton(picker, 2);
                      }));
    EXPECT_EQ(values, before);
    EXPECT_FALSE(Pick(SlotPickerKinds::kSensor, values,
                      [](QDialog& picker, QListWidget& slotList, QListWidget& database) {
                          slotList.setCurrentRow(0);
                          DoubleClickRow(database, 1);
                          QTest::keyClick(&picker, Qt::Key_Escape);
                      }));
    EXPECT_EQ(values, before);
}

TEST_F(SlotPickerTest, EnterInTheListsActsAsOk) {
    Add(m_doc.m_mapSensors, 4, 160, "Eye");
    std::vector<std::int16_t> values(9, 0);
    EXPECT_TRUE(Pick(SlotPickerKinds::kSensor, values,
                     [](QDialog&, QListWidget& slotList, QListWidget& database) {
                         slotList.setCurrentRow(3);
                         DoubleClickRow(database, 1);
                         QTest::keyClick(&slotList, Qt::Key_Return);
                     }));
    EXPECT_THAT(values, ElementsAre(0, 0, 0, 4, 0, 0, 0, 0, 0));
}

TEST_F(SlotPickerTest, SameRecordInTwoSlotsAndTheEmptyLineEmptiesASlot) {
    Add(m_doc.m_mapAirstrips, 2, 76, "North");
    Add(m_doc.m_mapAirstrips, 12, 76, "South");
    std::vector<std::int16_t> values(10, 0);
    values[5] = 2;
    EXPECT_TRUE(Pick(SlotPickerKinds::kAirstrip, values,
                     [](QDialog& picker, QListWidget& slotList, QListWidget& database) {
                         EXPECT_THAT(ListLines(database),
                                     ElementsAre("0000: empty", "0002: North", "0012: South"));
                         slotList.setCurrentRow(0);
                         DoubleClickRow(database, 2);
                         slotList.setCurrentRow(1);
                         DoubleClickRow(database, 2);
                         slotList.setCurrentRow(5);
                         DoubleClickRow(database, 0);
                         EXPECT_EQ(slotList.item(1)->text().toStdString(), "0012: South");
                         ClickButton(picker, 1);
                     }));
    EXPECT_THAT(values, ElementsAre(12, 12, 0, 0, 0, 0, 0, 0, 0, 0));
}

TEST_F(SlotPickerTest, SelectingASlotSelectsItsRecordLine) {
    Add(m_doc.m_mapLaunchers, 1, 100, "One");
    Add(m_doc.m_mapLaunchers, 10, 100, "Ten");
    Add(m_doc.m_mapLaunchers, 100, 100, "Hundred");
    std::vector<std::int16_t> values(30, 0);
    values[1] = 10;
    EXPECT_TRUE(Pick(SlotPickerKinds::kLauncher, values,
                     [](QDialog& picker, QListWidget& slotList, QListWidget& database) {
                         slotList.setCurrentRow(1);
                         EXPECT_EQ(database.currentItem()->text().toStdString(), "0010: Ten");
                         slotList.setCurrentRow(0);
                         EXPECT_EQ(database.currentItem()->text().toStdString(), "0000: empty");
                         ClickButton(picker, 1);
                     }));
}

TEST_F(SlotPickerTest, DoubleClickWithoutSelectedSlotChangesNothing) {
    Add(m_doc.m_mapSensors, 4, 160, "Eye");
    std::vector<std::int16_t> values(9, 0);
    EXPECT_TRUE(Pick(SlotPickerKinds::kSensor, values,
                     [](QDialog& picker, QListWidget&, QListWidget& database) {
                         DoubleClickRow(database, 1);
                         ClickButton(picker, 1);
                     }));
    EXPECT_EQ(values, std::vector<std::int16_t>(9, 0));
}

TEST_F(SlotPickerTest, EmptyDatabaseShowsOnlyTheEmptyLine) {
    std::vector<std::int16_t> values(10, 3);
    EXPECT_TRUE(Pick(SlotPickerKinds::kAirstrip, values,
                     [](QDialog& picker, QListWidget& slotList, QListWidget& database) {
                         EXPECT_THAT(ListLines(database), ElementsAre("0000: empty"));
                         EXPECT_THAT(ListLines(slotList),
                                     ElementsAreArray(std::vector<std::string>(10, "0000: empty")));
                         ClickButton(picker, 1);
                     }));
    EXPECT_EQ(values, std::vector<std::int16_t>(10, 0));
}

TEST_F(SlotPickerTest, SensorLinesShowTheDisplayName) {
    auto pSensor = std::make_unique<CSensorInfo>();
    RecordField::SetText(pSensor->m_data.data(), 2, 42, "Long name");
    RecordField::SetText(pSensor->m_data.data(), 160, 20, "Display");
    m_doc.m_mapSensors[8] = std::move(pSensor);
    std::vector<std::int16_t> values(9, 0);
    values[0] = 8;
    EXPECT_TRUE(Pick(SlotPickerKinds::kSensor, values,
                     [](QDialog& picker, QListWidget& slotList, QListWidget& database) {
                         EXPECT_THAT(ListLines(database),
                                     ElementsAre("0000: empty", "0008: Display"));
                         EXPECT_EQ(slotList.item(0)->text().toStdString(), "0008: Display");
                         ClickButton(picker, 1);
                     }));
}

struct PickerShape {
    const SlotPickerKind* pKind;
    const char* pszTemplate;
    const char* pszCaption;
    int nSlots;
};

class SlotPickerShapeTest : public SlotPickerTest,
                            public testing::WithParamInterface<PickerShape> {};

TEST_P(SlotPickerShapeTest, ShowsOneNumberedLinePerSlot) {
    const PickerShape& shape = GetParam();
    std::vector<std::int16_t> values(static_cast<std::size_t>(shape.nSlots), 0);
    EXPECT_TRUE(
        Pick(*shape.pKind, values, [&](QDialog& picker, QListWidget& slotList, QListWidget&) {
            EXPECT_EQ(picker.objectName().toStdString(), shape.pszTemplate);
            EXPECT_EQ(picker.windowTitle().toStdString(), shape.pszCaption);
            EXPECT_EQ(slotList.count(), shape.nSlots);
            std::vector<std::string> labels;
            for (const QLabel* pLabel : picker.findChildren<QLabel*>()) {
                labels.push_back(pLabel->text().toStdString());
            }
            ASSERT_EQ(labels.size(), static_cast<std::size_t>(shape.nSlots));
            EXPECT_EQ(labels.front(), "01:");
            char last[8];
            std::snprintf(last, sizeof last, "%02d:", shape.nSlots);
            EXPECT_EQ(labels.back(), last);
            EXPECT_EQ(Find<QPushButton>(picker, 1)->text(), "OK");
            EXPECT_EQ(Find<QPushButton>(picker, 2)->text(), "Abbrechen");
            ClickButton(picker, 1);
        }));
}

INSTANTIATE_TEST_SUITE_P(
    ThreePickers, SlotPickerShapeTest,
    testing::Values(PickerShape{&SlotPickerKinds::kSensor, "151", "Sensor Slots", 9},
                    PickerShape{&SlotPickerKinds::kLauncher, "152", "Launcher Slots", 30},
                    PickerShape{&SlotPickerKinds::kAirstrip, "154", "Airstrip Slots", 10}),
    [](const auto& info) { return std::string(info.param.pszTemplate); });

}  // namespace
