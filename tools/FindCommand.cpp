#include "FindCommand.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "ArgumentList.h"
#include "CommandSupport.h"
#include "RecordLayouts.h"
#include "SetFind.h"
#include "ToolServices.h"
#include "VentryDoc.h"

namespace {

// Whether a database that query searches has a value column or a field by the name.
bool NamesAField(const CFindQuery& query) {
    return std::ranges::any_of(kRecordLayouts, [&query](const RecordLayout* pLayout) {
        return (query.pOnly == nullptr || query.pOnly == pLayout) &&
               std::ranges::any_of(ColumnsOf(*pLayout), [&query](const FieldColumn& column) {
                   return column.IsValue() &&
                          (column.name == query.strField || column.pField->name == query.strField);
               });
    });
}

}  // namespace

CLI::App* CFindCommand::Define(CLI::App& app) {
    return CArgumentList(app, "find",
                         "print every field of the set of object file SET that holds QUERY: "
                         "numbers equal to it, texts that contain it in any letter case")
        .Text("SET", m_strSet, "object file (.eod, .god or .fod)")
        .Text("QUERY", m_strQuery, "a number or a text")
        .Choice("--database", m_strDatabase, CommandSupport::DatabaseNames(),
                "only this database (file base name)", false)
        .OptionalText("--field", m_strField,
                      "only this field, or column of an array (sensor_slots_3)")
        .Flag("--json", m_bJson, "one JSON object per match")
        .Command();
}

int CFindCommand::Run() {
    const CFindQuery query{m_strQuery, m_strDatabase.empty() ? nullptr : FindLayout(m_strDatabase),
                           m_strField};
    if (m_strQuery.empty()) {
        AfxMessageBox("the query is empty");
        return kExitUsage;
    }
    if (!m_strField.empty() && !NamesAField(query)) {
        AfxMessageBox("no field named " + m_strField +
                      (m_strDatabase.empty() ? "" : " in " + m_strDatabase));
        return kExitUsage;
    }
    CVentryDoc doc;
    if (!CommandSupport::OpenSet(doc, m_strSet)) {
        return kExitUnreadable;
    }
    CommandSupport::WarnAboutLoad(doc.LoadFindings(), m_services, "that database counts as empty");
    const std::vector<CFindMatch> matches = FindInSet(doc, query);
    std::string out;
    for (const CFindMatch& match : matches) {
        if (!m_bJson) {
            out += FormatMatch(doc, match);
        } else {
            const FieldColumn column = ColumnOf(match);
            const nlohmann::ordered_json json{
                {"file", CommandSupport::FileOf(doc, match.database)},
                {"database", std::string(LayoutOf(match.database).name)},
                {"index", match.nIndex},
                {"name", CommandSupport::NameOf(doc, match.database, match.nKey)},
                {"field", column.name},
                {"value", FormatColumn(column, doc.Records(match.database).Find(match.nKey))}};
            out += json.dump();
        }
        out += '\n';
        // A query such as 0 matches millions of fields.
        CommandSupport::WriteOut(out);
    }
    CommandSupport::WriteOut(out, true);
    return matches.empty() ? kExitFailure : kExitSuccess;
}
