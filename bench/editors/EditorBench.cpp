#include <benchmark/benchmark.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

#include "EditorFactory.h"
#include "GuiBench.h"
#include "VentryDoc.h"
#include "core/AppServices.h"
#include "gui/ModalRun.h"

namespace {

constexpr int kRecords = 65536;

// Every profile index taken, each named after an object whose Sim Type runs through 0 to 13,
// so every type filter lookup finds its object.
class CMaximalProfiles {
public:
    CMaximalProfiles() {
        for (int i = 0; i < kRecords; ++i) {
            const auto nIndex = static_cast<std::uint16_t>(i);
            char name[21];
            std::snprintf(name, sizeof name, "Profile %05d", i);
            CObjectInfo& object = m_doc.m_mapObjects.Emplace(nIndex);
            RecordField::Set(object.m_data.data(), 0, nIndex);
            RecordField::SetText(object.m_data.data(), 2, 20, name);
            RecordField::Set<std::int32_t>(object.m_data.data(), ObjectField::kSimType, i % 14);
            m_doc.m_mapObjectsByName[name] = &object;

            CProfileInfo& profile = m_doc.m_mapProfiles.Emplace(nIndex);
            RecordField::Set(profile.m_data.data(), 0, nIndex);
            RecordField::SetText(profile.m_data.data(), 2, 20, name);
        }
        m_pEditor = CreateEditor(Database::Profile, nullptr, m_doc);
        Dialog().show();
        QApplication::processEvents();
    }

    QDialog& Dialog() const { return *dynamic_cast<QDialog*>(m_pEditor.get()); }
    template <class T>
    T& Control(int nId) const {
        return *Dialog().findChild<T*>(QString::number(nId));
    }
    int Listed() const { return Control<QAbstractItemView>(1182).model()->rowCount(); }

    void SetTypes(std::initializer_list<int> boxIds) {
        for (QCheckBox* pBox : Dialog().findChildren<QCheckBox*>()) {
            pBox->setChecked(std::find(boxIds.begin(), boxIds.end(), pBox->objectName().toInt()) !=
                             boxIds.end());
        }
    }

private:
    CVentryDoc m_doc;
    std::unique_ptr<CEditorWindow> m_pEditor;
};

// Made in main, so the editor goes before the application does.
CMaximalProfiles* g_pProfiles = nullptr;

CMaximalProfiles& Profiles() {
    return *g_pProfiles;
}

// Clicks Filter with the given boxes on; the list is laid out and painted before the clock
// stops.
void RunTypeFilter(benchmark::State& state, std::initializer_list<int> boxIds) {
    CMaximalProfiles& profiles = Profiles();
    for (auto _ : state) {
        state.PauseTiming();
        profiles.SetTypes(boxIds);
        state.ResumeTiming();
        profiles.Control<QPushButton>(1227).click();
        QApplication::processEvents();
    }
    state.counters["listed"] = profiles.Listed();
}

// Clicks Search and enters text in the Filter dialog.
void RunSearch(benchmark::State& state, const char* pszText) {
    CMaximalProfiles& profiles = Profiles();
    AfxSetModalHandler([pszText](QDialog& filter) {
        filter.findChild<QLineEdit*>(QStringLiteral("1183"))->setText(QString::fromLatin1(pszText));
        filter.findChild<QPushButton*>(QStringLiteral("1"))->click();
        return filter.result();
    });
    for (auto _ : state) {
        profiles.Control<QPushButton>(1228).click();
        QApplication::processEvents();
    }
    AfxSetModalHandler({});
    state.counters["listed"] = profiles.Listed();
}

void BM_TypeFilterAllTypes(benchmark::State& state) {
    RunTypeFilter(state,
                  {1214, 1215, 1220, 1224, 1218, 1219, 1223, 1222, 1225, 1217, 1221, 1216, 1226});
}

void BM_TypeFilterThreeTypes(benchmark::State& state) {
    RunTypeFilter(state, {1214, 1215, 1220});
}

void BM_SearchMatchingAll(benchmark::State& state) {
    RunSearch(state, "PROFILE");
}

void BM_SearchMatchingSome(benchmark::State& state) {
    RunSearch(state, "12");
}

constexpr int kRepetitions = 7;
BENCHMARK(BM_TypeFilterAllTypes)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(kRepetitions)
    ->DisplayAggregatesOnly();
BENCHMARK(BM_TypeFilterThreeTypes)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(kRepetitions)
    ->DisplayAggregatesOnly();
BENCHMARK(BM_SearchMatchingAll)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(kRepetitions)
    ->DisplayAggregatesOnly();
BENCHMARK(BM_SearchMatchingSome)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(kRepetitions)
    ->DisplayAggregatesOnly();

}  // namespace

int main(int argc, char** argv) {
    return RunOnScreen(argc, argv, g_pProfiles);
}
