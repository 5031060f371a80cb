// A mistake on the command line (unknown option, missing argument, unknown
// unit): the command stops before loading anything, with exit status 2.
#pragma once

#include <stdexcept>
#include <string>

class UsageError : public std::runtime_error {
public:
    explicit UsageError(const std::string& message) : std::runtime_error(message) {}
};
