#include "RefsCommand.h"

#include <nlohmann/json.hpp>

#include "ArgumentList.h"
#include "CommandSupport.h"
#include "RecordLayouts.h"
#include "ReferenceIndex.h"
#include "ToolServices.h"
#include "VentryDoc.h"

namespace {

using CommandSupport::NameOf;
using Json = nlohmann::ordered_json;

// One side of a reference as a line shows it; an unresolved reference knows only what it
// holds: the index, or the name it looks for.
struct CRefLine {
    Database database;
    Json index;
    Json name;
    std::string strField;
    bool bResolved;
};

CRefLine Target(const CVentryDoc& doc, const CReferenceIndex& references, const CReference& r) {
    CRefLine line{r.To(), nullptr, nullptr, CReferenceIndex::FieldName(r), r.bResolved};
    if (r.bResolved) {
        line.index = r.nToIndex;
        line.name = NameOf(doc, r.To(), r.nToIndex);
    } else if (r.pLink->bByName) {
        line.name = references.Target(r);
    } else {
        line.index = static_cast<std::int16_t>(r.nToIndex);  // slots hold signed indices
    }
    return line;
}

CRefLine Source(const CVentryDoc& doc, const CReference& r) {
    return {r.From(), r.nFromKey, NameOf(doc, r.From(), r.nFromKey), CReferenceIndex::FieldName(r),
            true};
}

void Print(const CRefLine& line, const char* pszDirection, bool bJson) {
    const std::string database(LayoutOf(line.database).name);
    if (bJson) {
        const Json json{{"direction", pszDirection}, {"database", database},
                        {"index", line.index},       {"name", line.name},
                        {"field", line.strField},    {"resolved", line.bResolved}};
        CommandSupport::PrintLine(json.dump());
        return;
    }
    const auto text = [](const Json& value) {
        return value.is_null()     ? std::string("-")
               : value.is_string() ? value.get<std::string>()
                                   : value.dump();
    };
    CommandSupport::PrintLine(database + ": " + text(line.index) + ": " + text(line.name) + " (" +
                              line.strField + ")");
}

}  // namespace

CLI::App* CRefsCommand::Define(CLI::App& app) {
    return CArgumentList(app, "refs",
                         "print what one record refers to and which records refer to it")
        .Text("SET", m_strSet, "object file (.eod, .god or .fod)")
        .Choice("DATABASE", m_strDatabase, CommandSupport::DatabaseNames(),
                "the record's database (file base name)")
        .Number("INDEX", m_nIndex, 0, 65535, "the record's index (3D objects: position)")
        .Flag("--json", m_bJson, "one JSON object per reference")
        .Command();
}

int CRefsCommand::Run() {
    CVentryDoc doc;
    if (!CommandSupport::OpenSet(doc, m_strSet)) {
        return kExitUnreadable;
    }
    CommandSupport::WarnAboutLoad(doc.LoadFindings(), m_services, "that database counts as empty");
    const Database database = FindLayout(m_strDatabase)->database;
    const auto nKey = static_cast<std::uint16_t>(m_nIndex);
    if (!doc.Records(database).Contains(nKey)) {
        AfxMessageBox(CommandSupport::FileOf(doc, database) + ": no record " +
                      std::to_string(nKey));
        return kExitFailure;
    }
    const CReferenceIndex references(doc);
    if (!m_bJson) {
        CommandSupport::PrintLine("refers to:");
    }
    for (const CReference& reference : references.From(database, nKey)) {
        Print(Target(doc, references, reference), "refers-to", m_bJson);
    }
    if (!m_bJson) {
        CommandSupport::PrintLine("referred to by:");
    }
    for (const CReference& reference : references.To(database, nKey)) {
        Print(Source(doc, reference), "referred-to-by", m_bJson);
    }
    return kExitSuccess;
}
