// One subcommand of welldata: its name, its help and its options, and what it
// does with a parsed command line.
#pragma once

#include <string>

class ArgumentParser;
class ParsedArguments;

class Command {
public:
    virtual ~Command() = default;

    virtual const char* Name() const = 0;
    // One line for the overview of all subcommands.
    virtual const char* Summary() const = 0;
    // The whole text of "welldata NAME --help".
    virtual std::string Help() const = 0;
    virtual void DeclareOptions(ArgumentParser& parser) const = 0;

    // Runs the command; returns the exit status. Throws UsageError for a wrong
    // command line and ToolFailure for an output it cannot write.
    virtual int Run(const ParsedArguments& arguments) = 0;
};
