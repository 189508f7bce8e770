#include "VentryDoc.h"

#include "IndexMapTable.h"
#include "RecordFile.h"
#include "SetFileNames.h"
#include "core/AppServices.h"

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
    return CDocument::OnOpenDocument(pathName);
}

bool CVentryDoc::OnSaveDocument(const std::string& pathName) {
    if (!SetFileNames::HasKnownObjectExtension(pathName)) {
        AfxMessageBox(kNamesFailedMessage);
        return false;
    }
    return CDocument::OnSaveDocument(pathName);
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
    SetModifiedFlag(true);
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
        return ReadRecordFile(recordSize, FileName(database),
                              database == Database::Object ? &ar : nullptr, sink, problem);
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
    for (const auto& entry : m_mapObjects) {
        entry.second->Serialize(ar);
    }
    WriteRecordFile(*this, m_strSensorFile, m_mapSensors);
    WriteRecordFile(*this, m_strLauncherFile, m_mapLaunchers);
    WriteRecordFile(*this, m_strAirstripFile, m_mapAirstrips);
    WriteRecordFile(*this, m_strEntityFile, m_mapEntities);
    WriteRecordFile(*this, m_strProfileFile, m_mapProfiles);
    WriteRecordFile(*this, m_strMastFile, m_mapMasts);
    WriteRecordFile(*this, m_str3DObjectFile, m_map3DObjects);
    WriteRecordFile(*this, m_strShipClassFile, m_mapShipClasses);
    WriteRecordFile(*this, m_strCountryNameFile, m_mapCountryNames);
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
    // The shown flags stay: a pressed button outlives its editor until the next command.
    for (auto& editor : m_pEditors) {
        editor.reset();
    }
    CDocument::DeleteContents();
    TellListenersOfEveryDatabase();
}
