#include "EditorDlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "BoxFilterPanel.h"
#include "EditorTexts.h"
#include "FieldForm.h"
#include "FieldKindVisit.h"
#include "FilterDlg.h"
#include "RecordLine.h"
#include "RecordListModel.h"
#include "Resource.h"
#include "TextSearch.h"
#include "gui/MessageBox.h"
#include "gui/PushButton.h"

namespace {

std::string IndexTakenMessage(std::uint16_t nIndex) {
    return "The Index " + std::to_string(static_cast<std::int16_t>(nIndex)) +
           " is already used by another record.\nNothing was stored.";
}

}  // namespace

CEditorDlg::CEditorDlg(QWidget* pParent, CVentryDoc& doc, const EditorDescription& description)
    : CDialog(description.nTemplateId, description.pszCaption, pParent,
              description.bCloseBox ? CloseBox::With : CloseBox::Without),
      m_doc(doc),
      m_description(description),
      m_records(doc.Records(description.database)),
      m_nListener(doc.AddChangeListener(
          [this](const CVentryDoc::CChangeNotice& notice) { OnSetChanged(notice); })) {}

// The frame, as the Qt parent, may delete the editor before the document does; the document
// must then not delete it a second time.
CEditorDlg::~CEditorDlg() {
    m_doc.RemoveChangeListener(m_nListener);
    std::unique_ptr<CEditorWindow>& pOwner = m_doc.Editor(RecordDatabase());
    if (pOwner.get() == this) {
        static_cast<void>(pOwner.release());
    }
}

void CEditorDlg::OnInitDialog() {
    BuildControls();
    FillStartList();
    LoadRecord();
}

void CEditorDlg::BuildControls() {
    auto* pMain = new QHBoxLayout(this);
    auto* pLeft = new QVBoxLayout;
    pMain->addLayout(pLeft);
    if (QWidget* pPanel = CreateFilterPanel()) {
        pLeft->addWidget(pPanel);
    }
    auto* pListRow = new QHBoxLayout;
    pLeft->addLayout(pListRow, 1);
    m_pLines = new CRecordListModel(this);
    m_pList = new QListView(this);
    m_pList->setObjectName(QString::number(m_description.nListId));
    m_pList->setUniformItemSizes(true);
    // Laid out at once, a list of tens of thousands of lines walks every line for each line
    // that changes.
    m_pList->setLayoutMode(QListView::Batched);
    m_pList->setModel(m_pLines);
    m_pList->setMinimumWidth(m_pList->fontMetrics().horizontalAdvance(QString(28, 'x')));
    pListRow->addWidget(m_pList);
    connect(m_pList, &QListView::doubleClicked, this,
            [this](const QModelIndex& index) { OnListDoubleClick(index.row()); });

    // An up/down control: only the two arrows show, and each click is one step. The slider
    // goes back to the middle after every action, so neither arrow ever reaches an end.
    m_pSpin = new QScrollBar(Qt::Vertical, this);
    m_pSpin->setObjectName(QString::number(m_description.nSpinId));
    m_pSpin->setRange(-1, 1);
    m_pSpin->setFocusPolicy(Qt::NoFocus);
    const int nExtent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_pSpin);
    m_pSpin->setFixedSize(nExtent, 2 * nExtent);
    pListRow->addWidget(m_pSpin, 0, Qt::AlignTop);
    connect(m_pSpin, &QAbstractSlider::actionTriggered, this, [this](int nAction) {
        m_pSpin->setSliderPosition(0);
        if (nAction == QAbstractSlider::SliderSingleStepSub) {
            OnSpin(-1);
        } else if (nAction == QAbstractSlider::SliderSingleStepAdd) {
            OnSpin(+1);
        }
    });

    auto* pRight = new QVBoxLayout;
    pMain->addLayout(pRight);
    m_pForm = new CFieldForm(m_description.fields, m_description.groups, this);
    m_pRecordForm = std::make_unique<CRecordForm>(
        m_doc, m_records.Layout(), *m_pForm,
        [this](const std::uint8_t* pRecord) { LoadControls(pRecord); },
        [this](std::uint8_t* pImage, bool bReport) { return BuildImage(pImage, bReport); });
    m_pRecordForm->SetStoredHandler([this] {
        // A line whose text changes, other than in letter case, moves to the end of the list.
        const CRecordListModel::CLine line = m_pLines->LineAt(m_nCurrent);
        const std::string text = LineText(line.nNumber, line.pRecord);
        if (!TextFold::EqualNoCase(m_pLines->TextAt(m_nCurrent), text)) {
            m_pLines->Remove(m_nCurrent);
            m_pLines->Append(line, text);
            m_nCurrent = m_pLines->Count() - 1;
            SelectCurrent();
        }
    });
    pRight->addWidget(m_pForm);
    if (QWidget* pExtras = CreateRecordExtras()) {
        pRight->addWidget(pExtras);
    }
    pRight->addStretch(1);
    auto* pButtons = new QGridLayout;
    if (m_description.bButtonColumn) {
        pMain->addLayout(pButtons);
        pMain->setAlignment(pButtons, Qt::AlignTop);
    } else {
        pRight->addLayout(pButtons);
    }
    // Two by two, or one below the other.
    const auto place = [&](QPushButton* pButton, int nPlace) {
        const int nRow = m_description.bButtonColumn ? nPlace : nPlace / 2;
        pButtons->addWidget(pButton, nRow, m_description.bButtonColumn ? 0 : nPlace % 2);
    };

    auto* pExit = CreatePushButton(this, IDC_EXIT, QStringLiteral("Exit"));
    pExit->setDefault(true);
    m_pUndo = CreatePushButton(this, IDC_UNDO, QStringLiteral("Undo"));
    m_pApply = CreatePushButton(this, IDC_APPLY, QStringLiteral("Apply"));
    place(pExit, 0);
    place(m_pUndo, 1);
    place(m_pApply, 2);
    connect(pExit, &QPushButton::clicked, this, [this] { OnExit(); });
    connect(m_pUndo, &QPushButton::clicked, this, [this] { m_pRecordForm->Revert(); });
    connect(m_pApply, &QPushButton::clicked, this, [this] { OnApply(); });
    if (m_description.pszNewCaption != nullptr) {
        auto* pNew = CreatePushButton(this, m_description.nNewId,
                                      QString::fromLatin1(m_description.pszNewCaption));
        place(pNew, 3);
        connect(pNew, &QPushButton::clicked, this, [this] { OnNew(); });
    }
}

QWidget* CEditorDlg::CreateFilterPanel() {
    if (m_description.pBoxFilter != nullptr) {
        m_pBoxes = new CBoxFilterPanel(*m_description.pBoxFilter, IDC_SEARCH,
                                       m_description.pszSearchCaption, this);
        connect(m_pBoxes->FilterButton(), &QPushButton::clicked, this, [this] { OnFilter(); });
        if (QPushButton* pSearch = m_pBoxes->SearchButton()) {
            connect(pSearch, &QPushButton::clicked, this, [this] { OnSearch(); });
        }
        return m_pBoxes;
    }
    if (m_description.pszSearchCaption == nullptr) {
        return nullptr;
    }
    QPushButton* pSearch =
        CreatePushButton(this, IDC_SEARCH, QString::fromLatin1(m_description.pszSearchCaption));
    connect(pSearch, &QPushButton::clicked, this, [this] { OnSearch(); });
    if (!m_description.bSearchInGroup) {
        return pSearch;
    }
    auto* pGroup = new QGroupBox(QStringLiteral("Filter"), this);
    auto* pLayout = new QVBoxLayout(pGroup);
    pLayout->addWidget(pSearch);
    return pGroup;
}

void CEditorDlg::LoadControls(const std::uint8_t* pRecord) {
    if (pRecord != nullptr) {
        m_pForm->Load(pRecord, m_records.RecordSize());
    } else {
        m_pForm->Clear();
    }
}

bool CEditorDlg::BuildImage(std::uint8_t* pImage, bool bReport) {
    return m_pForm->Store(pImage, bReport) && (!bReport || CheckEditedIndex(pImage));
}

int CEditorDlg::LineNumber(std::uint16_t nKey, const std::uint8_t* pRecord) const {
    if (m_description.lineNumber == ELineNumber::Key) {
        return nKey;
    }
    return RecordField::Get<std::uint16_t>(pRecord, m_records.Layout().IndexField().nOffset);
}

std::size_t CEditorDlg::FormatLine(int nNumber, const std::uint8_t* pRecord, char* pBuffer) const {
    const LayoutField& name = m_records.Layout().NameField();
    std::size_t nLength = RecordLine::Format(
        nNumber, RecordField::GetTextView(pRecord, name.nOffset, name.nWidth), pBuffer);
    if (m_description.lineSuffixField.empty()) {
        return nLength;
    }
    const LayoutField& suffix = m_records.Layout().Field(m_description.lineSuffixField);
    for (const std::string_view part :
         {std::string_view(" ("), RecordField::GetTextView(pRecord, suffix.nOffset, suffix.nWidth),
          std::string_view(")")}) {
        const std::size_t nPart = std::min(part.size(), RecordLine::kMaxLength - nLength);
        std::copy_n(part.data(), nPart, pBuffer + nLength);
        nLength += nPart;
    }
    return nLength;
}

std::string CEditorDlg::LineText(int nNumber, const std::uint8_t* pRecord) const {
    char line[RecordLine::kMaxLength];
    return {line, FormatLine(nNumber, pRecord, line)};
}

bool CEditorDlg::FillList(const LineFilter& keep, bool bNumberRows) {
    char line[RecordLine::kMaxLength];
    CRecordListModel::CLines lines;
    lines.Reserve(m_records.Count());
    int nRow = 0;
    m_records.ForEach([&](std::uint16_t nKey, std::uint8_t* pRecord) {
        // A row number is that of the line if it is kept.
        const int nNumber = bNumberRows ? nRow : LineNumber(nKey, pRecord);
        const std::string_view text(line, FormatLine(nNumber, pRecord, line));
        if (!keep(nKey, pRecord, text)) {
            return;
        }
        lines.Add({nKey, pRecord, nNumber}, text);
        ++nRow;
    });
    m_pLines->Assign(std::move(lines));
    SelectCurrent();
    UpdateRecordControls();
    return m_pLines->Count() > 0;
}

int CEditorDlg::BoxValue(const std::uint8_t* pRecord) const {
    const LayoutField& field = m_records.Layout().Field(m_description.boxValueField);
    if (m_description.boxValue == EBoxValue::OwnField) {
        return static_cast<int>(ReadInteger(field.kind, pRecord + field.nOffset));
    }
    const auto object = m_doc.m_mapObjectsByName.find(
        RecordField::GetTextView(pRecord, field.nOffset, field.nWidth));
    return object == m_doc.m_mapObjectsByName.end()
               ? 0
               : RecordField::Get<std::int32_t>(object->second->m_data.data(),
                                                ObjectField::kSimType);
}

bool CEditorDlg::FillListWithBoxes() {
    // Under the box filter, the lines that show keys (3D objects) are numbered by row.
    return FillList(
        [this](std::uint16_t, const std::uint8_t* pRecord, std::string_view) {
            const int nValue = BoxValue(pRecord);
            return m_pBoxes->HasBox(nValue) ? m_pBoxes->IsOn(nValue)
                                            : m_description.bListsOtherValues;
        },
        m_description.lineNumber == ELineNumber::Key);
}

bool CEditorDlg::FillListWithText(const std::string& strFilter) {
    std::string strLower = strFilter;
    TextFold::MakeLower(strLower);
    char folded[RecordLine::kMaxLength];
    const bool bListed = FillList([&](std::uint16_t, const std::uint8_t*, std::string_view line) {
        if (strLower.empty()) {
            return true;
        }
        std::transform(line.begin(), line.end(), folded, TextFold::Lower);
        return std::string_view(folded, line.size()).find(strLower) != std::string_view::npos;
    });
    if (m_pBoxes != nullptr && !m_description.bSearchKeepsBoxes) {
        m_pBoxes->SetAll(strLower.empty());
    }
    return bListed;
}

void CEditorDlg::ApplyFilter(const std::function<bool()>& fill, bool bDefault,
                             const std::function<void()>& fillDefault) {
    if (fill()) {
        return;
    }
    if (!m_records.IsEmpty()) {
        AfxShowMessageBox(EditorTexts::kNoResults);
    }
    if (!bDefault) {
        fillDefault();
    }
}

void CEditorDlg::ApplyBoxFilter() {
    ApplyFilter([this] { return FillListWithBoxes(); }, m_pBoxes->AllOn(),
                [this] {
                    m_pBoxes->SetAll(true);
                    FillListWithBoxes();
                });
}

void CEditorDlg::ApplyTextFilter(const std::string& strFilter) {
    ApplyFilter([&] { return FillListWithText(strFilter); }, strFilter.empty(),
                [this] { FillListWithText({}); });
}

void CEditorDlg::FillStartList() {
    if (m_pBoxes != nullptr) {
        ApplyBoxFilter();
    } else {
        ApplyTextFilter({});
    }
}

void CEditorDlg::ListEverything() {
    if (m_description.pszSearchCaption != nullptr) {
        FillListWithText({});
    } else if (m_pBoxes != nullptr) {
        m_pBoxes->SetAll(true);
        FillListWithBoxes();
    }
}

std::string CEditorDlg::NeverListedReason(std::uint16_t nKey, const std::uint8_t* pRecord) const {
    if (m_description.pszNeverListed == nullptr || m_pBoxes == nullptr) {
        return {};
    }
    const int nValue = BoxValue(pRecord);
    if (m_pBoxes->HasBox(nValue)) {
        return {};
    }
    char message[160];
    std::snprintf(message, sizeof message, m_description.pszNeverListed, unsigned{nKey}, nValue);
    return message;
}

void CEditorDlg::SelectCurrent() {
    if (m_nCurrent >= 0 && m_nCurrent < m_pLines->Count()) {
        m_pList->setCurrentIndex(m_pLines->index(m_nCurrent));
    }
}

void CEditorDlg::UpdateRecordControls() {
    const bool bHasRecord = m_pLines->Count() > 0;
    m_pForm->EnableFields(bHasRecord);
    m_pApply->setEnabled(bHasRecord);
    m_pUndo->setEnabled(bHasRecord);
}

std::uint8_t* CEditorDlg::CurrentRecord() const {
    return m_nCurrent >= 0 && m_nCurrent < m_pLines->Count() ? m_pLines->RecordAt(m_nCurrent)
                                                             : nullptr;
}

std::optional<std::uint16_t> CEditorDlg::CurrentKey() const {
    return m_nCurrent >= 0 && m_nCurrent < m_pLines->Count()
               ? std::optional(m_pLines->KeyAt(m_nCurrent))
               : std::nullopt;
}

void CEditorDlg::LoadRecord() {
    m_pRecordForm->Show(CurrentKey());
}

bool CEditorDlg::IsIndexStoredByAnother(std::uint16_t nIndex, const std::uint8_t* pExcept) const {
    const std::size_t nOffset = m_records.Layout().IndexField().nOffset;
    bool bFound = false;
    m_records.ForEach([&](std::uint16_t, const std::uint8_t* pRecord) {
        bFound = bFound || (pRecord != pExcept &&
                            RecordField::Get<std::uint16_t>(pRecord, nOffset) == nIndex);
    });
    return bFound;
}

// An edited record keeps its key until the next load, which files it under the index it then
// stores, so an index counts as taken when a record has it as key or stores it: New and an
// edited Index can then never give two records of the written file the same index.
bool CEditorDlg::IsKeyTaken(std::uint16_t nKey) const {
    return m_records.Contains(nKey) ||
           (m_description.bEditableIndex && IsIndexStoredByAnother(nKey, nullptr));
}

bool CEditorDlg::CheckEditedIndex(const std::uint8_t* pImage) {
    if (!m_description.bEditableIndex) {
        return true;
    }
    const std::size_t nOffset = m_records.Layout().IndexField().nOffset;
    const std::uint8_t* pStored = CurrentRecord();
    const auto nIndex = RecordField::Get<std::uint16_t>(pImage, nOffset);
    if (nIndex == RecordField::Get<std::uint16_t>(pStored, nOffset) ||
        !IsIndexStoredByAnother(nIndex, pStored)) {
        return true;
    }
    AfxShowMessageBox(IndexTakenMessage(nIndex));
    if (auto* pEdit = qobject_cast<QLineEdit*>(m_pForm->Control(IDC_INDEX))) {
        pEdit->setFocus();
        pEdit->selectAll();
    }
    return false;
}

std::uint32_t CEditorDlg::FirstNewKey() const {
    const int nCount = m_pLines->Count();
    if (m_description.newKey == ENewKey::CountPlusOne) {
        return static_cast<std::uint32_t>(nCount) + 1u;
    }
    return nCount > 0 ? m_pLines->KeyAt(nCount - 1) + 1u : 1u;
}

void CEditorDlg::OnNew() {
    std::uint32_t nIndex = FirstNewKey();
    while (nIndex <= 0xFFFF && IsKeyTaken(static_cast<std::uint16_t>(nIndex))) {
        ++nIndex;
    }
    if (nIndex > 0xFFFF) {
        AfxShowMessageBox(EditorTexts::kNoFreeIndex);
        return;
    }
    const auto nKey = static_cast<std::uint16_t>(nIndex);
    const RecordLayout& layout = m_records.Layout();
    std::vector<std::uint8_t> record(layout.nRecordSize, 0);
    if (const std::uint8_t* pCurrent = CurrentRecord()) {
        std::copy_n(pCurrent, record.size(), record.begin());
    }
    if (layout.bIndexed) {
        RecordField::Set(record.data(), layout.IndexField().nOffset, nKey);
    }
    for (const NewText& text : m_description.newTexts) {
        const LayoutField& field = layout.Field(text.field);
        RecordField::SetText(record.data(), field.nOffset, field.nWidth, text.pszText);
    }
    CSetChange change(std::string(m_description.pszNewCaption) + " " + std::to_string(nKey));
    change.Add(RecordDatabase(), nKey, record);
    const std::optional<std::uint16_t> nPrevious = CurrentKey();
    m_bStoring = true;
    m_doc.ApplyChange(std::move(change));
    m_bStoring = false;
    m_lastNew.reset();
    if (nPrevious) {
        m_lastNew.emplace(nKey, *nPrevious);
    }

    std::uint8_t* pRecord = m_records.Find(nKey);
    const int nNumber = LineNumber(nKey, pRecord);
    m_pLines->Append({nKey, pRecord, nNumber}, LineText(nNumber, pRecord));
    m_nCurrent = m_pLines->Count() - 1;
    SelectCurrent();
    UpdateRecordControls();
    LoadRecord();
}

void CEditorDlg::OnSetChanged(const CVentryDoc::CChangeNotice& notice) {
    const Database database = RecordDatabase();
    // A new set comes with new editors; the editor's own changes it shows itself.
    if (notice.pChange == nullptr || m_pLines == nullptr || m_bStoring ||
        m_pRecordForm->IsStoring() || !notice.Touches(database)) {
        return;
    }
    std::vector<const CRecordChange*> records;
    for (const CRecordChange& record : notice.pChange->Records()) {
        if (record.database == database) {
            records.push_back(&record);
        }
    }
    const std::optional<std::uint16_t> nWasKey = CurrentKey();
    // A few records are found line by line; many make the lines anew in one pass.
    if (records.size() <= kFewRecords) {
        UpdateLines(records);
    } else {
        RemakeLines(records);
    }
    int nCurrent = nWasKey ? m_pLines->RowOf(*nWasKey) : -1;
    if (nCurrent < 0) {
        // The current record went: back to the one that was current before it was made.
        const int nBefore = m_lastNew && nWasKey && m_lastNew->first == *nWasKey
                                ? m_pLines->RowOf(m_lastNew->second)
                                : -1;
        nCurrent = std::max(nBefore, 0);
    }
    m_nCurrent = nCurrent;
    SelectCurrent();
    UpdateRecordControls();
    const bool bCurrentChanged = std::ranges::any_of(
        records, [&](const CRecordChange* record) { return nWasKey && record->nKey == *nWasKey; });
    if (CurrentKey() != nWasKey || bCurrentChanged) {
        LoadRecord();
    }
}

void CEditorDlg::UpdateLines(const std::vector<const CRecordChange*>& records) {
    for (const CRecordChange* record : records) {
        const int nRow = m_pLines->RowOf(record->nKey);
        if (record->IsAdded()) {
            std::uint8_t* pRecord = m_records.Find(record->nKey);
            const int nNumber = LineNumber(record->nKey, pRecord);
            m_pLines->Append({record->nKey, pRecord, nNumber}, LineText(nNumber, pRecord));
        } else if (nRow >= 0 && record->IsRemoved()) {
            m_pLines->Remove(nRow);
        } else if (nRow >= 0) {
            const CRecordListModel::CLine& line = m_pLines->LineAt(nRow);
            m_pLines->Rewrite(nRow, LineText(line.nNumber, line.pRecord));
        }
    }
}

// The lines as they stand, the removed ones gone, the changed ones written anew, the added
// ones at the end as New puts them.
void CEditorDlg::RemakeLines(const std::vector<const CRecordChange*>& records) {
    enum : std::uint8_t { kSame, kChanged, kRemoved };
    std::vector<std::uint8_t> what(std::size_t{1} << 16, kSame);
    std::vector<std::uint16_t> added;
    for (const CRecordChange* record : records) {
        if (record->IsAdded()) {
            added.push_back(record->nKey);
        } else {
            what[record->nKey] = record->IsRemoved() ? kRemoved : kChanged;
        }
    }
    CRecordListModel::CLines lines;
    lines.Reserve(static_cast<std::size_t>(m_pLines->Count()) + added.size());
    for (int nRow = 0; nRow < m_pLines->Count(); ++nRow) {
        const CRecordListModel::CLine& line = m_pLines->LineAt(nRow);
        if (what[line.nKey] == kChanged) {
            lines.Add(line, LineText(line.nNumber, line.pRecord));
        } else if (what[line.nKey] == kSame) {
            lines.Add(line, m_pLines->TextAt(nRow));
        }
    }
    for (const std::uint16_t nKey : added) {
        std::uint8_t* pRecord = m_records.Find(nKey);
        const int nNumber = LineNumber(nKey, pRecord);
        lines.Add({nKey, pRecord, nNumber}, LineText(nNumber, pRecord));
    }
    m_pLines->Assign(std::move(lines));
}

bool CEditorDlg::SettleEditsBefore(const CSetChange& step) {
    const std::optional<std::uint16_t> nKey = CurrentKey();
    const bool bTouched =
        nKey && std::ranges::any_of(step.Records(), [&](const CRecordChange& record) {
            return record.database == RecordDatabase() && record.nKey == *nKey;
        });
    return !bTouched || m_pRecordForm->SettleBeforeLeaving();
}

void CEditorDlg::OnFilter() {
    m_nCurrent = 0;
    ApplyBoxFilter();
    LoadRecord();
}

void CEditorDlg::OnSearch() {
    CFilterDlg dialog(this);
    dialog.DoModal();
    m_nCurrent = 0;
    ApplyTextFilter(dialog.GetFilterText());
    LoadRecord();
}

void CEditorDlg::OnApply() {
    m_pRecordForm->Store();
}

void CEditorDlg::OnExit() {
    if (!m_pRecordForm->SettleBeforeLeaving()) {
        return;
    }
    m_doc.Shown(RecordDatabase()) = false;
    hide();
}

void CEditorDlg::OnSpin(int nStep) {
    const int nPosition = m_nCurrent + nStep;
    if (nPosition < 0 || nPosition >= m_pLines->Count()) {
        return;
    }
    m_nCurrent = nPosition;
    SelectCurrent();
    LoadRecord();
}

bool CEditorDlg::ShowRecord(std::uint16_t nKey) {
    const std::uint8_t* pRecord = m_records.Find(nKey);
    if (pRecord == nullptr) {
        AfxShowMessageBox(EditorTexts::NoSuchRecord(m_records.Layout().title, nKey));
        return false;
    }
    int nRow = m_pLines->RowOf(nKey);
    if (nRow < 0) {
        if (const std::string strReason = NeverListedReason(nKey, pRecord); !strReason.empty()) {
            AfxShowMessageBox(strReason);
            return false;
        }
        ListEverything();
        nRow = m_pLines->RowOf(nKey);
    }
    if (nRow < 0) {
        return false;
    }
    m_nCurrent = nRow;
    SelectCurrent();
    LoadRecord();
    return true;
}

void CEditorDlg::OnListDoubleClick(int nRow) {
    m_nCurrent = nRow;
    LoadRecord();
}

bool SettleEditorsBefore(CVentryDoc& doc, const CSetChange& step) {
    return std::ranges::all_of(kRecordLayouts, [&](const RecordLayout* layout) {
        auto* pEditor = dynamic_cast<CEditorDlg*>(doc.Editor(layout->database).get());
        return pEditor == nullptr || pEditor->SettleEditsBefore(step);
    });
}
