#pragma once

#include <cstring>
#include <memory>

#include "RecordTable.h"
#include "VentryDoc.h"

// A record table over one of the document's index maps.
template <class T>
class CIndexMapTable final : public CRecordTable {
public:
    explicit CIndexMapTable(CIndexMap<T>& map) : m_map(map) {}

    std::size_t RecordSize() const override { return T::kRecordSize; }
    std::size_t NameOffset() const override { return T::kNameOffset; }
    std::size_t NameWidth() const override { return T::kNameWidth; }
    std::size_t Count() const override { return m_map.size(); }
    bool IsEmpty() const override { return m_map.empty(); }
    bool Contains(std::uint16_t nKey) const override { return m_map.contains(nKey); }

    void ForEach(const Visitor& visit) override {
        for (auto& [nKey, pRecord] : m_map) {
            visit(nKey, pRecord->m_data.data());
        }
    }

    std::uint8_t* Add(std::uint16_t nKey, const std::uint8_t* pModel) override {
        auto pRecord = std::make_unique<T>();
        if (pModel != nullptr) {
            std::memcpy(pRecord->m_data.data(), pModel, T::kRecordSize);
        }
        std::uint8_t* pData = pRecord->m_data.data();
        m_map[nKey] = std::move(pRecord);
        return pData;
    }

private:
    CIndexMap<T>& m_map;
};
