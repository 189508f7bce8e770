#include "SetCheck.h"

#include <algorithm>
#include <tuple>
#include <unordered_set>

#include "FieldText.h"
#include "ParallelFor.h"
#include "RecordField.h"
#include "ReferenceIndex.h"
#include "SetChange.h"
#include "SetFileNames.h"
#include "SetLookup.h"
#include "VentryDoc.h"
#include "core/File.h"

namespace {

constexpr int kTypeCount = 13;   // Sim Types the type filter has a box for
constexpr int kClassCount = 11;  // sensor classes the class filter has a box for

std::string Position(std::size_t nPosition) {
    return std::to_string(nPosition + 1);
}

void CheckFile(const CVentryDoc& doc, Database database, std::vector<CFinding>& findings) {
    const std::string prefix = doc.FileName(database) + ": ";
    for (const std::string& problem : doc.LoadFindings().unreadableFiles) {
        if (problem.starts_with(prefix)) {
            findings.push_back({database,
                                -1,
                                {},
                                "unreadable-file",
                                "cannot be read: " + problem.substr(prefix.size())});
        }
    }
    if (const std::size_t nTrailing = doc.LoadFindings().TrailingBytes(database)) {
        findings.push_back({database,
                            -1,
                            {},
                            "trailing-bytes",
                            std::to_string(nTrailing) +
                                " bytes after the last whole record; the next save drops them"});
    }
    for (const CLoadFindings::CDuplicateIndex& duplicate : doc.LoadFindings().duplicateIndices) {
        if (duplicate.database == database) {
            findings.push_back({database, duplicate.nIndex, "index", "duplicate-index",
                                "records " + Position(duplicate.nDroppedPosition) + " and " +
                                    Position(duplicate.nKeptPosition) +
                                    " of the file have this index; the next save drops record " +
                                    Position(duplicate.nDroppedPosition),
                                duplicate.nIndex});
        }
    }
}

// Records that the editor's filters can never list.
void CheckListed(Database database, std::uint16_t nKey, const std::uint8_t* pRecord,
                 std::vector<CFinding>& findings) {
    const long nIndex = CSetLookup::IndexOf(LayoutOf(database), nKey, pRecord);
    if (database == Database::Object) {
        const auto nSimType = RecordField::Get<std::int32_t>(pRecord, ObjectField::kSimType);
        if (nSimType < 0 || nSimType >= kTypeCount) {
            findings.push_back({database, nIndex, "sim_type", "never-listed",
                                "Sim Type " + std::to_string(nSimType) +
                                    " is outside 0 to 12: the type filter never lists this object",
                                nKey});
        }
    } else if (database == Database::Sensor) {
        const LayoutField& field = SensorLayout::kLayout.Field("sensor_class");
        const auto nClass = RecordField::Get<std::int32_t>(pRecord, field.nOffset);
        if (nClass < 1 || nClass > kClassCount) {
            findings.push_back({database, nIndex, "sensor_class", "never-listed",
                                "sensor class " + std::to_string(nClass) +
                                    " is outside 1 to 11: the class filter never lists this "
                                    "sensor",
                                nKey});
        }
    }
}

void CheckReference(const CSetLookup& lookup, const CReference& reference,
                    const std::uint8_t* pFrom, std::vector<CFinding>& findings) {
    const auto add = [&](std::string code, std::string message) {
        findings.push_back({reference.From(), lookup.IndexOf(reference.From(), reference.nFromKey),
                            CReferenceIndex::FieldName(reference), std::move(code),
                            std::move(message), reference.nFromKey});
    };
    // Nearly every reference is sound: its target's text is made only for a finding.
    const auto target = [&] { return CReferenceIndex::Target(reference, pFrom); };
    if (reference.pLink->bByName) {
        if (!reference.bResolved) {
            add("no-object", "no object is named \"" + target() +
                                 "\"; the type filter files this record as Sub");
        }
        return;
    }
    if (reference.To() == Database::Entity) {
        if (!lookup.IsWeaponEntity(reference.nToIndex)) {
            add("not-a-weapon",
                "entity " + target() +
                    (reference.bResolved ? " is not a weapon entity" : " does not exist"));
        }
        return;
    }
    if (!reference.bResolved) {
        add("missing-record",
            std::string(LayoutOf(reference.To()).title) + " " + target() + " does not exist");
    }
}

// What is wrong with one record of the set lookup is made from; references is room to reuse.
void CheckRecord(const CSetLookup& lookup, const RecordLayout& layout, std::uint16_t nKey,
                 const std::uint8_t* pRecord, std::vector<CReference>& references,
                 std::vector<CFinding>& findings) {
    CheckListed(layout.database, nKey, pRecord, findings);
    references.clear();
    CReferenceIndex::AppendReferences(lookup, layout, nKey, pRecord, references);
    for (const CReference& reference : references) {
        CheckReference(lookup, reference, pRecord, findings);
    }
}

// Findings are the same when all they say is.
struct CFindingHash {
    std::size_t operator()(const CFinding* pFinding) const {
        return std::hash<std::string>()(pFinding->strMessage) ^
               static_cast<std::size_t>(pFinding->nIndex);
    }
};
struct CFindingEqual {
    bool operator()(const CFinding* pOne, const CFinding* pOther) const {
        return std::tie(pOne->database, pOne->nIndex, pOne->strField, pOne->strCode,
                        pOne->strMessage) == std::tie(pOther->database, pOther->nIndex,
                                                      pOther->strField, pOther->strCode,
                                                      pOther->strMessage);
    }
};

}  // namespace

std::vector<CFinding> CheckSet(const CVentryDoc& doc) {
    const CSetLookup lookup(doc);
    // Each database on a thread of its own, its findings joined in the order of the databases.
    return ParallelJoin<CFinding>(kDatabaseCount, [&](std::size_t i,
                                                      std::vector<CFinding>& findings) {
        const RecordLayout& layout = *kRecordLayouts[i];
        CheckFile(doc, layout.database, findings);
        std::vector<CReference> references;
        doc.Records(layout.database).ForEach([&](std::uint16_t nKey, const std::uint8_t* pRecord) {
            CheckRecord(lookup, layout, nKey, pRecord, references, findings);
        });
    });
}

std::optional<std::vector<CFinding>> CheckChange(const CVentryDoc& doc, const CSetChange& change) {
    for (const CRecordChange& record : change.Records()) {
        if (record.IsAdded() || record.IsRemoved() ||
            !CSetLookup::FindsAlike(LayoutOf(record.database), record.before.data(),
                                    record.after.data())) {
            return std::nullopt;
        }
    }
    // Every other record, and how every reference resolves, is as it was.
    const CSetLookup lookup(doc);
    std::vector<CFinding> before;
    std::vector<CFinding> after;
    std::vector<CReference> references;
    for (const CRecordChange& record : change.Records()) {
        const RecordLayout& layout = LayoutOf(record.database);
        CheckRecord(lookup, layout, record.nKey, record.before.data(), references, before);
        CheckRecord(lookup, layout, record.nKey, record.after.data(), references, after);
    }
    return FindingsNotIn(after, before);
}

std::vector<CFinding> FindingsNotIn(const std::vector<CFinding>& some,
                                    const std::vector<CFinding>& others) {
    std::unordered_set<const CFinding*, CFindingHash, CFindingEqual> known;
    known.reserve(others.size());
    for (const CFinding& finding : others) {
        known.insert(&finding);
    }
    std::vector<CFinding> news;
    for (const CFinding& finding : some) {
        if (!known.contains(&finding)) {
            news.push_back(finding);
        }
    }
    return news;
}

std::string FormatFinding(const CVentryDoc& doc, const CFinding& finding) {
    const std::string file = CFile::FileNameOf(doc.FileName(finding.database));
    return file + ": " + (finding.nIndex < 0 ? std::string("-") : std::to_string(finding.nIndex)) +
           ": " + (finding.strField.empty() ? std::string("-") : finding.strField) + ": " +
           finding.strMessage;
}
