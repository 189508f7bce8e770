#include <QPushButton>
#include <QTest>

#include "EditorCases.h"
#include "FilterDlg.h"
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
