#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "FieldText.h"
#include "SetChange.h"

class CVentryDoc;

// Many cells of one database as one step: every cell is written into a working copy of its
// record, and the first cell that refuses its value refuses the whole step, named as
// "object 12: mass: 70000 does not fit ...". Nothing reaches the set until the caller applies
// Change() through the document's door.
class CCellEdit {
public:
    CCellEdit(const CVentryDoc& doc, Database database);

    // Writes one cell: write(pImage, strReason) changes the column's bytes of the record's
    // working copy or says why it cannot. A record's index keeps its value here. After the
    // first refusal every write is refused.
    template <class TWrite>
    bool Write(std::uint16_t nKey, const FieldColumn& column, const TWrite& write) {
        if (Failed()) {
            return false;
        }
        std::uint8_t* pImage = Image(nKey);
        std::string strReason;
        if (pImage == nullptr || !write(pImage, strReason)) {
            return Refuse(nKey, column, pImage == nullptr ? "the record is gone." : strReason);
        }
        return NoteWritten(nKey, column);
    }
    // Notes a refusal of the cell's value, which refuses the step; returns false.
    bool Refuse(std::uint16_t nKey, const FieldColumn& column, const std::string& strReason);
    // Refuses the step for a reason of no one cell.
    void Refuse(std::string strProblem);

    bool Failed() const { return !m_strProblem.empty(); }
    const std::string& Problem() const { return m_strProblem; }
    std::size_t CellCount() const { return m_nCells; }
    // The cells whose bytes the step changes.
    std::size_t ChangedCount() const { return m_nChanged; }
    // The step, titled "3 cells in object"; empty when nothing changes.
    CSetChange Change() const;

private:
    std::uint8_t* Image(std::uint16_t nKey);
    bool NoteWritten(std::uint16_t nKey, const FieldColumn& column);

    const CVentryDoc& m_doc;
    const RecordLayout& m_layout;
    std::vector<std::int32_t> m_imageOfKey;  // by key: the working copy's number, or -1
    std::vector<std::uint16_t> m_keys;       // by working copy
    std::vector<std::uint8_t> m_images;
    std::size_t m_nCells = 0;
    std::size_t m_nChanged = 0;
    std::string m_strProblem;
};
