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

#include "RecordLayouts.h"
#include "RecordTableModel.h"
#include "Resource.h"
#include "VentryDoc.h"

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
    m_pTable->setWordWrap(false);
    m_pTable->setAlternatingRowColors(true);
    m_pTable->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_pTable->verticalHeader()->setDefaultSectionSize(m_pTable->fontMetrics().height() + 6);
    // Unsorted at first; a third click on a header goes back to the index order.
    m_pTable->horizontalHeader()->setSortIndicatorClearable(true);
    m_pTable->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_pTable->setSortingEnabled(true);
    pLayout->addWidget(m_pTable, 1);

    auto* pCopy = new QAction(QStringLiteral("&Copy as CSV"), m_pTable);
    pCopy->setShortcut(QKeySequence::Copy);
    pCopy->setShortcutContext(Qt::WidgetShortcut);
    m_pTable->addAction(pCopy);
    m_pTable->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(pCopy, &QAction::triggered, this, [this] { CopySelection(); });

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

void CTableViewDlg::OnDatabaseChosen(int nItem) {
    m_pModel->SetDatabase(static_cast<Database>(nItem));
    m_pTable->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_pTable->resizeColumnsToContents();
}

void CTableViewDlg::OpenRow(int nRow) const {
    m_doc.OpenRecord(m_pModel->GetDatabase(), m_pModel->KeyOf(nRow));
}

void CTableViewDlg::CopySelection() const {
    const QItemSelection selection = m_pTable->selectionModel()->selection();
    if (selection.isEmpty()) {
        return;
    }
    const std::string csv = m_pModel->Csv(Spanned(selection, true), Spanned(selection, false));
    QApplication::clipboard()->setText(QString::fromStdString(csv));
}
