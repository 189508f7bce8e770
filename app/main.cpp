#include "VentryApp.h"

int main(int argc, char* argv[]) {
    CVentryApp app;
    return app.Run(argc, argv);
}
