// The commands of ventry-db on a maximal set (65 536 records in every database), each run as
// the program a user runs, beside "ventry-db copy" (and find beside check) of the same set in
// the same run so the ratios compare like with like; and building the reference index of the loaded
// set. Results go to /dev/null. The set, its copy and its CSV files are made once, before the first
// benchmark.

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "ReferenceIndex.h"
#include "ThrowingServices.h"
#include "VentryDoc.h"
#include "core/AppServices.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

// Runs ventry-db with args, its output to /dev/null; returns its exit status.
int RunVentryDb(std::vector<std::string> args) {
    args.insert(args.begin(), VENTRY_DB_PATH);
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned != 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) {
        throw std::runtime_error("cannot run " + args.front());
    }
    return WEXITSTATUS(status);
}

class CBenchSets {
public:
    CBenchSets() {
        std::string pattern = (fs::temp_directory_path() / "ventry-bench-tools-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) {
            throw std::runtime_error("cannot create a temporary directory");
        }
        m_root = pattern;
        fs::create_directory(m_root / "copy");
        if (RunVentryDb({"generate", Dir("set"), "65536"}) != 0 ||
            RunVentryDb({"copy", Set(), Copy()}) != 0 ||
            RunVentryDb({"export", Set(), Dir("csv")}) != 0) {
            throw std::runtime_error("cannot make the benchmark sets");
        }
    }
    ~CBenchSets() {
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }
    CBenchSets(const CBenchSets&) = delete;
    CBenchSets& operator=(const CBenchSets&) = delete;

    std::string Dir(const char* name) const { return (m_root / name).string(); }
    std::string Set() const { return Dir("set") + "/object.eod"; }
    std::string Copy() const { return Dir("copy") + "/object.eod"; }
    std::string Imported() const { return Dir("imported") + "/object.eod"; }

private:
    fs::path m_root;
};

const CBenchSets* g_pSets = nullptr;

// Runs the command once per iteration; any other exit status than expected fails the run.
void BenchCommand(benchmark::State& state, const std::vector<std::string>& args, int nExpected) {
    for (auto _ : state) {
        if (RunVentryDb(args) != nExpected) {
            state.SkipWithError("unexpected exit status");
            break;
        }
    }
}

void BM_Copy(benchmark::State& state) {
    BenchCommand(state, {"copy", g_pSets->Set(), g_pSets->Copy()}, 0);
}
void BM_Check(benchmark::State& state) {
    BenchCommand(state, {"check", g_pSets->Set()},
                 1);  // launchers fire entities that are no weapons
}
// A text that names thousands of records, and a number a few hundred fields hold.
void BM_FindText(benchmark::State& state) {
    BenchCommand(state, {"find", g_pSets->Set(), "frigate"}, 0);
}
void BM_FindNumber(benchmark::State& state) {
    BenchCommand(state, {"find", g_pSets->Set(), "1500"}, 0);
}
void BM_DumpJson(benchmark::State& state) {
    BenchCommand(state, {"dump", g_pSets->Set(), "--json"}, 0);
}
void BM_Diff(benchmark::State& state) {
    BenchCommand(state, {"diff", g_pSets->Set(), g_pSets->Copy()}, 0);
}
void BM_Export(benchmark::State& state) {
    BenchCommand(state, {"export", g_pSets->Set(), g_pSets->Dir("exported")}, 0);
}
void BM_Import(benchmark::State& state) {
    BenchCommand(state, {"import", g_pSets->Dir("csv"), g_pSets->Imported()}, 0);
}

void BM_ReferenceIndex(benchmark::State& state) {
    CVentryDoc doc;
    doc.OnOpenDocument(g_pSets->Set());
    for (auto _ : state) {
        const CReferenceIndex references(doc);
        benchmark::DoNotOptimize(references.All().data());
    }
}

BENCHMARK(BM_Copy)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Check)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_FindText)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_FindNumber)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_DumpJson)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Diff)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Export)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Import)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ReferenceIndex)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    CThrowingServices services;
    AfxSetAppServices(&services);
    const CBenchSets sets;
    g_pSets = &sets;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    AfxSetAppServices(nullptr);
    return 0;
}
