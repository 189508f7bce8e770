#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QLabel>

#include "EditorTestSupport.h"
#include "FilterDlg.h"

namespace {

std::string RunFilter(const std::function<void(QDialog&, QLineEdit&)>& script) {
    CFilterDlg dialog(nullptr);
    CModalScript modal([&](QDialog& shown) {
        script(shown, *Find<QLineEdit>(shown, 1183));
        return shown.result();
    });
    dialog.DoModal();
    return dialog.GetFilterText();
}

TEST(FilterDlgTest, HasItsTemplateCaptionAndControls) {
    RunFilter([](QDialog& dialog, QLineEdit& edit) {
        EXPECT_EQ(dialog.objectName(), "159");
        EXPECT_EQ(dialog.windowTitle(), "Filter Dialog");
        EXPECT_EQ(Find<QPushButton>(dialog, 1)->text(), "OK");
        EXPECT_TRUE(Find<QPushButton>(dialog, 1)->isDefault());
        EXPECT_EQ(Find<QPushButton>(dialog, 2)->text(), "Abbrechen");
        QStringList labels;
        for (const QLabel* pLabel : dialog.findChildren<QLabel*>()) {
            labels << pLabel->text();
        }
        EXPECT_TRUE(labels.contains("Define Filter:"));
        EXPECT_TRUE(labels.contains("No Wildcards allowed"));
        EXPECT_TRUE(labels.contains("Hit Ok to remove Filter"));
        EXPECT_EQ(dialog.focusWidget(), &edit);
        EXPECT_TRUE(edit.text().isEmpty());
        EXPECT_EQ(edit.cursorPosition(), 0);
        EXPECT_FALSE(edit.hasSelectedText());
        ClickButton(dialog, 2);
    });
}

TEST(FilterDlgTest, OkReturnsTheTextAsTyped) {
    EXPECT_EQ(RunFilter([](QDialog& dialog, QLineEdit& edit) {
                  QTest::keyClicks(&edit, "Kilo *?");
                  ClickButton(dialog, 1);
              }),
              "Kilo *?");
}

TEST(FilterDlgTest, EnterActsAsOk) {
    EXPECT_EQ(RunFilter([](QDialog&, QLineEdit& edit) {
                  QTest::keyClicks(&edit, "abc");
                  QTest::keyClick(&edit, Qt::Key_Return);
              }),
              "abc");
}

TEST(FilterDlgTest, OkWithEmptyEditReturnsEmptyText) {
    EXPECT_EQ(RunFilter([](QDialog& dialog, QLineEdit&) { ClickButton(dialog, 1); }), "");
}

TEST(FilterDlgTest, CancelAndEscapeReturnEmptyTextWhateverWasTyped) {
    EXPECT_EQ(RunFilter([](QDialog& dialog, QLineEdit& edit) {
                  QTest::keyClicks(&edit, "typed");
                  ClickButton(dialog, 2);
              }),
              "");
    EXPECT_EQ(RunFilter([](QDialog&, QLineEdit& edit) {
                  QTest::keyClicks(&edit, "typed");
                  QTest::keyClick(&edit, Qt::Key_Escape);
              }),
              "");
}

TEST(FilterDlgTest, TextHasNoLengthLimitAndIsSingleByte) {
    const std::string strLong(100, 'k');
    EXPECT_EQ(RunFilter([&](QDialog& dialog, QLineEdit& edit) {
                  QTest::keyClicks(&edit, QString::fromStdString(strLong));
                  ClickButton(dialog, 1);
              }),
              strLong);
    EXPECT_EQ(RunFilter([](QDialog& dialog, QLineEdit& edit) {
                  TypeText(edit, QString::fromUtf8("\xC3\xA9\xE2\x82\xAC"));  // é€
                  ClickButton(dialog, 1);
              }),
              "\xE9");
}

}  // namespace
