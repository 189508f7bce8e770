// Feeds arbitrary bytes to the set loader as the ten files of a set, then saves what loaded
// into a second directory and checks that every written file holds exactly its database.
//
// Input: ten little-endian 16-bit lengths, one per record file in SetFile order, then the
// files' bytes one after another (a file gets what is left when the input runs short).
// Length 0xFFFF leaves the file out; 0xFFFE puts a directory in its place.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "SetFileNames.h"
#include "VentryDoc.h"
#include "core/AppServices.h"

namespace {

namespace fs = std::filesystem;
using SetFileNames::SetFile;

constexpr SetFile kRecordFiles[] = {
    SetFile::Object,  SetFile::Sensor, SetFile::Launcher, SetFile::Airstrip,  SetFile::Entity,
    SetFile::Profile, SetFile::Mast,   SetFile::Object3D, SetFile::ShipClass, SetFile::CountryName,
};
constexpr std::uint16_t kMissing = 0xFFFF;
constexpr std::uint16_t kDirectory = 0xFFFE;

class CSilentServices final : public CAppServices {
public:
    int DoMessageBox(const std::string&, unsigned) override { return IDOK; }
    bool DoPromptFileName(std::string&, bool) override { return false; }
    void AddToRecentFileList(const std::string&) override {}
};

struct CFuzzDirs {
    CFuzzDirs() {
        std::string pattern = (fs::temp_directory_path() / "ventry-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) {
            std::abort();
        }
        m_in = fs::path(pattern) / "in";
        m_out = fs::path(pattern) / "out";
        fs::create_directory(m_out);
        AfxSetAppServices(&m_services);
    }

    std::string Name(const fs::path& directory, SetFile file) const {
        return SetFileNames::BuildName(directory.string() + "/", file, ".e");
    }

    fs::path m_in;
    fs::path m_out;
    CSilentServices m_services;
};

template <class T>
void ExpectWritten(const std::string& fileName, const CIndexMap<T>& map) {
    if (fs::file_size(fileName) != map.size() * T::kRecordSize) {
        __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const CFuzzDirs dirs;
    fs::remove_all(dirs.m_in);
    fs::create_directory(dirs.m_in);

    std::size_t header = std::size(kRecordFiles) * 2;
    std::size_t offset = header < size ? header : size;
    for (std::size_t i = 0; i < std::size(kRecordFiles); ++i) {
        const std::uint16_t length =
            2 * i + 1 < size ? static_cast<std::uint16_t>(data[2 * i] | data[2 * i + 1] << 8) : 0;
        const std::string name = dirs.Name(dirs.m_in, kRecordFiles[i]);
        if (length == kMissing) {
            continue;
        }
        if (length == kDirectory) {
            fs::create_directory(name);
            continue;
        }
        const std::size_t n = length < size - offset ? length : size - offset;
        std::ofstream(name, std::ios::binary)
            .write(reinterpret_cast<const char*>(data + offset), static_cast<std::streamsize>(n));
        offset += n;
    }

    CVentryDoc doc;
    if (doc.OnOpenDocument(dirs.Name(dirs.m_in, SetFile::Object)) &&
        doc.OnSaveDocument(dirs.Name(dirs.m_out, SetFile::Object))) {
        ExpectWritten(doc.m_strObjectFile, doc.m_mapObjects);
        ExpectWritten(doc.m_strSensorFile, doc.m_mapSensors);
        ExpectWritten(doc.m_strLauncherFile, doc.m_mapLaunchers);
        ExpectWritten(doc.m_strAirstripFile, doc.m_mapAirstrips);
        ExpectWritten(doc.m_strEntityFile, doc.m_mapEntities);
        ExpectWritten(doc.m_strProfileFile, doc.m_mapProfiles);
        ExpectWritten(doc.m_strMastFile, doc.m_mapMasts);
        ExpectWritten(doc.m_str3DObjectFile, doc.m_map3DObjects);
        ExpectWritten(doc.m_strShipClassFile, doc.m_mapShipClasses);
        ExpectWritten(doc.m_strCountryNameFile, doc.m_mapCountryNames);
    }
    return 0;
}
