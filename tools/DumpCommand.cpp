#include "DumpCommand.h"

#include <cstdio>
#include <nlohmann/json.hpp>
#include <vector>

#include "ArgumentList.h"
#include "CommandSupport.h"
#include "FieldText.h"
#include "RecordLayouts.h"
#include "ToolServices.h"
#include "VentryDoc.h"

namespace {

// Output is gathered and written in large pieces: a maximal set dumps to gigabytes.
constexpr std::size_t kFlushSize = 1 << 20;

void Flush(std::string& out) {
    std::fwrite(out.data(), 1, out.size(), stdout);
    out.clear();
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
        .Command();
}

int CDumpCommand::Run() {
    CVentryDoc doc;
    if (!CommandSupport::OpenSet(doc, m_strSet)) {
        return kExitUnreadable;
    }
    CommandSupport::WarnAboutLoad(doc, m_services, "that database is dumped empty");
    const RecordLayout* only = m_strDatabase.empty() ? nullptr : FindLayout(m_strDatabase);
    if (only != nullptr && m_nIndex >= 0 &&
        !doc.Records(only->database).Contains(static_cast<std::uint16_t>(m_nIndex))) {
        AfxMessageBox(CommandSupport::FileOf(doc, only->database) + ": no record " +
                      std::to_string(m_nIndex));
        return kExitFailure;
    }
    for (const RecordLayout* layout : kRecordLayouts) {
        if (only == nullptr || only == layout) {
            DumpDatabase(doc, *layout);
        }
    }
    return kExitSuccess;
}

void CDumpCommand::DumpDatabase(const CVentryDoc& doc, const RecordLayout& layout) const {
    const std::vector<FieldColumn> columns = ColumnsOf(layout);
    const std::string file = CommandSupport::FileOf(doc, layout.database);
    // The records of a database share their keys: one object is built once, and only its
    // values change from record to record.
    nlohmann::ordered_json record{{"file", file},
                                  {"database", std::string(layout.name)},
                                  {"index", 0},
                                  {"fields", nlohmann::ordered_json::object()}};
    for (const FieldColumn& column : columns) {
        record["fields"][column.name] = std::string();
    }
    std::vector<std::string*> values;
    for (auto& [name, value] : record["fields"].items()) {
        values.push_back(&value.get_ref<std::string&>());
    }
    nlohmann::ordered_json& index = record["index"];
    std::string out;
    doc.Records(layout.database).ForEach([&](std::uint16_t nKey, const std::uint8_t* pRecord) {
        if (m_nIndex >= 0 && nKey != m_nIndex) {
            return;
        }
        if (m_bJson) {
            index = nKey;
            for (std::size_t i = 0; i < columns.size(); ++i) {
                *values[i] = FormatColumn(columns[i], pRecord);
            }
            out += record.dump();
            out += '\n';
        } else {
            const std::string prefix = file + ": " + std::to_string(nKey) + ": ";
            for (const FieldColumn& column : columns) {
                const std::string value = FormatColumn(column, pRecord);
                // Empty tails and reserved bytes say nothing to a reader.
                if (column.IsValue() || !value.empty()) {
                    out += prefix;
                    out += column.name;
                    out += ": ";
                    out += value;
                    out += '\n';
                }
            }
        }
        if (out.size() >= kFlushSize) {
            Flush(out);
        }
    });
    Flush(out);
}
