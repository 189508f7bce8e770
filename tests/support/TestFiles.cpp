#include "TestFiles.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include "RecordField.h"

TempDir::TempDir() {
    std::random_device entropy;
    const auto base = std::filesystem::temp_directory_path();
    for (;;) {
        m_path = base / ("ventry-test-" + std::to_string(entropy()));
        if (std::filesystem::create_directory(m_path)) {
            break;
        }
    }
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

void WriteBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

Bytes ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
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

Bytes MakeRecord(std::size_t size, std::uint16_t index, std::size_t nameOffset,
                 std::size_t nameWidth, const std::string& name, std::uint32_t seed) {
    Bytes record = PatternBytes(size, seed);
    RecordField::Set<std::uint16_t>(record.data(), 0, index);
    RecordField::SetText(record.data(), nameOffset, nameWidth, name);
    return record;
}

Bytes Concat(const std::vector<Bytes>& records) {
    Bytes all;
    for (const Bytes& record : records) {
        all.insert(all.end(), record.begin(), record.end());
    }
    return all;
}
