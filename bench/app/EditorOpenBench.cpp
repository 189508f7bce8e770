// Opening each editor from its toolbar button until it is shown and painted, in the running
// program, on the demo set and then on a maximal set. Usage:
// ventry_bench_editor_open DEMO_OBJECT_FILE MAXIMAL_OBJECT_FILE [benchmark options]

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolBar>
#include <QWindow>
#include <cstdio>
#include <filesystem>
#include <string>

#include "GuiBench.h"
#include "Resource.h"
#include "VentryApp.h"
#include "VentryDoc.h"
#include "gui/AfxRes.h"
#include "gui/FrameWnd.h"
#include "gui/PathString.h"

namespace {

struct EditorButton {
    unsigned nID;
    Database slot;
    const char* pszName;
};

constexpr EditorButton kButtons[] = {
    {ID_VIEW_OBJECTS, Database::Object, "Object"},
    {ID_VIEW_SENSORS, Database::Sensor, "Sensor"},
    {ID_VIEW_LAUNCHERS, Database::Launcher, "Launcher"},
    {ID_VIEW_PROFILES, Database::Profile, "Profile"},
    {ID_VIEW_MASTS, Database::Mast, "Mast"},
    {ID_VIEW_ENTITIES, Database::Entity, "Entity"},
    {ID_VIEW_3DOBJECTS, Database::Object3D, "3DObject"},
    {ID_VIEW_AIRSTRIPS, Database::Airstrip, "Airstrip"},
    {ID_VIEW_SHIPCLASSES, Database::ShipClass, "ShipClass"},
    {ID_VIEW_COUNTRYNAMES, Database::CountryName, "CountryName"},
};

CVentryApp* g_pApp = nullptr;

CVentryDoc& Doc() {
    return dynamic_cast<CVentryDoc&>(*g_pApp->GetMainWnd()->GetActiveDocument());
}

QAction& ToolBarButton(unsigned nID) {
    auto* pToolBar = g_pApp->GetMainWnd()->findChild<QToolBar*>(QString::number(AFX_IDW_TOOLBAR));
    return *pToolBar->findChild<QAction*>(QString::number(nID));
}

// Until the window system has shown the window and its first paint is done.
void WaitUntilShown(QWidget& window) {
    while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) {
        QApplication::processEvents();
    }
    QApplication::processEvents();
}

void BM_OpenEditor(benchmark::State& state, const std::string& strSet, EditorButton button) {
    if (Doc().GetPathName() != strSet && g_pApp->OpenDocumentFile(strSet) == nullptr) {
        state.SkipWithError("cannot open the set");
        return;
    }
    QAction& toolBarButton = ToolBarButton(button.nID);
    for (auto _ : state) {
        state.PauseTiming();
        // A new editor every time: the one the last run made goes with its document slot.
        Doc().Editor(button.slot).reset();
        Doc().Shown(button.slot) = false;
        QApplication::processEvents();
        state.ResumeTiming();
        toolBarButton.trigger();
        WaitUntilShown(dynamic_cast<QWidget&>(*Doc().Editor(button.slot)));
    }
}

}  // namespace

int main(int argc, char** argv) {
    UseOffscreenUnlessChosen();
    benchmark::Initialize(&argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s DEMO_OBJECT_FILE MAXIMAL_OBJECT_FILE [options]\n", argv[0]);
        return 2;
    }
    const std::string sets[] = {std::filesystem::absolute(argv[1]).string(),
                                std::filesystem::absolute(argv[2]).string()};
    QApplication application(argc, argv);
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    ReportUnexpectedMessages();
    CVentryApp app;
    g_pApp = &app;
    if (!app.Start({QStringLiteral("ventry"), AfxPathToQString(sets[0])})) {
        return 1;
    }
    WaitUntilShown(*app.GetMainWnd());
    for (const char* pszSet : {"demo", "maximal"}) {
        const std::string& strSet = sets[pszSet[0] == 'd' ? 0 : 1];
        for (const EditorButton& button : kButtons) {
            benchmark::RegisterBenchmark(
                (std::string("BM_OpenEditor/") + button.pszName + "/" + pszSet).c_str(),
                BM_OpenEditor, strSet, button)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime()
                ->Iterations(1)
                ->Repetitions(5);
        }
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
