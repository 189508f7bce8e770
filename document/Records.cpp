#include "Records.h"

#include <cerrno>

#include "core/Archive.h"
#include "core/File.h"

template <const RecordLayout& Layout>
void CRecordImage<Layout>::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.Write(m_data.data(), kRecordSize);
    } else if (ar.Read(m_data.data(), kRecordSize) != kRecordSize) {
        throw CFileException(ar.GetFile()->GetFilePath(), ENODATA);
    }
}

template class CRecordImage<ObjectLayout::kLayout>;
template class CRecordImage<SensorLayout::kLayout>;
template class CRecordImage<LauncherLayout::kLayout>;
template class CRecordImage<AirstripLayout::kLayout>;
template class CRecordImage<EntityLayout::kLayout>;
template class CRecordImage<ProfileLayout::kLayout>;
template class CRecordImage<MastLayout::kLayout>;
template class CRecordImage<Object3DLayout::kLayout>;
template class CRecordImage<ShipClassLayout::kLayout>;
template class CRecordImage<CountryNameLayout::kLayout>;

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
