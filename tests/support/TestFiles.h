#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A fresh directory under the system's temp directory, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    // The path of name inside the directory, as the document takes it.
    std::string File(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

using Bytes = std::vector<std::uint8_t>;

void WriteBytes(const std::string& path, const Bytes& bytes);
Bytes ReadBytes(const std::string& path);

// Deterministic filler bytes, different for every seed.
Bytes PatternBytes(std::size_t size, std::uint32_t seed);

// A record image of the given size filled with pattern bytes, its first two bytes the index
// and a name at nameOffset (zero-terminated when shorter than width).
Bytes MakeRecord(std::size_t size, std::uint16_t index, std::size_t nameOffset,
                 std::size_t nameWidth, const std::string& name, std::uint32_t seed);

Bytes Concat(const std::vector<Bytes>& records);
