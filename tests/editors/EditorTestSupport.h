#pragma once

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QString>
#include <QTest>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "VentryDoc.h"
#include "core/AppServices.h"

// Answers the program's message boxes in tests: records each one and replies with the queued
// answers (OK once they run out).
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

    std::vector<Entry> m_entries;

private:
    std::deque<int> m_answers;
};

// Drives every modal run with a script; the previous handler comes back afterwards.
class CModalScript final {
public:
    explicit CModalScript(std::function<int(QDialog&)> script);
    ~CModalScript();
    CModalScript(const CModalScript&) = delete;
    CModalScript& operator=(const CModalScript&) = delete;

    int m_nRuns = 0;
};

// Records as the tests build them.
void AddProfile(CVentryDoc& doc, std::uint16_t nIndex, const std::string& strName,
                std::vector<std::int16_t> bands = {});
CProfileInfo& AddRandomProfile(CVentryDoc& doc, std::uint16_t nIndex, unsigned nSeed);
// An object in the index map and the name map, with its Sim Type.
void AddObject(CVentryDoc& doc, std::uint16_t nIndex, const std::string& strName,
               std::int32_t nSimType);

template <class T>
T* Find(const QWidget& parent, int nId) {
    return parent.findChild<T*>(QString::number(nId));
}

std::vector<std::string> ListLines(const QListWidget& list);
void ClickButton(const QWidget& parent, int nId);
// Types any characters, one key event each.
void TypeText(QWidget& widget, const QString& text);
// Replaces an edit's text as a user would: select all, then type.
void TypeInto(QLineEdit& edit, const QString& text);
void DoubleClickRow(QListWidget& list, int nRow);

// One control changed on its own and the bytes it must leave at nOffset: typed into an edit,
// or for some tests a box toggled or a combo row picked.
struct ControlEdit {
    int nId;
    const char* pszInput;
    std::size_t nOffset;
    std::vector<std::uint8_t> bytes;
};

inline std::string ControlEditName(const testing::TestParamInfo<ControlEdit>& info) {
    return std::to_string(info.param.nId) + "_" + std::to_string(info.index);
}
