#include "TableViewDlg.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "CellEdit.h"
#include "Csv.h"
#include "FindReplaceDlg.h"
#include "RecordLayouts.h"
#include "RecordTableModel.h"
#include "Resource.h"
#include "SetValuesDlg.h"
#include "ValueDelegate.h"
#include "VentryDoc.h"
#include "gui/AfxRes.h"
#include "gui/MessageBox.h"

namespace {

// The sorted distinct values of a selection's bounds.
std::vector<int> Spanned(const QItemSelection& selection, bool bRows) {
    std::vector<int> numbers;
    for (const QItemSelectionRange& range : selection) {
        const int nFirst = bRows ? range.top() : range.left();
        const int nLast = bRows ? range.bottom() : range.right();
        for (int n = nFirst; n <= nLast; ++n) {
            numbers.push_back(n);
        }
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

}  // namespace

CTableViewDlg::CTableViewDlg(CVentryDoc& doc, QWidget* pParent)
    : CDialog(IDD_TABLE_VIEW, "Table View", pParent, CloseBox::With), m_doc(doc) {}

void CTableViewDlg::OnInitDialog() {
    auto* pLayout = new QVBoxLayout(this);
    auto* pChoices = new QHBoxLayout;
    pLayout->addLayout(pChoices);

    auto* pDatabase = new QComboBox(this);
    pDatabase->setObjectName(QString::number(IDC_DATABASE_CHOICE));
    for (const RecordLayout* pLayout : kRecordLayouts) {
        pDatabase->addItem(QString::fromLatin1(pLayout->name));
    }
    auto* pFilter = new QLineEdit(this);
    pFilter->setObjectName(QString::number(IDC_TABLE_FILTER));
    pFilter->setPlaceholderText(QStringLiteral("Text in any text field"));
    pFilter->setClearButtonEnabled(true);
    for (auto [pszLabel, pControl] :
         {std::pair<const char*, QWidget*>{"&Database:", pDatabase}, {"&Filter:", pFilter}}) {
        auto* pLabel = new QLabel(QString::fromLatin1(pszLabel), this);
        pLabel->setBuddy(pControl);
        pChoices->addWidget(pLabel);
        pChoices->addWidget(pControl);
    }
    pChoices->setStretchFactor(pFilter, 1);

    m_pModel = new CRecordTableModel(m_doc, this);
    m_pTable = new QTableView(this);
    m_pTable->setObjectName(QString::number(IDC_TABLE));
    m_pTable->setModel(m_pModel);
    m_pTable->setItemDelegate(new CValueDelegate(m_pTable));
    m_pTable->setWordWrap(false);
    m_pTable->setAlternatingRowColors(true);
    m_pTable->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_pTable->verticalHeader()->setDefaultSectionSize(m_pTable->fontMetrics().height() + 6);
    // Unsorted at first; a third click on a header goes back to the index order.
    m_pTable->horizontalHeader()->setSortIndicatorClearable(true);
    m_pTable->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_pTable->setSortingEnabled(true);
    pLayout->addWidget(m_pTable, 1);

    // Copying and pasting belong to the table; the filter edit copies and pastes its text.
    AddCommand(ID_EDIT_COPY, "&Copy as CSV", QKeySequence::Copy, Qt::WidgetShortcut,
               &CTableViewDlg::CopySelection);
    AddCommand(ID_EDIT_PASTE, "&Paste", QKeySequence::Paste, Qt::WidgetShortcut,
               &CTableViewDlg::Paste);
    AddCommand(ID_EDIT_SET_VALUES, "&Set Values...", QKeySequence(Qt::CTRL | Qt::Key_E),
               Qt::WindowShortcut, &CTableViewDlg::SetValues);
    AddCommand(ID_EDIT_REPLACE, "Find and &Replace...", QKeySequence(Qt::CTRL | Qt::Key_H),
               Qt::WindowShortcut, &CTableViewDlg::FindAndReplace);
    m_pTable->setContextMenuPolicy(Qt::ActionsContextMenu);

    connect(pDatabase, &QComboBox::currentIndexChanged, this,
            [this](int nItem) { OnDatabaseChosen(nItem); });
    connect(pFilter, &QLineEdit::textChanged, m_pModel, &CRecordTableModel::SetFilter);
    connect(m_pTable, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (m_pModel->IsIndexColumn(index.column())) {
            OpenRow(index.row());
        }
    });
    connect(m_pTable->verticalHeader(), &QHeaderView::sectionDoubleClicked, this,
            [this](int nRow) { OpenRow(nRow); });
    m_pTable->resizeColumnsToContents();
    resize(960, 560);
}

void CTableViewDlg::AddCommand(unsigned nID, const char* pszText, const QKeySequence& key,
                               Qt::ShortcutContext context, void (CTableViewDlg::*pfnRun)()) {
    auto* pAction = new QAction(QString::fromLatin1(pszText), m_pTable);
    pAction->setObjectName(QString::number(nID));
    pAction->setShortcut(key);
    pAction->setShortcutContext(context);
    m_pTable->addAction(pAction);
    connect(pAction, &QAction::triggered, this, [this, pfnRun] { (this->*pfnRun)(); });
}

void CTableViewDlg::OnDatabaseChosen(int nItem) {
    m_pModel->SetDatabase(static_cast<Database>(nItem));
    m_pTable->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_pTable->resizeColumnsToContents();
}

void CTableViewDlg::OpenRow(int nRow) const {
    m_doc.OpenRecord(m_pModel->GetDatabase(), m_pModel->KeyOf(nRow));
}

void CTableViewDlg::CopySelection() {
    const QItemSelection selection = m_pTable->selectionModel()->selection();
    if (selection.isEmpty()) {
        return;
    }
    const std::string csv = m_pModel->Csv(Spanned(selection, true), Spanned(selection, false));
    QApplication::clipboard()->setText(QString::fromStdString(csv));
}

QModelIndexList CTableViewDlg::SelectedCells() const {
    QModelIndexList cells = m_pTable->selectionModel()->selectedIndexes();
    if (cells.isEmpty() && m_pTable->currentIndex().isValid()) {
        cells.append(m_pTable->currentIndex());
    }
    std::sort(cells.begin(), cells.end(), [](const QModelIndex& a, const QModelIndex& b) {
        return std::pair(a.row(), a.column()) < std::pair(b.row(), b.column());
    });
    return cells;
}

void CTableViewDlg::Finish(const CCellEdit& edit) {
    if (edit.Failed()) {
        AfxShowMessageBox(edit.Problem());
    } else {
        m_pModel->Apply(edit);
    }
}

void CTableViewDlg::SetValues() {
    const QModelIndexList cells = SelectedCells();
    if (cells.isEmpty()) {
        AfxShowMessageBox("Select the cells to set first.");
        return;
    }
    const int nColumn = cells.front().column();
    if (std::any_of(cells.begin(), cells.end(),
                    [nColumn](const QModelIndex& cell) { return cell.column() != nColumn; })) {
        AfxShowMessageBox("Set Values sets the cells of one column; the selection spans several.");
        return;
    }
    if (m_pModel->IsIndexColumn(nColumn)) {
        AfxShowMessageBox("The index is not changed here.");
        return;
    }
    std::vector<std::uint16_t> keys;
    keys.reserve(static_cast<std::size_t>(cells.size()));
    for (const QModelIndex& cell : cells) {
        keys.push_back(m_pModel->KeyOf(cell.row()));
    }
    CSetValuesDlg dialog(m_doc, *m_pModel, nColumn, std::move(keys), this);
    dialog.DoModal();
}

void CTableViewDlg::Paste() {
    std::vector<std::vector<std::string>> block;
    std::string strError;
    const bool bRead = Csv::ForEachRow(
        QApplication::clipboard()->text().toStdString(),
        [&block](const Csv::Row& row) { block.push_back(row.cells); }, strError, '\t');
    const QModelIndexList cells = SelectedCells();
    if (!bRead || block.empty() || cells.isEmpty()) {
        if (!bRead) {
            AfxShowMessageBox("The clipboard holds no cells to paste: " + strError);
        }
        return;
    }
    CCellEdit edit(m_doc, m_pModel->GetDatabase());
    const auto write = [&](int nRow, int nColumn, const std::string& value) {
        const FieldColumn& column = m_pModel->Column(nColumn);
        return edit.Write(
            m_pModel->KeyOf(nRow), column, [&](std::uint8_t* pImage, std::string& strReason) {
                const bool bParsed = m_pModel->Names().Parse(column, value, pImage, strReason);
                strReason = "\"" + value + "\" " + strReason;
                return bParsed;
            });
    };
    // One value over several cells fills them all.
    if (block.size() == 1 && block.front().size() == 1 && cells.size() > 1) {
        for (const QModelIndex& cell : cells) {
            write(cell.row(), cell.column(), block.front().front());
        }
        Finish(edit);
        return;
    }
    const QModelIndex from =
        m_pTable->currentIndex().isValid() ? m_pTable->currentIndex() : cells.front();
    std::size_t nWidth = 0;
    for (const std::vector<std::string>& row : block) {
        nWidth = std::max(nWidth, row.size());
    }
    if (from.row() + block.size() > static_cast<std::size_t>(m_pModel->rowCount()) ||
        from.column() + nWidth > static_cast<std::size_t>(m_pModel->columnCount())) {
        AfxShowMessageBox("The " + std::to_string(block.size()) + " \xC3\x97 " +
                          std::to_string(nWidth) +
                          " cells on the clipboard reach beyond the table from the current cell.");
        return;
    }
    for (std::size_t i = 0; i < block.size(); ++i) {
        for (std::size_t j = 0; j < block[i].size(); ++j) {
            write(from.row() + static_cast<int>(i), from.column() + static_cast<int>(j),
                  block[i][j]);
        }
    }
    Finish(edit);
    if (!edit.Failed()) {
        m_pTable->selectionModel()->select(
            QItemSelection(from, m_pModel->index(from.row() + static_cast<int>(block.size()) - 1,
                                                 from.column() + static_cast<int>(nWidth) - 1)),
            QItemSelectionModel::ClearAndSelect);
    }
}

void CTableViewDlg::FindAndReplace() {
    const QModelIndexList cells = SelectedCells();
    const auto isText = [this](int nColumn) {
        return m_pModel->Column(nColumn).pField->kind == FieldKind::Text;
    };
    std::vector<CTextCell> textCells;
    QString scope;
    if (cells.size() > 1) {
        for (const QModelIndex& cell : cells) {
            if (isText(cell.column())) {
                textCells.push_back({m_pModel->KeyOf(cell.row()), cell.column()});
            }
        }
        scope = QStringLiteral("the %1 selected text cells").arg(textCells.size());
    } else {
        // Without a selection, every text cell shown.
        for (int nRow = 0; nRow < m_pModel->rowCount(); ++nRow) {
            for (int nColumn = 0; nColumn < m_pModel->columnCount(); ++nColumn) {
                if (isText(nColumn)) {
                    textCells.push_back({m_pModel->KeyOf(nRow), nColumn});
                }
            }
        }
        scope = QStringLiteral("every text cell of the %1 rows shown").arg(m_pModel->rowCount());
    }
    if (textCells.empty()) {
        AfxShowMessageBox("The selection holds no text cell.");
        return;
    }
    CFindReplaceDlg dialog(m_doc, *m_pModel, std::move(textCells), scope, this);
    dialog.DoModal();
}
