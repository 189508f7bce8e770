#include "DumpCommand.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <vector>

#include "ArgumentList.h"
#include "CommandSupport.h"
#include "FieldText.h"
#include "RecordLayouts.h"
#include "ToolServices.h"
#include "ValueNames.h"
#include "VentryDoc.h"

namespace {

// Most values are plain ASCII, which JSON takes as it is; the library escapes the rest.
void AppendJsonString(std::string& out, const std::string& value) {
    const bool bPlain = std::ranges::all_of(
        value, [](char c) { return c >= 0x20 && c < 0x7F && c != '"' && c != '\\'; });
    if (bPlain) {
        out += '"';
        out += value;
        out += '"';
    } else {
        out += nlohmann::json(value).dump();
    }
}

}  // namespace

CLI::App* CDumpCommand::Define(CLI::App& app) {
    return CArgumentList(app, "dump",
                         "print every column of every record of the set of object file SET")
        .Text("SET", m_strSet, "object file (.eod, .god or .fod)")
        .Choice("DATABASE", m_strDatabase, CommandSupport::DatabaseNames(),
                "only this database (file base name)", false)
        .Number("--index", m_nIndex, 0, 65535,
                "only the record with this index (3D objects: position)", "DATABASE")
        .Flag("--json", m_bJson, "one JSON object per record")
        .Flag("--names", m_bNames,
              "values by the names the editors give them (Surf, Sub, Air), others as numbers")
        .Command();
}

int CDumpCommand::Run() {
    CVentryDoc doc;
    if (!CommandSupport::OpenSet(doc, m_strSet)) {
        return kExitUnreadable;
    }
    CommandSupport::WarnAboutLoad(doc.LoadFindings(), m_services, "that database is dumped empty");
    const RecordLayout* only = m_strDatabase.empty() ? nullptr : FindLayout(m_strDatabase);
    if (only != nullptr && m_nIndex >= 0 &&
        !doc.Records(only->database).Contains(static_cast<std::uint16_t>(m_nIndex))) {
        AfxMessageBox(CommandSupport::FileOf(doc, only->database) + ": no record " +
                      std::to_string(m_nIndex));
        return kExitFailure;
    }
    const CValueNames names = m_bNames ? CValueNames(doc) : CValueNames();
    for (const RecordLayout* layout : kRecordLayouts) {
        if (only == nullptr || only == layout) {
            DumpDatabase(doc, *layout, names);
        }
    }
    return kExitSuccess;
}

void CDumpCommand::DumpDatabase(const CVentryDoc& doc, const RecordLayout& layout,
                                const CValueNames& names) const {
    const std::vector<FieldColumn> columns = ColumnsOf(layout);
    const std::string file = CommandSupport::FileOf(doc, layout.database);
    // The records of a database share their keys: each line is the same text around the
    // values, so only the values are written record by record.
    const std::string head = "{\"file\":" + nlohmann::json(file).dump() +
                             ",\"database\":" + nlohmann::json(std::string(layout.name)).dump() +
                             ",\"index\":";
    std::vector<std::string> keys;
    for (const FieldColumn& column : columns) {
        keys.push_back((keys.empty() ? ",\"fields\":{" : ",") + nlohmann::json(column.name).dump() +
                       ":");
    }
    // Without --names, every value as the CSV files hold it.
    const auto format = [&](const FieldColumn& column, const std::uint8_t* pRecord) {
        return m_bNames ? names.Format(column, pRecord) : FormatColumn(column, pRecord);
    };
    std::string out;
    doc.Records(layout.database).ForEach([&](std::uint16_t nKey, const std::uint8_t* pRecord) {
        if (m_nIndex >= 0 && nKey != m_nIndex) {
            return;
        }
        if (m_bJson) {
            out += head;
            out += std::to_string(nKey);
            for (std::size_t i = 0; i < columns.size(); ++i) {
                out += keys[i];
                AppendJsonString(out, format(columns[i], pRecord));
            }
            out += "}}\n";
        } else {
            CommandSupport::AppendFieldLines(out, file, nKey, columns, pRecord, format);
        }
        CommandSupport::WriteOut(out);
    });
    CommandSupport::WriteOut(out, true);
}
