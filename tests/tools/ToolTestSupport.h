#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "SetFileNames.h"

// The ten record files of a set and their record sizes.
struct CRecordFileKind {
    SetFileNames::SetFile m_file;
    std::size_t m_nRecordSize;
};
inline constexpr CRecordFileKind kRecordFiles[] = {
    {SetFileNames::SetFile::Object, 344},   {SetFileNames::SetFile::Sensor, 180},
    {SetFileNames::SetFile::Launcher, 120}, {SetFileNames::SetFile::Airstrip, 96},
    {SetFileNames::SetFile::Entity, 58},    {SetFileNames::SetFile::Profile, 44},
    {SetFileNames::SetFile::Mast, 96},      {SetFileNames::SetFile::Object3D, 956},
    {SetFileNames::SetFile::ShipClass, 68}, {SetFileNames::SetFile::CountryName, 56},
};

// The path of one file of the set in directory with language letter.
std::string SetFilePath(const std::filesystem::path& directory, SetFileNames::SetFile file,
                        char letter);

// A fresh directory under the system's temporary directory, removed with everything in it.
class CTempDir {
public:
    CTempDir();
    ~CTempDir();
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::string operator/(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

struct CToolRun {
    int m_nExitCode = -1;
    std::string m_strOut;
    std::string m_strErr;
};

// Runs the built ventry-db with args, in workingDirectory when one is given.
CToolRun RunVentryDb(const std::vector<std::string>& args,
                     const std::filesystem::path& workingDirectory = {});

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

// The names of a directory's entries, sorted.
std::vector<std::string> FileNamesIn(const std::filesystem::path& directory);
