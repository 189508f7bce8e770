#include "FindReplaceDlg.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "FieldText.h"
#include "RecordField.h"
#include "RecordTableModel.h"
#include "Resource.h"
#include "TextSearch.h"
#include "VentryDoc.h"
#include "core/AppServices.h"
#include "gui/DataExchangeLatin1.h"
#include "gui/MessageBox.h"

CFindReplaceDlg::CFindReplaceDlg(CVentryDoc& doc, CRecordTableModel& model,
                                 std::vector<CTextCell> cells, const QString& scope,
                                 QWidget* pParent)
    : CDialog(IDD_FIND_REPLACE, "Find and Replace", pParent, CloseBox::With),
      m_doc(doc),
      m_model(model),
      m_cells(std::move(cells)),
      m_scope(scope) {}

void CFindReplaceDlg::OnInitDialog() {
    auto* pLayout = new QVBoxLayout(this);
    auto* pForm = new QFormLayout;
    pLayout->addLayout(pForm);
    const auto edit = [this, pForm](int nId, const char* pszLabel) {
        auto* pEdit = new QLineEdit(this);
        pEdit->setObjectName(QString::number(nId));
        pEdit->setValidator(new CLatin1Validator(pEdit));
        pEdit->setMinimumWidth(pEdit->fontMetrics().horizontalAdvance(QString(32, 'x')));
        pForm->addRow(QString::fromLatin1(pszLabel), pEdit);
        return pEdit;
    };
    m_pFind = edit(IDC_REPLACE_FIND, "Fi&nd:");
    m_pWith = edit(IDC_REPLACE_WITH, "Replace &with:");
    m_pWholeWord = new QCheckBox(QStringLiteral("Whole w&ords only"), this);
    m_pWholeWord->setObjectName(QString::number(IDC_WHOLE_WORD));
    m_pMatchCase = new QCheckBox(QStringLiteral("Match &case"), this);
    m_pMatchCase->setObjectName(QString::number(IDC_MATCH_CASE));
    pLayout->addWidget(m_pWholeWord);
    pLayout->addWidget(m_pMatchCase);
    auto* pScope = new QLabel(QStringLiteral("In %1.").arg(m_scope), this);
    pScope->setObjectName(QString::number(IDC_REPLACE_SCOPE));
    pLayout->addWidget(pScope);

    pLayout->addLayout(
        CreateOkCancel(Qt::Horizontal, QStringLiteral("Replace &All"), QStringLiteral("Close")));
}

CCellEdit CFindReplaceDlg::Replace() const {
    CCellEdit edit(m_doc, m_model.GetDatabase());
    const CTextSearch search(Latin1::FromQString(m_pFind->text()), m_pMatchCase->isChecked(),
                             m_pWholeWord->isChecked());
    const std::string with = Latin1::FromQString(m_pWith->text());
    const CRecordTable& records = m_doc.Records(m_model.GetDatabase());
    for (const CTextCell& cell : m_cells) {
        const LayoutField& field = *m_model.Column(cell.nColumn).pField;
        const std::uint8_t* pRecord = records.Find(cell.nKey);
        std::size_t nCount = 0;
        const std::string text = search.ReplaceAll(
            RecordField::GetTextView(pRecord, field.nOffset, field.nWidth), with, nCount);
        if (nCount == 0) {
            continue;
        }
        const auto write = [&](std::uint8_t* pImage, std::string& strReason) {
            const std::string shown = Latin1ToUtf8(text);
            const bool bParsed =
                ParseColumn(m_model.Column(cell.nColumn), shown, pImage, strReason);
            strReason = "\"" + shown + "\" " + strReason;
            return bParsed;
        };
        if (!edit.Write(cell.nKey, m_model.Column(cell.nColumn), write)) {
            break;
        }
    }
    return edit;
}

void CFindReplaceDlg::OnOK() {
    if (m_pFind->text().isEmpty()) {
        m_pFind->setFocus();
        return;
    }
    const CCellEdit edit = Replace();
    if (edit.Failed() || edit.CellCount() == 0) {
        AfxShowMessageBox(edit.Failed()
                              ? edit.Problem()
                              : "No cell holds \"" + m_pFind->text().toStdString() + "\".");
        m_pFind->setFocus();
        return;
    }
    m_model.Apply(edit);
    done(IDOK);
}
