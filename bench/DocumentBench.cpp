// Load, save and freeing of a set through CVentryDoc, and a load from memory that leaves the
// disk out. Usage: ventry_bench_document OBJECT_FILE OUT_DIRECTORY [benchmark options]; the
// set is the one bench/run.sh generates and copies with cp -r in the same run.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "ThrowingServices.h"
#include "VentryDoc.h"
#include "core/AppServices.h"

namespace {

namespace fs = std::filesystem;

std::string g_strSource;
std::string g_strDestination;

std::unique_ptr<CVentryDoc> Loaded() {
    auto pDoc = std::make_unique<CVentryDoc>();
    if (!pDoc->OnOpenDocument(g_strSource)) {
        throw std::runtime_error("cannot load " + g_strSource);
    }
    return pDoc;
}

// The destructor's freeing of the records is left out of every timing but its own.
void BM_Load(benchmark::State& state) {
    for (auto _ : state) {
        std::unique_ptr<CVentryDoc> pDoc = Loaded();
        state.PauseTiming();
        pDoc.reset();
        state.ResumeTiming();
    }
}

// Every database counts as changed, so every file is written from the records.
void BM_Save(benchmark::State& state) {
    const std::unique_ptr<CVentryDoc> pDoc = Loaded();
    for (auto _ : state) {
        pDoc->SetModifiedFlag(true);
        if (!pDoc->OnSaveDocument(g_strDestination)) {
            state.SkipWithError("save failed");
        }
    }
}

// What a save after one Apply to an object is measured against.
void BM_CopyObjectFile(benchmark::State& state) {
    const fs::path copy = fs::path(g_strDestination).parent_path() / "object-copy";
    ::sync();  // what earlier benchmarks wrote is not this one's to flush
    for (auto _ : state) {
        fs::copy_file(g_strSource, copy, fs::copy_options::overwrite_existing);
    }
}

// One object changed, the set saved over itself: only the object file is written (and
// flushed, backed up and renamed); the other nine stay as they are.
void BM_SaveAfterOneApply(benchmark::State& state) {
    const fs::path directory = fs::path(g_strDestination).parent_path() / "one";
    fs::create_directories(directory);
    const std::string objectFile = (directory / fs::path(g_strSource).filename()).string();
    const std::unique_ptr<CVentryDoc> pDoc = Loaded();
    // A copy of the set, whose files are the document's from now on.
    if (!pDoc->OnSaveDocument(objectFile)) {
        throw std::runtime_error("cannot save " + objectFile);
    }
    const auto& [nKey, pObject] = *pDoc->m_mapObjects.begin();
    ::sync();
    for (auto _ : state) {
        auto after = pObject->m_data;
        after[30] ^= 1;
        CSetChange change("Apply");
        change.Change(Database::Object, nKey, pObject->m_data, after);
        pDoc->ApplyChange(std::move(change));
        if (!pDoc->OnSaveDocument(objectFile)) {
            state.SkipWithError("save failed");
        }
    }
}

void BM_Free(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<CVentryDoc> pDoc = Loaded();
        state.ResumeTiming();
        pDoc.reset();
    }
}

// The same records from the files' bytes in memory, read once before the first run.
void BM_LoadFromMemory(benchmark::State& state) {
    CVentryDoc names;
    names.DeriveFileNames(g_strSource);
    CSetImage bytes;
    CSetView files;
    for (std::size_t i = 0; i < kDatabaseCount; ++i) {
        std::ifstream in(names.FileName(static_cast<Database>(i)), std::ios::binary);
        bytes[i].assign(std::istreambuf_iterator<char>(in), {});
        files[i] = bytes[i];
    }
    for (auto _ : state) {
        auto pDoc = std::make_unique<CVentryDoc>();
        pDoc->LoadFromMemory(files);
        state.PauseTiming();
        pDoc.reset();
        state.ResumeTiming();
    }
}

constexpr int kIterations = 3;

BENCHMARK(BM_Load)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(kIterations);
BENCHMARK(BM_Save)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(kIterations);
BENCHMARK(BM_CopyObjectFile)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(kIterations);
BENCHMARK(BM_SaveAfterOneApply)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(kIterations);
BENCHMARK(BM_Free)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(kIterations);
BENCHMARK(BM_LoadFromMemory)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(kIterations);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OBJECT_FILE OUT_DIRECTORY [benchmark options]\n", argv[0]);
        return 2;
    }
    g_strSource = fs::absolute(argv[1]).string();
    g_strDestination = (fs::absolute(argv[2]) / fs::path(g_strSource).filename()).string();
    CThrowingServices services;
    AfxSetAppServices(&services);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    AfxSetAppServices(nullptr);
    return 0;
}
