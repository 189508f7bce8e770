#include <QPushButton>
#include <QTest>

#include "EditorCases.h"
#include "FilterDlg.h"
#include "ProfileSlotDlg.h"
#include "RecordField.h"

namespace {

using testing::ElementsAre;
using testing::IsEmpty;

// OK and Cancel are driven by every search of the editor tests.
TEST(FilterDlgTest, EnterGivesTheTypedTextInLatin1WithoutALengthLimit) {
    CFilterDlg dialog(nullptr);
    CModalScript modal([](QDialog& shown) {
        QLineEdit& edit = *Find<QLineEdit>(shown, 1183);
        EXPECT_EQ(shown.focusWidget(), &edit);
        TypeText(edit, QString(100, 'k') + QString::fromUtf8(" *?\xC3\xA9\xE2\x82\xAC"));  // é€
        QTest::keyClick(&edit, Qt::Key_Return);
        return shown.result();
    });
    dialog.DoModal();
    EXPECT_EQ(dialog.GetFilterText(), std::string(100, 'k') + " *?\xE9");
}

class ProfileSlotDlgTest : public testing::Test {
protected:
    ProfileSlotDlgTest() {
        Bytes image = MakeRecord(Database::Profile, 42, "Slot Profile", 5);
        AddRecord(m_doc, Database::Profile, 42, image);
        m_before = image;
    }
    // Runs the dialog the way the Object editor does; script plays the user.
    void Run(const std::function<void(QDialog&)>& script) {
        CModalScript modal([&](QDialog& dialog) {
            script(dialog);
            EXPECT_FALSE(dialog.isVisible()) << "the dialog should have ended";
            return dialog.result();
        });
        CProfileSlotDlg::EditProfile(nullptr, m_doc, 42);
        EXPECT_EQ(modal.m_nRuns, 1);
    }
    Bytes Stored() { return RecordBytes(m_doc, Database::Profile, 42); }
    static QLineEdit& Edit(QDialog& dialog, int nId) { return *Find<QLineEdit>(dialog, nId); }

    CVentryDoc m_doc;
    CMessageLog m_messages;
    Bytes m_before;
};

TEST_F(ProfileSlotDlgTest, ApplyStoresInPlaceAndExitAsksAboutTheRest) {
    Run([&](QDialog& dialog) {
        EXPECT_EQ(Edit(dialog, 1004).text(), "42");
        EXPECT_EQ(Edit(dialog, 1029).text(), "Slot Profile");
        TypeInto(Edit(dialog, 1029), "Edited");
        TypeInto(Edit(dialog, 1005), "-1");
        Click(dialog, 1207);
        TypeInto(Edit(dialog, 1017), "7");
        Click(dialog, 1115);  // Undo drops it
        TypeInto(Edit(dialog, 1006), "2");
        m_messages.Answer(IDYES);
        Click(dialog, 1116);
    });
    Bytes expected = m_before;
    std::memcpy(expected.data() + 2, "Edited", 7);
    expected[22] = expected[23] = 0xFF;
    expected[24] = 2;
    expected[25] = 0;
    EXPECT_EQ(Stored(), expected);
    EXPECT_THAT(m_messages.Texts(), ElementsAre("Do you wish to retain changes made to Edited ?"));
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_THAT(ChangedDatabases(m_doc), ElementsAre(Database::Profile));
}

TEST_F(ProfileSlotDlgTest, NoAndAFieldThatDoesNotParseStoreNothing) {
    Run([&](QDialog& dialog) {
        TypeInto(Edit(dialog, 1006), "12x");
        Click(dialog, 1207);
        EXPECT_EQ(dialog.focusWidget(), &Edit(dialog, 1006));
        m_messages.Answer(IDYES);
        Click(dialog, 1116);  // Yes with the bad field stays open
        EXPECT_TRUE(dialog.isVisible());
        m_messages.Answer(IDNO);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(Stored(), m_before);
    EXPECT_EQ(m_messages.TextsWith("100-150").size(), 2u);
    EXPECT_FALSE(m_doc.IsModified());
}

}  // namespace
