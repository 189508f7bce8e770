#include <gtest/gtest.h>

#include <cerrno>

#include "../support/CapturedMessages.h"
#include "../support/TestFiles.h"
#include "core/Archive.h"
#include "core/Document.h"

namespace {

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

TEST(DocumentTest, ALoadThatFailsHalfWayLeavesAnEmptyDocumentThatCannotOverwriteTheSet) {
    CapturedMessages messages;
    TempDir dir;
    WriteBytes(dir.File("object.eod"), Bytes(344, 1));
    CFailingDoc doc;
    doc.SetPathName(dir.File("object.eod"));
    doc.SetModifiedFlag(true);

    EXPECT_FALSE(doc.OnOpenDocument(dir.File("object.eod")));
    EXPECT_EQ(doc.m_nEmptied, 2);  // before the load and after its failure
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), "");  // File Save has to ask for a name now
    ASSERT_EQ(messages.m_texts.size(), 1u);
    EXPECT_EQ(messages.m_texts[0],
              "Failed to open the document.\n" + dir.File("object.eod") + ": Input/output error");
}

TEST(DocumentTest, AnOpenThatFailsBeforeLoadingKeepsTheDocument) {
    CapturedMessages messages;
    TempDir dir;
    CFailingDoc doc;
    doc.SetPathName(dir.File("object.eod"));
    doc.SetModifiedFlag(true);
    EXPECT_FALSE(doc.OnOpenDocument(dir.File("missing.eod")));
    EXPECT_EQ(doc.m_nEmptied, 0);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), dir.File("object.eod"));
    EXPECT_EQ(messages.m_recent, std::vector<std::string>{dir.File("object.eod")});
}

}  // namespace
