#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "RecordLayout.h"

// One record's part of a change: its bytes before and after. No bytes before: the change adds
// the record; none after: it takes the record out of the set.
struct CRecordChange {
    Database database;
    std::uint16_t nKey;
    std::vector<std::uint8_t> before;
    std::vector<std::uint8_t> after;

    bool IsAdded() const { return before.empty(); }
    bool IsRemoved() const { return after.empty(); }
};

// A change of the set in memory as one step: every record it adds, changes or removes, with
// the bytes on both sides, so that applying its inverse gives back the set it was applied to.
// Every change of the records goes through CVentryDoc::ApplyChange as one of these: an
// editor's Apply, New, a table cell, a script, a merge.
class CSetChange {
public:
    CSetChange() = default;
    // title says what the step did: "Apply to object 3 Halvard".
    explicit CSetChange(std::string title) : m_strTitle(std::move(title)) {}

    const std::string& Title() const { return m_strTitle; }
    void SetTitle(std::string title) { m_strTitle = std::move(title); }

    // A record's bytes go from before to after; nothing is noted when they are equal.
    void Change(Database database, std::uint16_t nKey, std::span<const std::uint8_t> before,
                std::span<const std::uint8_t> after);
    void Add(Database database, std::uint16_t nKey, std::span<const std::uint8_t> after);
    void Remove(Database database, std::uint16_t nKey, std::span<const std::uint8_t> before);

    bool IsEmpty() const { return m_records.empty(); }
    const std::vector<CRecordChange>& Records() const { return m_records; }
    bool Touches(Database database) const;

    // The change that takes this one back, under the same title.
    CSetChange Inverse() const;

private:
    std::string m_strTitle;
    std::vector<CRecordChange> m_records;
};
