// Runs the welldata command installed into the test's scratch prefix, from the
// source folder (so "samples/..." names the bundled samples), without a
// display, and collects what it printed.
#pragma once

#include <string>
#include <vector>

namespace cli_tests {

struct CommandResult {
    int status = -1;
    std::string out;
    std::string err;
};

// `input` is what the command reads on standard input.
CommandResult RunWelldata(const std::vector<std::string>& arguments,
                          const std::string& input = std::string());

std::string ReadFile(const std::string& path);

} // namespace cli_tests
