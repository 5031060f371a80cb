// The welldata program: finds the subcommand, parses its command line, runs
// it and turns its errors into messages and exit statuses.
#pragma once

#include <memory>
#include <string>
#include <vector>

class Command;

class WellDataTool {
public:
    WellDataTool();
    ~WellDataTool();

    int Run(const std::vector<std::string>& arguments);

private:
    Command* Find(const std::string& name) const;
    std::string Overview() const;
    int RunCommand(Command& command, const std::vector<std::string>& arguments);

    std::vector<std::unique_ptr<Command>> m_commands;
};
