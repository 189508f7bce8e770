#include "GitSetupCommand.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <vector>

#include "ArgumentList.h"
#include "CommandSupport.h"
#include "RecordLayouts.h"
#include "SetFileNames.h"
#include "core/AppServices.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

constexpr const char* kAttributes = " -text diff=ventry merge=ventry";

// Runs git with args; what it prints goes to out, its messages to our standard error. Returns
// its exit status, -1 when it could not run.
int RunGit(const std::vector<std::string>& args, std::string& out) {
    std::vector<std::string> argv{"git"};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> pointers;
    for (std::string& arg : argv) {
        pointers.push_back(arg.data());
    }
    pointers.push_back(nullptr);
    int pipe[2];
    if (::pipe2(pipe, O_CLOEXEC) != 0) {
        return -1;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe[1], STDOUT_FILENO);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, "git", &actions, nullptr, pointers.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipe[1]);
    out.clear();
    char buffer[4096];
    for (ssize_t n = 0; spawned == 0 && (n = ::read(pipe[0], buffer, sizeof buffer)) != 0;) {
        if (n > 0) {
            out.append(buffer, static_cast<std::size_t>(n));
        } else if (errno != EINTR) {
            break;
        }
    }
    ::close(pipe[0]);
    int status = 0;
    if (spawned != 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

std::string WithoutLineEnd(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        text.pop_back();
    }
    return text;
}

// git runs its drivers through the shell.
std::string ShellWord(const std::string& word) {
    if (word.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"
                               "/._+-") == std::string::npos) {
        return word;
    }
    std::string quoted = "'";
    for (const char c : word) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

}  // namespace

CLI::App* CGitSetupCommand::Define(CLI::App& app) {
    return CArgumentList(app, "git-setup",
                         "let git show and merge the database files of a repository field by "
                         "field")
        .OptionalText("REPO", m_strRepository, "the repository's folder (default: the current one)")
        .Command();
}

int CGitSetupCommand::Run() {
    std::string topLevel;
    if (RunGit({"-C", m_strRepository, "rev-parse", "--show-toplevel"}, topLevel) != 0) {
        AfxMessageBox(m_strRepository + ": no git work tree (is git installed?)");
        return kExitFailure;
    }
    topLevel = WithoutLineEnd(topLevel);
    const std::string program = ShellWord(fs::read_symlink("/proc/self/exe").string());
    const bool bDone =
        AddAttributes(topLevel) &&
        SetConfig(topLevel, "diff.ventry.textconv", program + " textconv") &&
        SetConfig(topLevel, "merge.ventry.name", "Ventry database files, field by field") &&
        SetConfig(topLevel, "merge.ventry.driver", program + " merge-file %O %A %B %P");
    return bDone ? kExitSuccess : kExitFailure;
}

// Keeps every line that is there; adds those missing at the end.
bool CGitSetupCommand::AddAttributes(const std::string& topLevel) const {
    const std::string path = (fs::path(topLevel) / ".gitattributes").string();
    std::ifstream in(path, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    std::set<std::string> present;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        present.insert(WithoutLineEnd(line));
    }
    std::string added;
    int nAdded = 0;
    for (const RecordLayout* layout : kRecordLayouts) {
        for (const char* pszLetter : {".e", ".g", ".f"}) {
            const std::string line =
                SetFileNames::BuildName({}, layout->database, pszLetter) + kAttributes;
            if (!present.contains(line)) {
                added += line + '\n';
                ++nAdded;
            }
        }
    }
    if (nAdded == 0) {
        return true;
    }
    std::ofstream out(path, std::ios::binary | std::ios::app);
    out << (text.empty() || text.back() == '\n' ? "" : "\n") << added;
    out.close();
    if (!out) {
        AfxMessageBox(path + ": cannot be written");
        return false;
    }
    CommandSupport::PrintLine(path + ": " + std::to_string(nAdded) + " lines added");
    return true;
}

bool CGitSetupCommand::SetConfig(const std::string& topLevel, const std::string& key,
                                 const std::string& value) const {
    std::string current;
    if (RunGit({"-C", topLevel, "config", "--local", "--get", key}, current) == 0 &&
        WithoutLineEnd(current) == value) {
        return true;
    }
    std::string ignored;
    if (RunGit({"-C", topLevel, "config", "--local", key, value}, ignored) != 0) {
        AfxMessageBox(topLevel + ": git config " + key + " failed");
        return false;
    }
    CommandSupport::PrintLine(key + " = " + value);
    return true;
}
