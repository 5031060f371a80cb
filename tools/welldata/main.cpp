// welldata: loads every kind of well data from the command line.
#include "WellDataTool.h"

#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return WellDataTool().Run(arguments);
}
