#include "SetCheck.h"

#include <algorithm>
#include <tuple>

#include "FieldText.h"
#include "RecordField.h"
#include "ReferenceIndex.h"
#include "SetFileNames.h"
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
    for (const std::string& problem : doc.UnreadableFiles()) {
        if (problem.starts_with(prefix)) {
            findings.push_back({database,
                                -1,
                                {},
                                "unreadable-file",
                                "cannot be read: " + problem.substr(prefix.size())});
        }
    }
    if (const std::size_t nTrailing = doc.TrailingBytes(database)) {
        findings.push_back({database,
                            -1,
                            {},
                            "trailing-bytes",
                            std::to_string(nTrailing) +
                                " bytes after the last whole record; the next save drops them"});
    }
    for (const CVentryDoc::CDuplicateIndex& duplicate : doc.DuplicateIndices()) {
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

void CheckReference(const CReferenceIndex& references, const CReference& reference,
                    std::vector<CFinding>& findings) {
    const auto add = [&](std::string code, std::string message) {
        findings.push_back({reference.From(),
                            references.Lookup().IndexOf(reference.From(), reference.nFromKey),
                            CReferenceIndex::FieldName(reference), std::move(code),
                            std::move(message), reference.nFromKey});
    };
    // Nearly every reference is sound: its target's text is made only for a finding.
    const auto target = [&] { return references.Target(reference); };
    if (reference.pLink->bByName) {
        if (!reference.bResolved) {
            add("no-object", "no object is named \"" + target() +
                                 "\"; the type filter files this record as Sub");
        }
        return;
    }
    if (reference.To() == Database::Entity) {
        if (!references.Lookup().IsWeaponEntity(reference.nToIndex)) {
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

}  // namespace

std::vector<CFinding> CheckSet(const CVentryDoc& doc) {
    const CReferenceIndex references(doc);
    std::vector<CFinding> findings;
    const std::vector<CReference>& all = references.All();
    auto next = all.begin();
    for (const RecordLayout* layout : kRecordLayouts) {
        const Database database = layout->database;
        CheckFile(doc, database, findings);
        doc.Records(database).ForEach([&](std::uint16_t nKey, const std::uint8_t* pRecord) {
            CheckListed(database, nKey, pRecord, findings);
            // All() holds the references in the order of the databases and keys walked here.
            for (; next != all.end() && next->From() == database && next->nFromKey == nKey;
                 ++next) {
                CheckReference(references, *next, findings);
            }
        });
    }
    return findings;
}

std::string FormatFinding(const CVentryDoc& doc, const CFinding& finding) {
    const std::string file = CFile::FileNameOf(doc.FileName(finding.database));
    return file + ": " + (finding.nIndex < 0 ? std::string("-") : std::to_string(finding.nIndex)) +
           ": " + (finding.strField.empty() ? std::string("-") : finding.strField) + ": " +
           finding.strMessage;
}
