// A subcommand that looks curve names up in the settings file through one of
// the library's exported lookups, one answer line per name (or JSON).
#pragma once

#include "Command.h"

#include <string>
#include <vector>

class LookupCommand : public Command {
public:
    using Command::Command;
    void DeclareOptions(ArgumentParser& parser) const override;
    int Run(const ParsedArguments& arguments) override;

protected:
    struct Answer {
        bool found = false;
        std::string text;        // the line written for the name
        std::string json;        // the name's JSON object
        std::string notFoundWhy; // shown on standard error when not found
    };

    // The options and the help lines of all lookups.
    static const char* CommonHelp();
    virtual void ReadOptions(const ParsedArguments&) {}
    virtual Answer LookUp(const std::wstring& name) const = 0;
};
