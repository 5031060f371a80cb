// Why one file could not be loaded, when the command itself finds out (a
// column that is missing, a choice that does not fit the file). The command
// reports it and goes on with the next file.
#pragma once

#include <stdexcept>
#include <string>

class LoadProblem : public std::runtime_error {
public:
    explicit LoadProblem(const std::string& message) : std::runtime_error(message) {}
};
