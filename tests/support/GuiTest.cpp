#include "GuiTest.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "gui/MessageBox.h"
#include "gui/ModalRun.h"

CMessageLog::CMessageLog() {
    AfxSetMessageBoxHandler([this](const std::string& strText, unsigned nType) {
        m_entries.push_back({strText, nType});
        if (m_answers.empty()) {
            // Unanswered questions get the answer that changes nothing.
            const unsigned nButtons = nType & 0xF;
            return static_cast<int>(nButtons == MB_YESNOCANCEL ? IDCANCEL
                                    : nButtons == MB_YESNO     ? IDNO
                                                               : IDOK);
        }
        const int nAnswer = m_answers.front();
        m_answers.pop_front();
        return nAnswer;
    });
}

CMessageLog::~CMessageLog() {
    AfxSetMessageBoxHandler({});
}

std::vector<std::string> CMessageLog::Texts() const {
    return TextsWith({});
}

std::vector<std::string> CMessageLog::TextsWith(const std::string& part) const {
    std::vector<std::string> texts;
    for (const Entry& entry : m_entries) {
        if (entry.strText.find(part) != std::string::npos) {
            texts.push_back(entry.strText);
        }
    }
    return texts;
}

CModalScript::CModalScript(std::function<int(QDialog&)> script) {
    AfxSetModalHandler([this, script](QDialog& dialog) {
        ++m_nRuns;
        return script(dialog);
    });
}

CModalScript::~CModalScript() {
    AfxSetModalHandler({});
}

std::vector<std::string> Lines(const QAbstractItemView& view) {
    std::vector<std::string> lines;
    const QAbstractItemModel& model = *view.model();
    for (int nRow = 0; nRow < model.rowCount(); ++nRow) {
        lines.push_back(model.index(nRow, 0).data().toString().toStdString());
    }
    return lines;
}

int CurrentRow(const QAbstractItemView& view) {
    return view.currentIndex().row();
}

void Click(const QObject& parent, int nId) {
    auto* pButton = Find<QPushButton>(parent, nId);
    ASSERT_NE(pButton, nullptr) << "button " << nId;
    ASSERT_TRUE(pButton->isEnabled()) << "button " << nId;
    QTest::mouseClick(pButton, Qt::LeftButton);
}

void TypeText(QWidget& widget, const QString& text) {
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, &widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void TypeInto(QLineEdit& edit, const QString& text) {
    edit.setFocus();
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_Delete);
    TypeText(edit, text);
}

void ClickBox(QCheckBox& box) {
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(8, box.height() / 2));
}

void Pick(QComboBox& combo, int nRow) {
    combo.setFocus();
    QTest::keyClick(&combo, Qt::Key_Home);
    for (int i = 0; i < nRow; ++i) {
        QTest::keyClick(&combo, Qt::Key_Down);
    }
}

void DoubleClickRow(QAbstractItemView& view, int nRow) {
    const QModelIndex index = view.model()->index(nRow, 0);
    view.scrollTo(index);
    view.doItemsLayout();
    const QPoint center = view.visualRect(index).center();
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, center);
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, center);
}
