#include "TextconvCommand.h"

#include <vector>

#include "ArgumentList.h"
#include "CommandSupport.h"
#include "DatabaseFile.h"
#include "FieldText.h"
#include "RecordLayouts.h"
#include "SetLookup.h"
#include "core/AppServices.h"

CLI::App* CTextconvCommand::Define(CLI::App& app) {
    return CArgumentList(app, "textconv",
                         "print one database file as text, one line per field, for git diff")
        .Text("FILE", m_strFile, "a database file; its name ends with the database's file name")
        .Command();
}

int CTextconvCommand::Run() {
    std::string file;
    const RecordLayout* layout = DatabaseFile::LayoutOfName(m_strFile, &file);
    if (layout == nullptr) {
        AfxMessageBox(m_strFile + ": not the file of a database (sensor.esd, 3dobject.e3d, ...)");
        return kExitFailure;
    }
    std::vector<std::uint8_t> bytes;
    if (!DatabaseFile::Read(m_strFile, bytes)) {
        return kExitUnreadable;
    }
    const std::vector<FieldColumn> columns = ColumnsOf(*layout);
    const std::size_t nSize = layout->nRecordSize;
    const std::size_t nRecords = bytes.size() / nSize;
    std::string out;
    for (std::size_t i = 0; i < nRecords; ++i) {
        const std::uint8_t* pRecord = bytes.data() + i * nSize;
        // The 3D object file has no index field: a record's key is its position.
        CommandSupport::AppendFieldLines(
            out, file, CSetLookup::IndexOf(*layout, static_cast<std::uint16_t>(i), pRecord),
            columns, pRecord, FormatColumn);
        CommandSupport::WriteOut(out);
    }
    if (const std::size_t nTrailing = bytes.size() % nSize) {
        out += file + ": " + std::to_string(nTrailing) + " bytes after the last whole record\n";
    }
    CommandSupport::WriteOut(out, true);
    return kExitSuccess;
}
