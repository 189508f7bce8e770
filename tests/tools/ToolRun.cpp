#include "ToolRun.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "TestFiles.h"

extern char** environ;

namespace {

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

ToolRun RunVentryDb(const std::string& line, const std::filesystem::path& workingDirectory) {
    return RunProgram(VENTRY_DB_PATH, line, workingDirectory);
}

ToolRun RunProgram(const std::string& program, const std::string& line,
                   const std::filesystem::path& workingDirectory) {
    TempDir output;
    const std::string outPath = output.File("stdout");
    const std::string errPath = output.File("stderr");
    std::vector<std::string> argv{program};
    std::istringstream words(line);
    for (std::string word; words >> word;) {
        argv.push_back(word);
    }
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
        posix_spawnp(&pid, argv[0].c_str(), &actions, nullptr, pointers.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        throw std::runtime_error("cannot start " + argv[0]);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(outPath), ReadText(errPath)};
}

void ExpectRuns(std::span<const ExpectedRun> runs, const std::filesystem::path& workingDirectory) {
    for (const ExpectedRun& expected : runs) {
        SCOPED_TRACE(expected.line);
        const ToolRun run = RunVentryDb(expected.line, workingDirectory);
        EXPECT_EQ(run.nExitCode, expected.nExitCode);
        EXPECT_THAT(run.strOut, expected.out);
        EXPECT_THAT(run.strErr, expected.err);
    }
}
