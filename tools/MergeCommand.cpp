#include "MergeCommand.h"

#include <filesystem>
#include <nlohmann/json.hpp>
#include <system_error>
#include <unordered_set>

#include "ArgumentList.h"
#include "CommandSupport.h"
#include "RecordLayouts.h"
#include "SetCheck.h"
#include "SetFileNames.h"
#include "SetMerge.h"
#include "ToolServices.h"
#include "VentryDoc.h"

namespace fs = std::filesystem;

namespace {

using Json = nlohmann::ordered_json;

Json ValueJson(const std::optional<std::string>& value) {
    return value ? Json(*value) : Json();
}

void PrintConflict(const std::string& file, const CMergeConflict& conflict, bool bJson) {
    if (!bJson) {
        CommandSupport::PrintLine(FormatConflict(file, conflict));
        return;
    }
    const Json json{{"file", file},
                    {"database", std::string(LayoutOf(conflict.database).name)},
                    {"index", conflict.nKey},
                    {"field", conflict.strColumn},
                    {"base", ValueJson(conflict.base)},
                    {"ours", ValueJson(conflict.ours)},
                    {"theirs", ValueJson(conflict.theirs)}};
    CommandSupport::PrintLine(json.dump());
}

std::string FindingKey(const CFinding& finding) {
    return std::to_string(static_cast<int>(finding.database)) + ' ' +
           std::to_string(finding.nIndex) + ' ' + finding.strField + ' ' + finding.strCode + ' ' +
           finding.strMessage;
}

// The ship-based aircraft file holds no records; a new set gets the one ours has.
bool CopyShipBasedAircraftFile(const std::string& source, const std::string& destination) {
    if (fs::exists(destination) || !fs::exists(source)) {
        return true;
    }
    std::error_code error;
    fs::copy_file(source, destination, error);
    if (error) {
        AfxMessageBox(destination + ": " + error.message());
        return false;
    }
    return true;
}

}  // namespace

CLI::App* CMergeCommand::Define(CLI::App& app) {
    return CArgumentList(app, "merge",
                         "join what the sets of OURS and THEIRS changed since BASE, field by "
                         "field, and save the result as the set of OUT")
        .Text("BASE", m_strBase, "object file of the set both started from")
        .Text("OURS", m_strOurs, "object file of one changed set")
        .Text("THEIRS", m_strTheirs, "object file of the other changed set")
        .Text("OUT", m_strOut, "object file to save to; may be one of the others")
        .Choice("--prefer", m_strPrefer, {"ours", "theirs"},
                "settle every conflict with this side's value", false)
        .Flag("--json", m_bJson, "one JSON object per conflict")
        .Command();
}

int CMergeCommand::Run() {
    const std::string out = fs::absolute(m_strOut).string();
    if (!CommandSupport::IsObjectFileName(out)) {
        return kExitFailure;
    }
    CVentryDoc base;
    CVentryDoc ours;
    CVentryDoc theirs;
    if (!CommandSupport::OpenSet(base, m_strBase) || !CommandSupport::OpenSet(ours, m_strOurs) ||
        !CommandSupport::OpenSet(theirs, m_strTheirs)) {
        return kExitUnreadable;
    }
    for (const CVentryDoc* doc : {&base, &ours, &theirs}) {
        CommandSupport::WarnAboutLoad(*doc, m_services, "that database counts as empty");
    }
    const EMergePreference prefer = m_strPrefer.empty()     ? EMergePreference::None
                                    : m_strPrefer == "ours" ? EMergePreference::Ours
                                                            : EMergePreference::Theirs;
    const CMergeResult merge = MergeSets(base, ours, theirs, prefer);
    for (const CMergeConflict& conflict : merge.conflicts) {
        PrintConflict(CommandSupport::FileOf(ours, conflict.database), conflict, m_bJson);
    }
    const std::string conflicts = std::to_string(merge.conflicts.size()) + " conflicts";
    if (!merge.conflicts.empty() && prefer == EMergePreference::None) {
        AfxMessageBox(out + ": nothing written: " + conflicts +
                      "; --prefer ours or --prefer theirs settles them");
        return kExitFailure;
    }
    if (!merge.conflicts.empty()) {
        m_services.Warn(conflicts + " settled with " + m_strPrefer + "' values");
    }
    // What the sides' checks find already is no news; what only the merged set has is.
    std::unordered_set<std::string> known;
    for (const CVentryDoc* doc : {&ours, &theirs}) {
        for (const CFinding& finding : CheckSet(*doc)) {
            known.insert(FindingKey(finding));
        }
    }
    const std::string aircraftFile = ours.m_strShipBasedAircraftFile;
    ours.ApplyChange(merge.change);
    if (!CommandSupport::PrepareDirectory(SetFileNames::DirectoryOf(out)) ||
        !ours.OnSaveDocument(out) ||
        !CopyShipBasedAircraftFile(aircraftFile, ours.m_strShipBasedAircraftFile)) {
        return kExitFailure;
    }
    // Checked as saved: the document keeps the weapon entities of its load.
    CVentryDoc merged;
    if (!merged.OnOpenDocument(out)) {
        return kExitFailure;
    }
    for (const CFinding& finding : CheckSet(merged)) {
        if (!known.contains(FindingKey(finding))) {
            m_services.Warn(FormatFinding(merged, finding));
        }
    }
    return kExitSuccess;
}
