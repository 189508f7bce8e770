#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDialog>
#include <memory>
#include <string>
#include <vector>

#include "DocRecords.h"
#include "EditorFactory.h"
#include "GuiTest.h"
#include "Resource.h"

// One editor as the tests drive it: its controls, its database and how a record gets listed
// by the filter the editor starts with.
struct EditorCase {
    const char* pszName;
    Database file;
    int nListId;
    int nSpinId;
    int nNewId;     // 0: no New
    int nSearchId;  // 0: no text search
    int nNameId;
    const char* pszDefaultName;
    const char* pszLineSuffix;        // what a list line shows after an empty-named record's name
    std::uint16_t nNewKeyAfter3And7;  // New on a list of the keys 3 and 7
    bool bCloseBox;                   // the caption has a close box
    void (*pfnMakeListed)(std::uint8_t* pRecord, std::uint16_t nKey);
};

extern const EditorCase kEditorCases[10];
inline void PrintTo(const EditorCase& editorCase, std::ostream* os) {
    *os << editorCase.pszName;
}
const EditorCase& CaseOf(Database database);

// One editor made through the factory on a document the test fills first.
class EditorTest : public testing::Test {
protected:
    static constexpr int kExit = IDC_EXIT;
    static constexpr int kUndo = IDC_UNDO;
    static constexpr int kApply = IDC_APPLY;
    static constexpr int kFilter = IDC_FILTER;
    static constexpr int kSearch = IDC_SEARCH;
    static constexpr int kSubBox = 1214;
    static constexpr int kShipBox = 1215;

    void Use(Database database) { m_pCase = &CaseOf(database); }
    void Open();
    // Drops the editor and every record.
    void Reset();

    QDialog& Dialog() const;
    QAbstractItemView& List() const;
    QLineEdit& Edit(int nId) const;
    QCheckBox& Box(int nId) const;
    QComboBox& Combo(int nId) const;
    std::vector<std::string> ListLines() const { return Lines(List()); }
    void Press(int nId) { Click(Dialog(), nId); }
    void Type(int nId, const char* pszText);
    void Step(int nStep);
    // Runs a search through the Filter dialog; a null text cancels it.
    void Search(const char* pszText);

    // Records of the editor's database.
    std::uint8_t* Add(std::uint16_t nKey, const Bytes& image);
    std::uint8_t* AddNamed(std::uint16_t nKey, const std::string& strName);
    // Random bytes, the index (when the database has one) and what makes the start list it.
    std::uint8_t* AddRandom(std::uint16_t nKey, unsigned nSeed);
    Bytes Stored(std::uint16_t nKey) { return RecordBytes(m_doc, m_pCase->file, nKey); }
    // "%03d: name" and what the editor shows after the name of an empty-named record, or suffix.
    std::string Line(int nIndex, const std::string& strName, const char* pszSuffix = nullptr) const;

    const EditorCase* m_pCase = nullptr;
    CVentryDoc m_doc;
    CMessageLog m_messages;
    std::unique_ptr<CEditorWindow> m_pEditor;
};

// The same test for every editor.
class EveryEditorTest : public EditorTest, public testing::WithParamInterface<EditorCase> {
protected:
    void SetUp() override { m_pCase = &GetParam(); }
};
