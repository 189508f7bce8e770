#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "../support/TestFiles.h"
#include "Records.h"
#include "core/Archive.h"
#include "core/File.h"

namespace {

TEST(ArchiveTest, StoresOddSizedWritesAcrossBufferBoundariesAndReadsThemBack) {
    TempDir dir;
    const Bytes data = PatternBytes(10007, 1);
    {
        CFile file;
        ASSERT_TRUE(file.Open(dir.File("a.bin"), CFile::modeCreate | CFile::modeWrite));
        CArchive ar(&file, CArchive::store);
        for (std::size_t at = 0; at < data.size(); at += 13) {
            ar.Write(data.data() + at, std::min<std::size_t>(13, data.size() - at));
        }
        ar.Close();
        file.Close();
    }
    EXPECT_EQ(ReadBytes(dir.File("a.bin")), data);

    CFile file;
    ASSERT_TRUE(file.Open(dir.File("a.bin"), CFile::modeRead));
    CArchive ar(&file, CArchive::load);
    Bytes back(data.size() + 100);
    EXPECT_EQ(ar.Read(back.data(), 5), 5u);                            // through the buffer
    EXPECT_EQ(ar.Read(back.data() + 5, 9000), 9000u);                  // mostly past it
    EXPECT_EQ(ar.Read(back.data() + 9005, 5000), data.size() - 9005);  // short at the end
    back.resize(data.size());
    EXPECT_EQ(back, data);
}

TEST(ArchiveTest, UnclosedStoringArchiveLeavesOnlyWholeBuffersWritten) {
    TempDir dir;
    CFile file;
    ASSERT_TRUE(file.Open(dir.File("a.bin"), CFile::modeCreate | CFile::modeWrite));
    {
        CArchive ar(&file, CArchive::store);
        const Bytes data = PatternBytes(5000, 2);
        ar.Write(data.data(), data.size());
    }
    file.Close();
    EXPECT_EQ(ReadBytes(dir.File("a.bin")).size(), CArchive::kDefaultBufferSize);
}

TEST(FileTest, RefusesDirectoriesAndMissingFilesWithTheReason) {
    TempDir dir;
    CFile file;
    CFileException error("", 0);
    EXPECT_FALSE(file.Open(dir.Path().string(), CFile::modeRead, &error));
    EXPECT_EQ(error.Describe(), dir.Path().string() + ": Is a directory");
    EXPECT_FALSE(file.Open(dir.File("missing"), CFile::modeRead, &error));
    EXPECT_EQ(error.Describe(), dir.File("missing") + ": No such file or directory");
    CFileStatus status;
    EXPECT_FALSE(CFile::GetStatus(dir.File("missing"), status));
}

TEST(RuntimeClassTest, EveryRecordClassIsCreatableByNameWithItsSize) {
    const std::pair<const char*, std::size_t> classes[] = {
        {"CObjectInfo", 344},    {"CSensorInfo", 180},   {"CLauncherInfo", 120},
        {"CAirstripInfo", 96},   {"CEntityInfo", 58},    {"CProfileInfo", 44},
        {"CMastInfo", 96},       {"C3DObjectInfo", 956}, {"CShipClassInfo", 68},
        {"CCountryNameInfo", 56}};
    for (const auto& [name, recordSize] : classes) {
        const CRuntimeClass* runtimeClass = CRuntimeClass::FromName(name);
        ASSERT_NE(runtimeClass, nullptr) << name;
        std::unique_ptr<CObject> object(runtimeClass->CreateObject());
        EXPECT_EQ(object->GetRuntimeClass(), runtimeClass);
        EXPECT_STREQ(runtimeClass->m_lpszClassName, name);
        EXPECT_GE(runtimeClass->m_nObjectSize, recordSize);
    }
    EXPECT_NE(CRuntimeClass::FromName("CVentryDoc"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName("CNothing"), nullptr);
}

TEST(RecordSerializeTest, WritesExactlyTheRecordAndReadsItBack) {
    TempDir dir;
    const Bytes raw = PatternBytes(CObjectInfo::kRecordSize, 3);
    CObjectInfo original(raw.data());
    {
        CFile file;
        ASSERT_TRUE(file.Open(dir.File("o.bin"), CFile::modeCreate | CFile::modeWrite));
        CArchive ar(&file, CArchive::store);
        original.Serialize(ar);
        ar.Close();
        file.Close();
    }
    EXPECT_EQ(ReadBytes(dir.File("o.bin")), raw);

    CFile file;
    ASSERT_TRUE(file.Open(dir.File("o.bin"), CFile::modeRead));
    CArchive ar(&file, CArchive::load);
    CObjectInfo loaded;
    loaded.Serialize(ar);
    EXPECT_EQ(Bytes(loaded.m_data.begin(), loaded.m_data.end()), raw);
    CObjectInfo beyondTheEnd;
    EXPECT_THROW(beyondTheEnd.Serialize(ar), CFileException);
}

}  // namespace
