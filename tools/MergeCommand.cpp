#include "MergeCommand.h"

#include <filesystem>
#include <future>
#include <mutex>
#include <nlohmann/json.hpp>
#include <optional>
#include <utility>

#include "ArgumentList.h"
#include "CommandSupport.h"
#include "ComparedSet.h"
#include "RecordLayouts.h"
#include "SetCheck.h"
#include "SetFileNames.h"
#include "SetMerge.h"
#include "ToolDoc.h"
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

// Messages of loads that run side by side reach the tool's services one at a time.
class CSerialServices final : public CAppServices {
public:
    explicit CSerialServices(CAppServices& services) : m_services(services) {}

    int DoMessageBox(const std::string& text, unsigned type) override {
        const std::lock_guard lock(m_mutex);
        return m_services.DoMessageBox(text, type);
    }
    bool DoPromptFileName(std::string& fileName, bool bOpenFileDialog) override {
        const std::lock_guard lock(m_mutex);
        return m_services.DoPromptFileName(fileName, bOpenFileDialog);
    }
    void AddToRecentFileList(const std::string& pathName) override {
        const std::lock_guard lock(m_mutex);
        m_services.AddToRecentFileList(pathName);
    }
    int GetBackupCount() const override { return m_services.GetBackupCount(); }

private:
    CAppServices& m_services;
    std::mutex m_mutex;
};

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
    CToolDoc ours;
    if (!CommandSupport::OpenSet(ours, m_strOurs)) {
        return kExitUnreadable;
    }
    CComparedSet base(ours);
    CComparedSet theirs(ours);
    if (!CommandSupport::OpenSet(base, m_strBase) ||
        !CommandSupport::OpenSet(theirs, m_strTheirs) ||
        !AllRead({&base.LoadFindings(), &ours.LoadFindings(), &theirs.LoadFindings()})) {
        return kExitUnreadable;
    }
    const EMergePreference prefer = m_strPrefer.empty()     ? EMergePreference::None
                                    : m_strPrefer == "ours" ? EMergePreference::Ours
                                                            : EMergePreference::Theirs;
    CMergeResult merge = MergeSets(base, ours, theirs, prefer);
    for (const CMergeConflict& conflict : merge.conflicts) {
        PrintConflict(CommandSupport::FileOf(ours, conflict.database), conflict, m_bJson);
    }
    if (!merge.conflicts.empty() && prefer == EMergePreference::None) {
        AfxMessageBox(out +
                      ": nothing written: the sides conflict; --prefer ours or --prefer "
                      "theirs settles the conflicts listed");
        return kExitFailure;
    }
    if (!merge.conflicts.empty()) {
        m_services.Warn("the conflicts listed take the values of " + m_strPrefer);
    }
    // What the check finds in the merged set (as it is in memory, before the save) and ours
    // did not have is news unless theirs had it; theirs is then loaded whole and checked while
    // the set is saved. Base and theirs, which share ours' records, go out of date here.
    std::optional<std::vector<CFinding>> newFindings = CheckChange(ours, merge.change);
    if (newFindings) {
        ours.ApplyChange(std::move(merge.change));
    } else {
        const std::vector<CFinding> oursFindings = CheckSet(ours);
        ours.ApplyChange(std::move(merge.change));
        newFindings = FindingsNotIn(CheckSet(ours), oursFindings);
    }
    CSerialServices serial(AfxGetAppServices());
    const CServicesScope scope(serial);
    auto theirsChecked = std::async(std::launch::async, [this, bNeeded = !newFindings->empty()] {
        CVentryDoc whole;
        return bNeeded && CommandSupport::OpenSet(whole, m_strTheirs) ? CheckSet(whole)
                                                                      : std::vector<CFinding>();
    });
    // A new set gets the ship-based aircraft file ours has, in the same save.
    ours.SetShipBasedAircraftSource(ours.m_strShipBasedAircraftFile, false);
    const bool bSaved = CommandSupport::PrepareDirectory(SetFileNames::DirectoryOf(out)) &&
                        ours.OnSaveDocument(out);
    const std::vector<CFinding> news = FindingsNotIn(*newFindings, theirsChecked.get());
    if (!bSaved) {
        return kExitFailure;
    }
    for (const CFinding& finding : news) {
        m_services.Warn(FormatFinding(ours, finding));
    }
    return kExitSuccess;
}

// A database that could not be read would count as emptied, and the merge would take its
// records out.
bool CMergeCommand::AllRead(std::initializer_list<const CLoadFindings*> sides) const {
    bool bAllRead = true;
    for (const CLoadFindings* findings : sides) {
        for (const std::string& problem : findings->unreadableFiles) {
            AfxMessageBox(problem + "; sets are merged only when every file could be read");
            bAllRead = false;
        }
    }
    if (bAllRead) {
        for (const CLoadFindings* findings : sides) {
            CommandSupport::WarnAboutLoad(*findings, m_services, "");
        }
    }
    return bAllRead;
}
