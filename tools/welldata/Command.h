// One subcommand of welldata: its name, its help and its options, and what it
// does with a parsed command line.
#pragma once

#include <string>

class ArgumentParser;
class ParsedArguments;

class Command {
public:
    // `summary` is the line of the overview of all subcommands.
    Command(const char* name, const char* summary) : m_name(name), m_summary(summary) {}
    virtual ~Command() = default;

    const char* Name() const { return m_name; }
    const char* Summary() const { return m_summary; }
    // The whole text of "welldata NAME --help".
    virtual std::string Help() const = 0;
    virtual void DeclareOptions(ArgumentParser& parser) const = 0;

    // Runs the command; returns the exit status. Throws UsageError for a wrong
    // command line and ToolFailure for an output it cannot write.
    virtual int Run(const ParsedArguments& arguments) = 0;

private:
    const char* m_name;
    const char* m_summary;
};
