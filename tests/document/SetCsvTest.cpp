#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "CapturedMessages.h"
#include "Csv.h"
#include "DocRecords.h"
#include "RecordField.h"
#include "SetCsv.h"

namespace {

namespace fs = std::filesystem;

// Noise in every byte, then at random places floats that decimal text cannot carry or that
// read back wrongly when printed carelessly; indices ascend with gaps, 3D objects keep their
// order; half of the texts end before their field does, the others fill it.
std::map<SetFile, Bytes> RandomSet(std::uint32_t seed) {
    const std::uint32_t kFloats[] = {0x7FC01234u, 0xFF800001u, 0x80000000u,
                                     0x00000001u, 0x807FFFFFu, 0x7F800000u};
    std::mt19937 random(seed);
    std::map<SetFile, Bytes> files;
    for (const RecordShape& shape : kRecordShapes) {
        std::uint16_t index = static_cast<std::uint16_t>(random() % 3);
        for (std::uint32_t n = 0; n < 12; ++n) {
            Bytes record = PatternBytes(shape.size, random());
            for (int i = 0; i < 6; ++i) {
                RecordField::Set(record.data(), 4 * (random() % (shape.size / 4)),
                                 kFloats[random() % 6]);
            }
            if (n % 2 == 0) {
                record[shape.nameOffset + random() % shape.nameWidth] = 0;
            }
            if (shape.file != SetFile::Object3D) {
                RecordField::Set(record.data(), 0, index);
                index = static_cast<std::uint16_t>(index + 1 + random() % 500);
            }
            files[shape.file].insert(files[shape.file].end(), record.begin(), record.end());
        }
    }
    return files;
}

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class SetCsvTest : public testing::Test {
protected:
    // The set's files as they are after export, import and save.
    std::map<SetFile, Bytes> RoundTrip(const std::map<SetFile, Bytes>& files,
                                       const std::function<void()>& editCsv = {}) {
        CVentryDoc doc;
        EXPECT_TRUE(doc.OnOpenDocument(WriteSet(m_dir.Path() / "set", files)));
        std::string error;
        fs::create_directory(Csv());
        EXPECT_TRUE(ExportSetCsv(doc, Csv().string(), error)) << error;
        if (editCsv) {
            editCsv();
        }
        CVentryDoc imported;
        std::vector<CCsvProblem> problems;
        EXPECT_TRUE(ImportSetCsv(Csv().string(), imported, problems));
        EXPECT_TRUE(problems.empty()) << FormatCsvProblem(problems.front());
        EXPECT_TRUE(imported.OnSaveDocument(SetFilePath(m_dir.Path() / "out", SetFile::Object)));
        std::map<SetFile, Bytes> result;
        for (const RecordShape& shape : kRecordShapes) {
            result[shape.file] = ReadBytes(SetFilePath(m_dir.Path() / "out", shape.file));
        }
        return result;
    }
    fs::path Csv() const { return m_dir.Path() / "csv"; }

    CapturedMessages m_messages;
    TempDir m_dir;
};

TEST_F(SetCsvTest, ExportThenImportReproducesRandomSetsByteForByte) {
    fs::create_directory(m_dir.Path() / "out");
    for (std::uint32_t seed = 1; seed <= 5; ++seed) {
        const std::map<SetFile, Bytes> files = RandomSet(seed);
        EXPECT_EQ(RoundTrip(files), files) << "seed " << seed;
    }
    EXPECT_TRUE(m_messages.m_texts.empty());
}

// One changed cell changes the bytes of its field and nothing else.
TEST_F(SetCsvTest, OneChangedCellChangesOnlyItsField) {
    struct Case {
        const char* pszFile;
        std::size_t nColumn;  // counted from 0 in the exported header
        const char* pszHeader;
        const char* pszValue;
        SetFile file;
        std::size_t nOffset;
        Bytes bytes;
    };
    const Case cases[] = {
        {"object.csv",
         1,
         "name",
         "Kl\xC3\xA9"
         "ber-class frigate",
         SetFile::Object,
         2,
         {'K', 'l', 0xE9, 'b', 'e', 'r', '-', 'c', 'l', 'a',
          's', 's', ' ',  'f', 'r', 'i', 'g', 'a', 't', 'e'}},
        {"mast.csv", 22, "center_x", "-0.1", SetFile::Mast, 80, {0xCD, 0xCC, 0xCC, 0xBD}},
        {"object.csv", 110, "target_caps", "32769", SetFile::Object, 334, {0x01, 0x80}},
        {"sensor.csv", 3, "sensor_class", "-2", SetFile::Sensor, 44, {0xFE, 0xFF, 0xFF, 0xFF}},
    };
    fs::create_directory(m_dir.Path() / "out");
    const std::map<SetFile, Bytes> files = RandomSet(7);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszHeader);
        const std::map<SetFile, Bytes> changed = RoundTrip(files, [&] {
            std::vector<Csv::Row> rows;
            std::string error;
            ASSERT_TRUE(Csv::Parse(ReadText(Csv() / c.pszFile), rows, error));
            ASSERT_EQ(rows[0].cells[c.nColumn], c.pszHeader);
            rows[1].cells[c.nColumn] = c.pszValue;
            std::string text;
            for (const Csv::Row& row : rows) {
                text += Csv::FormatRow(row.cells);
            }
            WriteText(Csv() / c.pszFile, text);
        });
        std::map<SetFile, Bytes> expected = files;
        std::copy(c.bytes.begin(), c.bytes.end(), expected[c.file].begin() + c.nOffset);
        EXPECT_EQ(changed, expected);
    }
}

// What a spreadsheet saves: a byte-order mark, every cell quoted, either line end.
TEST_F(SetCsvTest, ASpreadsheetsCsvReadsTheSame) {
    fs::create_directory(m_dir.Path() / "out");
    const std::map<SetFile, Bytes> files = RandomSet(11);
    for (const char* pszLineEnd : {"\r\n", "\n"}) {
        EXPECT_EQ(RoundTrip(files,
                            [&] {
                                for (const auto& entry : fs::directory_iterator(Csv())) {
                                    std::vector<Csv::Row> rows;
                                    std::string error;
                                    ASSERT_TRUE(Csv::Parse(ReadText(entry.path()), rows, error));
                                    std::string text = "\xEF\xBB\xBF";
                                    for (const Csv::Row& row : rows) {
                                        for (std::size_t i = 0; i < row.cells.size(); ++i) {
                                            std::string cell = row.cells[i];
                                            for (std::size_t q = cell.find('"');
                                                 q != std::string::npos;
                                                 q = cell.find('"', q + 2)) {
                                                cell.insert(q, 1, '"');
                                            }
                                            text += (i ? ",\"" : "\"") + cell + "\"";
                                        }
                                        text += pszLineEnd;
                                    }
                                    WriteText(entry.path(), text);
                                }
                            }),
                  files);
    }
}

}  // namespace
