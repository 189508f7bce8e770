#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "EditorDescription.h"
#include "RecordTable.h"
#include "gui/Dialog.h"

class CFieldForm;
class CRecordListModel;
class CTypeFilterPanel;
class CVentryDoc;
class QLineEdit;
class QListView;
class QPushButton;
class QScrollBar;

// The modeless editor of one database: a record list in index-map order with its filters, a
// current record shown through the field table's form, and Apply, Undo, New and Exit. The
// list entries point at the records in the document, which Apply changes in place.
class CEditorDlg : public CDialog, public CEditorWindow {
public:
    CEditorDlg(QWidget* pParent, CVentryDoc& doc, const EditorDescription& description,
               std::unique_ptr<CRecordTable> pRecords);
    ~CEditorDlg() override;

    // The database the editor shows, and the key of its current record (none: empty list).
    Database RecordDatabase() const { return m_pRecords->Layout().database; }
    std::optional<std::uint16_t> CurrentKey() const;
    // Makes the record under nKey current, listing every record first when the list's filter
    // hides it. False, after telling the user why, when there is no such record or no filter of
    // the editor lists it.
    bool ShowRecord(std::uint16_t nKey);

protected:
    enum class ERecordState { Unchanged, Changed, Unreadable };
    using LineFilter =
        std::function<bool(std::uint16_t nKey, const std::uint8_t* pRecord, std::string_view line)>;

    void OnInitDialog() override;
    // Escape and the close box: Exit.
    void OnCancel() override { OnExit(); }

    // The Sim Type that the type filter tests: by default that of the object whose Name is the
    // record's name, 0 when there is none.
    virtual int RecordType(const std::uint8_t* pRecord) const;
    // The number in a record's list line.
    virtual int ShownIndex(std::uint16_t nKey, const std::uint8_t* pRecord) const;
    // Gives a copied record its own key and the default name.
    virtual void PrepareNewRecord(std::uint8_t* pRecord, std::uint16_t nKey) const;
    // The panel above the list; by default the type filter group or a lone Search button.
    virtual QWidget* CreateFilterPanel();
    // The editor's own controls below the field form; by default none.
    virtual QWidget* CreateRecordExtras() { return nullptr; }
    // Builds the stored record as the controls edit it into pImage (a copy of the record).
    virtual bool BuildImage(std::uint8_t* pImage, bool bReport);
    virtual void LoadRecord();
    // The list the dialog opens with: the type filter with every box on, or every record.
    virtual void FillStartList();
    // Writes a record's list line into pBuffer (RecordLine::kMaxLength bytes) and returns its
    // length; by default "%03d: %s" with the record's name.
    virtual std::size_t FormatLine(int nIndex, const std::uint8_t* pRecord, char* pBuffer) const;
    // The number that Apply keeps in the current record's line when the name changes.
    virtual int CurrentLineNumber() const;
    // The first key that New tries; taken keys after it are skipped.
    virtual std::uint32_t FirstNewKey() const;
    // Fills the list with every record a filter of the editor can show: an empty search.
    virtual void ListEverything() { FillListWithText({}); }
    // Why no filter of the editor can ever list the record; empty when one can.
    virtual std::string NeverListedReason(std::uint16_t, const std::uint8_t*) const { return {}; }

    // Rebuilds the list from the records that keep accepts; true when it lists any.
    bool FillList(const LineFilter& keep);
    virtual bool FillListWithTypes();
    bool FillListWithText(const std::string& strFilter);
    ERecordState StoreOrCompare(bool bStore);

    void OnFilter();
    void OnSearch();
    void OnApply();
    void OnUndo();
    void OnNew();
    void OnExit();
    void OnSpin(int nStep);
    void OnListDoubleClick(int nRow);

    std::uint8_t* CurrentRecord() const;
    int ObjectSimType(std::string_view objectName) const;

    CVentryDoc& m_doc;
    const EditorDescription& m_description;
    std::unique_ptr<CRecordTable> m_pRecords;
    int m_nCurrent = 0;

    CFieldForm* m_pForm = nullptr;
    CTypeFilterPanel* m_pTypeFilter = nullptr;
    QListView* m_pList = nullptr;
    CRecordListModel* m_pLines = nullptr;
    QScrollBar* m_pSpin = nullptr;

private:
    void BuildControls();
    QPushButton* AddButton(int nId, const char* pszCaption);
    void SelectCurrent();
    int RowOf(std::uint16_t nKey) const;
    void UpdateRecordControls();
    void ApplyTypeFilter();
    void ApplyTextFilter(const std::string& strFilter);
    std::string EditedName() const;

    QLineEdit* m_pNameEdit = nullptr;
    QPushButton* m_pApply = nullptr;
    QPushButton* m_pUndo = nullptr;
};
