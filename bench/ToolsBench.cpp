// The commands of ventry-db on a maximal set (65 536 records in every database), each run as
// the program a user runs, beside "ventry-db copy" (and find beside check) of the same set in
// the same run so the ratios compare like with like; the copy itself beside cp -r and a sync
// of what it copied; and building the reference index of the loaded set. Results go to
// /dev/null. The set, its copies, its CSV files, the script and two sets with 1 % of the
// records of every database changed, for merging, are made once, before the first benchmark;
// the script changes one field of every object of its own copy and saves it.

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "RecordLayouts.h"
#include "ReferenceIndex.h"
#include "SetChange.h"
#include "ThrowingServices.h"
#include "VentryDoc.h"
#include "core/AppServices.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

// Runs a program with args (the program first), its output to /dev/null; returns its exit
// status.
int RunProgram(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned != 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) {
        throw std::runtime_error("cannot run " + args.front());
    }
    return WEXITSTATUS(status);
}

int RunVentryDb(std::vector<std::string> args) {
    args.insert(args.begin(), VENTRY_DB_PATH);
    return RunProgram(std::move(args));
}

// A field of every database that nothing refers to and the set check does not judge, in the
// order of Database.
constexpr std::array<const char*, kDatabaseCount> kMergedFields{
    "fuel",       "data25", "pitch",      "hangar_x", "data06",
    "band_0_100", "data22", "free_var_1", "data04",   "data05"};

// Saves the set of source as the set of destination with one field changed in every record
// whose key is nFirst modulo 100.
void WriteChangedSet(const std::string& source, const std::string& destination,
                     std::uint16_t nFirst) {
    CVentryDoc doc;
    doc.OnOpenDocument(source);
    CSetChange change;
    for (const RecordLayout* layout : kRecordLayouts) {
        const LayoutField& field =
            layout->Field(kMergedFields[static_cast<std::size_t>(layout->database)]);
        doc.Records(layout->database).ForEach([&](std::uint16_t nKey, std::uint8_t* pRecord) {
            if (nKey % 100 == nFirst) {
                std::vector<std::uint8_t> after(pRecord, pRecord + layout->nRecordSize);
                after[field.nOffset] ^= 1;
                change.Change(layout->database, nKey, {pRecord, after.size()}, after);
            }
        });
    }
    doc.ApplyChange(std::move(change));
    fs::create_directories(fs::path(destination).parent_path());
    if (!doc.OnSaveDocument(destination)) {
        throw std::runtime_error("cannot write " + destination);
    }
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
        fs::create_directory(m_root / "scripted");
        std::ofstream(Script()) << "for i, o in set.object:records() do o.fuel = o.fuel + 1 end\n";
        if (RunVentryDb({"generate", Dir("set"), "65536"}) != 0 ||
            RunVentryDb({"copy", Set(), Copy()}) != 0 ||
            RunVentryDb({"copy", Set(), Scripted()}) != 0 ||
            RunVentryDb({"export", Set(), Dir("csv")}) != 0) {
            throw std::runtime_error("cannot make the benchmark sets");
        }
        WriteChangedSet(Set(), Ours(), 0);
        WriteChangedSet(Set(), Theirs(), 50);
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
    std::string Scripted() const { return Dir("scripted") + "/object.eod"; }
    std::string Script() const { return Dir("fuel.lua"); }
    std::string Ours() const { return Dir("ours") + "/object.eod"; }
    std::string Theirs() const { return Dir("theirs") + "/object.eod"; }
    std::string Merged() const { return Dir("merged") + "/object.eod"; }

private:
    fs::path m_root;
};

const CBenchSets* g_pSets = nullptr;

// Runs the command once per iteration; any other exit status than expected fails the run.
// Outside the timing, what earlier runs wrote and did not flush (an export) goes to the disk
// first, so that the command's writes do not wait for theirs; a command that writes a set
// (newSet, its directory) writes a new one each time, as copy does, not over the last run's.
void BenchCommand(benchmark::State& state, const std::vector<std::string>& args, int nExpected,
                  const std::string& newSet = {}) {
    for (auto _ : state) {
        state.PauseTiming();
        if (!newSet.empty()) {
            fs::remove_all(newSet);
        }
        ::sync();
        state.ResumeTiming();
        if (RunVentryDb(args) != nExpected) {
            state.SkipWithError("unexpected exit status");
            break;
        }
    }
}

void BM_Copy(benchmark::State& state) {
    BenchCommand(state, {"copy", g_pSets->Set(), g_pSets->Dir("copied") + "/object.eod"}, 0,
                 g_pSets->Dir("copied"));
}

// A copy as durable as ventry-db's: cp -r, then every copied file and the folder flushed.
void BM_DurableCp(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(g_pSets->Dir("cp"));
        ::sync();
        state.ResumeTiming();
        std::vector<std::string> sync{"sync", g_pSets->Dir("cp")};
        if (RunProgram({"cp", "-r", g_pSets->Dir("set"), g_pSets->Dir("cp")}) == 0) {
            for (const auto& entry : fs::directory_iterator(g_pSets->Dir("cp"))) {
                sync.push_back(entry.path().string());
            }
        }
        if (sync.size() == 2 || RunProgram(sync) != 0) {
            state.SkipWithError("cp -r or sync failed");
            break;
        }
    }
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
    BenchCommand(state, {"import", g_pSets->Dir("csv"), g_pSets->Imported()}, 0,
                 g_pSets->Dir("imported"));
}
void BM_Merge(benchmark::State& state) {
    BenchCommand(state,
                 {"merge", g_pSets->Set(), g_pSets->Ours(), g_pSets->Theirs(), g_pSets->Merged()},
                 0, g_pSets->Dir("merged"));
}

void BM_Run(benchmark::State& state) {
    BenchCommand(state, {"run", g_pSets->Script(), g_pSets->Scripted()}, 0);
}

void BM_ReferenceIndex(benchmark::State& state) {
    CVentryDoc doc;
    doc.OnOpenDocument(g_pSets->Set());
    for (auto _ : state) {
        const CReferenceIndex references(doc);
        benchmark::DoNotOptimize(references.To(Database::Object, 1).size());
    }
}

BENCHMARK(BM_DurableCp)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Copy)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Check)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_FindText)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_FindNumber)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_DumpJson)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Diff)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Export)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Import)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Run)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Merge)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(1);
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
