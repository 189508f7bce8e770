#include "CompareDlg.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "DifferenceListModel.h"
#include "EditorDlg.h"
#include "LoadProblems.h"
#include "RecordLayouts.h"
#include "Resource.h"
#include "SetTake.h"
#include "VentryDoc.h"
#include "gui/MessageBox.h"
#include "gui/PathString.h"
#include "gui/PushButton.h"

namespace {}  // namespace

CCompareDlg::CCompareDlg(CVentryDoc& doc, QWidget* pParent)
    : CDialog(IDD_COMPARE, "Compare", pParent, CloseBox::With),
      m_doc(doc),
      m_follower(doc, *this, [this] { Refill(); }) {}

CCompareDlg::~CCompareDlg() = default;

void CCompareDlg::OnInitDialog() {
    auto* pLayout = new QVBoxLayout(this);
    m_pCaption = new QLabel(this);
    m_pCaption->setTextFormat(Qt::PlainText);
    pLayout->addWidget(m_pCaption);
    m_pModel = new CDifferenceListModel(this);
    m_pList = new QListView(this);
    m_pList->setObjectName(QString::number(IDC_DIFFERENCES));
    m_pList->setModel(m_pModel);
    m_pList->setUniformItemSizes(true);
    m_pList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pList->setMinimumSize(m_pList->fontMetrics().horizontalAdvance(QString(72, 'x')),
                            m_pList->fontMetrics().height() * 16);
    pLayout->addWidget(m_pList);
    connect(m_pList, &QListView::doubleClicked, this,
            [this](const QModelIndex& index) { OnDoubleClick(index); });
    connect(m_pList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { UpdateTakeButton(); });

    auto* pButtons = new QHBoxLayout;
    pLayout->addLayout(pButtons);
    m_pChangedOnly = new QCheckBox(QStringLiteral("C&hanged records only"), this);
    m_pChangedOnly->setObjectName(QString::number(IDC_CHANGED_ONLY));
    pButtons->addWidget(m_pChangedOnly);
    connect(m_pChangedOnly, &QCheckBox::toggled, this, [this] { Refill(); });
    pButtons->addStretch(1);
    m_pTakeOther = AddPushButton(*pButtons, this, IDC_TAKE_OTHER, QStringLiteral("&Take Other"));
    connect(m_pTakeOther, &QPushButton::clicked, this, [this] { OnTakeOther(); });
    connect(AddPushButton(*pButtons, this, IDC_CLOSE, QStringLiteral("Close")),
            &QPushButton::clicked, this, [this] { hide(); });
}

bool CCompareDlg::ChooseOtherSet() {
    Create();
    std::string path = m_pOther ? m_pOther->m_strObjectFile : std::string();
    if (!AfxGetAppServices().DoPromptFileName(path, true)) {
        return false;
    }
    // Loaded beside the one compared with so far, which stays when this load fails.
    auto pOther = std::make_unique<CVentryDoc>();
    if (!pOther->OnOpenDocument(path)) {
        return false;
    }
    ReportLoadProblems(*pOther,
                       "These files of the set to compare with hold several records with the "
                       "same index; only the last of each counts:",
                       "These files of the set to compare with could not be read; their "
                       "databases count as empty:");
    m_pOther = std::move(pOther);
    Refill();
    return true;
}

void CCompareDlg::Refill() {
    if (!m_pOther) {
        return;
    }
    const bool bChangedOnly = m_pChangedOnly->isChecked();
    std::vector<CSetDifference> rows;
    std::size_t nDifferences = 0;
    DiffSets(m_doc, *m_pOther, [&](const CSetDifference& difference) {
        ++nDifferences;
        if (!bChangedOnly || difference.kind == CSetDifference::Kind::Changed) {
            rows.push_back(difference);
        }
    });
    const int nCurrent = m_pList->currentIndex().row();
    m_pModel->SetRows(m_doc, std::move(rows));
    // Where the taken lines were, so the next ones are at hand; nothing is selected.
    const int nRows = m_pModel->rowCount();
    if (nCurrent >= 0 && nRows > 0) {
        m_pList->selectionModel()->setCurrentIndex(m_pModel->index(std::min(nCurrent, nRows - 1)),
                                                   QItemSelectionModel::NoUpdate);
    }
    QString summary = nDifferences == 0   ? QStringLiteral("no differences")
                      : nDifferences == 1 ? QStringLiteral("1 difference")
                                          : QStringLiteral("%1 differences").arg(nDifferences);
    if (static_cast<std::size_t>(nRows) != nDifferences) {
        summary += QStringLiteral(", %1 shown").arg(nRows);
    }
    m_pCaption->setText(QStringLiteral("Compared with %1: %2.")
                            .arg(AfxPathToQString(m_pOther->m_strObjectFile), summary));
    UpdateTakeButton();
}

void CCompareDlg::OnTakeOther() {
    if (!m_pOther) {
        return;
    }
    QModelIndexList selected = m_pList->selectionModel()->selectedRows();
    std::ranges::sort(selected, {}, &QModelIndex::row);
    std::vector<CSetDifference> chosen;
    for (const QModelIndex& index : selected) {
        chosen.push_back(m_pModel->Rows()[static_cast<std::size_t>(index.row())]);
    }
    if (!SettleEditorsBefore(m_doc, TakeDifferences(m_doc, *m_pOther, chosen).change)) {
        return;
    }
    // An edit the user kept is a step of its own by now; the values are taken on top of it.
    CTakeResult take = TakeDifferences(m_doc, *m_pOther, chosen);
    m_doc.ApplyChange(std::move(take.change));
    if (take.nKept > 0) {
        AfxShowMessageBox("This set keeps " + std::to_string(take.nKept) +
                              (take.nKept == 1 ? " record" : " records") +
                              " that the other set does not have: Ventry removes no records.",
                          MB_OK);
    }
}

void CCompareDlg::OnDoubleClick(const QModelIndex& index) const {
    if (!index.isValid()) {
        return;
    }
    // A record only the other set has is not in this set to show.
    const CSetDifference& row = m_pModel->Rows()[static_cast<std::size_t>(index.row())];
    if (row.kind != CSetDifference::Kind::Added) {
        m_doc.OpenRecord(row.database, row.nKey);
    }
}

void CCompareDlg::UpdateTakeButton() {
    m_pTakeOther->setEnabled(m_pList->selectionModel()->hasSelection());
}
