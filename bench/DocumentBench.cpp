// Load and save of a maximal set (65 536 records in every database) through CVentryDoc,
// against copying the same ten files with plain reads and writes, all in one run so the
// ratios compare like with like. The set is generated once, before the first benchmark.

#include <benchmark/benchmark.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#include "SetFileNames.h"
#include "SetWriter.h"
#include "SyntheticSet.h"
#include "VentryDoc.h"
#include "core/AppServices.h"

namespace {

namespace fs = std::filesystem;
using SetFileNames::SetFile;

// Any message during a benchmark is a failure that the run must not hide.
class CThrowingServices final : public CAppServices {
public:
    int DoMessageBox(const std::string& text, unsigned) override { throw std::runtime_error(text); }
    bool DoPromptFileName(std::string&, bool) override { return false; }
    void AddToRecentFileList(const std::string&) override {}
};

constexpr SetFile kRecordFiles[] = {
    SetFile::Object,  SetFile::Sensor, SetFile::Launcher, SetFile::Airstrip,  SetFile::Entity,
    SetFile::Profile, SetFile::Mast,   SetFile::Object3D, SetFile::ShipClass, SetFile::CountryName,
};

// The maximal set and a directory to write copies and saves into.
class CBenchSet {
public:
    CBenchSet() {
        std::string pattern = (fs::temp_directory_path() / "ventry-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) {
            throw std::runtime_error("cannot create a temporary directory");
        }
        m_root = pattern;
        fs::create_directory(m_root / "set");
        fs::create_directory(m_root / "out");
        fs::create_directory(m_root / "one");
        m_strSource = CSetWriter::ObjectFilePath((m_root / "set").string(), 'e');
        m_strDestination = CSetWriter::ObjectFilePath((m_root / "out").string(), 'e');
        CVentryDoc doc;
        CSyntheticSetBuilder(doc, CSyntheticSetBuilder::kMaxCount).Build();
        if (!CSetWriter::Write(doc, m_strSource)) {
            throw std::runtime_error("cannot write the benchmark set");
        }
        for (const SetFile file : kRecordFiles) {
            m_nBytes += fs::file_size(FileIn("set", file));
        }
    }
    ~CBenchSet() {
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }
    CBenchSet(const CBenchSet&) = delete;
    CBenchSet& operator=(const CBenchSet&) = delete;

    std::string FileIn(const char* directory, SetFile file) const {
        return SetFileNames::BuildName((m_root / directory).string() + "/", file, ".e");
    }

    const std::string& Source() const { return m_strSource; }
    const std::string& Destination() const { return m_strDestination; }
    std::int64_t Bytes() const { return static_cast<std::int64_t>(m_nBytes); }

private:
    fs::path m_root;
    std::string m_strSource;
    std::string m_strDestination;
    std::uintmax_t m_nBytes = 0;
};

const CBenchSet* g_pSet = nullptr;

void Check(bool bOk, const std::string& what) {
    if (!bOk) {
        throw std::runtime_error(what + ": " + std::strerror(errno));
    }
}

// What cp does without kernel-side copying: read a block, write it, until the end.
void CopyFile(const std::string& from, const std::string& to, std::vector<char>& buffer) {
    const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    Check(in >= 0, from);
    const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    Check(out >= 0, to);
    for (;;) {
        const ssize_t n = ::read(in, buffer.data(), buffer.size());
        Check(n >= 0, from);
        if (n == 0) {
            break;
        }
        Check(::write(out, buffer.data(), static_cast<std::size_t>(n)) == n, to);
    }
    ::close(in);
    Check(::close(out) == 0, to);
}

void BM_PlainCopy(benchmark::State& state) {
    std::vector<char> buffer(128 * 1024);
    for (auto _ : state) {
        for (const SetFile file : kRecordFiles) {
            CopyFile(g_pSet->FileIn("set", file), g_pSet->FileIn("out", file), buffer);
        }
    }
    state.SetBytesProcessed(state.iterations() * g_pSet->Bytes());
}

// The destructor's freeing of 655 360 records is left out of every timing.
void BM_Load(benchmark::State& state) {
    for (auto _ : state) {
        auto doc = std::make_unique<CVentryDoc>();
        doc->OnOpenDocument(g_pSet->Source());
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * g_pSet->Bytes());
}

// Every database counts as changed, so every file is written from the records.
void BM_Save(benchmark::State& state) {
    CVentryDoc doc;
    doc.OnOpenDocument(g_pSet->Source());
    for (auto _ : state) {
        doc.SetModifiedFlag(true);
        doc.OnSaveDocument(g_pSet->Destination());
    }
    state.SetBytesProcessed(state.iterations() * g_pSet->Bytes());
}

// What a save after one Apply to an object is measured against.
void BM_PlainCopyObjectFile(benchmark::State& state) {
    std::vector<char> buffer(128 * 1024);
    for (auto _ : state) {
        CopyFile(g_pSet->FileIn("set", SetFile::Object), g_pSet->FileIn("out", SetFile::Object),
                 buffer);
    }
}

// One object changed, the set saved over itself: only the object file is written (and
// flushed, backed up and renamed); the other nine stay as they are.
void BM_SaveAfterOneApply(benchmark::State& state) {
    const std::string objectFile = g_pSet->FileIn("one", SetFile::Object);
    CVentryDoc doc;
    doc.OnOpenDocument(g_pSet->Source());
    doc.OnSaveDocument(objectFile);  // a copy of the set, which the document's files are now
    std::uint8_t* pObject = doc.m_mapObjects.begin()->second->m_data.data();
    for (auto _ : state) {
        pObject[30] ^= 1;
        doc.RecordsChanged(Database::Object);
        doc.OnSaveDocument(objectFile);
    }
}

void BM_LoadSave(benchmark::State& state) {
    for (auto _ : state) {
        auto doc = std::make_unique<CVentryDoc>();
        doc->OnOpenDocument(g_pSet->Source());
        doc->OnSaveDocument(g_pSet->Destination());
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * g_pSet->Bytes());
}

constexpr int kIterations = 4;

BENCHMARK(BM_PlainCopy)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(kIterations);
BENCHMARK(BM_Load)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(kIterations);
BENCHMARK(BM_Save)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(kIterations);
BENCHMARK(BM_LoadSave)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(kIterations);
BENCHMARK(BM_PlainCopyObjectFile)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(kIterations);
BENCHMARK(BM_SaveAfterOneApply)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(kIterations);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    CThrowingServices services;
    AfxSetAppServices(&services);
    const CBenchSet set;
    g_pSet = &set;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    AfxSetAppServices(nullptr);
    return 0;
}
