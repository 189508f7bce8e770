#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <QDialog>
#include <memory>

#include "EditorFactory.h"
#include "GuiBench.h"
#include "SyntheticSet.h"
#include "TableViewDlg.h"
#include "VentryDoc.h"

namespace {

// A maximal set with the windows that follow each step open on the objects: the Object editor
// with all 65,536 lines and the Table View.
class CMaximalSetOnScreen {
public:
    CMaximalSetOnScreen() : m_table(m_doc, nullptr) {
        CSyntheticSetBuilder(m_doc, CSyntheticSetBuilder::kMaxCount).Build();
        m_pEditor = CreateEditor(Database::Object, nullptr, m_doc);
        dynamic_cast<QDialog&>(*m_pEditor).show();
        m_table.Create();
        m_table.show();
        QApplication::processEvents();
    }

    // One Apply of a record in the middle of the objects.
    void Apply(std::uint8_t nValue) {
        const std::uint8_t* pRecord = m_doc.Records(Database::Object).Find(kKey);
        std::vector<std::uint8_t> after(pRecord, pRecord + CObjectInfo::kRecordSize);
        after[30] = nValue;
        CSetChange change("Apply to object");
        change.Change(Database::Object, kKey, {pRecord, after.size()}, after);
        m_doc.ApplyChange(std::move(change));
    }

    CVentryDoc m_doc;

private:
    static constexpr std::uint16_t kKey = 32768;
    std::unique_ptr<CEditorWindow> m_pEditor;
    CTableViewDlg m_table;
};

CMaximalSetOnScreen* g_pSet = nullptr;

// Undo or Redo of one Apply, with what the open windows do before the program is idle again.
void RunStep(benchmark::State& state, bool bUndo) {
    CVentryDoc& doc = g_pSet->m_doc;
    g_pSet->Apply(1);
    for (auto _ : state) {
        if (!bUndo) {
            state.PauseTiming();
            doc.Undo();
            QApplication::processEvents();
            state.ResumeTiming();
        }
        bUndo ? doc.Undo() : doc.Redo();
        QApplication::processEvents();
        if (bUndo) {
            state.PauseTiming();
            doc.Redo();
            QApplication::processEvents();
            state.ResumeTiming();
        }
    }
}

void BM_UndoOneApply(benchmark::State& state) {
    RunStep(state, true);
}

void BM_RedoOneApply(benchmark::State& state) {
    RunStep(state, false);
}

// What the history of 1,000 single-record Applies holds beyond the set.
void BM_ThousandAppliesMemory(benchmark::State& state) {
    for (auto _ : state) {
        const std::size_t nBefore = mallinfo2().uordblks;
        for (int i = 0; i < 1000; ++i) {
            g_pSet->Apply(static_cast<std::uint8_t>(i % 200 + 2));
        }
        state.counters["MB"] = static_cast<double>(mallinfo2().uordblks - nBefore) / (1 << 20);
    }
}

BENCHMARK(BM_UndoOneApply)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(7)
    ->DisplayAggregatesOnly();
BENCHMARK(BM_RedoOneApply)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(7)
    ->DisplayAggregatesOnly();
BENCHMARK(BM_ThousandAppliesMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    return RunOnScreen(argc, argv, g_pSet);
}
