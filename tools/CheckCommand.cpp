#include "CheckCommand.h"

#include <nlohmann/json.hpp>

#include "ArgumentList.h"
#include "CommandSupport.h"
#include "SetCheck.h"
#include "VentryDoc.h"

namespace {

nlohmann::ordered_json FindingJson(const CVentryDoc& doc, const CFinding& finding) {
    nlohmann::ordered_json json;
    json["file"] = CommandSupport::FileOf(doc, finding.database);
    json["database"] = std::string(LayoutOf(finding.database).name);
    json["index"] =
        finding.nIndex < 0 ? nlohmann::ordered_json() : nlohmann::ordered_json(finding.nIndex);
    json["field"] = finding.strField.empty() ? nlohmann::ordered_json()
                                             : nlohmann::ordered_json(finding.strField);
    json["code"] = finding.strCode;
    json["message"] = finding.strMessage;
    return json;
}

}  // namespace

CLI::App* CCheckCommand::Define(CLI::App& app) {
    return CArgumentList(app, "check",
                         "report every problem of the set of object file SET, one per line")
        .Text("SET", m_strSet, "object file (.eod, .god or .fod)")
        .Flag("--json", m_bJson, "one JSON object per problem")
        .Command();
}

int CCheckCommand::Run() {
    CVentryDoc doc;
    if (!CommandSupport::OpenSet(doc, m_strSet)) {
        return kExitUnreadable;
    }
    const std::vector<CFinding> findings = CheckSet(doc);
    for (const CFinding& finding : findings) {
        CommandSupport::PrintLine(m_bJson ? FindingJson(doc, finding).dump()
                                          : FormatFinding(doc, finding));
    }
    return findings.empty() ? kExitSuccess : kExitFailure;
}
