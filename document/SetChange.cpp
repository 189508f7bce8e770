#include "SetChange.h"

#include <algorithm>

void CSetChange::Change(Database database, std::uint16_t nKey, std::span<const std::uint8_t> before,
                        std::span<const std::uint8_t> after) {
    if (std::ranges::equal(before, after)) {
        return;
    }
    m_records.push_back(
        {database, nKey, {before.begin(), before.end()}, {after.begin(), after.end()}});
}

void CSetChange::Add(Database database, std::uint16_t nKey, std::span<const std::uint8_t> after) {
    m_records.push_back({database, nKey, {}, {after.begin(), after.end()}});
}

void CSetChange::Remove(Database database, std::uint16_t nKey,
                        std::span<const std::uint8_t> before) {
    m_records.push_back({database, nKey, {before.begin(), before.end()}, {}});
}

bool CSetChange::Touches(Database database) const {
    return std::ranges::any_of(
        m_records, [database](const CRecordChange& record) { return record.database == database; });
}

CSetChange CSetChange::Inverse() const {
    CSetChange inverse(m_strTitle);
    inverse.m_records.reserve(m_records.size());
    // Last first, so a record changed twice in one step comes back to its first bytes.
    for (auto record = m_records.rbegin(); record != m_records.rend(); ++record) {
        inverse.m_records.push_back(
            {record->database, record->nKey, record->after, record->before});
    }
    return inverse;
}
