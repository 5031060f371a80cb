// A failure outside any single file's load (an output that cannot be written,
// a settings file that cannot be read): the command stops with exit status 1.
#pragma once

#include <stdexcept>
#include <string>

class ToolFailure : public std::runtime_error {
public:
    explicit ToolFailure(const std::string& message) : std::runtime_error(message) {}
};
