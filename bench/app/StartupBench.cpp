// The program's start-up until its main window is shown, for bench/run.sh: started in a
// directory that holds a set, it starts up as the program's main() does, waits until the
// window system has shown the main window and its first paint is done, prints the wall clock
// in nanoseconds and ends. run.sh takes the clock just before it starts this program.

#include <QApplication>
#include <QWindow>
#include <cstdio>
#include <ctime>

#include "VentryApp.h"
#include "gui/FrameWnd.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    CVentryApp app;
    if (!app.Start(QCoreApplication::arguments())) {
        return 1;
    }
    QWidget& frame = *app.GetMainWnd();
    while (frame.windowHandle() == nullptr || !frame.windowHandle()->isExposed()) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    QApplication::processEvents();
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
    return 0;
}
