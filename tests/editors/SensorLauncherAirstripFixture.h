#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QComboBox>
#include <array>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "EditorFactory.h"
#include "EditorTestSupport.h"

// The sensor, launcher and airstrip editors, made through the factory on a document the test
// fills first. All three step with spin 1211 and share the common buttons.
class SensorLauncherAirstripTest : public testing::Test {
protected:
    static constexpr int kSpin = 1211;
    static constexpr int kExit = 1116;
    static constexpr int kUndo = 1115;
    static constexpr int kApply = 1207;
    static constexpr int kNew = 1208;
    static constexpr int kSearch = 1228;

    void Open(EditorSlot slot) {
        m_pEditor = CreateEditor(slot, nullptr, m_doc);
        ASSERT_NE(m_pEditor, nullptr);
        m_doc.Shown(slot) = true;
        Dialog().show();
    }

    QDialog& Dialog() const { return *dynamic_cast<QDialog*>(m_pEditor.get()); }
    QListWidget& List() const { return *Dialog().findChild<QListWidget*>(); }
    QLineEdit& Edit(int nId) const { return *Find<QLineEdit>(Dialog(), nId); }
    QCheckBox& Box(int nId) const { return *Find<QCheckBox>(Dialog(), nId); }
    QComboBox& Combo(int nId) const { return *Find<QComboBox>(Dialog(), nId); }
    std::vector<std::string> Lines() const { return ListLines(List()); }
    void Step(QAbstractSlider::SliderAction action) {
        Find<QScrollBar>(Dialog(), kSpin)->triggerAction(action);
    }
    void Click(int nId) { ClickButton(Dialog(), nId); }
    // Ticks or unticks a box from the keyboard: a click in the middle of a box wider than its
    // text would miss it.
    void Toggle(int nId) {
        Box(nId).setFocus();
        QTest::keyClick(&Box(nId), Qt::Key_Space);
    }
    // Picks a combo item as the keyboard would.
    void Pick(int nId, int nRow) {
        QComboBox& combo = Combo(nId);
        combo.setFocus();
        QTest::keyClick(&combo, Qt::Key_Home);
        for (int i = 0; i < nRow; ++i) {
            QTest::keyClick(&combo, Qt::Key_Down);
        }
    }

    // Runs a search through the Filter dialog; a null text cancels it.
    void Search(const char* pszText) {
        CModalScript script([pszText](QDialog& filter) {
            if (pszText == nullptr) {
                ClickButton(filter, 2);
            } else {
                QTest::keyClicks(Find<QLineEdit>(filter, 1183), QString::fromLatin1(pszText));
                ClickButton(filter, 1);
            }
            return filter.result();
        });
        Click(kSearch);
        EXPECT_EQ(script.m_nRuns, 1);
    }

    // Types into an edit, toggles a box or picks a combo's item (the input as its row).
    void Change(int nId, const char* pszInput) {
        QWidget* pControl = Find<QWidget>(Dialog(), nId);
        ASSERT_NE(pControl, nullptr) << "control " << nId;
        if (auto* pEdit = qobject_cast<QLineEdit*>(pControl)) {
            TypeInto(*pEdit, QString::fromLatin1(pszInput));
        } else if (qobject_cast<QCheckBox*>(pControl) != nullptr) {
            Toggle(nId);
        } else {
            Pick(nId, std::stoi(pszInput));
        }
    }

    // Opens the editor on the records of map, applies each untouched while stepping down the
    // list, and checks that no byte changed and nothing counts as modified.
    template <class T>
    void ExpectUntouchedApplyKeepsEveryByte(EditorSlot slot, const CIndexMap<T>& map) {
        std::vector<std::array<std::uint8_t, T::kRecordSize>> before;
        for (const auto& [nKey, pRecord] : map) {
            before.push_back(pRecord->m_data);
        }
        Open(slot);
        ASSERT_EQ(List().count(), static_cast<int>(map.size()));
        for (std::size_t i = 0; i < map.size(); ++i) {
            Click(kApply);
            Step(QAbstractSlider::SliderSingleStepAdd);
        }
        std::size_t i = 0;
        for (const auto& [nKey, pRecord] : map) {
            EXPECT_EQ(pRecord->m_data, before[i++]) << "record " << nKey;
        }
        EXPECT_FALSE(m_doc.IsModified());
        EXPECT_TRUE(m_messages.m_entries.empty());
    }

    CVentryDoc m_doc;
    CMessageLog m_messages;
    std::unique_ptr<CEditorWindow> m_pEditor;
};

// A record of random bytes under nIndex.
template <class T>
T& AddRandomRecord(CIndexMap<T>& map, std::uint16_t nIndex, unsigned nSeed) {
    std::mt19937 random(nSeed);
    auto pRecord = std::make_unique<T>();
    for (std::uint8_t& byte : pRecord->m_data) {
        byte = static_cast<std::uint8_t>(random());
    }
    RecordField::Set(pRecord->m_data.data(), 0, nIndex);
    T& record = *pRecord;
    map[nIndex] = std::move(pRecord);
    return record;
}

// What the record must hold after edit on a record that held before.
template <std::size_t N>
std::array<std::uint8_t, N> Expected(const std::array<std::uint8_t, N>& before,
                                     const ControlEdit& edit, bool bFlip) {
    std::array<std::uint8_t, N> expected = before;
    for (std::size_t i = 0; i < edit.bytes.size(); ++i) {
        std::uint8_t& byte = expected[edit.nOffset + i];
        byte = bFlip ? static_cast<std::uint8_t>(byte ^ edit.bytes[i]) : edit.bytes[i];
    }
    return expected;
}
