#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "EditorTestSupport.h"
#include "ProfileSlotDlg.h"

namespace {

using testing::ElementsAre;
using Bytes = std::array<std::uint8_t, 44>;

class ProfileSlotDlgTest : public testing::Test {
protected:
    ProfileSlotDlgTest() : m_profile(AddRandomProfile(m_doc, 42, 5)) {
        RecordField::SetText(m_profile.m_data.data(), 2, 20, "Slot Profile");
        m_before = m_profile.m_data;
    }

    // Runs the dialog the way the Object editor does; script plays the user.
    void Run(const std::function<void(QDialog&)>& script) {
        CModalScript modal([&](QDialog& dialog) {
            script(dialog);
            EXPECT_FALSE(dialog.isVisible()) << "the dialog should have ended";
            return dialog.result();
        });
        CProfileSlotDlg::EditProfile(nullptr, m_doc, m_profile);
        EXPECT_EQ(modal.m_nRuns, 1);
    }

    static QLineEdit& Edit(QDialog& dialog, int nId) { return *Find<QLineEdit>(dialog, nId); }

    CVentryDoc m_doc;
    CMessageLog m_messages;
    CProfileInfo& m_profile;
    Bytes m_before{};
};

TEST_F(ProfileSlotDlgTest, ShowsTheProfileWithTheEditorsControls) {
    Run([&](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), "157");
        EXPECT_EQ(dialog.windowTitle(), "Profile Slot");
        EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_EQ(Edit(dialog, 1004).text(), "42");
        EXPECT_FALSE(Edit(dialog, 1004).isEnabled());
        EXPECT_EQ(Edit(dialog, 1029).text(), "Slot Profile");
        EXPECT_EQ(Edit(dialog, 1013).text(),
                  QString::number(RecordField::Get<std::int16_t>(m_before.data(), 28)));
        EXPECT_TRUE(Find<QPushButton>(dialog, 1116)->isDefault());
        EXPECT_EQ(dialog.findChild<QListWidget*>(), nullptr);
        ClickButton(dialog, 1116);
    });
    EXPECT_TRUE(m_messages.m_entries.empty());
    EXPECT_EQ(m_profile.m_data, m_before);
}

TEST_F(ProfileSlotDlgTest, ApplyStoresInPlace) {
    Run([&](QDialog& dialog) {
        TypeInto(Edit(dialog, 1029), "Edited");
        TypeInto(Edit(dialog, 1005), "-1");
        ClickButton(dialog, 1207);
        EXPECT_EQ(m_profile.GetName(), "Edited");
        ClickButton(dialog, 1116);
    });
    Bytes expected = m_before;
    std::memcpy(expected.data() + 2, "Edited", 7);
    expected[22] = 0xFF;
    expected[23] = 0xFF;
    EXPECT_EQ(m_profile.m_data, expected);
    EXPECT_TRUE(m_messages.m_entries.empty());
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(ProfileSlotDlgTest, UndoReloadsTheStoredProfile) {
    Run([&](QDialog& dialog) {
        TypeInto(Edit(dialog, 1029), "Edited");
        ClickButton(dialog, 1115);
        EXPECT_EQ(Edit(dialog, 1029).text(), "Slot Profile");
        ClickButton(dialog, 1116);
    });
    EXPECT_TRUE(m_messages.m_entries.empty());
    EXPECT_EQ(m_profile.m_data, m_before);
}

TEST_F(ProfileSlotDlgTest, ExitYesStoresTheEdits) {
    m_messages.Answer(IDYES);
    Run([&](QDialog& dialog) {
        TypeInto(Edit(dialog, 1017), "7");
        ClickButton(dialog, 1116);
    });
    EXPECT_THAT(m_messages.Texts(),
                ElementsAre("Do you wish to retain changes made to Slot Profile ?"));
    EXPECT_EQ(RecordField::Get<std::int16_t>(m_profile.m_data.data(), 32), 7);
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(ProfileSlotDlgTest, ExitNoDropsTheEdits) {
    m_messages.Answer(IDNO);
    Run([&](QDialog& dialog) {
        TypeInto(Edit(dialog, 1029), "Dropped");
        QTest::keyClick(&Edit(dialog, 1029), Qt::Key_Escape);
    });
    EXPECT_THAT(m_messages.Texts(), ElementsAre("Do you wish to retain changes made to Dropped ?"));
    EXPECT_EQ(m_profile.m_data, m_before);
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(ProfileSlotDlgTest, ApplyStopsAtAFieldThatDoesNotParse) {
    Run([&](QDialog& dialog) {
        TypeInto(Edit(dialog, 1029), "Edited");
        TypeInto(Edit(dialog, 1015), "");
        ClickButton(dialog, 1207);
        EXPECT_EQ(dialog.focusWidget(), &Edit(dialog, 1015));
        EXPECT_EQ(m_profile.m_data, m_before);
        ClickButton(dialog, 1115);
        QTest::keyClick(&Edit(dialog, 1029), Qt::Key_Return);
    });
    EXPECT_THAT(m_messages.Texts(),
                ElementsAre("The field \"500-1000\" needs an integer between -32768 and 32767."));
    EXPECT_EQ(m_profile.m_data, m_before);
}

}  // namespace
