#include "MergeFileCommand.h"

#include <array>
#include <cstdio>
#include <utility>

#include "ArgumentList.h"
#include "DatabaseFile.h"
#include "RecordLayouts.h"
#include "SetMerge.h"
#include "ToolServices.h"
#include "VentryDoc.h"

CLI::App* CMergeFileCommand::Define(CLI::App& app) {
    return CArgumentList(app, "merge-file",
                         "merge one database file as git's merge driver: the result replaces "
                         "OURS")
        .Text("BASE", m_strBase, "the file both sides started from (git's %O)")
        .Text("OURS", m_strOurs, "our version (%A), replaced by the result")
        .Text("THEIRS", m_strTheirs, "their version (%B)")
        .Text("PATH", m_strPath, "the file's name in the repository (%P): tells the database")
        .Command();
}

int CMergeFileCommand::Run() {
    const RecordLayout* layout = DatabaseFile::LayoutOfName(m_strPath);
    if (layout == nullptr) {
        AfxMessageBox(m_strPath + ": not the file of a database (sensor.esd, 3dobject.e3d, ...)");
        return kExitFailure;
    }
    const Database database = layout->database;
    const std::array<const std::string*, 3> paths{&m_strBase, &m_strOurs, &m_strTheirs};
    const std::array<const char*, 3> sides{"base", "ours", "theirs"};
    std::array<std::vector<std::uint8_t>, 3> files;
    std::array<CVentryDoc, 3> docs;
    for (std::size_t i = 0; i < 3; ++i) {
        if (!DatabaseFile::Read(*paths[i], files[i])) {
            return kExitUnreadable;
        }
        CSetView view{};
        view[static_cast<std::size_t>(database)] = files[i];
        docs[i].LoadFromMemory(view);
        const std::string side = m_strPath + " (" + sides[i] + "): ";
        if (!docs[i].LoadFindings().duplicateIndices.empty()) {
            m_services.Warn(side +
                            "duplicate record indices; only the last record of each is kept");
        }
        if (const std::size_t nBytes = docs[i].LoadFindings().TrailingBytes(database)) {
            m_services.Warn(side + std::to_string(nBytes) +
                            " bytes after the last whole record are left out");
        }
    }
    auto& [base, ours, theirs] = docs;
    CMergeResult merge = MergeSets(base, ours, theirs, EMergePreference::None);
    if (!merge.conflicts.empty()) {
        for (const CMergeConflict& conflict : merge.conflicts) {
            std::fprintf(stderr, "%s\n", FormatConflict(m_strPath, conflict).c_str());
        }
        AfxMessageBox(m_strPath + ": the sides conflict; our version is left as it was");
        return kExitFailure;
    }
    ours.ApplyChange(std::move(merge.change));
    CSetImage merged;
    ours.StoreToMemory(merged);
    std::vector<std::uint8_t>& bytes = merged[static_cast<std::size_t>(database)];
    if (bytes == files[1]) {
        return kExitSuccess;
    }
    return DatabaseFile::Replace(m_strOurs, bytes) ? kExitSuccess : kExitFailure;
}
