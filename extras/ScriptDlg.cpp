#include "ScriptDlg.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringDecoder>
#include <QVBoxLayout>
#include <iterator>
#include <vector>

#include "DifferenceListModel.h"
#include "EditorDlg.h"
#include "Resource.h"
#include "ScriptRun.h"
#include "SetDiff.h"
#include "VentryDoc.h"
#include "core/File.h"
#include "gui/FileDialog.h"
#include "gui/MessageBox.h"
#include "gui/PathString.h"
#include "gui/PushButton.h"
#include "gui/WaitCursor.h"

namespace {

// Scripts are UTF-8 text while records hold Latin-1 bytes: output that is no UTF-8 most
// likely prints record texts.
QString Decoded(const std::string& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(QByteArrayView(bytes.data(), std::ssize(bytes)));
    return decoder.hasError() ? QString::fromLatin1(bytes.data(), std::ssize(bytes)) : text;
}

// False, with the reason told, when the file cannot be read.
bool ReadScript(const std::string& path, std::string& text) {
    try {
        CFile::ReadAll(path, text);
    } catch (const CFileException& e) {
        AfxShowMessageBox(e.Describe());
        return false;
    }
    return true;
}

}  // namespace

CScriptDlg::CScriptDlg(CVentryDoc& doc, QWidget* pParent)
    : CDialog(IDD_SCRIPT, "Script", pParent, CloseBox::With),
      m_doc(doc),
      m_nListener(
          doc.AddChangeListener([this](const CVentryDoc::CChangeNotice&) { m_bStale = true; })) {}

CScriptDlg::~CScriptDlg() {
    m_doc.RemoveChangeListener(m_nListener);
}

bool CScriptDlg::PromptForScript(QWidget* pParent, std::string& path) {
    QFileDialog dialog(pParent, QStringLiteral("Run Script"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QStringLiteral("Lua scripts (*.lua)"), QStringLiteral("All files (*)")});
    if (!path.empty()) {
        dialog.selectFile(AfxPathToQString(path));
    }
    if (AfxRunFileDialog(dialog) != IDOK || dialog.selectedFiles().isEmpty()) {
        return false;
    }
    path = AfxQStringToPath(dialog.selectedFiles().front());
    return true;
}

void CScriptDlg::OnInitDialog() {
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(new QLabel(QStringLiteral("Output:"), this));
    m_pOutput = new QPlainTextEdit(this);
    m_pOutput->setObjectName(QString::number(IDC_SCRIPT_OUTPUT));
    m_pOutput->setReadOnly(true);
    m_pOutput->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_pOutput->setMinimumHeight(m_pOutput->fontMetrics().height() * 5);
    pLayout->addWidget(m_pOutput, 1);
    m_pSummary = new QLabel(this);
    pLayout->addWidget(m_pSummary);
    m_pChanges = new QListView(this);
    m_pChanges->setObjectName(QString::number(IDC_SCRIPT_CHANGES));
    m_pChanges->setUniformItemSizes(true);
    m_pChanges->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pChanges->setMinimumSize(m_pChanges->fontMetrics().horizontalAdvance(QString(72, 'x')),
                               m_pChanges->fontMetrics().height() * 14);
    m_pLines = new CDifferenceListModel(this);
    m_pChanges->setModel(m_pLines);
    pLayout->addWidget(m_pChanges, 3);
    auto* pButtons = new QHBoxLayout;
    pLayout->addLayout(pButtons);
    pButtons->addStretch(1);
    m_pApply = AddPushButton(*pButtons, this, IDC_SCRIPT_APPLY, QStringLiteral("&Apply"));
    connect(m_pApply, &QPushButton::clicked, this, [this] { OnApply(); });
    connect(AddPushButton(*pButtons, this, IDC_SCRIPT_DISCARD, QStringLiteral("&Discard")),
            &QPushButton::clicked, this, [this] { Discard(); });
}

void CScriptDlg::OnCancel() {
    Discard();
}

bool CScriptDlg::Run(const std::string& path) {
    Create();
    std::string text;
    if (!ReadScript(path, text)) {
        return false;
    }
    m_strText = std::move(text);
    m_strName = QFileInfo(AfxPathToQString(path)).fileName().toStdString();
    RunText();
    return true;
}

void CScriptDlg::RunText() {
    std::string printed;
    CScriptResult result;
    {
        const CWaitCursor wait;
        result = RunScript(m_doc, m_strText, m_strName, CScriptLimits{},
                           [&printed](std::string_view text) { printed += text; });
    }
    m_bStale = false;
    std::vector<CSetDifference> rows;
    DiffChange(result.change,
               [&rows](const CSetDifference& difference) { rows.push_back(difference); });
    if (!result.bSucceeded) {
        printed += result.strError + '\n';
    }
    m_pOutput->setPlainText(Decoded(printed));
    const std::size_t nRows = rows.size();
    m_pLines->SetRows(m_doc, std::move(rows));
    m_change = std::move(result.change);
    m_pApply->setEnabled(!m_change.IsEmpty());
    const QString name = QString::fromStdString(m_strName);
    if (!result.bSucceeded) {
        m_pSummary->setText(QStringLiteral("%1 failed; it changes nothing.").arg(name));
    } else if (nRows == 0) {
        m_pSummary->setText(QStringLiteral("%1 changes nothing.").arg(name));
    } else {
        m_pSummary->setText(QStringLiteral("%1 makes %2 %3:")
                                .arg(name)
                                .arg(nRows)
                                .arg(nRows == 1 ? "change" : "changes"));
    }
}

void CScriptDlg::OnApply() {
    if (m_change.IsEmpty() || !SettleEditorsBefore(m_doc, m_change)) {
        return;
    }
    // The change holds the records' bytes as they were when the script ran; applied to other
    // bytes, its undo would put those back. So the script runs on the set as it is now, and
    // only a change with the same differences is applied without being shown first.
    if (m_bStale) {
        const std::vector<CSetDifference> shown = m_pLines->Rows();
        RunText();
        if (m_pLines->Rows() != shown) {
            AfxShowMessageBox("The set has changed since " + m_strName +
                              " ran, and the script now changes it differently. Nothing was "
                              "applied; the window shows the new changes.");
            return;
        }
    }
    m_change.SetTitle("script " + m_strName);
    m_doc.ApplyChange(std::move(m_change));
    Discard();
}

void CScriptDlg::Discard() {
    m_change = CSetChange();
    m_strText.clear();
    m_pLines->SetRows(m_doc, {});
    m_pOutput->clear();
    m_pApply->setEnabled(false);
    hide();
}
