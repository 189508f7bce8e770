#include "RunCommand.h"

#include <climits>
#include <cstdio>

#include "ArgumentList.h"
#include "CommandSupport.h"
#include "DifferenceOutput.h"
#include "ScriptRun.h"
#include "SetDiff.h"
#include "ToolServices.h"
#include "VentryDoc.h"
#include "core/File.h"

namespace {

constexpr long kMaxMemoryMb = 1L << 20;

}  // namespace

CLI::App* CRunCommand::Define(CLI::App& app) {
    return CArgumentList(app, "run",
                         "run the Lua script SCRIPT over the set of object file SET, print what "
                         "it changed and save the set")
        .Text("SCRIPT", m_strScript, "Lua script")
        .Text("SET", m_strSet, "object file (.eod, .god or .fod)")
        .Flag("--dry-run", m_bDryRun, "print what the script changes, write nothing")
        .Flag("--json", m_bJson, "one JSON object per difference")
        .Number("--max-instructions", m_nMaxInstructions, 1, LONG_MAX,
                "stop the script after this many Lua instructions (default 100000000)")
        .Number("--max-memory-mb", m_nMaxMemoryMb, 1, kMaxMemoryMb,
                "stop the script when it needs more memory, in MB (default 512)")
        .Command();
}

bool CRunCommand::ReadScript(std::string& text) const {
    try {
        CFile::ReadAll(m_strScript, text);
    } catch (const CFileException& e) {
        AfxMessageBox(e.Describe());
        return false;
    }
    return true;
}

int CRunCommand::Run() {
    std::string text;
    if (!ReadScript(text)) {
        return kExitFailure;
    }
    CVentryDoc doc;
    if (!CommandSupport::OpenSet(doc, m_strSet)) {
        return kExitUnreadable;
    }
    // A save writes a database whose file could not be read from memory, that is empty.
    if (!doc.LoadFindings().unreadableFiles.empty()) {
        for (const std::string& problem : doc.LoadFindings().unreadableFiles) {
            AfxMessageBox(problem + "; the set is left as it is");
        }
        return kExitUnreadable;
    }
    CommandSupport::WarnAboutLoad(doc.LoadFindings(), m_services, "the set is left as it is");
    const CScriptLimits limits{static_cast<std::uint64_t>(m_nMaxInstructions),
                               static_cast<std::size_t>(m_nMaxMemoryMb) << 20};
    const CScriptResult result = RunScript(
        doc, text, m_strScript, limits,
        [](std::string_view printed) { std::fwrite(printed.data(), 1, printed.size(), stdout); });
    if (!result.bSucceeded) {
        AfxMessageBox(result.strError);
        if (!m_bDryRun) {
            AfxMessageBox(doc.m_strObjectFile + ": nothing written");
        }
        return kExitFailure;
    }
    DiffChange(result.change, [&](const CSetDifference& difference) {
        PrintDifference(CommandSupport::FileOf(doc, difference.database), difference, m_bJson);
    });
    if (m_bDryRun || !doc.ApplyChange(result.change)) {
        return kExitSuccess;
    }
    return doc.OnSaveDocument(doc.m_strObjectFile) ? kExitSuccess : kExitFailure;
}
