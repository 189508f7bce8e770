#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QByteArray>
#include <QtGlobal>
#include <cstdio>
#include <string>

#include "gui/MessageBox.h"

// Before the QApplication: Qt's offscreen platform unless one was chosen.
inline void UseOffscreenUnlessChosen() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

// Any message box is told on stderr and answered OK, so a question cannot stop the run.
inline void ReportUnexpectedMessages() {
    AfxSetMessageBoxHandler([](const std::string& text, unsigned) {
        std::fprintf(stderr, "unexpected message: %s\n", text.c_str());
        return static_cast<int>(IDOK);
    });
}

// The main of a bench on screen: the set each benchmark uses is made once, after the
// application, and pSet points to it while they run.
template <class TSet>
int RunOnScreen(int argc, char** argv, TSet*& pSet) {
    UseOffscreenUnlessChosen();
    QApplication app(argc, argv);
    ReportUnexpectedMessages();
    benchmark::Initialize(&argc, argv);
    TSet set;
    pSet = &set;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
