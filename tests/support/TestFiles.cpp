#include "TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include <sys/stat.h>

#include "RecordField.h"

namespace fs = std::filesystem;

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "ventry-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
        throw std::runtime_error("cannot create a temporary directory");
    }
    m_path = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(m_path, ignored);
}

void WriteBytes(const fs::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

Bytes ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path.string());
    }
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes PatternBytes(std::size_t size, std::uint32_t seed) {
    std::mt19937 generator(seed);
    Bytes bytes(size);
    for (auto& byte : bytes) {
        byte = static_cast<std::uint8_t>(generator());
    }
    return bytes;
}

Bytes Concat(const std::vector<Bytes>& parts) {
    Bytes all;
    for (const Bytes& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

std::vector<std::string> FileNamesIn(const fs::path& directory) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(directory)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

const RecordShape& ShapeOf(Database file) {
    for (const RecordShape& shape : kRecordShapes) {
        if (shape.file == file) {
            return shape;
        }
    }
    throw std::logic_error("no record shape");
}

Bytes MakeRecord(Database file, std::uint16_t index, const std::string& name, std::uint32_t seed) {
    const RecordShape& shape = ShapeOf(file);
    Bytes record = PatternBytes(shape.size, seed);
    if (file != Database::Object3D) {
        RecordField::Set<std::uint16_t>(record.data(), 0, index);
    }
    RecordField::SetText(record.data(), shape.nameOffset, shape.nameWidth, name);
    return record;
}

Bytes HandRecord(Database file, std::uint16_t index, const std::string& name,
                 const std::vector<std::pair<std::size_t, Bytes>>& values) {
    Bytes record(ShapeOf(file).size, 0);
    if (file != Database::Object3D) {
        RecordField::Set<std::uint16_t>(record.data(), 0, index);
    }
    RecordField::SetText(record.data(), ShapeOf(file).nameOffset, ShapeOf(file).nameWidth, name);
    for (const auto& [offset, bytes] : values) {
        std::copy(bytes.begin(), bytes.end(), record.begin() + static_cast<long>(offset));
    }
    return record;
}

std::vector<Csv::Row> CsvRows(std::string_view text) {
    std::vector<Csv::Row> rows;
    std::string error;
    EXPECT_TRUE(Csv::ForEachRow(
        text, [&rows](const Csv::Row& row) { rows.push_back(row); }, error))
        << error;
    return rows;
}

std::string SetFilePath(const fs::path& directory, Database file, char letter) {
    return SetFileNames::BuildName(directory.string() + "/", file, std::string{'.', letter});
}

std::string AircraftFilePath(const fs::path& directory, char letter) {
    return SetFileNames::BuildShipBasedAircraftName(directory.string() + "/",
                                                    std::string{'.', letter});
}

std::string WriteSet(const fs::path& directory, const std::map<Database, Bytes>& files, char letter,
                     const Bytes& aircraft) {
    fs::create_directories(directory);
    for (const RecordShape& shape : kRecordShapes) {
        const auto found = files.find(shape.file);
        WriteBytes(SetFilePath(directory, shape.file, letter),
                   found == files.end() ? Bytes{} : found->second);
    }
    WriteBytes(AircraftFilePath(directory, letter), aircraft);
    return SetFilePath(directory, Database::Object, letter);
}

std::map<Database, Bytes> ReadSet(const fs::path& directory, char letter) {
    std::map<Database, Bytes> files;
    for (const RecordShape& shape : kRecordShapes) {
        files[shape.file] = ReadBytes(SetFilePath(directory, shape.file, letter));
    }
    return files;
}

std::string CommitNote(const std::vector<std::string>& lines, bool bComplete) {
    std::string text = "ventry-commit 1\n";
    for (const std::string& line : lines) {
        text += line + '\n';
    }
    if (bComplete) {
        std::uint64_t hash = 0xcbf29ce484222325;
        for (const char c : text) {
            hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3;
        }
        char hex[17];
        std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
        text += std::string("end ") + hex + '\n';
    }
    return text;
}

std::string NoteIdentity(const fs::path& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        throw std::runtime_error("cannot stat " + path.string());
    }
    return std::to_string(st.st_size) + ' ' +
           std::to_string(std::int64_t{st.st_mtim.tv_sec} * 1'000'000'000 + st.st_mtim.tv_nsec) +
           ' ' + std::to_string(st.st_ino);
}
