#include "Records.h"

#include <cerrno>

#include "core/Archive.h"
#include "core/File.h"

template <std::size_t N, std::size_t NameOffset, std::size_t NameWidth>
void CRecordImage<N, NameOffset, NameWidth>::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.Write(m_data.data(), N);
    } else if (ar.Read(m_data.data(), N) != N) {
        throw CFileException(ar.GetFile()->GetFilePath(), ENODATA);
    }
}

template class CRecordImage<344, 2, 20>;
template class CRecordImage<180, 2, 42>;
template class CRecordImage<120, 100, 20>;
template class CRecordImage<96, 76, 20>;
template class CRecordImage<58, 4, 20>;
template class CRecordImage<44, 2, 20>;
template class CRecordImage<96, 2, 20>;
template class CRecordImage<956, 0, 20>;
template class CRecordImage<68, 10, 40>;
template class CRecordImage<56, 2, 40>;

IMPLEMENT_DYNCREATE(CObjectInfo)
IMPLEMENT_DYNCREATE(CSensorInfo)
IMPLEMENT_DYNCREATE(CLauncherInfo)
IMPLEMENT_DYNCREATE(CAirstripInfo)
IMPLEMENT_DYNCREATE(CEntityInfo)
IMPLEMENT_DYNCREATE(CProfileInfo)
IMPLEMENT_DYNCREATE(CMastInfo)
IMPLEMENT_DYNCREATE(C3DObjectInfo)
IMPLEMENT_DYNCREATE(CShipClassInfo)
IMPLEMENT_DYNCREATE(CCountryNameInfo)
