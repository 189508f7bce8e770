#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <set>

#include <sys/wait.h>
#include <unistd.h>

#include "CapturedMessages.h"
#include "DocRecords.h"
#include "core/File.h"

namespace {

namespace fs = std::filesystem;
using testing::AllOf;
using testing::AnyOf;
using testing::ContainsRegex;
using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;
using testing::MatchesRegex;

// Every file under a directory with its bytes; directories end in "/" and have none.
using Tree = std::map<std::string, Bytes>;

Tree TreeOf(const fs::path& root) {
    Tree tree;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string name = fs::relative(entry.path(), root).string();
        tree[entry.is_directory() ? name + "/" : name] =
            entry.is_directory() ? Bytes{} : ReadBytes(entry.path());
    }
    return tree;
}

// The record files of a tree, or of a set, by name.
Tree RecordFilesIn(const Tree& tree) {
    Tree files;
    for (const RecordShape& shape : kRecordShapes) {
        const std::string name = fs::path(SetFilePath("", shape.file)).filename().string();
        if (tree.contains(name)) {
            files[name] = tree.at(name);
        }
    }
    return files;
}
Tree RecordFilesIn(const std::map<Database, Bytes>& set) {
    Tree files;
    for (const auto& [file, bytes] : set) {
        files[fs::path(SetFilePath("", file)).filename().string()] = bytes;
    }
    return files;
}

std::vector<std::string> BackupsIn(const fs::path& set) {
    return fs::exists(set / "ventry-backup") ? FileNamesIn(set / "ventry-backup")
                                             : std::vector<std::string>{};
}

// Two records in every database, in index order: files as a save writes them.
std::map<Database, Bytes> FullSet(std::uint32_t seed) {
    std::map<Database, Bytes> files;
    for (const RecordShape& shape : kRecordShapes) {
        files[shape.file] = Concat(
            {MakeRecord(shape.file, 0, "a", seed), MakeRecord(shape.file, 1, "b", seed + 1)});
        seed += 2;
    }
    return files;
}

// A file's bytes after Change.
Bytes Flipped(Bytes bytes) {
    bytes[30] ^= 0xFF;
    return bytes;
}

// Lets the file layer's steps fail, or watches them, for the handler's lifetime.
class CFaults {
public:
    explicit CFaults(CFileFaultHandler handler) { AfxSetFileFaultHandler(std::move(handler)); }
    ~CFaults() { AfxSetFileFaultHandler({}); }
    CFaults(const CFaults&) = delete;
    CFaults& operator=(const CFaults&) = delete;
};

// A set on disk, loaded, and the messages the document shows.
class CLoadedSet {
public:
    void Load() {
        WriteSet(m_set.Path(), FullSet(1));
        ASSERT_TRUE(m_doc.OnOpenDocument(Path(Database::Object)));
    }
    std::string Path(Database file) const { return SetFilePath(m_set.Path(), file); }
    std::vector<std::string> Backups() const { return BackupsIn(m_set.Path()); }
    fs::path Backup(const std::string& name) const { return m_set.Path() / "ventry-backup" / name; }
    bool Save() { return m_doc.OnSaveDocument(Path(Database::Object)); }
    // Flips a byte of the first record of file, as an editor's Apply would change it.
    void Change(Database file) { FlipByte(m_doc, file, 0, 30); }

    CapturedMessages m_messages;
    TempDir m_set;
    CVentryDoc m_doc;
};

class SetSaveTest : public testing::Test, public CLoadedSet {};

// Where a save goes, which databases changed, whether backups are on, and how many existing
// files the save replaces.
enum class Target { Loaded, OtherSet, NewSet };
enum class Changed { Objects, Every, ToldOnly };  // told only that something changed: all written
struct FaultCase {
    const char* pszName;
    int nBackupCount;
    Changed changed;
    Target target;  // another set's files all differ from the document's
    std::size_t nReplaced;
};

// One save as the fault test repeats it, from the same start every time: the set loaded, the
// target's files, backups beside them and the document's changes.
class CFaultRun : public CLoadedSet {
public:
    explicit CFaultRun(const FaultCase& param) : m_param(param), m_expected(FullSet(1)) {
        m_messages.m_nBackupCount = param.nBackupCount;
        Load();
        if (param.target == Target::OtherSet) {
            WriteSet(m_other.Path(), FullSet(100));
        }
        // Three backups and a folder that is none.
        for (const char* name :
             {"20000101-000000", "20000101-000000-2", "20000102-000000", "notes"}) {
            fs::create_directories(Dir() / "ventry-backup" / name);
            WriteBytes(Dir() / "ventry-backup" / name / "object.eod", Bytes{7});
        }
        for (const RecordShape& shape : kRecordShapes) {
            if (shape.file == Database::Object || param.changed == Changed::Every) {
                Change(shape.file);
                m_expected[shape.file] = Flipped(m_expected[shape.file]);
            }
        }
        if (param.changed == Changed::ToldOnly) {
            m_doc.SetModifiedFlag(true);
        }
        m_before = TreeOf(Dir());
    }

    fs::path Dir() const {
        return m_param.target == Target::Loaded ? m_set.Path() : m_other.Path();
    }
    std::string ObjectFile() const { return SetFilePath(Dir(), Database::Object); }
    // Saves with the n-th step of the file layer failing; m_steps are the steps it took. A
    // removal that fails leaves litter, not a mix, so none is made to.
    bool SaveFailingAt(std::size_t nFailing) {
        const CFaults fault([this, nFailing](CFileStep step, const std::string& path) {
            m_steps.emplace_back(step, path);
            return m_steps.size() == nFailing && step != CFileStep::Remove ? EIO : 0;
        });
        return m_doc.OnSaveDocument(ObjectFile());
    }
    // Saves in a child process that is killed just before the n-th step of the file layer;
    // false when the save ran through before that step.
    bool SaveKilledAt(std::size_t nKilled) {
        const pid_t child = ::fork();
        if (child == 0) {
            std::size_t nSteps = 0;
            AfxSetFileFaultHandler([&nSteps, nKilled](CFileStep, const std::string&) {
                if (++nSteps == nKilled) {
                    ::kill(::getpid(), SIGKILL);
                }
                return 0;
            });
            ::_exit(m_doc.OnSaveDocument(ObjectFile()) ? 0 : 1);
        }
        int status = 0;
        EXPECT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) || WEXITSTATUS(status) == 0) << "the save failed";
        return WIFSIGNALED(status);
    }

    // The document's records on disk, nothing left over, and a new backup, in place of the
    // oldest, holding exactly the files that were replaced.
    void ExpectSaved() const {
        EXPECT_EQ(ReadSet(Dir()), m_expected);
        EXPECT_EQ(FileNamesIn(Dir()).size(), m_param.target == Target::NewSet ? 11u : 12u);
        EXPECT_THAT(m_messages.m_texts, IsEmpty());
        const std::vector<std::string> backups = BackupsIn(Dir());
        if (m_param.nBackupCount == 0 || m_param.nReplaced == 0) {
            EXPECT_THAT(backups, ElementsAre("20000101-000000", "20000101-000000-2",
                                             "20000102-000000", "notes"));
            return;
        }
        ASSERT_THAT(backups, ElementsAre("20000101-000000-2", "20000102-000000",
                                         MatchesRegex("[0-9]{8}-[0-9]{6}"), "notes"));
        const fs::path made = Dir() / "ventry-backup" / backups[2];
        EXPECT_EQ(FileNamesIn(made).size(), m_param.nReplaced);
        for (const std::string& name : FileNamesIn(made)) {
            EXPECT_EQ(ReadBytes(made / name), m_before.at(name)) << name;
        }
    }
    // A save without a failure: each file on disk before it replaced the old one, the renames
    // flushed, and only another set's nine unchanged files copied: old files are linked.
    void ExpectAWholeSave() const {
        std::set<std::string> copied;
        for (auto it = m_steps.begin(); it != m_steps.end(); ++it) {
            const auto flushed =
                std::find(m_steps.begin(), it, std::pair{CFileStep::Flush, it->second});
            EXPECT_TRUE(it->first != CFileStep::Rename || flushed != it) << it->second;
            if (it->first == CFileStep::Copy) {
                copied.insert(it->second);
            }
        }
        EXPECT_EQ(m_steps.back(), std::pair(CFileStep::Flush, Dir().string()));
        EXPECT_EQ(copied.size(), m_param.target == Target::Loaded ? 0u : 9u);
        // The note, made first, flushed with its directory before the first rename, goes after
        // the last.
        const auto isRename = [](const auto& step) { return step.first == CFileStep::Rename; };
        const auto firstRename = std::find_if(m_steps.begin(), m_steps.end(), isRename);
        const auto afterRenames = std::find_if(m_steps.rbegin(), m_steps.rend(), isRename).base();
        const std::string note = ObjectFile() + ".ventry-commit";
        EXPECT_EQ(m_steps.front(), std::pair(CFileStep::Open, note));
        EXPECT_NE(std::find(m_steps.begin(), firstRename, std::pair{CFileStep::Flush, note}),
                  firstRename);
        EXPECT_NE(
            std::find(m_steps.begin(), firstRename, std::pair{CFileStep::Flush, Dir().string()}),
            firstRename);
        EXPECT_NE(std::find(afterRenames, m_steps.end(), std::pair{CFileStep::Remove, note}),
                  m_steps.end());
    }
    // After a killed save the next load finds the old set or finishes the save, telling the
    // user so; nothing the save made is left but a backup of old files.
    void ExpectOldOrNewAtLoad(int& nOld, int& nFinished) {
        if (!m_doc.OnOpenDocument(ObjectFile())) {
            // A new set that was never put in place has no object file to load.
            ASSERT_EQ(m_param.target, Target::NewSet);
            EXPECT_THAT(m_messages.m_texts, ElementsAre(HasSubstr(": No such file or directory")));
            m_messages.m_texts.clear();
        }
        const Tree after = TreeOf(Dir());
        const bool bNew = RecordFilesIn(after) == RecordFilesIn(m_expected);
        EXPECT_TRUE(bNew || RecordFilesIn(after) == RecordFilesIn(m_before));
        EXPECT_THAT(m_messages.m_texts,
                    AnyOf(IsEmpty(), ElementsAre("The last save of this set was interrupted; it "
                                                 "has been completed.")));
        EXPECT_TRUE(bNew || m_messages.m_texts.empty());
        nOld += bNew ? 0 : 1;
        nFinished += m_messages.m_texts.size();
        for (const auto& [name, bytes] : after) {
            EXPECT_EQ(name.find(".ventry-"), std::string::npos) << name;
            if (name.starts_with("ventry-backup/") && !m_before.contains(name) &&
                !name.ends_with('/')) {
                EXPECT_EQ(bytes, m_before.at(fs::path(name).filename().string())) << name;
            }
        }
    }
    // Byte for byte what was there, the edits still unsaved, and the reason given with a path.
    void ExpectFailed() const {
        EXPECT_EQ(TreeOf(Dir()), m_before);
        EXPECT_TRUE(m_doc.IsModified());
        ASSERT_EQ(m_messages.m_texts.size(), 1u);
        const std::string& text = m_messages.m_texts[0];
        EXPECT_THAT(text, ContainsRegex(Dir().string() + "(/[^:]+)?: Input/output error"));
        EXPECT_EQ(text.find("put back"), std::string::npos) << text;
    }

    std::vector<std::pair<CFileStep, std::string>> m_steps;

private:
    FaultCase m_param;
    TempDir m_other;
    std::map<Database, Bytes> m_expected;
    Tree m_before;
};

class EveryFailingStepTest : public testing::TestWithParam<FaultCase> {};

// Each step of a save fails once, from the first to the last: the save either stops with the
// old set on disk or gets round the failure.
TEST_P(EveryFailingStepTest, LeavesTheOldSetByteForByteAndNoTemporary) {
    int nFailed = 0;
    for (std::size_t nFailing = 1;; ++nFailing) {
        ASSERT_LT(nFailing, 500u) << "the save never runs through";
        SCOPED_TRACE("failing step " + std::to_string(nFailing));
        CFaultRun run(GetParam());
        const bool bSaved = run.SaveFailingAt(nFailing);
        if (bSaved) {
            run.ExpectSaved();
        } else {
            ++nFailed;
            ASSERT_GE(run.m_steps.size(), nFailing);
            EXPECT_NE(run.m_steps[nFailing - 1].first, CFileStep::Link);  // a copy does instead
            run.ExpectFailed();
        }
        ASSERT_FALSE(testing::Test::HasFailure());
        if (run.m_steps.size() < nFailing) {
            ASSERT_GE(nFailed, 6);  // the sweep reached the steps that matter
            run.ExpectAWholeSave();
            // The files hold the document's records now: saving again replaces nothing.
            const Tree saved = TreeOf(run.Dir());
            ASSERT_TRUE(run.SaveFailingAt(0));  // no step fails
            EXPECT_EQ(TreeOf(run.Dir()), saved);
            break;
        }
    }
}

// The process is killed before each step of a save in turn, from the first to the last: the
// next load finds the old set or the new one, never a mix, and no temporary.
TEST_P(EveryFailingStepTest, AKilledSaveIsUndoneOrFinishedByTheNextLoad) {
    int nOld = 0;
    int nFinished = 0;
    for (std::size_t nKilled = 1;; ++nKilled) {
        ASSERT_LT(nKilled, 500u) << "the save never runs through";
        SCOPED_TRACE("killed before step " + std::to_string(nKilled));
        CFaultRun run(GetParam());
        if (!run.SaveKilledAt(nKilled)) {
            break;
        }
        run.ExpectOldOrNewAtLoad(nOld, nFinished);
        ASSERT_FALSE(testing::Test::HasFailure());
    }
    EXPECT_GE(nOld, 6);
    EXPECT_GE(nFinished, 1);
}

constexpr FaultCase kFaultCases[] = {
    {"EveryDatabaseChangedWithoutBackups", 0, Changed::Every, Target::Loaded, 10},
    {"ToldOnlyThatSomethingChangedWithBackups", 3, Changed::ToldOnly, Target::Loaded, 10},
    {"OneDatabaseChangedWithBackups", 3, Changed::Objects, Target::Loaded, 1},
    {"OneDatabaseChangedWithoutBackups", 0, Changed::Objects, Target::Loaded, 1},
    {"SaveAsOverAnotherSetWithBackups", 3, Changed::Objects, Target::OtherSet, 10},
    {"SaveAsOverAnotherSetWithoutBackups", 0, Changed::Objects, Target::OtherSet, 10},
    {"SaveAsToANewSet", 3, Changed::Objects, Target::NewSet, 0},
};

INSTANTIATE_TEST_SUITE_P(Saves, EveryFailingStepTest, testing::ValuesIn(kFaultCases),
                         [](const testing::TestParamInfo<FaultCase>& info) {
                             return std::string(info.param.pszName);
                         });

TEST_F(SetSaveTest, WhenTheOldFilesCannotBePutBackTheMessageSaysWhereTheyAre) {
    Load();
    for (const RecordShape& shape : kRecordShapes) {
        Change(shape.file);
    }
    {
        // The third rename fails, and after it every way of putting a file back.
        int nRenames = 0;
        const CFaults faults([&nRenames](CFileStep step, const std::string&) {
            nRenames += step == CFileStep::Rename ? 1 : 0;
            const bool bPuttingBack = step == CFileStep::Link || step == CFileStep::Open;
            return nRenames >= 3 && (bPuttingBack || (step == CFileStep::Rename && nRenames == 3))
                       ? EIO
                       : 0;
        });
        EXPECT_FALSE(Save());
    }
    ASSERT_EQ(Backups().size(), 1u);
    const fs::path backup = Backup(Backups()[0]);
    EXPECT_EQ(ReadSet(backup), FullSet(1));
    EXPECT_THAT(m_messages.m_texts,
                ElementsAre(AllOf(HasSubstr(Path(Database::Launcher) + ": Input/output error"),
                                  HasSubstr("Not every old file could be put back"),
                                  HasSubstr("The old files are kept in " + backup.string()))));
    // The note and the temporaries stay, so the next load finishes the save.
    m_messages.m_texts.clear();
    ASSERT_TRUE(m_doc.OnOpenDocument(Path(Database::Object)));
    EXPECT_THAT(m_messages.m_texts,
                ElementsAre("The last save of this set was interrupted; it has been completed."));
    for (const RecordShape& shape : kRecordShapes) {
        EXPECT_EQ(ReadBytes(Path(shape.file)), Flipped(FullSet(1)[shape.file]));
    }
    EXPECT_EQ(FileNamesIn(m_set.Path()).size(), 12u);
}

// A save replaces only the files that do not hold the document's records as a save writes
// them, and keeps them in a folder named by the time, "-2" added when that name is taken.
TEST_F(SetSaveTest, ASaveReplacesOnlyTheFilesThatChanged) {
    // Out of index order, a trailing byte, a duplicate index, a file missing.
    const Bytes first = MakeRecord(Database::Sensor, 2, "first");
    const Bytes second = MakeRecord(Database::Sensor, 9, "second");
    const Bytes mast = MakeRecord(Database::Mast, 1, "mast");
    const Bytes entity = MakeRecord(Database::Entity, 4, "B");
    std::map<Database, Bytes> files = FullSet(1);
    files[Database::Sensor] = Concat({second, first});
    files[Database::Mast] = Concat({mast, Bytes{0xAB}});
    files[Database::Entity] = Concat({MakeRecord(Database::Entity, 4, "A"), entity});
    WriteSet(m_set.Path(), files);
    fs::remove(Path(Database::CountryName));
    ASSERT_TRUE(m_doc.OnOpenDocument(Path(Database::Object)));
    {
        const CFaults taken([](CFileStep step, const std::string& path) {
            const bool bStampAlone = fs::path(path).filename().string().size() == 15;
            return step == CFileStep::MakeDirectory && bStampAlone ? EEXIST : 0;
        });
        ASSERT_TRUE(Save());
    }
    ASSERT_THAT(Backups(), ElementsAre(MatchesRegex("[0-9]{8}-[0-9]{6}-2")));
    EXPECT_THAT(FileNamesIn(Backup(Backups()[0])),
                ElementsAre("entity.epd", "mast.emd", "sensor.esd"));
    files[Database::Sensor] = Concat({first, second});
    files[Database::Mast] = mast;
    files[Database::Entity] = entity;
    files[Database::CountryName] = {};
    EXPECT_EQ(ReadSet(m_set.Path()), files);

    // Another program replaced one file and rewrote one in place.
    fs::remove_all(m_set.Path() / "ventry-backup");
    WriteBytes(Path(Database::Profile) + ".new", MakeRecord(Database::Profile, 5, "foreign"));
    fs::rename(Path(Database::Profile) + ".new", Path(Database::Profile));
    WriteBytes(Path(Database::Airstrip), Bytes(96, 1));
    ASSERT_TRUE(Save());
    ASSERT_EQ(Backups().size(), 1u);
    EXPECT_THAT(FileNamesIn(Backup(Backups()[0])), ElementsAre("airstrip.ead", "profile.eqd"));
    EXPECT_EQ(ReadSet(m_set.Path()), files);
}

}  // namespace
