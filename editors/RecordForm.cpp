#include "RecordForm.h"

#include <algorithm>
#include <vector>

#include "EditorTexts.h"
#include "FieldForm.h"
#include "FieldText.h"
#include "VentryDoc.h"
#include "gui/MessageBox.h"

CRecordForm::CRecordForm(CVentryDoc& doc, const RecordLayout& layout, const CFieldForm& fields,
                         CLoader load, CImageBuilder build)
    : m_doc(doc),
      m_layout(layout),
      m_fields(fields),
      m_load(std::move(load)),
      m_build(std::move(build)) {}

std::uint8_t* CRecordForm::Record() const {
    return m_nKey ? m_doc.Records(m_layout.database).Find(*m_nKey) : nullptr;
}

void CRecordForm::Show(std::optional<std::uint16_t> nKey) {
    m_nKey = nKey;
    m_load(Record());
}

bool CRecordForm::Build(std::vector<std::uint8_t>& image, bool bReport) {
    const std::uint8_t* pStored = Record();
    image.assign(pStored, pStored + m_layout.nRecordSize);
    return m_build(image.data(), bReport);
}

CRecordForm::EState CRecordForm::Compare() {
    const std::uint8_t* pStored = Record();
    if (pStored == nullptr) {
        return EState::Unchanged;
    }
    std::vector<std::uint8_t> image;
    if (!Build(image, false)) {
        return EState::Unreadable;
    }
    return std::equal(image.begin(), image.end(), pStored) ? EState::Unchanged : EState::Changed;
}

CRecordForm::EState CRecordForm::Store() {
    const std::uint8_t* pStored = Record();
    if (pStored == nullptr) {
        return EState::Unchanged;
    }
    std::vector<std::uint8_t> image;
    if (!Build(image, true)) {
        return EState::Unreadable;
    }
    const std::string name = RecordField::GetText(image.data(), m_layout.NameField().nOffset,
                                                  m_layout.NameField().nWidth);
    CSetChange change("Apply to " + std::string(m_layout.title) + " " + std::to_string(*m_nKey) +
                      " " + Latin1ToUtf8(name));
    change.Change(m_layout.database, *m_nKey, {pStored, m_layout.nRecordSize}, image);
    m_bStoring = true;
    const bool bChanged = m_doc.ApplyChange(std::move(change));
    m_bStoring = false;
    if (bChanged && m_onStored) {
        m_onStored();
    }
    // What the controls show must match the stored bytes, or a later edit back to the loaded
    // text would count as untouched.
    Revert();
    return bChanged ? EState::Changed : EState::Unchanged;
}

std::string CRecordForm::EditedName() const {
    if (std::optional<std::string> shown = m_fields.ShownText(m_layout.NameField())) {
        return *shown;
    }
    const std::uint8_t* pRecord = Record();
    return pRecord == nullptr ? std::string()
                              : RecordField::GetText(pRecord, m_layout.NameField().nOffset,
                                                     m_layout.NameField().nWidth);
}

bool CRecordForm::SettleBeforeLeaving() {
    if (Compare() != EState::Unchanged &&
        AfxShowMessageBox(EditorTexts::RetainQuestion(EditedName()), MB_YESNO | MB_ICONQUESTION) ==
            IDYES &&
        Store() == EState::Unreadable) {
        return false;
    }
    Revert();
    return true;
}
