#include "DemoCommand.h"

#include "ArgumentList.h"
#include "CommandSupport.h"
#include "DemoSet.h"
#include "SetWriter.h"
#include "ToolDoc.h"

CLI::App* CDemoCommand::Define(CLI::App& app) {
    return CArgumentList(app, "demo", "write the bundled demo set (letter e) into DIR")
        .Text("DIR", m_strDirectory, "created when missing")
        .Command();
}

int CDemoCommand::Run() {
    if (!CommandSupport::PrepareDirectory(m_strDirectory)) {
        return kExitFailure;
    }
    CToolDoc doc;
    FillDemoSet(doc);
    return doc.OnSaveDocument(CSetWriter::ObjectFilePath(m_strDirectory, 'e')) ? kExitSuccess
                                                                               : kExitFailure;
}
