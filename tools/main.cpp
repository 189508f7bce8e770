#include <string>
#include <vector>

#include "VentryDbTool.h"

int main(int argc, char** argv) {
    return CVentryDbTool().Run(std::vector<std::string>(argv + 1, argv + argc));
}
