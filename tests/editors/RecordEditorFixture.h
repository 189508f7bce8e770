#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "EditorFactory.h"
#include "EditorTestSupport.h"

// One editor of any database, made through the factory on a document the test fills first.
class RecordEditorTest : public testing::Test {
protected:
    static constexpr int kExit = 1116;
    static constexpr int kUndo = 1115;
    static constexpr int kApply = 1207;
    static constexpr int kFilter = 1227;
    static constexpr int kSearch = 1228;
    static constexpr int kSub = 1214;
    static constexpr int kShip = 1215;

    RecordEditorTest(EditorSlot slot, int nListId, int nSpinId)
        : m_slot(slot), m_nListId(nListId), m_nSpinId(nSpinId) {}

    void Open() {
        m_pEditor = CreateEditor(m_slot, nullptr, m_doc);
        ASSERT_NE(m_pEditor, nullptr);
        m_doc.Shown(m_slot) = true;
        Dialog().show();
    }

    QDialog& Dialog() const { return *dynamic_cast<QDialog*>(m_pEditor.get()); }
    QListWidget& List() const { return *Find<QListWidget>(Dialog(), m_nListId); }
    QLineEdit& Edit(int nId) const { return *Find<QLineEdit>(Dialog(), nId); }
    QCheckBox& Box(int nId) const { return *Find<QCheckBox>(Dialog(), nId); }
    std::vector<std::string> Lines() const { return ListLines(List()); }
    std::string Text(int nId) const { return Edit(nId).text().toStdString(); }
    void Click(int nId) { ClickButton(Dialog(), nId); }
    void Type(int nId, const char* pszText) { TypeInto(Edit(nId), QString::fromLatin1(pszText)); }
    void StepDown() {
        Find<QScrollBar>(Dialog(), m_nSpinId)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    }
    void StepUp() {
        Find<QScrollBar>(Dialog(), m_nSpinId)->triggerAction(QAbstractSlider::SliderSingleStepSub);
    }
    void FilterOnly(int nBoxOff) {
        Box(nBoxOff).setChecked(false);
        Click(kFilter);
    }

    // Runs a search through the Filter dialog.
    void Search(const char* pszText) {
        CModalScript script([pszText](QDialog& filter) {
            QTest::keyClicks(Find<QLineEdit>(filter, 1183), QString::fromLatin1(pszText));
            ClickButton(filter, 1);
            return filter.result();
        });
        Click(kSearch);
        EXPECT_EQ(script.m_nRuns, 1);
    }

    // A record of random bytes under nKey; with bIndexed its first two bytes hold the key.
    template <class T>
    static T& AddRandom(CIndexMap<T>& map, std::uint16_t nKey, unsigned nSeed,
                        bool bIndexed = true) {
        std::mt19937 random(nSeed);
        auto pRecord = std::make_unique<T>();
        for (std::uint8_t& byte : pRecord->m_data) {
            byte = static_cast<std::uint8_t>(random());
        }
        if (bIndexed) {
            RecordField::Set(pRecord->m_data.data(), 0, nKey);
        }
        T& record = *pRecord;
        map[nKey] = std::move(pRecord);
        return record;
    }

    // A zero-filled record with its index and name.
    template <class T>
    static T& AddNamed(CIndexMap<T>& map, std::uint16_t nKey, const std::string& strName,
                       bool bIndexed = true) {
        auto pRecord = std::make_unique<T>();
        if (bIndexed) {
            RecordField::Set(pRecord->m_data.data(), 0, nKey);
        }
        RecordField::SetText(pRecord->m_data.data(), T::kNameOffset, T::kNameWidth, strName);
        T& record = *pRecord;
        map[nKey] = std::move(pRecord);
        return record;
    }

    // Opens the editor on the records of map, applies each untouched while stepping down the
    // list, and checks that no byte changed and nothing counts as modified.
    template <class T>
    void ExpectUntouchedApplyKeepsEveryByte(const CIndexMap<T>& map) {
        std::vector<std::array<std::uint8_t, T::kRecordSize>> before;
        for (const auto& [nKey, pRecord] : map) {
            before.push_back(pRecord->m_data);
        }
        Open();
        ASSERT_EQ(List().count(), static_cast<int>(map.size()));
        for (std::size_t i = 0; i < map.size(); ++i) {
            Click(kApply);
            StepDown();
        }
        std::size_t i = 0;
        for (const auto& [nKey, pRecord] : map) {
            EXPECT_EQ(pRecord->m_data, before[i++]) << "record " << nKey;
        }
        EXPECT_FALSE(m_doc.IsModified());
        EXPECT_TRUE(m_messages.m_entries.empty());
    }

    // Opens the editor on record, types into one control and applies: only that control's
    // bytes may change, to what edit says.
    template <class T>
    void ExpectEditChangesOnlyItsBytes(T& record, const ControlEdit& edit);

    const EditorSlot m_slot;
    const int m_nListId;
    const int m_nSpinId;
    CVentryDoc m_doc;
    CMessageLog m_messages;
    std::unique_ptr<CEditorWindow> m_pEditor;
};

template <class T>
void RecordEditorTest::ExpectEditChangesOnlyItsBytes(T& record, const ControlEdit& edit) {
    auto expected = record.m_data;
    std::copy(edit.bytes.begin(), edit.bytes.end(), expected.begin() + edit.nOffset);
    Open();
    Type(edit.nId, edit.pszInput);
    Click(kApply);
    EXPECT_EQ(record.m_data, expected);
    EXPECT_TRUE(m_messages.m_entries.empty());
}
