#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "EditorWindow.h"
#include "IndexMap.h"
#include "LoadFindings.h"
#include "NameMap.h"
#include "RecordFile.h"
#include "RecordTable.h"
#include "Records.h"
#include "SetChange.h"
#include "SetFilesOnDisk.h"
#include "SetHistory.h"
#include "core/Document.h"

// The object name map and the weapon entity map only refer to records of the index maps; no
// other database is ever looked up by name, so none has a name map.
template <class T>
using CRefMap = CKeyMap<T>;

// A set's record files in memory, by database: what a load from memory reads and a store
// into memory writes.
using CSetView = std::array<std::span<const std::uint8_t>, kDatabaseCount>;
using CSetImage = std::array<std::vector<std::uint8_t>, kDatabaseCount>;

// The whole database set in memory, and its load and save.
class CVentryDoc : public CDocument {
    DECLARE_DYNCREATE(CVentryDoc)

public:
    static constexpr const char* kNamesFailedMessage =
        "Something went wrong while determining\nthe correct Database names\n"
        "Current Operation Canceled";

    CVentryDoc();
    ~CVentryDoc() override;

    void Serialize(CArchive& ar) override;
    void DeleteContents() override;
    // The application never asks for an empty document; the set stays as it is.
    bool OnNewDocument() override;
    // Both refuse an object file whose name gives no language letter before touching a file.
    bool OnOpenDocument(const std::string& pathName) override;
    bool OnSaveDocument(const std::string& pathName) override;

    // Told only that something changed, the next save writes every database and no undo makes
    // the set unmodified again; told it is unmodified, the set as it is now counts as the one
    // on disk. A change through ApplyChange names the databases whose files the save writes.
    void SetModifiedFlag(bool bModified = true) override;
    // The set's files as the last load or save left them.
    const CSetFilesOnDisk& FilesOnDisk() const { return m_filesOnDisk; }
    // Called after every load and every successful save, when FilesOnDisk is new.
    void SetFilesOnDiskHandler(std::function<void()> handler) {
        m_pfnFilesOnDisk = std::move(handler);
    }

    // A load and a store of the same records as the files give and take, without a file: for
    // the fuzzer and the benchmarks. The set's file names stay as they are.
    void LoadFromMemory(const CSetView& files);
    void StoreToMemory(CSetImage& files) const;

    // Sets every file name of the set from the object file's path; false when the name has
    // no .eod, .god or .fod extension.
    bool DeriveFileNames(const std::string& objectFilePath);

    // The records of one database, whatever its record class.
    CRecordTable& Records(Database database) const {
        return *m_tables[static_cast<std::size_t>(database)];
    }

    bool& Shown(Database database) { return m_bShown[static_cast<std::size_t>(database)]; }
    std::unique_ptr<CEditorWindow>& Editor(Database database) {
        return m_pEditors[static_cast<std::size_t>(database)];
    }

    // The one door for changes of the records in memory: applies change as one step (it must
    // fit the set: changed and removed records exist, added ones do not) and puts it on the
    // history, so the set counts as modified, the next save writes the files of the databases
    // it touches, and every listener hears of it once. False, with nothing done, when it
    // changes nothing.
    bool ApplyChange(CSetChange change);
    // Takes back the newest step in effect, or applies again the oldest undone one; listeners
    // hear of the change as it is applied (an undone step as its inverse).
    void Undo();
    void Redo();
    const CSetHistory& History() const { return m_history; }

    // What a listener hears: a change just applied, or none when the whole set is new (a
    // load, an emptied set).
    struct CChangeNotice {
        const CSetChange* pChange = nullptr;
        bool Touches(Database database) const {
            return pChange == nullptr || pChange->Touches(database);
        }
    };
    using CChangeListener = std::function<void(const CChangeNotice& notice)>;
    // Returns the listener's number, for removing it.
    int AddChangeListener(CChangeListener listener);
    void RemoveChangeListener(int nListener);

    // Shows one record in its editor; the frame installs it, so the document's own users (the
    // editors, the set windows) can ask without knowing the frame.
    using CRecordOpener = std::function<void(Database database, std::uint16_t nKey)>;
    void SetRecordOpener(CRecordOpener opener) { m_openRecord = std::move(opener); }
    void OpenRecord(Database database, std::uint16_t nKey) const {
        if (m_openRecord) {
            m_openRecord(database, nKey);
        }
    }

    // The file a database is read from and written to.
    const std::string& FileName(Database database) const;

    // What the last load could not take as it stood.
    const CLoadFindings& LoadFindings() const { return m_loadFindings; }

    // By Database.
    std::array<bool, kDatabaseCount> m_bShown{};
    std::array<std::unique_ptr<CEditorWindow>, kDatabaseCount> m_pEditors;

    std::string m_strObjectFile;
    std::string m_strSensorFile;
    std::string m_strLauncherFile;
    std::string m_strAirstripFile;
    std::string m_strEntityFile;
    std::string m_strProfileFile;
    std::string m_strMastFile;
    std::string m_str3DObjectFile;
    std::string m_strShipClassFile;
    std::string m_strCountryNameFile;
    std::string m_strShipBasedAircraftFile;

    // The object name map and the weapon entity map are filled at load and stay as they were
    // until the next one: a renamed object keeps its old name here, as the editors' type
    // filters and ammunition combos expect. Whatever reports on the set as it is now (the set
    // check, the table, Where Used, the tools) reads CSetLookup instead.
    CIndexMap<CObjectInfo> m_mapObjects;
    CNameMap<CObjectInfo> m_mapObjectsByName;
    CIndexMap<CEntityInfo> m_mapEntities;
    CRefMap<CEntityInfo> m_mapWeaponEntities;
    CIndexMap<CSensorInfo> m_mapSensors;
    CIndexMap<CLauncherInfo> m_mapLaunchers;
    CIndexMap<CProfileInfo> m_mapProfiles;
    CIndexMap<CAirstripInfo> m_mapAirstrips;
    CIndexMap<CMastInfo> m_mapMasts;
    CIndexMap<C3DObjectInfo> m_map3DObjects;
    CIndexMap<CShipClassInfo> m_mapShipClasses;
    CIndexMap<CCountryNameInfo> m_mapCountryNames;

private:
    std::array<std::unique_ptr<CRecordTable>, kDatabaseCount> m_tables;
    std::map<int, CChangeListener> m_listeners;
    int m_nNextListener = 0;
    CRecordOpener m_openRecord;

    void TellListeners(const CChangeNotice& notice);
    // Writes the change's bytes into the records and notes which files the next save writes.
    void PutInPlace(const CSetChange& change);
    // Puts change in place, marks the set as the history says and tells the listeners.
    void Enact(const CSetChange& change);

    // Hands the records of one database's file to sink; false when the file gave none.
    using CDatabaseReader = std::function<bool(Database database, std::size_t recordSize,
                                               CRecordSink& sink, std::string& problem)>;

    void LoadSet(CArchive& ar);
    void StoreSet(CArchive& ar);
    void StoreObjects(CArchive& ar);
    template <class T>
    void StoreDatabase(const CIndexMap<T>& map);
    // Copies the database's file as loaded; false when it is not that version any more.
    bool CopyDatabase(Database database, const std::string& fileName);
    void OnSaveCommitted(const CSaveTransaction& transaction) override;
    void FilesOnDiskChanged() const;
    void LoadDatabases(const CDatabaseReader& read);
    // The records the file gave, whether or not a later one took their key.
    template <class T>
    std::span<T> LoadDatabase(CIndexMap<T>& map, const CDatabaseReader& read);
    void EnterWeaponEntity(CEntityInfo& entity);
    // Calls visit(map) for every index map, in the order of Database.
    template <class TVisit>
    void ForEachIndexMap(TVisit&& visit);
    template <class TVisit>
    void ForEachIndexMap(TVisit&& visit) const;
    CLoadFindings m_loadFindings;
    CSetFilesOnDisk m_filesOnDisk;
    std::function<void()> m_pfnFilesOnDisk;
    CSetHistory m_history;
};
