// The subcommands of welldata. main.cpp lists them; each family of commands
// lives in a file of its own.
#pragma once

#include "Options.h"

#include <memory>
#include <string>

class Command {
public:
    virtual ~Command() = default;

    // The whole text of "welldata NAME --help".
    virtual std::string Help() const = 0;
    virtual void Declare(Arguments& arguments) const = 0;
    // Runs the command; returns the exit status. Throws UsageError for a
    // wrong command line and std::runtime_error for a failure that stops it.
    virtual int Run(const Arguments& arguments) = 0;
};

enum ExitStatus : int {
    kExitSuccess = 0,
    kExitLoadFailed = 1, // a file could not be loaded, or an output not written
    kExitUsage = 2,      // the command line itself is wrong
};

// LasCommand.cpp
std::unique_ptr<Command> MakeLasCommand();
// WellCommands.cpp
std::unique_ptr<Command> MakeLogCommand();
std::unique_ptr<Command> MakePathCommand();
std::unique_ptr<Command> MakeHeadsCommand();
// CoreCommands.cpp
std::unique_ptr<Command> MakeCoreAnalysisCommand();
std::unique_ptr<Command> MakeCoreDescribeCommand();
// LookupCommands.cpp
std::unique_ptr<Command> MakeCurveNameCommand();
std::unique_ptr<Command> MakeCurveUnitsCommand();
