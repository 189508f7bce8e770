#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <ctime>
#include <filesystem>
#include <set>

#include "CapturedMessages.h"
#include "DocRecords.h"
#include "core/File.h"

namespace {

namespace fs = std::filesystem;
using testing::ContainsRegex;
using testing::ElementsAre;
using testing::IsEmpty;
using testing::MatchesRegex;

constexpr SetFile kRecordFiles[] = {
    SetFile::Object,  SetFile::Sensor, SetFile::Launcher, SetFile::Airstrip,  SetFile::Entity,
    SetFile::Profile, SetFile::Mast,   SetFile::Object3D, SetFile::ShipClass, SetFile::CountryName,
};

// Every file under a directory with its bytes; directories end in "/" and have none.
using Tree = std::map<std::string, Bytes>;

Tree TreeOf(const fs::path& root) {
    Tree tree;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string name = fs::relative(entry.path(), root).string();
        if (entry.is_directory()) {
            tree[name + "/"];
        } else {
            tree[name] = ReadBytes(entry.path());
        }
    }
    return tree;
}

CFileStatus StatusOf(const std::string& path) {
    CFileStatus status;
    EXPECT_TRUE(CFile::GetStatus(path, status)) << path;
    return status;
}

// Makes the n-th step of the file layer fail, and counts the steps it sees.
class CFaultAt {
public:
    explicit CFaultAt(int nFailing, int nError = EIO) {
        AfxSetFileFaultHandler([this, nFailing, nError](CFileStep step, const std::string&) {
            m_steps.insert(step);
            return ++m_nSteps == nFailing ? nError : 0;
        });
    }
    ~CFaultAt() { AfxSetFileFaultHandler({}); }
    CFaultAt(const CFaultAt&) = delete;
    CFaultAt& operator=(const CFaultAt&) = delete;

    int m_nSteps = 0;
    std::set<CFileStep> m_steps;
};

class SetSaveTest : public testing::Test {
public:
    // Two records in every database, in index order: files as a save writes them.
    static std::map<SetFile, Bytes> FullSet(std::uint32_t seed) {
        std::map<SetFile, Bytes> files;
        for (const SetFile file : kRecordFiles) {
            files[file] =
                Concat({MakeRecord(file, 0, "a", seed), MakeRecord(file, 1, "b", seed + 1)});
            seed += 2;
        }
        return files;
    }

protected:
    std::string Load(const std::map<SetFile, Bytes>& files) {
        const std::string objectFile = WriteSet(m_set.Path(), files);
        EXPECT_TRUE(m_doc.OnOpenDocument(objectFile));
        return objectFile;
    }
    std::string Path(SetFile file) const { return SetFilePath(m_set.Path(), file); }
    std::map<SetFile, Bytes> OnDisk(const fs::path& directory) const {
        std::map<SetFile, Bytes> files;
        for (const SetFile file : kRecordFiles) {
            files[file] = ReadBytes(SetFilePath(directory, file));
        }
        return files;
    }
    // Flips a byte of the first record of file, as an editor's Apply would change it.
    void Change(SetFile file, std::uint8_t nXor = 0xFF) {
        FindRecord(m_doc, file, 0)[30] ^= nXor;
        m_doc.RecordsChanged(DatabaseOf(file));
    }
    std::vector<std::string> Backups() const {
        const fs::path root = m_set.Path() / "ventry-backup";
        return fs::exists(root) ? FileNamesIn(root) : std::vector<std::string>{};
    }
    fs::path Backup(const std::string& name) const { return m_set.Path() / "ventry-backup" / name; }

    CapturedMessages m_messages;
    TempDir m_set;
    CVentryDoc m_doc;
};

TEST_F(SetSaveTest, ASaveOverASetKeepsTheFilesItReplacesLinkedInABackup) {
    const std::map<SetFile, Bytes> old = FullSet(1);
    const std::string objectFile = Load(old);
    const CFileStatus oldSensor = StatusOf(Path(SetFile::Sensor));
    for (const SetFile file : kRecordFiles) {
        Change(file);
    }
    const std::map<SetFile, Bytes> edited = [&] {
        std::map<SetFile, Bytes> files = old;
        for (auto& [file, bytes] : files) {
            bytes[30] ^= 0xFF;
        }
        return files;
    }();
    ASSERT_TRUE(m_doc.OnSaveDocument(objectFile));
    EXPECT_EQ(OnDisk(m_set.Path()), edited);

    const std::vector<std::string> backups = Backups();
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_THAT(backups[0], MatchesRegex("[0-9]{8}-[0-9]{6}"));
    EXPECT_EQ(OnDisk(Backup(backups[0])), old);
    EXPECT_EQ(FileNamesIn(Backup(backups[0])).size(), 10u);  // exactly the replaced files
    // A hard link: the old file itself, not a copy of it.
    EXPECT_EQ(StatusOf(SetFilePath(Backup(backups[0]), SetFile::Sensor)).m_nInode,
              oldSensor.m_nInode);
    // The set, its untouched ship-based aircraft file and the backups; no temporaries.
    EXPECT_EQ(FileNamesIn(m_set.Path()).size(), 12u);
    EXPECT_THAT(m_messages.m_texts, IsEmpty());
}

TEST_F(SetSaveTest, WithoutHardLinksTheBackupIsACopy) {
    const std::map<SetFile, Bytes> old = FullSet(1);
    const std::string objectFile = Load(old);
    Change(SetFile::Mast);
    AfxSetFileFaultHandler(
        [](CFileStep step, const std::string&) { return step == CFileStep::Link ? EPERM : 0; });
    const bool bSaved = m_doc.OnSaveDocument(objectFile);
    AfxSetFileFaultHandler({});
    ASSERT_TRUE(bSaved);
    ASSERT_EQ(Backups().size(), 1u);
    const fs::path kept = SetFilePath(Backup(Backups()[0]), SetFile::Mast);
    EXPECT_THAT(FileNamesIn(Backup(Backups()[0])), ElementsAre("mast.emd"));
    EXPECT_EQ(ReadBytes(kept), old.at(SetFile::Mast));
    EXPECT_EQ(fs::hard_link_count(kept), 1u);
}

TEST_F(SetSaveTest, TheNewestBackupsAreKeptAndOnlyBackupsAreRemoved) {
    const std::string objectFile = Load(FullSet(1));
    fs::create_directories(m_set.Path() / "ventry-backup" / "notes");
    WriteBytes(m_set.Path() / "ventry-backup" / "20000101-000000.txt", Bytes{1});
    std::vector<Bytes> objects{ReadBytes(objectFile)};
    for (int i = 1; i <= 4; ++i) {
        Change(SetFile::Object, static_cast<std::uint8_t>(i));
        ASSERT_TRUE(m_doc.OnSaveDocument(objectFile));
        objects.push_back(ReadBytes(objectFile));
    }
    std::vector<std::string> backups = Backups();
    std::erase(backups, "notes");
    std::erase(backups, "20000101-000000.txt");
    ASSERT_EQ(backups.size(), 3u);
    // Four saves within a second or two: names with "-2", "-3" ... sort by their number.
    std::sort(backups.begin(), backups.end(), [](const std::string& a, const std::string& b) {
        return std::make_pair(a.substr(0, 15), a.size() > 15 ? std::stoi(a.substr(16)) : 1) <
               std::make_pair(b.substr(0, 15), b.size() > 15 ? std::stoi(b.substr(16)) : 1);
    });
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_THAT(backups[i], MatchesRegex("[0-9]{8}-[0-9]{6}(-[0-9]+)?"));
        EXPECT_EQ(ReadBytes(SetFilePath(Backup(backups[i]), SetFile::Object)), objects[i + 1]);
    }
    EXPECT_TRUE(fs::exists(m_set.Path() / "ventry-backup" / "notes"));
    EXPECT_TRUE(fs::exists(m_set.Path() / "ventry-backup" / "20000101-000000.txt"));
}

TEST_F(SetSaveTest, ATakenBackupNameGetsTheNextNumber) {
    m_messages.m_nBackupCount = 10;
    const std::string objectFile = Load(FullSet(1));
    // Every name the next few seconds could give is taken already.
    std::set<std::string> taken;
    for (std::time_t t = std::time(nullptr); t < std::time(nullptr) + 5; ++t) {
        std::tm local{};
        localtime_r(&t, &local);
        char name[32];
        std::strftime(name, sizeof name, "%Y%m%d-%H%M%S", &local);
        fs::create_directories(Backup(name));
        taken.insert(name);
    }
    Change(SetFile::Object);
    ASSERT_TRUE(m_doc.OnSaveDocument(objectFile));
    std::vector<std::string> made;
    for (const std::string& name : Backups()) {
        if (!taken.count(name)) {
            made.push_back(name);
        }
    }
    ASSERT_EQ(made.size(), 1u);
    EXPECT_TRUE(taken.count(made[0].substr(0, 15)));
    EXPECT_EQ(made[0].substr(15), "-2");
    EXPECT_THAT(FileNamesIn(Backup(made[0])), ElementsAre("object.eod"));
}

TEST_F(SetSaveTest, BackupCountZeroAndANewSetMakeNoBackup) {
    m_messages.m_nBackupCount = 0;
    const std::string objectFile = Load(FullSet(1));
    for (const SetFile file : kRecordFiles) {
        Change(file);
    }
    ASSERT_TRUE(m_doc.OnSaveDocument(objectFile));
    EXPECT_FALSE(fs::exists(m_set.Path() / "ventry-backup"));
    EXPECT_EQ(FileNamesIn(m_set.Path()).size(), 11u);

    m_messages.m_nBackupCount = 3;
    const TempDir fresh;
    ASSERT_TRUE(m_doc.OnSaveDocument(SetFilePath(fresh.Path(), SetFile::Object)));
    EXPECT_EQ(FileNamesIn(fresh.Path()).size(), 10u);
}

TEST_F(SetSaveTest, ABackupThatCannotBeMadeStopsTheSaveBeforeAnythingIsReplaced) {
    const std::string objectFile = Load(FullSet(1));
    Change(SetFile::Sensor);
    Change(SetFile::Object);
    WriteBytes(m_set.Path() / "ventry-backup", Bytes{1});  // no directory can go there
    const Tree before = TreeOf(m_set.Path());
    EXPECT_FALSE(m_doc.OnSaveDocument(objectFile));
    EXPECT_EQ(TreeOf(m_set.Path()), before);
    ASSERT_EQ(m_messages.m_texts.size(), 1u);
    EXPECT_THAT(m_messages.m_texts[0], ContainsRegex((m_set.Path() / "ventry-backup").string() +
                                                     "/[0-9-]+: Not a directory"));
    EXPECT_TRUE(m_doc.IsModified());
}

// Which files a save finds changed, and whether backups are on.
struct FaultCase {
    const char* pszName;
    int nBackupCount;
    bool bEveryDatabase;  // else only the objects changed
    bool bSaveAs;         // onto another existing set, unchanged files copied
};

// One save as the test repeats it, from the same start every time: the set loaded, the
// target's files, an old backup beside them and the document's changes.
class CFaultRun {
public:
    explicit CFaultRun(const FaultCase& param) : m_param(param) {
        m_messages.m_nBackupCount = param.nBackupCount;
        const std::string loaded = WriteSet(m_set.Path(), SetSaveTest::FullSet(1));
        EXPECT_TRUE(m_doc.OnOpenDocument(loaded));
        m_strTarget = param.bSaveAs ? WriteSet(m_other.Path(), SetSaveTest::FullSet(100)) : loaded;
        fs::create_directories(Dir() / "ventry-backup" / "20000101-000000");
        WriteBytes(Dir() / "ventry-backup" / "20000101-000000" / "object.eod", Bytes{7});
        for (const SetFile file : kRecordFiles) {
            if (file == SetFile::Object || param.bEveryDatabase) {
                FindRecord(m_doc, file, 0)[30] ^= 0xFF;
                m_doc.RecordsChanged(DatabaseOf(file));
            }
        }
        m_before = TreeOf(Dir());
    }

    fs::path Dir() const { return m_param.bSaveAs ? m_other.Path() : m_set.Path(); }
    bool Save() { return m_doc.OnSaveDocument(m_strTarget); }

    // The set holds the document's records and a new backup holds exactly what was replaced.
    void ExpectSaved() {
        CVentryDoc saved;
        ASSERT_TRUE(saved.OnOpenDocument(m_strTarget));
        for (const SetFile file : kRecordFiles) {
            EXPECT_EQ(RecordBytes(saved, file, 0), RecordBytes(m_doc, file, 0));
            EXPECT_EQ(RecordBytes(saved, file, 1), RecordBytes(m_doc, file, 1));
        }
        std::vector<std::string> backups = FileNamesIn(Dir() / "ventry-backup");
        EXPECT_EQ(FileNamesIn(Dir()).size(), 12u);  // no temporary, no link left over
        if (m_param.nBackupCount == 0) {
            EXPECT_THAT(backups, ElementsAre("20000101-000000"));
            return;
        }
        ASSERT_EQ(backups.size(), 2u);
        const fs::path made = Dir() / "ventry-backup" / backups[1];
        for (const std::string& name : FileNamesIn(made)) {
            EXPECT_EQ(ReadBytes(made / name), m_before.at(name)) << name;
        }
        EXPECT_EQ(FileNamesIn(made).size(), m_param.bEveryDatabase || m_param.bSaveAs ? 10u : 1u);
    }
    // Byte for byte what was there, and the reason reported with a path.
    void ExpectFailed() {
        EXPECT_EQ(TreeOf(Dir()), m_before);
        ASSERT_EQ(m_messages.m_texts.size(), 1u);
        const std::string& text = m_messages.m_texts[0];
        EXPECT_THAT(text, ContainsRegex(Dir().string() + "(/[^:]+)?: Input/output error"));
        EXPECT_EQ(text.find("put back"), std::string::npos) << text;
    }

private:
    FaultCase m_param;
    CapturedMessages m_messages;
    TempDir m_set;
    TempDir m_other;
    CVentryDoc m_doc;
    std::string m_strTarget;
    Tree m_before;
};

class EveryFailingStepTest : public testing::TestWithParam<FaultCase> {};

// Each step of a save fails once, from the first to the last: the save either stops with the
// old set on disk or gets round the failure (a backup copied where a link failed).
TEST_P(EveryFailingStepTest, LeavesTheOldSetByteForByteAndNoTemporary) {
    std::set<CFileStep> reached;
    int nFailed = 0;
    int nFailing = 1;
    for (;; ++nFailing) {
        ASSERT_LT(nFailing, 500) << "the save never runs through";
        CFaultRun run(GetParam());
        bool bSaved = false;
        int nSteps = 0;
        {
            CFaultAt fault(nFailing);
            bSaved = run.Save();
            nSteps = fault.m_nSteps;
            reached.insert(fault.m_steps.begin(), fault.m_steps.end());
        }
        if (nSteps < nFailing) {
            ASSERT_TRUE(bSaved);  // no step failed
            run.ExpectSaved();
            break;
        }
        SCOPED_TRACE("failing step " + std::to_string(nFailing));
        if (bSaved) {
            run.ExpectSaved();
        } else {
            ++nFailed;
            run.ExpectFailed();
        }
        if (testing::Test::HasFailure()) {
            return;
        }
    }
    EXPECT_GE(nFailed, 6);
    // A failed link makes the backup a copy.
    for (const CFileStep step :
         {CFileStep::Open, CFileStep::Write, CFileStep::Flush, CFileStep::Close, CFileStep::Link,
          CFileStep::Copy, CFileStep::Rename}) {
        EXPECT_TRUE(reached.count(step)) << static_cast<int>(step);
    }
    EXPECT_EQ(reached.count(CFileStep::MakeDirectory), GetParam().nBackupCount > 0 ? 1u : 0u);
}

constexpr FaultCase kFaultCases[] = {
    {"EverythingChangedWithBackups", 3, true, false},
    {"EverythingChangedWithoutBackups", 0, true, false},
    {"OneDatabaseChangedWithBackups", 3, false, false},
    {"OneDatabaseChangedWithoutBackups", 0, false, false},
    {"SaveAsOverAnotherSetWithBackups", 3, false, true},
    {"SaveAsOverAnotherSetWithoutBackups", 0, false, true},
};

INSTANTIATE_TEST_SUITE_P(Saves, EveryFailingStepTest, testing::ValuesIn(kFaultCases),
                         [](const testing::TestParamInfo<FaultCase>& info) {
                             return std::string(info.param.pszName);
                         });

TEST_F(SetSaveTest, WhenTheOldFilesCannotBePutBackTheMessageSaysWhereTheyAre) {
    const std::map<SetFile, Bytes> old = FullSet(1);
    const std::string objectFile = Load(old);
    for (const SetFile file : kRecordFiles) {
        Change(file);
    }
    // The third rename fails, and after it every way of putting a file back.
    int nRenames = 0;
    AfxSetFileFaultHandler([&nRenames](CFileStep step, const std::string&) {
        if (step == CFileStep::Rename) {
            ++nRenames;
        }
        const bool bPuttingBack = nRenames >= 3;
        return (step == CFileStep::Rename && nRenames == 3) ||
                       (bPuttingBack && (step == CFileStep::Link || step == CFileStep::Open))
                   ? EIO
                   : 0;
    });
    const bool bSaved = m_doc.OnSaveDocument(objectFile);
    AfxSetFileFaultHandler({});
    EXPECT_FALSE(bSaved);
    ASSERT_EQ(Backups().size(), 1u);
    const fs::path backup = Backup(Backups()[0]);
    EXPECT_EQ(OnDisk(backup), old);
    ASSERT_EQ(m_messages.m_texts.size(), 1u);
    const std::string& text = m_messages.m_texts[0];
    EXPECT_NE(text.find(Path(SetFile::Launcher) + ": Input/output error"), std::string::npos)
        << text;
    EXPECT_NE(text.find("Not every old file could be put back"), std::string::npos) << text;
    EXPECT_NE(text.find("The old files are kept in " + backup.string()), std::string::npos) << text;
}

// A save writes only what changed since the load.

TEST_F(SetSaveTest, ASaveRewritesOnlyTheChangedDatabasesAndBacksUpOnlyThose) {
    const std::string objectFile = Load(FullSet(1));
    std::map<SetFile, CFileStatus> before;
    for (const SetFile file : kRecordFiles) {
        before[file] = StatusOf(Path(file));
    }
    Change(SetFile::Sensor);
    EXPECT_THAT(ChangedDatabases(m_doc), ElementsAre(Database::Sensor));
    ASSERT_TRUE(m_doc.OnSaveDocument(objectFile));
    for (const SetFile file : kRecordFiles) {
        EXPECT_EQ(StatusOf(Path(file)).IsSameVersion(before[file]), file != SetFile::Sensor)
            << Path(file);
    }
    EXPECT_EQ(ReadBytes(Path(SetFile::Sensor)), Concat({RecordBytes(m_doc, SetFile::Sensor, 0),
                                                        RecordBytes(m_doc, SetFile::Sensor, 1)}));
    ASSERT_EQ(Backups().size(), 1u);
    EXPECT_THAT(FileNamesIn(Backup(Backups()[0])), ElementsAre("sensor.esd"));
    EXPECT_THAT(ChangedDatabases(m_doc), IsEmpty());

    // Nothing changed since: nothing is replaced and no backup made.
    const Tree saved = TreeOf(m_set.Path());
    ASSERT_TRUE(m_doc.OnSaveDocument(objectFile));
    EXPECT_EQ(TreeOf(m_set.Path()), saved);
    EXPECT_EQ(StatusOf(objectFile).m_nInode, before[SetFile::Object].m_nInode);
}

TEST_F(SetSaveTest, BeingToldOnlyThatSomethingChangedRewritesEveryDatabase) {
    const std::string objectFile = Load(FullSet(1));
    const CFileStatus mast = StatusOf(Path(SetFile::Mast));
    m_doc.SetModifiedFlag(true);
    EXPECT_EQ(ChangedDatabases(m_doc).size(), 10u);
    ASSERT_TRUE(m_doc.OnSaveDocument(objectFile));
    EXPECT_FALSE(StatusOf(Path(SetFile::Mast)).IsSameVersion(mast));
    EXPECT_EQ(FileNamesIn(Backup(Backups()[0])).size(), 10u);
}

TEST_F(SetSaveTest, FilesNotInTheFormASaveWritesAreRewrittenEvenUnchanged) {
    const Bytes second = MakeRecord(SetFile::Sensor, 9, "second");
    const Bytes first = MakeRecord(SetFile::Sensor, 2, "first");
    const Bytes mast = MakeRecord(SetFile::Mast, 1, "mast");
    const Bytes entityA = MakeRecord(SetFile::Entity, 4, "A"),
                entityB = MakeRecord(SetFile::Entity, 4, "B");
    Bytes trailing = mast;
    trailing.push_back(0xAB);
    std::map<SetFile, Bytes> files = FullSet(1);
    files[SetFile::Sensor] = Concat({second, first});
    files[SetFile::Mast] = trailing;
    files[SetFile::Entity] = Concat({entityA, entityB});
    const std::string objectFile = WriteSet(m_set.Path(), files);
    fs::remove(Path(SetFile::CountryName));
    ASSERT_TRUE(m_doc.OnOpenDocument(objectFile));
    const CFileStatus launcher = StatusOf(Path(SetFile::Launcher));

    ASSERT_TRUE(m_doc.OnSaveDocument(objectFile));
    EXPECT_EQ(ReadBytes(Path(SetFile::Sensor)), Concat({first, second}));
    EXPECT_EQ(ReadBytes(Path(SetFile::Mast)), mast);
    EXPECT_EQ(ReadBytes(Path(SetFile::Entity)), entityB);
    EXPECT_EQ(ReadBytes(Path(SetFile::CountryName)), Bytes{});
    EXPECT_TRUE(StatusOf(Path(SetFile::Launcher)).IsSameVersion(launcher));
    ASSERT_EQ(Backups().size(), 1u);
    EXPECT_THAT(FileNamesIn(Backup(Backups()[0])),
                ElementsAre("entity.epd", "mast.emd", "sensor.esd"));
}

TEST_F(SetSaveTest, AFileAnotherProgramChangedIsWrittenFromTheDocument) {
    const std::map<SetFile, Bytes> old = FullSet(1);
    const std::string objectFile = Load(old);
    const Bytes foreign = MakeRecord(SetFile::Profile, 5, "foreign");
    WriteBytes(Path(SetFile::Profile) + ".new", foreign);
    fs::rename(Path(SetFile::Profile) + ".new", Path(SetFile::Profile));  // a new file
    WriteBytes(Path(SetFile::Airstrip), Bytes(96, 1));                    // rewritten in place
    ASSERT_TRUE(m_doc.OnSaveDocument(objectFile));
    EXPECT_EQ(OnDisk(m_set.Path()), old);
    EXPECT_THAT(FileNamesIn(Backup(Backups()[0])), ElementsAre("airstrip.ead", "profile.eqd"));
    EXPECT_EQ(ReadBytes(SetFilePath(Backup(Backups()[0]), SetFile::Profile)), foreign);
}

TEST_F(SetSaveTest, ASaveToAnotherSetCopiesTheUnchangedFilesInTheKernel) {
    const std::map<SetFile, Bytes> old = FullSet(1);
    Load(old);
    Change(SetFile::Launcher);
    const TempDir other;
    std::map<SetFile, std::set<CFileStep>> steps;
    AfxSetFileFaultHandler([&steps, &other](CFileStep step, const std::string& path) {
        for (const SetFile file : kRecordFiles) {
            if (path.starts_with(SetFilePath(other.Path(), file, 'g'))) {
                steps[file].insert(step);
            }
        }
        return 0;
    });
    const std::string target = SetFilePath(other.Path(), SetFile::Object, 'g');
    const bool bSaved = m_doc.OnSaveDocument(target);
    AfxSetFileFaultHandler({});
    ASSERT_TRUE(bSaved);
    for (const SetFile file : kRecordFiles) {
        const Bytes expected =
            file == SetFile::Launcher
                ? Concat({RecordBytes(m_doc, file, 0), RecordBytes(m_doc, file, 1)})
                : old.at(file);
        EXPECT_EQ(ReadBytes(SetFilePath(other.Path(), file, 'g')), expected);
        EXPECT_EQ(steps[file].count(CFileStep::Copy), file == SetFile::Launcher ? 0u : 1u);
        EXPECT_EQ(steps[file].count(CFileStep::Write), file == SetFile::Launcher ? 1u : 0u);
    }
    // The document's files are the new set's now: saving it again replaces nothing.
    const Tree saved = TreeOf(other.Path());
    ASSERT_TRUE(m_doc.OnSaveDocument(target));
    EXPECT_EQ(TreeOf(other.Path()), saved);
    EXPECT_EQ(m_doc.FilesOnDisk().Entry(Database::Mast).strPath,
              SetFilePath(other.Path(), SetFile::Mast, 'g'));
}

}  // namespace
