#pragma once

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QString>
#include <deque>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "core/AppServices.h"

// Readable failure messages for Qt texts.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

// Answers the program's message boxes: records each one and replies with the queued answers;
// once they run out, with the answer that changes nothing (Cancel, No or OK).
class CMessageLog final {
public:
    struct Entry {
        std::string strText;
        unsigned nType;
    };

    CMessageLog();
    ~CMessageLog();
    CMessageLog(const CMessageLog&) = delete;
    CMessageLog& operator=(const CMessageLog&) = delete;

    void Answer(int nAnswer) { m_answers.push_back(nAnswer); }
    std::vector<std::string> Texts() const;
    // The texts that contain part.
    std::vector<std::string> TextsWith(const std::string& part) const;

    std::vector<Entry> m_entries;

private:
    std::deque<int> m_answers;
};

// Drives every modal run with a script; the real modal loop comes back afterwards.
class CModalScript final {
public:
    explicit CModalScript(std::function<int(QDialog&)> script);
    ~CModalScript();
    CModalScript(const CModalScript&) = delete;
    CModalScript& operator=(const CModalScript&) = delete;

    int m_nRuns = 0;
};

template <class T>
T* Find(const QObject& parent, int nId) {
    return parent.findChild<T*>(QString::number(nId));
}

// The display texts of an item view's rows, and its current row.
std::vector<std::string> Lines(const QAbstractItemView& view);
int CurrentRow(const QAbstractItemView& view);

// Input as a user gives it: a real click on an enabled button, typing after select-all,
// a click on a check box's indicator, a combo row picked with the keyboard.
void Click(const QObject& parent, int nId);
void TypeText(QWidget& widget, const QString& text);
void TypeInto(QLineEdit& edit, const QString& text);
void ClickBox(QCheckBox& box);
void Pick(QComboBox& combo, int nRow);
void DoubleClickRow(QAbstractItemView& view, int nRow);
