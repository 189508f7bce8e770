#include "DiffCommand.h"

#include <nlohmann/json.hpp>

#include "ArgumentList.h"
#include "CommandSupport.h"
#include "SetDiff.h"
#include "ToolServices.h"
#include "VentryDoc.h"

namespace {

const char* KindName(CSetDifference::Kind kind) {
    switch (kind) {
        case CSetDifference::Kind::Added:
            return "added";
        case CSetDifference::Kind::Removed:
            return "removed";
        case CSetDifference::Kind::Changed:
            break;
    }
    return "changed";
}

std::string DifferenceText(const std::string& file, const CSetDifference& difference) {
    std::string text = file + ": " + std::to_string(difference.nKey) + ": ";
    if (difference.kind != CSetDifference::Kind::Changed) {
        return text + KindName(difference.kind);
    }
    return text + difference.strColumn + ": " + difference.strOld + " -> " + difference.strNew;
}

nlohmann::ordered_json DifferenceJson(const std::string& file, const CSetDifference& difference) {
    nlohmann::ordered_json json{{"file", file},
                                {"database", std::string(LayoutOf(difference.database).name)},
                                {"index", difference.nKey},
                                {"change", KindName(difference.kind)}};
    if (difference.kind == CSetDifference::Kind::Changed) {
        json["field"] = difference.strColumn;
        json["old"] = difference.strOld;
        json["new"] = difference.strNew;
    }
    return json;
}

}  // namespace

CLI::App* CDiffCommand::Define(CLI::App& app) {
    return CArgumentList(app, "diff",
                         "print what changed from the set of object file OLD to that of NEW")
        .Text("OLD", m_strOld, "object file (.eod, .god or .fod)")
        .Text("NEW", m_strNew, "object file (.eod, .god or .fod)")
        .Flag("--json", m_bJson, "one JSON object per difference")
        .Command();
}

int CDiffCommand::Run() {
    CVentryDoc oldDoc;
    CVentryDoc newDoc;
    if (!CommandSupport::OpenSet(oldDoc, m_strOld) || !CommandSupport::OpenSet(newDoc, m_strNew)) {
        return kExitUnreadable;
    }
    CommandSupport::WarnAboutLoad(oldDoc, m_services, "that database counts as empty");
    CommandSupport::WarnAboutLoad(newDoc, m_services, "that database counts as empty");
    const bool bDiffers = DiffSets(oldDoc, newDoc, [&](const CSetDifference& difference) {
        const std::string file = CommandSupport::FileOf(oldDoc, difference.database);
        CommandSupport::PrintLine(m_bJson ? DifferenceJson(file, difference).dump()
                                          : DifferenceText(file, difference));
    });
    if (!bDiffers && !m_bJson) {
        std::size_t nRecords = 0;
        for (const RecordLayout* layout : kRecordLayouts) {
            nRecords += oldDoc.Records(layout->database).Count();
        }
        CommandSupport::PrintLine("identical: " + std::to_string(nRecords) +
                                  " records in 10 databases");
    }
    return bDiffers ? kExitFailure : kExitSuccess;
}
