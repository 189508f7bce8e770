#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "CapturedMessages.h"
#include "TestFiles.h"
#include "core/Archive.h"
#include "core/Document.h"
#include "core/File.h"
#include "core/NumberText.h"

namespace {

TEST(ArchiveTest, OddSizedWritesAndReadsCrossTheBufferIntact) {
    TempDir dir;
    const Bytes data = PatternBytes(10007, 1);
    {
        CFile file;
        ASSERT_TRUE(file.Open(dir.File("a.bin"), CFile::modeCreate | CFile::modeWrite));
        CArchive ar(&file, CArchive::store, 4096);
        for (std::size_t at = 0; at < data.size(); at += 13) {
            ar.Write(data.data() + at, std::min<std::size_t>(13, data.size() - at));
        }
        ar.Close();
        file.Close();
    }
    EXPECT_EQ(ReadBytes(dir.File("a.bin")), data);

    CFile file;
    ASSERT_TRUE(file.Open(dir.File("a.bin"), CFile::modeRead));
    CArchive ar(&file, CArchive::load, 4096);
    Bytes back(data.size() + 100);
    EXPECT_EQ(ar.Read(back.data(), 5), 5u);                            // through the buffer
    EXPECT_EQ(ar.Read(back.data() + 5, 9000), 9000u);                  // mostly past it
    EXPECT_EQ(ar.Read(back.data() + 9005, 5000), data.size() - 9005);  // short at the end
    back.resize(data.size());
    EXPECT_EQ(back, data);
}

TEST(NumberTextTest, FloatsShowTheShortestTextThatReadsBack) {
    const std::pair<float, const char*> floats[] = {
        {0.1f, "0.1"}, {-2.5f, "-2.5"}, {1e-45f, "1e-45"},        {3.4028235e38f, "3.4028235e+38"},
        {-0.0f, "-0"}, {100.0f, "100"}, {16777217.0f, "16777216"}};
    for (const auto& [value, text] : floats) {
        EXPECT_EQ(NumberText::FromFloat(value), text);
        float parsed = 1;
        ASSERT_TRUE(NumberText::ToFloat(text, parsed)) << text;
        EXPECT_EQ(std::memcmp(&parsed, &value, 4), 0) << text;
    }
    float parsed = 0;
    for (const char* refused : {"+-1", "", "2x"}) {
        EXPECT_FALSE(NumberText::ToFloat(refused, parsed)) << refused;
    }
}

// A document whose load always fails half-way, after it was emptied.
class CFailingDoc final : public CDocument {
public:
    const CRuntimeClass* GetRuntimeClass() const override { return nullptr; }
    void Serialize(CArchive& ar) override {
        throw CFileException(ar.GetFile()->GetFilePath(), EIO);
    }
    void DeleteContents() override { ++m_nEmptied; }

    int m_nEmptied = 0;
};

TEST(DocumentTest, AFailedLoadLeavesNoPathAndAFailedOpenKeepsTheDocument) {
    CapturedMessages messages;
    TempDir dir;
    WriteBytes(dir.File("object.eod"), Bytes(344, 1));
    CFailingDoc doc;
    doc.SetPathName(dir.File("old.eod"));
    doc.SetModifiedFlag(true);
    EXPECT_FALSE(doc.OnOpenDocument(dir.File("missing.eod")));
    EXPECT_EQ(doc.m_nEmptied, 0);
    EXPECT_EQ(doc.GetPathName(), dir.File("old.eod"));

    EXPECT_FALSE(doc.OnOpenDocument(dir.File("object.eod")));
    EXPECT_EQ(doc.m_nEmptied, 2);  // before the load and after its failure
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), "");  // a save cannot write the empty set over the files
    ASSERT_EQ(messages.m_texts.size(), 2u);
    EXPECT_EQ(messages.m_texts[1],
              "Failed to open the document.\n" + dir.File("object.eod") + ": Input/output error");
}

}  // namespace
