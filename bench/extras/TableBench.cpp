#include <benchmark/benchmark.h>

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>

#include "CellEdit.h"
#include "GuiBench.h"
#include "RecordTableModel.h"
#include "SyntheticSet.h"
#include "TableViewDlg.h"
#include "ValueExpression.h"
#include "VentryDoc.h"

namespace {

// The Table View window on 65,536 objects, shown, so each step includes what the table and its
// headers do with the new order or the new values and the repaint.
class CMaximalTable {
public:
    CMaximalTable() : m_window(m_doc, nullptr) {
        CSyntheticSetBuilder(m_doc, CSyntheticSetBuilder::kMaxCount).Build();
        m_window.Create();
        m_window.show();
        QApplication::processEvents();
    }

    CVentryDoc& Doc() { return m_doc; }
    CRecordTableModel& Model() const { return *static_cast<CRecordTableModel*>(Table().model()); }
    QTableView& Table() const { return *m_window.findChild<QTableView*>(QStringLiteral("1310")); }
    QLineEdit& Filter() const { return *m_window.findChild<QLineEdit*>(QStringLiteral("1312")); }
    int Column(const char* pszName) const {
        for (int nColumn = 0; nColumn < Model().columnCount(); ++nColumn) {
            if (Model().headerData(nColumn, Qt::Horizontal, Qt::DisplayRole).toString() ==
                QLatin1String(pszName)) {
                return nColumn;
            }
        }
        return -1;
    }

private:
    CVentryDoc m_doc;
    CTableViewDlg m_window;
};

CMaximalTable* g_pTable = nullptr;

// What a click on the column's header does, alternating between ascending and descending.
// (QTableView::sortByColumn would sort twice.)
void RunSort(benchmark::State& state, const char* pszColumn) {
    CMaximalTable& table = *g_pTable;
    const int nColumn = table.Column(pszColumn);
    bool bDescending = false;
    for (auto _ : state) {
        table.Table().horizontalHeader()->setSortIndicator(
            nColumn, bDescending ? Qt::DescendingOrder : Qt::AscendingOrder);
        QApplication::processEvents();
        bDescending = !bDescending;
    }
    table.Table().horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    state.counters["rows"] = table.Model().rowCount();
}

// Typing one more letter of a filter, then taking it back.
void RunFilter(benchmark::State& state, const char* pszText) {
    CMaximalTable& table = *g_pTable;
    const QString text = QString::fromLatin1(pszText);
    bool bWhole = true;
    int nShown = 0;
    for (auto _ : state) {
        table.Filter().setText(bWhole ? text : text.chopped(1));
        QApplication::processEvents();
        nShown = bWhole ? table.Model().rowCount() : nShown;
        bWhole = !bWhole;
    }
    table.Filter().clear();
    state.counters["shown"] = nShown;
}

// Set Values "+1" over a whole column, as OK in its dialog does: every cell worked out and
// checked, the step applied with its undo record, the table told; then undone, untimed.
void RunSetValues(benchmark::State& state, const char* pszColumn) {
    CMaximalTable& table = *g_pTable;
    const int nColumn = table.Column(pszColumn);
    std::vector<std::uint16_t> keys;
    for (int nRow = 0; nRow < table.Model().rowCount(); ++nRow) {
        keys.push_back(table.Model().KeyOf(nRow));
    }
    std::size_t nChanged = 0;
    for (auto _ : state) {
        const CCellEdit edit =
            SetValues(table.Doc(), Database::Object, table.Model().Column(nColumn), keys,
                      table.Model().Names(), "+1");
        if (edit.Failed() || !table.Model().Apply(edit)) {
            state.SkipWithError("Set Values changed nothing");
            break;
        }
        QApplication::processEvents();
        nChanged = edit.ChangedCount();
        state.PauseTiming();
        table.Doc().Undo();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["cells"] = static_cast<double>(nChanged);
}

struct TableBenchmark {
    const char* pszName;
    void (*pfnRun)(benchmark::State& state, const char* pszArgument);
    const char* pszArgument;
};
constexpr TableBenchmark kBenchmarks[] = {
    {"BM_SortNumbers", RunSort, "max_speed"},
    {"BM_SortFloats", RunSort, "length_x10"},
    {"BM_SortTexts", RunSort, "name"},
    {"BM_FilterSome", RunFilter, "-001"},
    {"BM_FilterNone", RunFilter, "no such textx"},
    {"BM_SetValues", RunSetValues, "mass"},
};

}  // namespace

int main(int argc, char** argv) {
    for (const TableBenchmark& entry : kBenchmarks) {
        benchmark::RegisterBenchmark(entry.pszName, entry.pfnRun, entry.pszArgument)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Repetitions(5)
            ->DisplayAggregatesOnly();
    }
    return RunOnScreen(argc, argv, g_pTable);
}
