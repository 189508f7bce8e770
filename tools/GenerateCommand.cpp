#include "GenerateCommand.h"

#include "ArgumentList.h"
#include "CommandSupport.h"
#include "SetWriter.h"
#include "SyntheticSet.h"
#include "ToolDoc.h"

CLI::App* CGenerateCommand::Define(CLI::App& app) {
    return CArgumentList(app, "generate",
                         "write a synthetic set with N records in every database, indices 0 "
                         "to N-1")
        .Text("DIR", m_strDirectory, "created when missing")
        .Number("N", m_nCount, 0, static_cast<long>(CSyntheticSetBuilder::kMaxCount),
                "records per database")
        .Choice("--letter", m_strLetter, {"e", "g", "f"}, "the set's language letter (default e)",
                false)
        .Command();
}

int CGenerateCommand::Run() {
    if (!CommandSupport::PrepareDirectory(m_strDirectory)) {
        return kExitFailure;
    }
    CToolDoc doc;
    CSyntheticSetBuilder(doc, static_cast<std::size_t>(m_nCount)).Build();
    return doc.OnSaveDocument(CSetWriter::ObjectFilePath(m_strDirectory, m_strLetter.front()))
               ? kExitSuccess
               : kExitFailure;
}
