#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "EditorDescription.h"
#include "EditorWindow.h"
#include "RecordForm.h"
#include "VentryDoc.h"
#include "gui/Dialog.h"

class CBoxFilterPanel;
class CFieldForm;
class CRecordListModel;
class CRecordTable;
class QListView;
class QPushButton;
class QScrollBar;

// The modeless editor of one database: a record list in index-map order with its filters, a
// current record shown through the field table's form, and Apply, Undo, New and Exit. The
// description says everything in which the editors differ as data; a subclass adds only real
// behaviour (the Object editor's slots, the launcher's ammunition). Changes of the set made
// elsewhere (Undo and Redo, the table) show in the list and the form as they happen.
class CEditorDlg : public CDialog, public CEditorWindow {
public:
    CEditorDlg(QWidget* pParent, CVentryDoc& doc, const EditorDescription& description);
    ~CEditorDlg() override;

    // The database the editor shows, and the key of its current record (none: empty list).
    Database RecordDatabase() const { return m_description.database; }
    std::optional<std::uint16_t> CurrentKey() const;
    // Makes the record under nKey current, listing every record first when the list's filter
    // hides it. False, after telling the user why, when there is no such record or no filter of
    // the editor lists it.
    bool ShowRecord(std::uint16_t nKey);
    // Before step changes the set behind the editor's back: when it touches the current
    // record and the controls hold edits, asks whether to retain them and stores or drops them
    // as answered. False while a field that does not parse keeps the user on the record.
    bool SettleEditsBefore(const CSetChange& step);

protected:
    void OnInitDialog() override;
    // Escape and the close box: Exit.
    void OnCancel() override { OnExit(); }

    // The editor's own controls below the field form; by default none.
    virtual QWidget* CreateRecordExtras() { return nullptr; }
    // Puts a record into the controls (null: none), and builds a copy of the stored record as
    // the controls edit it; by default the field form alone does both.
    virtual void LoadControls(const std::uint8_t* pRecord);
    virtual bool BuildImage(std::uint8_t* pImage, bool bReport);

    // Shows the current row's record.
    void LoadRecord();
    std::uint8_t* CurrentRecord() const;

    CVentryDoc& m_doc;
    const EditorDescription& m_description;
    CFieldForm* m_pForm = nullptr;

private:
    using LineFilter =
        std::function<bool(std::uint16_t nKey, const std::uint8_t* pRecord, std::string_view line)>;

    void BuildControls();
    QWidget* CreateFilterPanel();

    // Lines.
    int LineNumber(std::uint16_t nKey, const std::uint8_t* pRecord) const;
    std::size_t FormatLine(int nNumber, const std::uint8_t* pRecord, char* pBuffer) const;
    std::string LineText(int nNumber, const std::uint8_t* pRecord) const;

    // Filters. Every filter that lists nothing from a database with records says so and falls
    // back to the default filter once; a database that nothing can list stays an empty list.
    bool FillList(const LineFilter& keep, bool bNumberRows = false);
    bool FillListWithBoxes();
    bool FillListWithText(const std::string& strFilter);
    void ApplyFilter(const std::function<bool()>& fill, bool bDefault,
                     const std::function<void()>& fillDefault);
    void ApplyBoxFilter();
    void ApplyTextFilter(const std::string& strFilter);
    void FillStartList();
    void ListEverything();
    int BoxValue(const std::uint8_t* pRecord) const;
    std::string NeverListedReason(std::uint16_t nKey, const std::uint8_t* pRecord) const;

    // New.
    std::uint32_t FirstNewKey() const;
    bool IsKeyTaken(std::uint16_t nKey) const;
    bool IsIndexStoredByAnother(std::uint16_t nIndex, const std::uint8_t* pExcept) const;
    bool CheckEditedIndex(const std::uint8_t* pImage);

    void SelectCurrent();
    void UpdateRecordControls();
    // The lines and the current record follow a step made elsewhere: lines of changed records
    // are written anew in place, removed ones go, added ones come at the end.
    void OnSetChanged(const CVentryDoc::CChangeNotice& notice);
    static constexpr std::size_t kFewRecords = 64;
    void UpdateLines(const std::vector<const CRecordChange*>& records);
    void RemakeLines(const std::vector<const CRecordChange*>& records);

    void OnFilter();
    void OnSearch();
    void OnApply();
    void OnNew();
    void OnExit();
    void OnSpin(int nStep);
    void OnListDoubleClick(int nRow);

    CRecordTable& m_records;
    std::unique_ptr<CRecordForm> m_pRecordForm;
    int m_nCurrent = 0;
    int m_nListener;
    bool m_bStoring = false;  // the editor's own change: it updates itself
    // The record the last New made, and the one that was current before it.
    std::optional<std::pair<std::uint16_t, std::uint16_t>> m_lastNew;

    CBoxFilterPanel* m_pBoxes = nullptr;
    QListView* m_pList = nullptr;
    CRecordListModel* m_pLines = nullptr;
    QScrollBar* m_pSpin = nullptr;
    QPushButton* m_pApply = nullptr;
    QPushButton* m_pUndo = nullptr;
};

// Before step changes the set: every editor with unapplied edits of a record it touches keeps
// or drops them as the user answers; false when the user stays on a record.
bool SettleEditorsBefore(CVentryDoc& doc, const CSetChange& step);
