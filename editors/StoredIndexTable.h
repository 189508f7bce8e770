#pragma once

#include <memory>

#include "RecordField.h"
#include "RecordTable.h"

// The records of a database whose Index field can be edited. An edited record keeps its key
// until the next load, which files it under the index it then stores, so an index counts as
// taken when a record has it as key or stores it: New and an edited Index can then never give
// two records of the written file the same index.
class CStoredIndexTable final : public CRecordTable {
public:
    explicit CStoredIndexTable(std::unique_ptr<CRecordTable> pKeys) : m_pKeys(std::move(pKeys)) {}

    const RecordLayout& Layout() const override { return m_pKeys->Layout(); }
    std::size_t Count() const override { return m_pKeys->Count(); }
    bool Contains(std::uint16_t nKey) const override {
        return m_pKeys->Contains(nKey) || IsStoredByAnother(nKey, nullptr);
    }
    std::uint8_t* Find(std::uint16_t nKey) const override { return m_pKeys->Find(nKey); }
    void ForEach(const Visitor& visit) const override { m_pKeys->ForEach(visit); }
    std::uint8_t* Add(std::uint16_t nKey, const std::uint8_t* pModel) override {
        return m_pKeys->Add(nKey, pModel);
    }
    void Remove(std::uint16_t nKey) override { m_pKeys->Remove(nKey); }

    // True when a record other than pExcept stores nIndex in its first two bytes.
    bool IsStoredByAnother(std::uint16_t nIndex, const std::uint8_t* pExcept) const {
        bool bFound = false;
        m_pKeys->ForEach([&](std::uint16_t, std::uint8_t* pRecord) {
            bFound = bFound ||
                     (pRecord != pExcept && RecordField::Get<std::uint16_t>(pRecord, 0) == nIndex);
        });
        return bFound;
    }

private:
    std::unique_ptr<CRecordTable> m_pKeys;
};
