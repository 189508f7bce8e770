#include "ToolTestSupport.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace fs = std::filesystem;

CTempDir::CTempDir() {
    std::string pattern = (fs::temp_directory_path() / "ventry-tools-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
        throw std::runtime_error("cannot create a temporary directory");
    }
    m_path = pattern;
}

CTempDir::~CTempDir() {
    std::error_code ignored;
    fs::remove_all(m_path, ignored);
}

namespace {

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

CToolRun RunVentryDb(const std::vector<std::string>& args, const fs::path& workingDirectory) {
    CTempDir output;
    const std::string outPath = output / "stdout";
    const std::string errPath = output / "stderr";
    std::vector<std::string> argv{VENTRY_DB_PATH};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> pointers;
    for (std::string& arg : argv) {
        pointers.push_back(arg.data());
    }
    pointers.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    if (!workingDirectory.empty()) {
        posix_spawn_file_actions_addchdir_np(&actions, workingDirectory.c_str());
    }
    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, argv[0].c_str(), &actions, nullptr, pointers.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        throw std::runtime_error("cannot start " + argv[0]);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);

    CToolRun run;
    run.m_nExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.m_strOut = ReadText(outPath);
    run.m_strErr = ReadText(errPath);
    return run;
}

std::vector<std::uint8_t> ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path.string());
    }
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> FileNamesIn(const fs::path& directory) {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(directory)) {
        names.push_back(entry.path().filename().string());
    }
    std::ranges::sort(names);
    return names;
}

std::string SetFilePath(const fs::path& directory, SetFileNames::SetFile file, char letter) {
    return SetFileNames::BuildName(directory.string() + "/", file, std::string{'.', letter});
}
