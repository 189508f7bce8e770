#include "EditableIndexDlg.h"

#include <QLineEdit>
#include <string>

#include "FieldForm.h"
#include "StoredIndexTable.h"
#include "gui/MessageBox.h"

namespace {

constexpr int kIndexId = 1004;

std::string IndexTakenMessage(std::uint16_t nIndex) {
    return "The Index " + std::to_string(static_cast<std::int16_t>(nIndex)) +
           " is already used by another record.\nNothing was stored.";
}

}  // namespace

CEditableIndexDlg::CEditableIndexDlg(QWidget* pParent, CVentryDoc& doc,
                                     const EditorDescription& description,
                                     std::unique_ptr<CRecordTable> pRecords)
    : CEditorDlg(pParent, doc, description,
                 std::make_unique<CStoredIndexTable>(std::move(pRecords))),
      m_indices(static_cast<CStoredIndexTable&>(*m_pRecords)) {}

bool CEditableIndexDlg::BuildImage(std::uint8_t* pImage, bool bReport) {
    if (!CEditorDlg::BuildImage(pImage, bReport)) {
        return false;
    }
    const std::uint8_t* pStored = CurrentRecord();
    const auto nIndex = RecordField::Get<std::uint16_t>(pImage, 0);
    if (!bReport || nIndex == RecordField::Get<std::uint16_t>(pStored, 0) ||
        !m_indices.IsStoredByAnother(nIndex, pStored)) {
        return true;
    }
    AfxShowMessageBox(IndexTakenMessage(nIndex));
    if (auto* pEdit = qobject_cast<QLineEdit*>(m_pForm->Control(kIndexId))) {
        pEdit->setFocus();
        pEdit->selectAll();
    }
    return false;
}
