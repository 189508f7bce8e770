#include "CellEdit.h"

#include "SetLookup.h"
#include "VentryDoc.h"

CCellEdit::CCellEdit(const CVentryDoc& doc, Database database)
    : m_doc(doc), m_layout(LayoutOf(database)), m_imageOfKey(std::size_t{1} << 16, -1) {}

std::uint8_t* CCellEdit::Image(std::uint16_t nKey) {
    std::int32_t& nImage = m_imageOfKey[nKey];
    if (nImage < 0) {
        const std::uint8_t* pRecord = m_doc.Records(m_layout.database).Find(nKey);
        if (pRecord == nullptr) {
            return nullptr;
        }
        nImage = static_cast<std::int32_t>(m_keys.size());
        m_keys.push_back(nKey);
        m_images.insert(m_images.end(), pRecord, pRecord + m_layout.nRecordSize);
    }
    return m_images.data() + static_cast<std::size_t>(nImage) * m_layout.nRecordSize;
}

bool CCellEdit::Refuse(std::uint16_t nKey, const FieldColumn& column,
                       const std::string& strReason) {
    if (!Failed()) {
        const std::uint8_t* pRecord = m_doc.Records(m_layout.database).Find(nKey);
        const std::uint16_t nIndex =
            pRecord == nullptr ? nKey : CSetLookup::IndexOf(m_layout, nKey, pRecord);
        m_strProblem = std::string(m_layout.name) + " " + std::to_string(nIndex) + ": " +
                       column.name + ": " + strReason;
    }
    return false;
}

void CCellEdit::Refuse(std::string strProblem) {
    if (!Failed()) {
        m_strProblem = std::move(strProblem);
    }
}

bool CCellEdit::NoteWritten(std::uint16_t nKey, const FieldColumn& column) {
    const std::uint8_t* pImage = Image(nKey);
    const std::uint8_t* pRecord = m_doc.Records(m_layout.database).Find(nKey);
    const LayoutField& field = *column.pField;
    const std::size_t nOffset = column.bTail ? field.nOffset : field.ElementOffset(column.nElement);
    const std::size_t nSize = column.bTail ? field.Size() : field.nWidth;
    const bool bChanged = std::memcmp(pImage + nOffset, pRecord + nOffset, nSize) != 0;
    if (bChanged && m_layout.bIndexed && &field == &m_layout.IndexField()) {
        return Refuse(nKey, column, "the index is not changed here.");
    }
    ++m_nCells;
    m_nChanged += bChanged ? 1 : 0;
    return true;
}

CSetChange CCellEdit::Change() const {
    CSetChange change(std::to_string(m_nChanged) + (m_nChanged == 1 ? " cell in " : " cells in ") +
                      std::string(m_layout.name));
    for (std::size_t i = 0; i < m_keys.size(); ++i) {
        const std::uint8_t* pRecord = m_doc.Records(m_layout.database).Find(m_keys[i]);
        change.Change(m_layout.database, m_keys[i], {pRecord, m_layout.nRecordSize},
                      {m_images.data() + i * m_layout.nRecordSize, m_layout.nRecordSize});
    }
    return change;
}
