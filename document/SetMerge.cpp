#include "SetMerge.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <span>

#include "ComparedSet.h"
#include "FieldText.h"
#include "RecordField.h"
#include "RecordLayouts.h"
#include "VentryDoc.h"

namespace {

// The sides whose value a column takes.
using Sides = unsigned;
constexpr Sides kOurs = 1;
constexpr Sides kTheirs = 2;

// 0 when both sides changed the value, each in its own way.
Sides Decide(bool bOursIsTheirs, bool bBaseIsOurs, bool bBaseIsTheirs) {
    if (bOursIsTheirs) {
        return kOurs | kTheirs;
    }
    if (bBaseIsTheirs) {
        return kOurs;
    }
    return bBaseIsOurs ? kTheirs : 0;
}

// What a record added on both sides is merged against.
constexpr std::array<std::uint8_t, 1024> kZeroRecord{};
static_assert(std::ranges::all_of(kRecordLayouts, [](const RecordLayout* layout) {
    return layout->nRecordSize <= kZeroRecord.size();
}));

// A column's text as the merge compares it: the bytes after a text's terminator lie at the end
// of the field, so the zeros that lead them depend only on the text's length.
std::string ColumnValue(const FieldColumn& column, const std::uint8_t* pRecord) {
    std::string value = FormatColumn(column, pRecord);
    if (column.bTail) {
        std::size_t nZeros = 0;
        while (value.compare(nZeros, 2, "00") == 0) {
            nZeros += 2;
        }
        value.erase(0, nZeros);
    }
    return value;
}

// Merges the images of one record on the two sides, column by column, into a copy of ours.
class CRecordMerge {
public:
    CRecordMerge(const RecordLayout& layout, const std::vector<FieldColumn>& columns,
                 EMergePreference prefer, std::vector<CMergeConflict>& conflicts)
        : m_layout(layout), m_columns(columns), m_prefer(prefer), m_conflicts(conflicts) {}

    // pBase is null for a record both sides added.
    const std::vector<std::uint8_t>& Merge(std::uint16_t nKey, const std::uint8_t* pBase,
                                           const std::uint8_t* pOurs, const std::uint8_t* pTheirs);
    // Every column the changed side changed, as a conflict with the side that removed the
    // record.
    void ConflictsWithRemoval(std::uint16_t nKey, const std::uint8_t* pBase,
                              const std::uint8_t* pChanged, bool bOursRemoved);

private:
    bool Same(const std::uint8_t* pOne, const std::uint8_t* pOther, std::size_t nOffset,
              std::size_t nSize) const {
        return std::memcmp(pOne + nOffset, pOther + nOffset, nSize) == 0;
    }
    void Take(const std::uint8_t* pSide, std::size_t nOffset, std::size_t nSize) {
        std::memcpy(m_merged.data() + nOffset, pSide + nOffset, nSize);
    }
    Sides Preferred() const { return m_prefer == EMergePreference::Theirs ? kTheirs : kOurs; }
    void MergeBytes(const FieldColumn& column);
    // A text and its tail: both come from one side where they can.
    void MergeText(const FieldColumn& text, const FieldColumn& tail);
    void Conflict(const FieldColumn& column);

    const RecordLayout& m_layout;
    const std::vector<FieldColumn>& m_columns;
    EMergePreference m_prefer;
    std::vector<CMergeConflict>& m_conflicts;
    std::uint16_t m_nKey = 0;
    bool m_bBaseMissing = false;
    const std::uint8_t* m_pBase = nullptr;
    const std::uint8_t* m_pOurs = nullptr;
    const std::uint8_t* m_pTheirs = nullptr;
    std::vector<std::uint8_t> m_merged;
};

const std::vector<std::uint8_t>& CRecordMerge::Merge(std::uint16_t nKey, const std::uint8_t* pBase,
                                                     const std::uint8_t* pOurs,
                                                     const std::uint8_t* pTheirs) {
    m_nKey = nKey;
    m_bBaseMissing = pBase == nullptr;
    m_pBase = m_bBaseMissing ? kZeroRecord.data() : pBase;
    m_pOurs = pOurs;
    m_pTheirs = pTheirs;
    m_merged.assign(pOurs, pOurs + m_layout.nRecordSize);
    for (auto column = m_columns.begin(); column != m_columns.end(); ++column) {
        // ColumnsOf puts a text's tail right after it.
        if (column + 1 != m_columns.end() && (column + 1)->bTail) {
            MergeText(*column, *(column + 1));
            ++column;
        } else {
            MergeBytes(*column);
        }
    }
    return m_merged;
}

void CRecordMerge::MergeBytes(const FieldColumn& column) {
    const std::size_t nOffset = column.pField->ElementOffset(column.nElement);
    const std::size_t nSize = column.pField->nWidth;
    Sides sides =
        Decide(Same(m_pOurs, m_pTheirs, nOffset, nSize), Same(m_pBase, m_pOurs, nOffset, nSize),
               Same(m_pBase, m_pTheirs, nOffset, nSize));
    if (sides == 0) {
        Conflict(column);
        sides = Preferred();
    }
    if ((sides & kOurs) == 0) {
        Take(m_pTheirs, nOffset, nSize);
    }
}

void CRecordMerge::MergeText(const FieldColumn& text, const FieldColumn& tail) {
    const std::size_t nOffset = text.pField->nOffset;
    const std::size_t nSize = text.pField->Size();
    if (Same(m_pOurs, m_pTheirs, nOffset, nSize) || Same(m_pBase, m_pTheirs, nOffset, nSize)) {
        return;
    }
    if (Same(m_pBase, m_pOurs, nOffset, nSize)) {
        Take(m_pTheirs, nOffset, nSize);
        return;
    }
    const auto decide = [this](const FieldColumn& column) {
        const std::string base = ColumnValue(column, m_pBase);
        const std::string ours = ColumnValue(column, m_pOurs);
        const std::string theirs = ColumnValue(column, m_pTheirs);
        return Decide(ours == theirs, base == ours, base == theirs);
    };
    Sides textSides = decide(text);
    Sides tailSides = decide(tail);
    if (textSides == 0) {
        Conflict(text);
    }
    if (tailSides == 0) {
        Conflict(tail);
    }
    const bool bTextReported = textSides == 0;
    const bool bTailReported = tailSides == 0;
    if ((bTextReported || bTailReported) && m_prefer == EMergePreference::None) {
        return;
    }
    textSides = textSides != 0 ? textSides : Preferred();
    tailSides = tailSides != 0 ? tailSides : Preferred();
    if (const Sides common = textSides & tailSides) {
        if ((common & kOurs) == 0) {
            Take(m_pTheirs, nOffset, nSize);
        }
        return;
    }
    // One side's text with the other's bytes after it, when they fit together.
    const bool bTextOfOurs = (textSides & kOurs) != 0;
    if (RecordField::JoinText(m_merged.data(), bTextOfOurs ? m_pOurs : m_pTheirs,
                              bTextOfOurs ? m_pTheirs : m_pOurs, text.pField->nOffset,
                              text.pField->nWidth)) {
        return;
    }
    if (!bTextReported) {
        Conflict(text);
    }
    if (!bTailReported) {
        Conflict(tail);
    }
    Take(Preferred() == kOurs ? m_pOurs : m_pTheirs, nOffset, nSize);
}

void CRecordMerge::Conflict(const FieldColumn& column) {
    m_conflicts.push_back(
        {m_layout.database, m_nKey, column.name,
         m_bBaseMissing ? std::nullopt : std::optional(FormatColumn(column, m_pBase)),
         FormatColumn(column, m_pOurs), FormatColumn(column, m_pTheirs)});
}

void CRecordMerge::ConflictsWithRemoval(std::uint16_t nKey, const std::uint8_t* pBase,
                                        const std::uint8_t* pChanged, bool bOursRemoved) {
    for (const FieldColumn& column : m_columns) {
        std::string base = FormatColumn(column, pBase);
        std::string changed = FormatColumn(column, pChanged);
        if (base == changed) {
            continue;
        }
        std::optional<std::string> ours;
        std::optional<std::string> theirs;
        (bOursRemoved ? theirs : ours) = std::move(changed);
        m_conflicts.push_back({m_layout.database, nKey, column.name, std::move(base),
                               std::move(ours), std::move(theirs)});
    }
}

// The records of one database on the three sides, each ascending by key.
using SideRecords = std::array<std::span<const CKeyedRecord>, 3>;

void MergeDatabase(const RecordLayout& layout, const SideRecords& sides, EMergePreference prefer,
                   CMergeResult& result) {
    const Database database = layout.database;
    const std::size_t nSize = layout.nRecordSize;
    const std::vector<FieldColumn> columns = ColumnsOf(layout);
    CRecordMerge merge(layout, columns, prefer, result.conflicts);
    std::array<std::size_t, 3> next{};
    CSetChange& change = result.change;
    // All three lists ascend by key: one walk meets every key once.
    for (;;) {
        std::uint32_t nKey = 0x10000;
        for (std::size_t i = 0; i < 3; ++i) {
            if (next[i] < sides[i].size()) {
                nKey = std::min<std::uint32_t>(nKey, sides[i][next[i]].nKey);
            }
        }
        if (nKey == 0x10000) {
            return;
        }
        std::array<const std::uint8_t*, 3> records{};
        for (std::size_t i = 0; i < 3; ++i) {
            if (next[i] < sides[i].size() && sides[i][next[i]].nKey == nKey) {
                records[i] = sides[i][next[i]++].pRecord;
            }
        }
        const auto key = static_cast<std::uint16_t>(nKey);
        const auto [pBase, pOurs, pTheirs] = records;
        const auto same = [nSize](const std::uint8_t* pOne, const std::uint8_t* pOther) {
            return std::memcmp(pOne, pOther, nSize) == 0;
        };
        const std::span<const std::uint8_t> oursBytes(pOurs, pOurs ? nSize : 0);
        if (pOurs && pTheirs) {
            if (same(pOurs, pTheirs) || (pBase && same(pBase, pTheirs))) {
                continue;
            }
            if (pBase && same(pBase, pOurs)) {
                change.Change(database, key, oursBytes, {pTheirs, nSize});
                continue;
            }
            change.Change(database, key, oursBytes, merge.Merge(key, pBase, pOurs, pTheirs));
        } else if (pTheirs && !pBase) {
            change.Add(database, key, {pTheirs, nSize});
        } else if (pBase && (pOurs || pTheirs)) {
            // One side removed the record.
            const std::uint8_t* pKept = pOurs ? pOurs : pTheirs;
            if (same(pBase, pKept)) {
                if (pOurs) {
                    change.Remove(database, key, oursBytes);
                }
                continue;
            }
            merge.ConflictsWithRemoval(key, pBase, pKept, pOurs == nullptr);
            if (prefer == EMergePreference::Theirs) {
                if (pOurs) {
                    change.Remove(database, key, oursBytes);
                } else {
                    change.Add(database, key, {pTheirs, nSize});
                }
            }
        }
    }
}

std::string ValueText(const std::optional<std::string>& value) {
    return value ? *value : "-";
}

template <class TSet>
CMergeResult MergeEach(const TSet& base, const CVentryDoc& ours, const TSet& theirs,
                       EMergePreference prefer) {
    CMergeResult result{CSetChange("Merge"), {}};
    for (const RecordLayout* layout : kRecordLayouts) {
        const Database database = layout->database;
        const auto& baseRecords = KeyedOf(base, database);
        const auto& oursRecords = KeyedOf(ours, database);
        const auto& theirsRecords = KeyedOf(theirs, database);
        MergeDatabase(*layout, {baseRecords, oursRecords, theirsRecords}, prefer, result);
    }
    return result;
}

}  // namespace

CMergeResult MergeSets(const CVentryDoc& base, const CVentryDoc& ours, const CVentryDoc& theirs,
                       EMergePreference prefer) {
    return MergeEach(base, ours, theirs, prefer);
}

CMergeResult MergeSets(const CComparedSet& base, const CVentryDoc& ours, const CComparedSet& theirs,
                       EMergePreference prefer) {
    return MergeEach(base, ours, theirs, prefer);
}

std::string FormatConflict(const std::string& file, const CMergeConflict& conflict) {
    return file + ": " + std::to_string(conflict.nKey) + ": " + conflict.strColumn + ": base " +
           ValueText(conflict.base) + ", ours " + ValueText(conflict.ours) + ", theirs " +
           ValueText(conflict.theirs);
}
