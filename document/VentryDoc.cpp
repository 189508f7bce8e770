#include "VentryDoc.h"

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

template <class T, class OnRecord>
void CVentryDoc::LoadDatabase(const std::string& fileName, CIndexMap<T>& map, CArchive* ar,
                              OnRecord onRecord) {
    // Taken before the read: a file that changes during the load counts as changed since.
    CFileStatus before;
    const bool bExists = ar ? ar->GetFile()->GetStatus(before) : CFile::GetStatus(fileName, before);
    // Records are entered only once the whole file was read: a file that breaks off gives none.
    std::vector<std::unique_ptr<T>> records;
    std::string problem;
    const Database database = T::kLayout.database;
    if (!ReadRecordFile(
            T::kRecordSize, fileName, ar,
            [&records](const std::uint8_t* raw) { records.push_back(std::make_unique<T>(raw)); },
            problem, m_nTrailingBytes[static_cast<std::size_t>(database)])) {
        records.clear();
        m_nTrailingBytes[static_cast<std::size_t>(database)] = 0;
    }
    if (!problem.empty()) {
        m_astrUnreadableFiles.push_back(problem);
    }
    const std::size_t nRead = records.size();
    bool bDuplicates = false;
    bool bInIndexOrder = true;
    std::uint32_t nLowestNextKey = 0;
    std::map<std::uint16_t, std::size_t> positions;
    for (std::size_t i = 0; i < records.size(); ++i) {
        T& entered = *records[i];
        // The 3D object file has no index field: a record's key is its position.
        const auto key = T::kLayout.bIndexed ? entered.GetIndex() : static_cast<std::uint16_t>(i);
        bInIndexOrder = bInIndexOrder && key >= nLowestNextKey;
        nLowestNextKey = key + 1u;
        auto& slot = map[key];
        if (slot) {
            bDuplicates = true;
            m_duplicateIndices.push_back({database, key, positions[key], i});
            m_displacedRecords.push_back(std::move(slot));
        }
        positions[key] = i;
        slot = std::move(records[i]);
        onRecord(entered);
    }
    if (bDuplicates) {
        m_astrDuplicateIndexFiles.push_back(fileName);
    }
    m_filesOnDisk.NoteLoaded(
        database, fileName, bExists ? &before : nullptr,
        problem.empty() && bInIndexOrder && nRead * T::kRecordSize == before.m_size);
}

void CVentryDoc::EnterWeaponEntity(CEntityInfo& entity) {
    const std::string typeName = RecordField::GetText(
        entity.m_data.data(), EntityField::kTypeName.nOffset, EntityField::kTypeName.nWidth);
    const auto object = m_mapObjectsByName.find(typeName);
    if (object == m_mapObjectsByName.end()) {
        return;
    }
    const auto objectType =
        RecordField::Get<std::int32_t>(object->second->m_data.data(), ObjectField::kObjectType);
    if (objectType >= 7 && objectType <= 11) {
        m_mapWeaponEntities[entity.GetIndex()] = &entity;
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
    m_astrDuplicateIndexFiles.clear();
    m_astrUnreadableFiles.clear();
    m_duplicateIndices.clear();
    m_nTrailingBytes = {};
    // Objects first: entities look their objects up by name. Each file is read and turned
    // into records before the next is read, so only one file's bytes are held at a time.
    LoadDatabase(m_strObjectFile, m_mapObjects, &ar,
                 [this](CObjectInfo& r) { m_mapObjectsByName[r.GetName()] = &r; });
    LoadDatabase(m_strEntityFile, m_mapEntities, nullptr,
                 [this](CEntityInfo& r) { EnterWeaponEntity(r); });
    LoadDatabase(m_strSensorFile, m_mapSensors);
    LoadDatabase(m_strLauncherFile, m_mapLaunchers);
    LoadDatabase(m_strProfileFile, m_mapProfiles);
    LoadDatabase(m_strAirstripFile, m_mapAirstrips);
    LoadDatabase(m_strMastFile, m_mapMasts);
    LoadDatabase(m_str3DObjectFile, m_map3DObjects);
    LoadDatabase(m_strShipClassFile, m_mapShipClasses);
    LoadDatabase(m_strCountryNameFile, m_mapCountryNames);
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
    m_displacedRecords.clear();
    m_filesOnDisk.Clear();
    // The shown flags stay: a pressed button outlives its editor until the next command.
    for (auto& editor : m_pEditors) {
        editor.reset();
    }
    CDocument::DeleteContents();
    TellListenersOfEveryDatabase();
}
