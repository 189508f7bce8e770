#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "EditorFactory.h"
#include "EditorTestSupport.h"

// A profile editor made through the factory on a document the test fills first.
class ProfileEditorTest : public testing::Test {
protected:
    static constexpr int kList = 1182;
    static constexpr int kSpin = 1145;
    static constexpr int kIndex = 1004;
    static constexpr int kName = 1029;
    static constexpr int kExit = 1116;
    static constexpr int kUndo = 1115;
    static constexpr int kApply = 1207;
    static constexpr int kNew = 1208;
    static constexpr int kFilter = 1227;
    static constexpr int kSearch = 1228;

    void Open() {
        m_pEditor = CreateEditor(EditorSlot::Profile, nullptr, m_doc);
        ASSERT_NE(m_pEditor, nullptr);
        m_doc.Shown(EditorSlot::Profile) = true;
        Dialog().show();
    }

    QDialog& Dialog() const { return *dynamic_cast<QDialog*>(m_pEditor.get()); }
    QListWidget& List() const { return *Find<QListWidget>(Dialog(), kList); }
    QLineEdit& Edit(int nId) const { return *Find<QLineEdit>(Dialog(), nId); }
    QCheckBox& Box(int nId) const { return *Find<QCheckBox>(Dialog(), nId); }
    QScrollBar& Spin() const { return *Find<QScrollBar>(Dialog(), kSpin); }
    std::vector<std::string> Lines() const { return ListLines(List()); }
    std::string Name() const { return Edit(kName).text().toStdString(); }
    const std::array<std::uint8_t, 44>& Stored(std::uint16_t nIndex) const {
        return m_doc.m_mapProfiles.at(nIndex)->m_data;
    }
    void Step(QAbstractSlider::SliderAction action) { Spin().triggerAction(action); }
    void Click(int nId) { ClickButton(Dialog(), nId); }

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

    CVentryDoc m_doc;
    CMessageLog m_messages;
    std::unique_ptr<CEditorWindow> m_pEditor;
};

// The thirteen type boxes in Sim Type order.
inline constexpr int kTypeBoxes[13] = {1214, 1215, 1220, 1224, 1218, 1219, 1223,
                                       1222, 1225, 1217, 1221, 1216, 1226};
