#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "CapturedMessages.h"
#include "DocRecords.h"
#include "core/File.h"

namespace {

namespace fs = std::filesystem;
using testing::ElementsAre;
using testing::IsEmpty;

constexpr const char* kCompleted =
    "The last save of this set was interrupted; it has been completed.";

// A save of the objects and sensors stopped between its renames: both files written beside
// their targets, the old ones linked beside them as with backups off. The note comes from each
// test.
class SetRecoveryTest : public testing::Test {
protected:
    void SetUp() override {
        WriteSet(m_set.Path(), m_old);
        for (const auto& [file, bytes] : m_new) {
            fs::create_hard_link(Path(file), Path(file) + ".ventry-old");
            WriteBytes(Path(file) + ".ventry-save", bytes);
        }
    }
    std::string Path(Database file) const { return SetFilePath(m_set.Path(), file); }
    std::string Note() const { return Path(Database::Object) + ".ventry-commit"; }
    // The note of that save, its renames named by the files' identities now.
    void WriteNote(bool bComplete) const {
        std::vector<std::string> lines{"temporary object.eod", "temporary sensor.esd", "commit 0"};
        for (const char* name : {"object.eod", "sensor.esd"}) {
            const std::string target = (m_set.Path() / name).string();
            const bool bRenamed = !fs::exists(target + ".ventry-save");
            lines.push_back("replace " + NoteIdentity(bRenamed ? target : target + ".ventry-save") +
                            ' ' + name);
        }
        WriteBytes(Note(), ToBytes(CommitNote(lines, bComplete)));
    }
    static Bytes ToBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }
    bool Load() { return m_doc.OnOpenDocument(Path(Database::Object)); }
    std::map<Database, Bytes> OnDisk() const {
        std::map<Database, Bytes> files = ReadSet(m_set.Path());
        std::erase_if(files, [this](const auto& file) { return !m_old.contains(file.first); });
        return files;
    }

    const std::map<Database, Bytes> m_old{
        {Database::Object, MakeRecord(Database::Object, 1, "old")},
        {Database::Sensor, MakeRecord(Database::Sensor, 2, "old")},
        {Database::Mast, MakeRecord(Database::Mast, 3, "kept")}};
    std::map<Database, Bytes> m_new{{Database::Object, MakeRecord(Database::Object, 1, "new", 9)},
                                    {Database::Sensor, MakeRecord(Database::Sensor, 2, "new", 9)}};
    CapturedMessages m_messages;
    TempDir m_set;
    CVentryDoc m_doc;
};

// The object file's rename was done, the sensor file's not: the load finishes the save, says
// so once, and the next load says nothing.
TEST_F(SetRecoveryTest, ACompleteNoteIsCarriedOutAndTheUserIsToldOnce) {
    fs::rename(Path(Database::Object) + ".ventry-save", Path(Database::Object));
    WriteNote(true);
    ASSERT_TRUE(Load());
    EXPECT_THAT(m_messages.m_texts, ElementsAre(kCompleted));
    std::map<Database, Bytes> expected = m_new;
    expected[Database::Mast] = m_old.at(Database::Mast);
    EXPECT_EQ(OnDisk(), expected);
    EXPECT_EQ(RecordBytes(m_doc, Database::Sensor, 2), m_new.at(Database::Sensor));
    EXPECT_EQ(FileNamesIn(m_set.Path()).size(), 11u);  // no temporary, link or note

    m_messages.m_texts.clear();
    ASSERT_TRUE(Load());
    EXPECT_THAT(m_messages.m_texts, IsEmpty());
}

// Another set saved over it finishes that save first, so nothing it left stays behind.
TEST_F(SetRecoveryTest, ASaveOverTheSetCarriesOutItsNoteFirst) {
    WriteNote(true);
    CVentryDoc other;
    ASSERT_TRUE(other.OnSaveDocument(Path(Database::Object)));
    EXPECT_THAT(m_messages.m_texts, ElementsAre(kCompleted));
    EXPECT_TRUE(ReadBytes(Path(Database::Sensor)).empty());
    for (const std::string& name : FileNamesIn(m_set.Path())) {
        EXPECT_EQ(name.find(".ventry-"), std::string::npos) << name;
    }
}

// No rename had begun: what the save made goes, its backup folder too, and the old set loads.
TEST_F(SetRecoveryTest, AnIncompleteNoteIsDiscardedWithWhatItNames) {
    const fs::path backup = m_set.Path() / "ventry-backup" / "20260101-000000";
    fs::create_directories(backup);
    fs::create_hard_link(Path(Database::Object), backup / "object.eod");
    std::string note = CommitNote({"temporary object.eod", "temporary sensor.esd",
                                   "backup ventry-backup/20260101-000000", "commit 3"},
                                  true);
    note.replace(note.size() - 5, 4, "0000");  // the end line was never flushed
    WriteBytes(Note(), ToBytes(note));
    ASSERT_TRUE(Load());
    EXPECT_THAT(m_messages.m_texts, IsEmpty());
    EXPECT_EQ(OnDisk(), m_old);
    EXPECT_EQ(FileNamesIn(m_set.Path()).size(), 11u);
}

// Each leaves the files and the note as they are and names what stops it.
TEST_F(SetRecoveryTest, ANoteThatCannotBeCarriedOutRefusesTheLoad) {
    const std::string sensor = Path(Database::Sensor);
    struct Case {
        void (*pfnBreak)(const std::string& sensor);
        std::string problem;
    };
    const Case cases[] = {
        {[](const std::string& s) { fs::remove(s + ".ventry-save"); },
         sensor + ": not yet replaced, and the saved file " + sensor + ".ventry-save is missing"},
        {[](const std::string& s) { WriteBytes(s + ".ventry-save", Bytes{1}); },
         sensor + ".ventry-save: not the file that save wrote"},
        {nullptr, Path(Database::Object) + ": Read-only file system"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.problem);
        for (const std::string& name : FileNamesIn(m_set.Path())) {
            fs::remove(m_set.Path() / name);
        }
        SetUp();
        WriteNote(true);
        if (c.pfnBreak) {
            c.pfnBreak(sensor);
        }
        AfxSetFileFaultHandler([](CFileStep step, const std::string&) {
            return step == CFileStep::Rename ? EROFS : 0;
        });
        const std::vector<std::string> before = FileNamesIn(m_set.Path());
        EXPECT_FALSE(Load());
        AfxSetFileFaultHandler({});
        EXPECT_THAT(m_messages.m_texts,
                    ElementsAre("Failed to open the document.\nThe last save of this set was "
                                "interrupted and cannot be completed:\n" +
                                c.problem +
                                "\nThe old files are kept beside them, named with \".ventry-old\" "
                                "added.\nRemove " +
                                Note() + " to open the files as they are."));
        EXPECT_EQ(FileNamesIn(m_set.Path()), before);
        EXPECT_EQ(OnDisk(), m_old);
        m_messages.m_texts.clear();
    }
}

}  // namespace
