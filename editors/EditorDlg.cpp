#include "EditorDlg.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "EditorTexts.h"
#include "FieldForm.h"
#include "FilterDlg.h"
#include "RecordLine.h"
#include "RecordListModel.h"
#include "TypeFilterPanel.h"
#include "VentryDoc.h"
#include "gui/DataExchangeLatin1.h"
#include "gui/MessageBox.h"

namespace {

constexpr int kExitId = 1116;
constexpr int kUndoId = 1115;
constexpr int kApplyId = 1207;
constexpr int kSearchId = 1228;

}  // namespace

CEditorDlg::CEditorDlg(QWidget* pParent, CVentryDoc& doc, const EditorDescription& description,
                       std::unique_ptr<CRecordTable> pRecords)
    : CDialog(description.nTemplateId, description.pszCaption, pParent,
              description.bCloseBox ? CloseBox::With : CloseBox::Without),
      m_doc(doc),
      m_description(description),
      m_pRecords(std::move(pRecords)) {}

// The frame, as the Qt parent, may delete the editor before the document does; the document
// must then not delete it a second time.
CEditorDlg::~CEditorDlg() {
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

void CEditorDlg::FillStartList() {
    if (m_pTypeFilter != nullptr) {
        ApplyTypeFilter();
    } else {
        ApplyTextFilter({});
    }
}

QPushButton* CEditorDlg::AddButton(int nId, const char* pszCaption) {
    auto* pButton = new QPushButton(QString::fromLatin1(pszCaption), this);
    pButton->setObjectName(QString::number(nId));
    pButton->setAutoDefault(false);
    return pButton;
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

    auto* pExit = AddButton(kExitId, "Exit");
    pExit->setDefault(true);
    m_pUndo = AddButton(kUndoId, "Undo");
    m_pApply = AddButton(kApplyId, "Apply");
    place(pExit, 0);
    place(m_pUndo, 1);
    place(m_pApply, 2);
    connect(pExit, &QPushButton::clicked, this, [this] { OnExit(); });
    connect(m_pUndo, &QPushButton::clicked, this, [this] { OnUndo(); });
    connect(m_pApply, &QPushButton::clicked, this, [this] { OnApply(); });
    if (m_description.pszNewCaption != nullptr) {
        auto* pNew = AddButton(m_description.nNewId, m_description.pszNewCaption);
        place(pNew, 3);
        connect(pNew, &QPushButton::clicked, this, [this] { OnNew(); });
    }

    for (const FieldBinding& binding : m_description.fields) {
        if (binding.at.pField == &m_pRecords->Layout().NameField()) {
            m_pNameEdit = qobject_cast<QLineEdit*>(m_pForm->Control(binding.nId));
        }
    }
}

QWidget* CEditorDlg::CreateFilterPanel() {
    if (m_description.bTypeFilter) {
        m_pTypeFilter = new CTypeFilterPanel(m_description.pszSearchCaption, this);
        connect(m_pTypeFilter->FilterButton(), &QPushButton::clicked, this, [this] { OnFilter(); });
        if (QPushButton* pSearch = m_pTypeFilter->SearchButton()) {
            connect(pSearch, &QPushButton::clicked, this, [this] { OnSearch(); });
        }
        return m_pTypeFilter;
    }
    if (m_description.pszSearchCaption != nullptr) {
        QPushButton* pSearch = AddButton(kSearchId, m_description.pszSearchCaption);
        connect(pSearch, &QPushButton::clicked, this, [this] { OnSearch(); });
        return pSearch;
    }
    return nullptr;
}

int CEditorDlg::ObjectSimType(std::string_view objectName) const {
    const auto it = m_doc.m_mapObjectsByName.find(objectName);
    return it == m_doc.m_mapObjectsByName.end()
               ? 0
               : RecordField::Get<std::int32_t>(it->second->m_data.data(), ObjectField::kSimType);
}

int CEditorDlg::RecordType(const std::uint8_t* pRecord) const {
    return ObjectSimType(
        RecordField::GetTextView(pRecord, m_pRecords->NameOffset(), m_pRecords->NameWidth()));
}

int CEditorDlg::ShownIndex(std::uint16_t, const std::uint8_t* pRecord) const {
    return RecordField::Get<std::uint16_t>(pRecord, 0);
}

void CEditorDlg::PrepareNewRecord(std::uint8_t* pRecord, std::uint16_t nKey) const {
    RecordField::Set<std::uint16_t>(pRecord, 0, nKey);
    RecordField::SetText(pRecord, m_pRecords->NameOffset(), m_pRecords->NameWidth(),
                         m_description.pszDefaultName);
}

std::size_t CEditorDlg::FormatLine(int nIndex, const std::uint8_t* pRecord, char* pBuffer) const {
    const auto* pName = reinterpret_cast<const char*>(pRecord + m_pRecords->NameOffset());
    return RecordLine::Format(
        nIndex, std::string_view(pName, strnlen(pName, m_pRecords->NameWidth())), pBuffer);
}

bool CEditorDlg::FillList(const LineFilter& keep) {
    char line[RecordLine::kMaxLength];
    CRecordListModel::CLines lines;
    lines.Reserve(m_pRecords->Count());
    m_pRecords->ForEach([&](std::uint16_t nKey, std::uint8_t* pRecord) {
        const std::string_view text(line, FormatLine(ShownIndex(nKey, pRecord), pRecord, line));
        if (keep(nKey, pRecord, text)) {
            lines.Add(nKey, pRecord, text);
        }
    });
    m_pLines->Assign(std::move(lines));
    SelectCurrent();
    UpdateRecordControls();
    return m_pLines->Count() > 0;
}

bool CEditorDlg::FillListWithTypes() {
    std::array<bool, CTypeFilterPanel::kTypeCount> abOn{};
    for (int nType = 0; nType < CTypeFilterPanel::kTypeCount; ++nType) {
        abOn[static_cast<std::size_t>(nType)] = m_pTypeFilter->IsOn(nType);
    }
    return FillList([&](std::uint16_t, const std::uint8_t* pRecord, std::string_view) {
        const int nType = RecordType(pRecord);
        if (nType < 0 || nType >= CTypeFilterPanel::kTypeCount) {
            return m_description.bListsOtherTypes;
        }
        return abOn[static_cast<std::size_t>(nType)];
    });
}

bool CEditorDlg::FillListWithText(const std::string& strFilter) {
    std::string strLower = strFilter;
    RecordLine::MakeLower(strLower);
    char folded[RecordLine::kMaxLength];
    const bool bListed = FillList([&](std::uint16_t, const std::uint8_t*, std::string_view line) {
        if (strLower.empty()) {
            return true;
        }
        std::transform(line.begin(), line.end(), folded, RecordLine::ToLower);
        return std::string_view(folded, line.size()).find(strLower) != std::string_view::npos;
    });
    if (m_pTypeFilter != nullptr && !m_description.bSearchKeepsTypes) {
        m_pTypeFilter->SetAll(strLower.empty());
    }
    return bListed;
}

// Falls back to the default filter once when the active one lists nothing; a database that
// nothing can list stays an empty list.
void CEditorDlg::ApplyTypeFilter() {
    const bool bDefault = m_pTypeFilter->AllOn();
    if (FillListWithTypes()) {
        return;
    }
    if (!m_pRecords->IsEmpty()) {
        AfxShowMessageBox(EditorTexts::kNoResults);
    }
    if (!bDefault) {
        m_pTypeFilter->SetAll(true);
        FillListWithTypes();
    }
}

void CEditorDlg::ApplyTextFilter(const std::string& strFilter) {
    if (FillListWithText(strFilter)) {
        return;
    }
    if (!m_pRecords->IsEmpty()) {
        AfxShowMessageBox(EditorTexts::kNoResults);
    }
    if (!strFilter.empty()) {
        FillListWithText({});
    }
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

void CEditorDlg::LoadRecord() {
    if (const std::uint8_t* pRecord = CurrentRecord()) {
        m_pForm->Load(pRecord, m_pRecords->RecordSize());
    } else {
        m_pForm->Clear();
    }
}

bool CEditorDlg::BuildImage(std::uint8_t* pImage, bool bReport) {
    return m_pForm->Store(pImage, bReport);
}

CEditorDlg::ERecordState CEditorDlg::StoreOrCompare(bool bStore) {
    std::uint8_t* pStored = CurrentRecord();
    if (pStored == nullptr) {
        return ERecordState::Unchanged;
    }
    const std::size_t nSize = m_pRecords->RecordSize();
    std::vector<std::uint8_t> image(pStored, pStored + nSize);
    if (!BuildImage(image.data(), bStore)) {
        return ERecordState::Unreadable;
    }
    const bool bChanged = std::memcmp(image.data(), pStored, nSize) != 0;
    if (!bStore) {
        return bChanged ? ERecordState::Changed : ERecordState::Unchanged;
    }
    const std::uint16_t nKey = m_pLines->KeyAt(m_nCurrent);
    const int nIndex = CurrentLineNumber();
    char line[RecordLine::kMaxLength];
    const std::string strOld(line, FormatLine(nIndex, pStored, line));
    const std::string strNew(line, FormatLine(nIndex, image.data(), line));
    if (!RecordLine::EqualNoCase(strOld, strNew)) {
        m_pLines->Remove(m_nCurrent);
        m_pLines->Append(nKey, pStored, strNew);
        m_nCurrent = m_pLines->Count() - 1;
        SelectCurrent();
    }
    std::memcpy(pStored, image.data(), nSize);
    if (bChanged) {
        m_doc.RecordsChanged(m_pRecords->Layout().database);
    }
    // What the controls show must match the stored bytes, or a later edit back to the loaded
    // text would count as untouched.
    LoadRecord();
    return bChanged ? ERecordState::Changed : ERecordState::Unchanged;
}

std::string CEditorDlg::EditedName() const {
    if (m_pNameEdit != nullptr) {
        return Latin1::FromQString(m_pNameEdit->text());
    }
    const std::uint8_t* pRecord = CurrentRecord();
    return pRecord == nullptr
               ? std::string()
               : RecordField::GetText(pRecord, m_pRecords->NameOffset(), m_pRecords->NameWidth());
}

void CEditorDlg::OnFilter() {
    m_nCurrent = 0;
    ApplyTypeFilter();
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
    StoreOrCompare(true);
}

void CEditorDlg::OnUndo() {
    LoadRecord();
}

int CEditorDlg::CurrentLineNumber() const {
    return ShownIndex(m_pLines->KeyAt(m_nCurrent), CurrentRecord());
}

std::uint32_t CEditorDlg::FirstNewKey() const {
    const int nCount = m_pLines->Count();
    return nCount > 0 ? m_pLines->KeyAt(nCount - 1) + 1u : 1u;
}

void CEditorDlg::OnNew() {
    std::uint32_t nIndex = FirstNewKey();
    while (nIndex <= 0xFFFF && m_pRecords->Contains(static_cast<std::uint16_t>(nIndex))) {
        ++nIndex;
    }
    if (nIndex > 0xFFFF) {
        AfxShowMessageBox(EditorTexts::kNoFreeIndex);
        return;
    }
    const auto nKey = static_cast<std::uint16_t>(nIndex);
    std::uint8_t* pRecord = m_pRecords->Add(nKey, CurrentRecord());
    PrepareNewRecord(pRecord, nKey);
    m_doc.RecordsChanged(m_pRecords->Layout().database);

    char line[RecordLine::kMaxLength];
    m_pLines->Append(nKey, pRecord,
                     std::string_view(line, FormatLine(ShownIndex(nKey, pRecord), pRecord, line)));
    m_nCurrent = m_pLines->Count() - 1;
    SelectCurrent();
    UpdateRecordControls();
    LoadRecord();
}

void CEditorDlg::OnExit() {
    if (StoreOrCompare(false) != ERecordState::Unchanged &&
        AfxShowMessageBox(EditorTexts::RetainQuestion(EditedName()), MB_YESNO | MB_ICONQUESTION) ==
            IDYES &&
        StoreOrCompare(true) == ERecordState::Unreadable) {
        return;
    }
    LoadRecord();
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

std::optional<std::uint16_t> CEditorDlg::CurrentKey() const {
    return m_nCurrent >= 0 && m_nCurrent < m_pLines->Count()
               ? std::optional(m_pLines->KeyAt(m_nCurrent))
               : std::nullopt;
}

int CEditorDlg::RowOf(std::uint16_t nKey) const {
    for (int nRow = 0; nRow < m_pLines->Count(); ++nRow) {
        if (m_pLines->KeyAt(nRow) == nKey) {
            return nRow;
        }
    }
    return -1;
}

bool CEditorDlg::ShowRecord(std::uint16_t nKey) {
    const std::uint8_t* pRecord = m_pRecords->Find(nKey);
    if (pRecord == nullptr) {
        AfxShowMessageBox(EditorTexts::NoSuchRecord(m_pRecords->Layout().title, nKey));
        return false;
    }
    int nRow = RowOf(nKey);
    if (nRow < 0) {
        if (const std::string strReason = NeverListedReason(nKey, pRecord); !strReason.empty()) {
            AfxShowMessageBox(strReason);
            return false;
        }
        ListEverything();
        nRow = RowOf(nKey);
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
