#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "Csv.h"
#include "SetFileNames.h"

using Bytes = std::vector<std::uint8_t>;

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

void WriteBytes(const std::filesystem::path& path, const Bytes& bytes);
Bytes ReadBytes(const std::filesystem::path& path);
// Deterministic filler bytes, different for every seed.
Bytes PatternBytes(std::size_t size, std::uint32_t seed);
Bytes Concat(const std::vector<Bytes>& parts);
// Every row of a CSV text; a text that is no CSV fails the test.
std::vector<Csv::Row> CsvRows(std::string_view text);
// The names of a directory's entries, sorted.
std::vector<std::string> FileNamesIn(const std::filesystem::path& directory);

// The ten record files of a set as the record descriptions give them: record size and the
// name field. Written here by hand so that a wrong constant in the program shows.
struct RecordShape {
    Database file;
    std::size_t size;
    std::size_t nameOffset;
    std::size_t nameWidth;
};
inline constexpr RecordShape kRecordShapes[] = {
    {Database::Object, 344, 2, 20},     {Database::Sensor, 180, 2, 42},
    {Database::Launcher, 120, 100, 20}, {Database::Airstrip, 96, 76, 20},
    {Database::Entity, 58, 4, 20},      {Database::Profile, 44, 2, 20},
    {Database::Mast, 96, 2, 20},        {Database::Object3D, 956, 0, 20},
    {Database::ShipClass, 68, 10, 40},  {Database::CountryName, 56, 2, 40},
};
const RecordShape& ShapeOf(Database file);

// Pattern bytes with the index in the first two bytes (not for 3D objects, which have no
// index field) and a terminated name.
Bytes MakeRecord(Database file, std::uint16_t index, const std::string& name,
                 std::uint32_t seed = 7);
// A zero-filled record with its index (not for 3D objects) and name, and bytes written by hand
// at their offsets.
Bytes HandRecord(Database file, std::uint16_t index, const std::string& name,
                 const std::vector<std::pair<std::size_t, Bytes>>& values = {});

std::string SetFilePath(const std::filesystem::path& directory, Database file, char letter = 'e');
std::string AircraftFilePath(const std::filesystem::path& directory, char letter = 'e');
// Writes a complete set into directory (created when missing): the given files, every other
// one empty, and the ship-based aircraft file. Returns the object file's path.
std::string WriteSet(const std::filesystem::path& directory, const std::map<Database, Bytes>& files,
                     char letter = 'e', const Bytes& aircraft = {});
// The ten record files of the set in directory as they are on disk.
std::map<Database, Bytes> ReadSet(const std::filesystem::path& directory, char letter = 'e');

// A save's commit note as the program writes it: the header, the lines and, when complete, the
// end line with the FNV-1a 64 checksum of everything before it.
std::string CommitNote(const std::vector<std::string>& lines, bool bComplete);
// "<size> <modified ns> <inode>" of a file: how a commit note names the file a save wrote.
std::string NoteIdentity(const std::filesystem::path& path);
