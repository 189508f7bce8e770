#include "MergeCommand.h"

#include <filesystem>
#include <future>
#include <mutex>
#include <nlohmann/json.hpp>
#include <system_error>
#include <tuple>
#include <unordered_set>
#include <utility>

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

// The findings of some that others does not have.
std::vector<CFinding> NotIn(const std::vector<CFinding>& some,
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
    std::future<std::vector<CFinding>> oursChecked;
    if (!OpenSets(base, ours, theirs, oursChecked)) {
        return kExitUnreadable;
    }
    const EMergePreference prefer = m_strPrefer.empty()     ? EMergePreference::None
                                    : m_strPrefer == "ours" ? EMergePreference::Ours
                                                            : EMergePreference::Theirs;
    CMergeResult merge = MergeSets(base, ours, theirs, prefer);
    const std::vector<CFinding> oursFindings = oursChecked.get();
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
    ours.ApplyChange(std::move(merge.change));
    // What the check finds in the merged set (as it is in memory, before the save) and ours
    // did not have is news unless theirs had it; theirs is checked while the set is saved.
    std::vector<CFinding> newFindings = NotIn(CheckSet(ours), oursFindings);
    auto theirsChecked = std::async(std::launch::async, [&theirs, bNeeded = !newFindings.empty()] {
        return bNeeded ? CheckSet(theirs) : std::vector<CFinding>();
    });
    const std::string aircraftFile = ours.m_strShipBasedAircraftFile;
    const bool bSaved = CommandSupport::PrepareDirectory(SetFileNames::DirectoryOf(out)) &&
                        ours.OnSaveDocument(out) &&
                        CopyShipBasedAircraftFile(aircraftFile, ours.m_strShipBasedAircraftFile);
    newFindings = NotIn(newFindings, theirsChecked.get());
    if (!bSaved) {
        return kExitFailure;
    }
    for (const CFinding& finding : newFindings) {
        m_services.Warn(FormatFinding(ours, finding));
    }
    return kExitSuccess;
}

// Base and theirs load on a thread of their own while ours loads; the check of ours starts as
// soon as it is there and runs while the others load and the sets merge (both only read it).
bool CMergeCommand::OpenSets(CVentryDoc& base, CVentryDoc& ours, CVentryDoc& theirs,
                             std::future<std::vector<CFinding>>& oursChecked) const {
    bool bOpened = false;
    {
        CSerialServices serial(AfxGetAppServices());
        CServicesScope scope(serial);
        auto others = std::async(std::launch::async, [&] {
            return CommandSupport::OpenSet(base, m_strBase) &&
                   CommandSupport::OpenSet(theirs, m_strTheirs);
        });
        if (CommandSupport::OpenSet(ours, m_strOurs)) {
            oursChecked = std::async(std::launch::async, [&ours] { return CheckSet(ours); });
            bOpened = true;
        }
        bOpened = others.get() && bOpened;
    }
    if (!bOpened) {
        return false;
    }
    // A database that could not be read would count as emptied, and the merge would take its
    // records out.
    for (const CVentryDoc* doc : {&base, &ours, &theirs}) {
        for (const std::string& problem : doc->UnreadableFiles()) {
            AfxMessageBox(problem + "; sets are merged only when every file could be read");
            bOpened = false;
        }
    }
    if (!bOpened) {
        return false;
    }
    for (const CVentryDoc* doc : {&base, &ours, &theirs}) {
        CommandSupport::WarnAboutLoad(*doc, m_services, "");
    }
    return true;
}
