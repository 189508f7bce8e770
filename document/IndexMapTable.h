#pragma once

#include "RecordTable.h"
#include "VentryDoc.h"

// A record table over one of the document's index maps.
template <class T>
class CIndexMapTable final : public CRecordTable {
public:
    explicit CIndexMapTable(CIndexMap<T>& map) : m_map(map) {}

    const RecordLayout& Layout() const override { return T::kLayout; }
    std::size_t Count() const override { return m_map.size(); }
    bool Contains(std::uint16_t nKey) const override { return m_map.contains(nKey); }
    std::uint8_t* Find(std::uint16_t nKey) const override {
        const auto found = m_map.find(nKey);
        return found == m_map.end() ? nullptr : found->second->m_data.data();
    }
    void ForEach(const Visitor& visit) const override {
        for (const auto& [nKey, pRecord] : m_map) {
            visit(nKey, pRecord->m_data.data());
        }
    }
    std::uint8_t* Add(std::uint16_t nKey, const std::uint8_t* pModel) override {
        return (pModel != nullptr ? m_map.Emplace(nKey, pModel) : m_map.Emplace(nKey))
            .m_data.data();
    }
    void Remove(std::uint16_t nKey) override { m_map.Erase(nKey); }

private:
    CIndexMap<T>& m_map;
};
