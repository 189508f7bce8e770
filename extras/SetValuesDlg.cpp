#include "SetValuesDlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "FieldLabels.h"
#include "RecordTableModel.h"
#include "Resource.h"
#include "ValueExpression.h"
#include "core/AppServices.h"
#include "gui/DataExchangeLatin1.h"
#include "gui/MessageBox.h"

namespace {

QString CellCount(std::size_t nCells) {
    return nCells == 1 ? QStringLiteral("1 cell") : QStringLiteral("%1 cells").arg(nCells);
}

}  // namespace

CSetValuesDlg::CSetValuesDlg(CVentryDoc& doc, CRecordTableModel& model, int nColumn,
                             std::vector<std::uint16_t> keys, QWidget* pParent)
    : CDialog(IDD_SET_VALUES, "Set Values", pParent, CloseBox::With),
      m_doc(doc),
      m_model(model),
      m_nColumn(nColumn),
      m_keys(std::move(keys)) {}

void CSetValuesDlg::OnInitDialog() {
    auto* pLayout = new QVBoxLayout(this);
    const FieldColumn& column = m_model.Column(m_nColumn);
    const std::string label = EditorLabel(m_model.GetDatabase(), column);
    // "New value of 4 cells of rounds_4, No. of Rounds 4 (Weapon Details):"
    QString heading = QStringLiteral("New value of %1 of %2")
                          .arg(CellCount(m_keys.size()), QString::fromStdString(column.name));
    if (!label.empty()) {
        heading += QStringLiteral(", ") + QString::fromLatin1(label);
    }
    pLayout->addWidget(new QLabel(heading + QLatin1Char(':'), this));
    m_pExpression = new QLineEdit(this);
    m_pExpression->setObjectName(QString::number(IDC_EXPRESSION));
    m_pExpression->setAccessibleName(QStringLiteral("New value"));
    m_pExpression->setValidator(new CLatin1Validator(m_pExpression));
    m_pExpression->setMinimumWidth(
        m_pExpression->fontMetrics().horizontalAdvance(QString(40, 'x')));
    pLayout->addWidget(m_pExpression);
    auto* pHint = new QLabel(
        QStringLiteral("A value (5, Surf, a text; =-5 sets a number with a sign), or\n"
                       "+n, -n, *n, /n with each number; |0x.. sets bits, &~0x.. clears them."),
        this);
    pHint->setEnabled(false);
    pLayout->addWidget(pHint);
    m_pCount = new QLabel(this);
    m_pCount->setObjectName(QString::number(IDC_CHANGE_COUNT));
    m_pCount->setWordWrap(true);
    pLayout->addWidget(m_pCount);

    pLayout->addLayout(
        CreateOkCancel(Qt::Horizontal, QStringLiteral("OK"), QStringLiteral("Abbrechen")));
    connect(m_pExpression, &QLineEdit::textChanged, this, [this] { ShowCount(); });
    ShowCount();
}

CCellEdit CSetValuesDlg::Evaluate() const {
    return SetValues(m_doc, m_model.GetDatabase(), m_model.Column(m_nColumn), m_keys,
                     m_model.Names(), m_pExpression->text().toStdString());
}

void CSetValuesDlg::ShowCount() {
    m_evaluated.reset();
    if (m_pExpression->text().isEmpty() && m_model.Column(m_nColumn).pField->IsNumber()) {
        m_pCount->setText(QStringLiteral("Type a value or an operation."));
        return;
    }
    const CCellEdit& edit = m_evaluated.emplace(Evaluate());
    m_pCount->setText(edit.Failed() ? QString::fromStdString(edit.Problem())
                                    : QStringLiteral("%1 of %2 will change")
                                          .arg(edit.ChangedCount())
                                          .arg(CellCount(m_keys.size())));
}

void CSetValuesDlg::OnOK() {
    // The dialog is modal: what the count was made from is still the set.
    const CCellEdit& edit = m_evaluated ? *m_evaluated : m_evaluated.emplace(Evaluate());
    if (edit.Failed()) {
        AfxShowMessageBox(edit.Problem());
        m_pExpression->setFocus();
        return;
    }
    m_model.Apply(edit);
    done(IDOK);
}
