#include "DiffCommand.h"

#include "ArgumentList.h"
#include "CommandSupport.h"
#include "ComparedSet.h"
#include "DifferenceOutput.h"
#include "SetDiff.h"
#include "ToolServices.h"
#include "VentryDoc.h"

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
    if (!CommandSupport::OpenSet(oldDoc, m_strOld)) {
        return kExitUnreadable;
    }
    // Read against the old set, the new one holds only what differs.
    CComparedSet newSet(oldDoc);
    if (!CommandSupport::OpenSet(newSet, m_strNew)) {
        return kExitUnreadable;
    }
    CommandSupport::WarnAboutLoad(oldDoc.LoadFindings(), m_services,
                                  "that database counts as empty");
    CommandSupport::WarnAboutLoad(newSet.LoadFindings(), m_services,
                                  "that database counts as empty");
    const bool bDiffers = DiffSets(oldDoc, newSet, [&](const CSetDifference& difference) {
        const std::string file = CommandSupport::FileOf(oldDoc, difference.database);
        PrintDifference(file, difference, m_bJson);
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
