#include "VentryDoc.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <tuple>
#include <type_traits>
#include <utility>

#include "IndexMapTable.h"
#include "RecordFile.h"
#include "SetFileNames.h"
#include "core/AppServices.h"
#include "core/File.h"
#include "core/SaveTransaction.h"

IMPLEMENT_DYNCREATE(CVentryDoc)

namespace {

// The index maps and the file names, in the order of Database.
constexpr auto kIndexMaps = std::make_tuple(
    &CVentryDoc::m_mapObjects, &CVentryDoc::m_mapSensors, &CVentryDoc::m_mapLaunchers,
    &CVentryDoc::m_mapAirstrips, &CVentryDoc::m_mapEntities, &CVentryDoc::m_mapProfiles,
    &CVentryDoc::m_mapMasts, &CVentryDoc::m_map3DObjects, &CVentryDoc::m_mapShipClasses,
    &CVentryDoc::m_mapCountryNames);

constexpr std::array<std::string CVentryDoc::*, kDatabaseCount> kFileNames{
    &CVentryDoc::m_strObjectFile,    &CVentryDoc::m_strSensorFile,
    &CVentryDoc::m_strLauncherFile,  &CVentryDoc::m_strAirstripFile,
    &CVentryDoc::m_strEntityFile,    &CVentryDoc::m_strProfileFile,
    &CVentryDoc::m_strMastFile,      &CVentryDoc::m_str3DObjectFile,
    &CVentryDoc::m_strShipClassFile, &CVentryDoc::m_strCountryNameFile};

template <std::size_t... I>
constexpr bool MapsInDatabaseOrder(std::index_sequence<I...>) {
    return ((std::remove_reference_t<decltype(std::declval<CVentryDoc&>().*
                                              std::get<I>(kIndexMaps))>::record_type::kLayout
                 .database == static_cast<Database>(I)) &&
            ...);
}
static_assert(std::tuple_size_v<decltype(kIndexMaps)> == kDatabaseCount &&
              MapsInDatabaseOrder(std::make_index_sequence<kDatabaseCount>()));

}  // namespace

template <class TVisit>
void CVentryDoc::ForEachIndexMap(TVisit&& visit) {
    std::apply([&](auto... pMaps) { (visit(this->*pMaps), ...); }, kIndexMaps);
}

template <class TVisit>
void CVentryDoc::ForEachIndexMap(TVisit&& visit) const {
    std::apply([&](auto... pMaps) { (visit(this->*pMaps), ...); }, kIndexMaps);
}

CVentryDoc::CVentryDoc() {
    ForEachIndexMap([this](auto& map) {
        using T = typename std::remove_reference_t<decltype(map)>::record_type;
        m_tables[static_cast<std::size_t>(T::kLayout.database)] =
            std::make_unique<CIndexMapTable<T>>(map);
    });
}

// The framework empties the document before it goes; records die with their maps.
CVentryDoc::~CVentryDoc() = default;

bool CVentryDoc::DeriveFileNames(const std::string& objectFilePath) {
    const std::string languagePart =
        SetFileNames::LanguagePartOf(CFile::FileNameOf(objectFilePath));
    if (languagePart.empty()) {
        return false;
    }
    for (const RecordLayout* layout : kRecordLayouts) {
        this->*kFileNames[static_cast<std::size_t>(layout->database)] =
            SetFileNames::DatabaseFileOf(objectFilePath, layout->database);
    }
    m_strShipBasedAircraftFile = SetFileNames::BuildShipBasedAircraftName(
        SetFileNames::DirectoryOf(objectFilePath), languagePart);
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
        m_history.ForgetClean();
    } else {
        m_history.MarkClean();
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
void AppendRecords(const CIndexMap<T>& map, CSetImage& files) {
    std::vector<std::uint8_t>& bytes = files[static_cast<std::size_t>(T::kLayout.database)];
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
        m_loadFindings.unreadableFiles.push_back(problem);
    }
    if (!bRead) {
        return {};
    }
    // The 3D object file has no index field: a record's key is its position.
    const auto adopted = map.Adopt(std::move(sink.m_block), [](std::size_t i, const T& record) {
        if constexpr (T::kLayout.bIndexed) {
            return record.GetIndex();
        } else {
            return static_cast<std::uint16_t>(i);
        }
    });
    bool bInIndexOrder = true;
    if constexpr (T::kLayout.bIndexed) {
        bInIndexOrder =
            std::ranges::adjacent_find(adopted.records, [](const T& earlier, const T& later) {
                return earlier.GetIndex() >= later.GetIndex();
            }) == adopted.records.end();
    }
    m_filesOnDisk.NoteRead(database, adopted.records.size() * T::kRecordSize,
                           problem.empty() && sink.m_nTrailingBytes == 0 && bInIndexOrder);
    m_loadFindings.NoteRead(database, FileName(database), sink.m_nTrailingBytes, adopted.replaced);
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
    if (ObjectField::IsWeaponType(objectType)) {
        m_mapWeaponEntities.insert_or_assign(entity.GetIndex(), &entity);
    }
}

bool CVentryDoc::ApplyChange(CSetChange change) {
    if (change.IsEmpty()) {
        return false;
    }
    m_history.Push(std::move(change));
    Enact(m_history.Step(m_history.Position() - 1));
    return true;
}

void CVentryDoc::Undo() {
    if (!m_history.CanUndo()) {
        return;
    }
    Enact(m_history.StepBack().Inverse());
}

void CVentryDoc::Redo() {
    if (!m_history.CanRedo()) {
        return;
    }
    Enact(m_history.StepForward());
}

void CVentryDoc::Enact(const CSetChange& change) {
    PutInPlace(change);
    CDocument::SetModifiedFlag(!m_history.IsClean());
    TellListeners({&change});
}

void CVentryDoc::PutInPlace(const CSetChange& change) {
    for (const CRecordChange& record : change.Records()) {
        CRecordTable& table = Records(record.database);
        std::uint8_t* pStored = table.Find(record.nKey);
        const std::size_t nSize = table.RecordSize();
        if ((pStored == nullptr) != record.IsAdded() ||
            (!record.IsRemoved() && record.after.size() != nSize)) {
            throw std::logic_error("a change that does not fit the set");
        }
        if (record.IsAdded()) {
            table.Add(record.nKey, record.after.data());
        } else if (record.IsRemoved()) {
            table.Remove(record.nKey);
        } else {
            std::memcpy(pStored, record.after.data(), nSize);
        }
        m_filesOnDisk.NoteChanged(record.database);
    }
}

int CVentryDoc::AddChangeListener(CChangeListener listener) {
    m_listeners.emplace(m_nNextListener, std::move(listener));
    return m_nNextListener++;
}

void CVentryDoc::RemoveChangeListener(int nListener) {
    m_listeners.erase(nListener);
}

void CVentryDoc::TellListeners(const CChangeNotice& notice) {
    // A listener may remove itself while it hears.
    const auto listeners = m_listeners;
    for (const auto& [nListener, listener] : listeners) {
        listener(notice);
    }
}

const std::string& CVentryDoc::FileName(Database database) const {
    return this->*kFileNames[static_cast<std::size_t>(database)];
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
    m_loadFindings = {};
    // Objects come first: entities look their objects up by name. Each file is read and
    // turned into records before the next is read, so only one file's bytes are held at a time.
    ForEachIndexMap([&](auto& map) {
        const auto records = LoadDatabase(map, read);
        using T = typename decltype(records)::element_type;
        if constexpr (std::is_same_v<T, CObjectInfo>) {
            m_mapObjectsByName.reserve(records.size());
            for (CObjectInfo& object : records) {
                m_mapObjectsByName[RecordField::GetTextView(
                    object.m_data.data(), CObjectInfo::kNameOffset, CObjectInfo::kNameWidth)] =
                    &object;
            }
        } else if constexpr (std::is_same_v<T, CEntityInfo>) {
            for (CEntityInfo& entity : records) {
                EnterWeaponEntity(entity);
            }
        }
    });
    TellListeners({});
}

void CVentryDoc::StoreSet(CArchive& ar) {
    ForEachIndexMap([&](const auto& map) {
        if constexpr (std::is_same_v<decltype(map), const CIndexMap<CObjectInfo>&>) {
            StoreObjects(ar);
        } else {
            StoreDatabase(map);
        }
    });
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
template <class T>
void CVentryDoc::StoreDatabase(const CIndexMap<T>& map) {
    const Database database = T::kLayout.database;
    const std::string& fileName = FileName(database);
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
    // The save wrote every database in its clean form: what the load found is cured.
    m_loadFindings = {};
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
    ForEachIndexMap([&files](const auto& map) { AppendRecords(map, files); });
}

void CVentryDoc::DeleteContents() {
    // The maps that refer go before the records they refer to.
    m_mapObjectsByName.clear();
    m_mapWeaponEntities.clear();
    ForEachIndexMap([](auto& map) { map.clear(); });
    m_filesOnDisk.Clear();
    m_history.Clear();
    // The shown flags stay: a pressed button outlives its editor until the next command.
    for (auto& editor : m_pEditors) {
        editor.reset();
    }
    CDocument::DeleteContents();
    TellListeners({});
}
