#include "VentryDoc.h"

#include <algorithm>

#include "IndexMapTable.h"
#include "RecordFile.h"
#include "SetFileNames.h"
#include "core/AppServices.h"
#include "core/SaveTransaction.h"

IMPLEMENT_DYNCREATE(CVentryDoc)

using SetFileNames::SetFile;

CVentryDoc::CVentryDoc()
    : m_tables{std::make_unique<CIndexMapTable<CObjectInfo>>(m_mapObjects),
               std::make_unique<CIndexMapTable<CSensorInfo>>(m_mapSensors),
               std::make_unique<CIndexMapTable<CLauncherInfo>>(m_mapLaunchers),
               std::make_unique<CIndexMapTable<CAirstripInfo>>(m_mapAirstrips),
               std::make_unique<CIndexMapTable<CEntityInfo>>(m_mapEntities),
               std::make_unique<CIndexMapTable<CProfileInfo>>(m_mapProfiles),
               std::make_unique<CIndexMapTable<CMastInfo>>(m_mapMasts),
               std::make_unique<CIndexMapTable<C3DObjectInfo>>(m_map3DObjects),
               std::make_unique<CIndexMapTable<CShipClassInfo>>(m_mapShipClasses),
               std::make_unique<CIndexMapTable<CCountryNameInfo>>(m_mapCountryNames)} {}

// The framework empties the document before it goes; records die with their maps.
CVentryDoc::~CVentryDoc() = default;

bool CVentryDoc::DeriveFileNames(const std::string& objectFilePath) {
    const std::string languagePart =
        SetFileNames::LanguagePartOf(SetFileNames::FileNameOf(objectFilePath));
    if (languagePart.empty()) {
        return false;
    }
    const std::string directory = SetFileNames::DirectoryOf(objectFilePath);
    const auto name = [&](SetFile file) {
        return SetFileNames::BuildName(directory, file, languagePart);
    };
    m_strObjectFile = objectFilePath;
    m_strSensorFile = name(SetFile::Sensor);
    m_strLauncherFile = name(SetFile::Launcher);
    m_strAirstripFile = name(SetFile::Airstrip);
    m_strEntityFile = name(SetFile::Entity);
    m_strProfileFile = name(SetFile::Profile);
    m_strMastFile = name(SetFile::Mast);
    m_str3DObjectFile = name(SetFile::Object3D);
    m_strShipClassFile = name(SetFile::ShipClass);
    m_strCountryNameFile = name(SetFile::CountryName);
    m_strShipBasedAircraftFile = name(SetFile::ShipBasedAircraft);
    return true;
}

bool CVentryDoc::OnNewDocument() {
    return true;
}

bool CVentryDoc::OnOpenDocument(const std::string& pathName) {
    if (!SetFileNames::HasKnownObjectExtension(pathName)) {
        AfxMessageBox(kNamesFailedMessage);
        return false;
    }
    const bool bLoaded = CDocument::OnOpenDocument(pathName);
    FilesOnDiskChanged();
    return bLoaded;
}

bool CVentryDoc::OnSaveDocument(const std::string& pathName) {
    if (!SetFileNames::HasKnownObjectExtension(pathName)) {
        AfxMessageBox(kNamesFailedMessage);
        return false;
    }
    if (!CDocument::OnSaveDocument(pathName)) {
        return false;
    }
    FilesOnDiskChanged();
    return true;
}

void CVentryDoc::SetModifiedFlag(bool bModified) {
    if (bModified) {
        m_filesOnDisk.NoteAllChanged();
    }
    CDocument::SetModifiedFlag(bModified);
}

void CVentryDoc::FilesOnDiskChanged() const {
    if (m_pfnFilesOnDisk) {
        m_pfnFilesOnDisk();
    }
}

void CVentryDoc::Serialize(CArchive& ar) {
    if (!DeriveFileNames(ar.GetFile()->GetFilePath())) {
        AfxMessageBox(kNamesFailedMessage);
        throw CUserException();
    }
    if (ar.IsLoading()) {
        LoadSet(ar);
    } else {
        StoreSet(ar);
    }
}

namespace {

// Makes the records of one file in a block of their own, so that a file that breaks off can
// be dropped whole.
template <class T>
class CBlockSink final : public CRecordSink {
public:
    void Expect(std::size_t nRecords, std::size_t nTrailingBytes) override {
        m_block = CRecordBlock<T>(nRecords);
        m_nTrailingBytes = nTrailingBytes;
    }
    void Take(const std::uint8_t* pRecords, std::size_t nRecords) override {
        for (std::size_t i = 0; i < nRecords && !m_block.IsFull(); ++i) {
            m_block.Emplace(pRecords + i * T::kRecordSize);
        }
    }

    CRecordBlock<T> m_block{0};
    std::size_t m_nTrailingBytes = 0;
};

template <class T>
void AppendRecords(const CIndexMap<T>& map, std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    bytes.reserve(map.size() * T::kRecordSize);
    for (const auto& [nKey, pRecord] : map) {
        bytes.insert(bytes.end(), pRecord->m_data.begin(), pRecord->m_data.end());
    }
}

}  // namespace

template <class T>
std::span<T> CVentryDoc::LoadDatabase(CIndexMap<T>& map, const CDatabaseReader& read) {
    const Database database = T::kLayout.database;
    CBlockSink<T> sink;
    std::string problem;
    const bool bRead = read(database, T::kRecordSize, sink, problem);
    if (!problem.empty()) {
        m_astrUnreadableFiles.push_back(problem);
    }
    if (!bRead) {
        return {};
    }
    m_nTrailingBytes[static_cast<std::size_t>(database)] = sink.m_nTrailingBytes;
    // The 3D object file has no index field: a record's key is its position.
    const auto adopted = map.Adopt(std::move(sink.m_block), [](std::size_t i, const T& record) {
        return T::kLayout.bIndexed ? record.GetIndex() : static_cast<std::uint16_t>(i);
    });
    const bool bInIndexOrder =
        !T::kLayout.bIndexed ||
        std::ranges::adjacent_find(adopted.records, [](const T& earlier, const T& later) {
            return earlier.GetIndex() >= later.GetIndex();
        }) == adopted.records.end();
    m_filesOnDisk.NoteRead(database, adopted.records.size() * T::kRecordSize,
                           problem.empty() && sink.m_nTrailingBytes == 0 && bInIndexOrder);
    for (const auto& replaced : adopted.replaced) {
        m_duplicateIndices.push_back({database, replaced.nKey, replaced.nEarlier, replaced.nLater});
    }
    if (!adopted.replaced.empty()) {
        m_astrDuplicateIndexFiles.push_back(FileName(database));
    }
    return adopted.records;
}

void CVentryDoc::EnterWeaponEntity(CEntityInfo& entity) {
    const auto object = m_mapObjectsByName.find(RecordField::GetTextView(
        entity.m_data.data(), EntityField::kTypeName.nOffset, EntityField::kTypeName.nWidth));
    if (object == m_mapObjectsByName.end()) {
        return;
    }
    const auto objectType =
        RecordField::Get<std::int32_t>(object->second->m_data.data(), ObjectField::kObjectType);
    if (objectType >= 7 && objectType <= 11) {
        m_mapWeaponEntities.insert_or_assign(entity.GetIndex(), &entity);
    }
}

void CVentryDoc::RecordsChanged(Database database) {
    m_filesOnDisk.NoteChanged(database);
    CDocument::SetModifiedFlag(true);
    TellListeners(database);
}

int CVentryDoc::AddChangeListener(CChangeListener listener) {
    m_listeners.emplace(m_nNextListener, std::move(listener));
    return m_nNextListener++;
}

void CVentryDoc::RemoveChangeListener(int nListener) {
    m_listeners.erase(nListener);
}

void CVentryDoc::TellListeners(Database database) {
    // A listener may remove itself while it hears.
    const auto listeners = m_listeners;
    for (const auto& [nListener, listener] : listeners) {
        listener(database);
    }
}

void CVentryDoc::TellListenersOfEveryDatabase() {
    for (const RecordLayout* layout : kRecordLayouts) {
        TellListeners(layout->database);
    }
}

const std::string& CVentryDoc::FileName(Database database) const {
    const std::string* const names[] = {
        &m_strObjectFile,    &m_strSensorFile,     &m_strLauncherFile, &m_strAirstripFile,
        &m_strEntityFile,    &m_strProfileFile,    &m_strMastFile,     &m_str3DObjectFile,
        &m_strShipClassFile, &m_strCountryNameFile};
    return *names[static_cast<std::size_t>(database)];
}

void CVentryDoc::LoadSet(CArchive& ar) {
    LoadDatabases([this, &ar](Database database, std::size_t recordSize, CRecordSink& sink,
                              std::string& problem) {
        const std::string& fileName = FileName(database);
        CArchive* pArchive = database == Database::Object ? &ar : nullptr;
        // Taken before the read: a file that changes during the load counts as changed since.
        CFileStatus before;
        const bool bExists =
            pArchive ? pArchive->GetFile()->GetStatus(before) : CFile::GetStatus(fileName, before);
        m_filesOnDisk.NoteLoaded(database, fileName, bExists ? &before : nullptr);
        return ReadRecordFile(recordSize, fileName, pArchive, sink, problem);
    });
}

void CVentryDoc::LoadFromMemory(const CSetView& files) {
    DeleteContents();
    LoadDatabases(
        [&files](Database database, std::size_t recordSize, CRecordSink& sink, std::string&) {
            ReadRecordImage(recordSize, files[static_cast<std::size_t>(database)], sink);
            return true;
        });
}

void CVentryDoc::LoadDatabases(const CDatabaseReader& read) {
    m_astrDuplicateIndexFiles.clear();
    m_astrUnreadableFiles.clear();
    m_duplicateIndices.clear();
    m_nTrailingBytes = {};
    // Objects first: entities look their objects up by name. Each file is read and turned
    // into records before the next is read, so only one file's bytes are held at a time.
    const std::span<CObjectInfo> objects = LoadDatabase(m_mapObjects, read);
    m_mapObjectsByName.reserve(objects.size());
    for (CObjectInfo& object : objects) {
        m_mapObjectsByName[RecordField::GetTextView(object.m_data.data(), CObjectInfo::kNameOffset,
                                                    CObjectInfo::kNameWidth)] = &object;
    }
    for (CEntityInfo& entity : LoadDatabase(m_mapEntities, read)) {
        EnterWeaponEntity(entity);
    }
    LoadDatabase(m_mapSensors, read);
    LoadDatabase(m_mapLaunchers, read);
    LoadDatabase(m_mapProfiles, read);
    LoadDatabase(m_mapAirstrips, read);
    LoadDatabase(m_mapMasts, read);
    LoadDatabase(m_map3DObjects, read);
    LoadDatabase(m_mapShipClasses, read);
    LoadDatabase(m_mapCountryNames, read);
    TellListenersOfEveryDatabase();
}

void CVentryDoc::StoreSet(CArchive& ar) {
    StoreObjects(ar);
    StoreDatabase(Database::Sensor, m_strSensorFile, m_mapSensors);
    StoreDatabase(Database::Launcher, m_strLauncherFile, m_mapLaunchers);
    StoreDatabase(Database::Airstrip, m_strAirstripFile, m_mapAirstrips);
    StoreDatabase(Database::Entity, m_strEntityFile, m_mapEntities);
    StoreDatabase(Database::Profile, m_strProfileFile, m_mapProfiles);
    StoreDatabase(Database::Mast, m_strMastFile, m_mapMasts);
    StoreDatabase(Database::Object3D, m_str3DObjectFile, m_map3DObjects);
    StoreDatabase(Database::ShipClass, m_strShipClassFile, m_mapShipClasses);
    StoreDatabase(Database::CountryName, m_strCountryNameFile, m_mapCountryNames);
}

// The object file is open already: the framework made it for the archive.
void CVentryDoc::StoreObjects(CArchive& ar) {
    switch (m_filesOnDisk.PlanSave(Database::Object, m_strObjectFile)) {
        case CSetFilesOnDisk::ESave::Keep:
            LeaveFileAsItIs(m_strObjectFile);
            return;
        case CSetFilesOnDisk::ESave::Copy: {
            CFile source;
            if (m_filesOnDisk.OpenAsNoted(Database::Object, source)) {
                ar.GetFile()->CopyFrom(source, m_filesOnDisk.Entry(Database::Object).status.m_size);
                return;
            }
            break;
        }
        case CSetFilesOnDisk::ESave::Write:
            break;
    }
    for (const auto& entry : m_mapObjects) {
        entry.second->Serialize(ar);
    }
}

// Only what changed since the load is written; a file that already holds the records stays,
// or is copied to another set.
template <class TIndexMap>
void CVentryDoc::StoreDatabase(Database database, const std::string& fileName,
                               const TIndexMap& map) {
    const CSetFilesOnDisk::ESave plan = m_filesOnDisk.PlanSave(database, fileName);
    if (plan == CSetFilesOnDisk::ESave::Keep ||
        (plan == CSetFilesOnDisk::ESave::Copy && CopyDatabase(database, fileName))) {
        return;
    }
    WriteRecordFile(*this, fileName, map);
}

bool CVentryDoc::CopyDatabase(Database database, const std::string& fileName) {
    CFile source;
    if (!m_filesOnDisk.OpenAsNoted(database, source)) {
        return false;
    }
    CFileException error(fileName, 0);
    std::unique_ptr<CFile> file = GetFile(fileName, CFile::modeCreate | CFile::modeWrite, &error);
    if (!file) {
        throw error;
    }
    file->CopyFrom(source, m_filesOnDisk.Entry(database).status.m_size);
    ReleaseFile(std::move(file), false);
    return true;
}

void CVentryDoc::OnSaveCommitted(const CSaveTransaction& transaction) {
    for (std::size_t i = 0; i < kDatabaseCount; ++i) {
        const auto database = static_cast<Database>(i);
        const std::string& path = FileName(database);
        const CFileStatus* placed = nullptr;
        for (const CSaveTransaction::CPlacedFile& file : transaction.PlacedFiles()) {
            if (file.strPath == path) {
                placed = &file.status;
            }
        }
        m_filesOnDisk.NoteSaved(database, path, placed);
    }
}

void CVentryDoc::StoreToMemory(CSetImage& files) const {
    const auto bytes = [&files](Database database) -> std::vector<std::uint8_t>& {
        return files[static_cast<std::size_t>(database)];
    };
    AppendRecords(m_mapObjects, bytes(Database::Object));
    AppendRecords(m_mapSensors, bytes(Database::Sensor));
    AppendRecords(m_mapLaunchers, bytes(Database::Launcher));
    AppendRecords(m_mapAirstrips, bytes(Database::Airstrip));
    AppendRecords(m_mapEntities, bytes(Database::Entity));
    AppendRecords(m_mapProfiles, bytes(Database::Profile));
    AppendRecords(m_mapMasts, bytes(Database::Mast));
    AppendRecords(m_map3DObjects, bytes(Database::Object3D));
    AppendRecords(m_mapShipClasses, bytes(Database::ShipClass));
    AppendRecords(m_mapCountryNames, bytes(Database::CountryName));
}

void CVentryDoc::DeleteContents() {
    m_mapObjectsByName.clear();
    m_mapObjects.clear();
    m_mapWeaponEntities.clear();
    m_mapEntities.clear();
    m_mapSensors.clear();
    m_mapLaunchers.clear();
    m_mapProfiles.clear();
    m_mapAirstrips.clear();
    m_mapMasts.clear();
    m_map3DObjects.clear();
    m_mapShipClasses.clear();
    m_mapCountryNames.clear();
    m_filesOnDisk.Clear();
    // The shown flags stay: a pressed button outlives its editor until the next command.
    for (auto& editor : m_pEditors) {
        editor.reset();
    }
    CDocument::DeleteContents();
    TellListenersOfEveryDatabase();
}
