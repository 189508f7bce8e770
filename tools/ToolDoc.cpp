#include "ToolDoc.h"

#include <cerrno>
#include <memory>

#include "core/Archive.h"

void CToolDoc::Serialize(CArchive& ar) {
    CVentryDoc::Serialize(ar);
    if (ar.IsStoring()) {
        StoreShipBasedAircraftFile();
    }
}

void CToolDoc::StoreShipBasedAircraftFile() {
    const std::string& target = m_strShipBasedAircraftFile;
    CFileStatus status;
    CFile source;
    CFileException error(m_strAircraftSource, 0);
    const bool bCopy = !m_strAircraftSource.empty();
    if ((!bCopy || !m_bReplaceAircraft) && CFile::GetStatus(target, status)) {
        return;  // an existing file keeps its bytes
    }
    if (bCopy) {
        if (m_strAircraftSource == target || !CFile::GetStatus(m_strAircraftSource, status)) {
            return;
        }
        if (!source.Open(m_strAircraftSource, CFile::modeRead, &error)) {
            throw error;
        }
        if (!source.GetStatus(status)) {
            throw CFileException(m_strAircraftSource, errno);
        }
    }
    std::unique_ptr<CFile> file = GetFile(target, CFile::modeCreate | CFile::modeWrite, &error);
    if (!file) {
        throw error;
    }
    if (source.IsOpen()) {
        file->CopyFrom(source, status.m_size);
    }
    ReleaseFile(std::move(file), false);
}
