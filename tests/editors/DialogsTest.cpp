#include <QPushButton>
#include <QTest>

#include "EditorCases.h"
#include "FilterDlg.h"
#include "ProfileSlotDlg.h"
#include "RecordField.h"
#include "Resource.h"

namespace {

using testing::ElementsAre;
using testing::IsEmpty;

// OK and Cancel are driven by every search of the editor tests.
TEST(FilterDlgTest, EnterGivesTheTypedTextInLatin1WithoutALengthLimit) {
    CFilterDlg dialog(nullptr);
    CModalScript modal([](QDialog& shown) {
        QLineEdit& edit = *Find<QLineEdit>(shown, IDC_FILTER_TEXT);
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
        EXPECT_EQ(Edit(dialog, IDC_INDEX).text(), "42");
        EXPECT_EQ(Edit(dialog, 1029).text(), "Slot Profile");
        TypeInto(Edit(dialog, 1029), "Edited");
        TypeInto(Edit(dialog, 1005), "-1");
        Click(dialog, IDC_APPLY);
        TypeInto(Edit(dialog, 1017), "7");
        Click(dialog, IDC_UNDO);  // Undo drops it
        TypeInto(Edit(dialog, 1006), "2");
        m_messages.Answer(IDYES);
        Click(dialog, IDC_EXIT);
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

// Apply and Exit answered Yes, in an editor and in the Profile Slot dialog the Object editor
// opens: a field that does not parse stops the store, is named and keeps the dialog open.
TEST_F(EditorTest, AFieldThatDoesNotParseStopsEveryStore) {
    const std::string kQuestion = "Do you wish to retain changes made to Renamed ?";
    const std::string kProblem = "The field \"100-150\" needs an integer between -32768 and 32767.";
    for (const bool bSlot : {false, true}) {
        for (const int nButton : {kApply, kExit}) {
            SCOPED_TRACE(testing::Message() << (bSlot ? "slot " : "editor ") << nButton);
            Reset();
            RecordField::Set<std::int16_t>(AddObject(m_doc, 1, "Frigate", 1), 330, 42);
            const Bytes before = HandRecord(Database::Profile, 42, "Sonar");
            AddRecord(m_doc, Database::Profile, 42, before);
            const auto store = [&](QDialog& dialog) {
                TypeInto(*Find<QLineEdit>(dialog, 1029), QStringLiteral("Renamed"));
                TypeInto(*Find<QLineEdit>(dialog, 1006), QStringLiteral("12x"));
                if (nButton == kExit) {
                    m_messages.Answer(IDYES);
                }
                Click(dialog, nButton);
                EXPECT_TRUE(dialog.isVisible());
                EXPECT_EQ(dialog.focusWidget(), Find<QLineEdit>(dialog, 1006));
                const std::vector<std::string> expected{kQuestion, kProblem};
                EXPECT_EQ(m_messages.Texts(), nButton == kExit ? expected : std::vector{kProblem});
            };
            Use(bSlot ? Database::Object : Database::Profile);
            Open();
            if (bSlot) {
                CModalScript script([&](QDialog& slot) {
                    EXPECT_FALSE(slot.windowFlags().testFlag(Qt::WindowCloseButtonHint));
                    store(slot);
                    QTest::keyClick(&slot, Qt::Key_Escape);  // answered No
                    return slot.result();
                });
                Press(IDC_SONAR_PROFILE);
                EXPECT_EQ(script.m_nRuns, 1);
            } else {
                store(Dialog());
            }
            EXPECT_EQ(RecordBytes(m_doc, Database::Profile, 42), before);
            EXPECT_FALSE(m_doc.IsModified());
        }
    }
}

}  // namespace
