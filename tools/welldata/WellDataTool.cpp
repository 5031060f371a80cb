#include "WellDataTool.h"

#include "ArgumentParser.h"
#include "CommandOptions.h"
#include "CoreAnalysisCommand.h"
#include "CoreDescribeCommand.h"
#include "CurveNameCommand.h"
#include "CurveUnitsCommand.h"
#include "ExitStatus.h"
#include "HeadsCommand.h"
#include "LasCommand.h"
#include "LogCommand.h"
#include "PathCommand.h"
#include "ToolFailure.h"
#include "UsageError.h"

#include <cstdio>

namespace {

void WriteTo(std::FILE* stream, const std::string& text) {
    std::fputs(text.c_str(), stream);
}

} // namespace

WellDataTool::WellDataTool() {
    m_commands.push_back(std::make_unique<LasCommand>());
    m_commands.push_back(std::make_unique<LogCommand>());
    m_commands.push_back(std::make_unique<PathCommand>());
    m_commands.push_back(std::make_unique<HeadsCommand>());
    m_commands.push_back(std::make_unique<CoreAnalysisCommand>());
    m_commands.push_back(std::make_unique<CoreDescribeCommand>());
    m_commands.push_back(std::make_unique<CurveNameCommand>());
    m_commands.push_back(std::make_unique<CurveUnitsCommand>());
}

WellDataTool::~WellDataTool() = default;

Command* WellDataTool::Find(const std::string& name) const {
    for (const auto& command : m_commands) {
        if (name == command->Name())
            return command.get();
    }
    return nullptr;
}

std::string WellDataTool::Overview() const {
    std::string text = R"(usage: welldata COMMAND [options] [FILE...]

Loads well data without dialogs, through the loaders the import dialogs feed:
LAS 2.0 files, well log, well path, well head and rock core tables. Prints a
summary per file, or the full data as CSV or JSON, and draws log plots.

Commands:
)";
    for (const auto& command : m_commands) {
        std::string name = command->Name();
        name.resize(15, ' ');
        text += "  " + name + command->Summary() + "\n";
    }
    text += R"(
Options and files may come in any order; '--' ends the options; '-' reads a
file from standard input. 'welldata COMMAND --help' lists a command's options.
Exit status: 0 success, 1 a file could not be loaded, 2 a wrong command line.
)";
    return text;
}

int WellDataTool::Run(const std::vector<std::string>& arguments) {
    ArgumentParser leadingParser;
    CommandOptions::Declare(leadingParser);
    CommandOptions::DeclarePlot(leadingParser);
    leadingParser.AddFlag("version");
    size_t leading = 0;
    try {
        leading = leadingParser.CountLeadingOptions(arguments);
    } catch (const UsageError& error) {
        WriteTo(stderr, std::string("welldata: ") + error.what() + "\n" + Overview());
        return kExitUsage;
    }
    const std::vector<std::string> options(arguments.begin(), arguments.begin() + leading);
    const ParsedArguments leadingOptions = leadingParser.Parse(options);
    if (leadingOptions.Has("version")) {
        WriteTo(stdout, std::string("welldata ") + WELLDATA_VERSION + "\n");
        return kExitSuccess;
    }
    if (leading == arguments.size()) {
        const bool help = leadingOptions.Has("help");
        WriteTo(help ? stdout : stderr, Overview());
        return help ? kExitSuccess : kExitUsage;
    }
    const std::string& name = arguments[leading];
    if (name == "help") {
        Command* command = leading + 1 < arguments.size() ? Find(arguments[leading + 1]) : nullptr;
        WriteTo(stdout, command != nullptr ? command->Help() : Overview());
        return kExitSuccess;
    }
    Command* command = Find(name);
    if (command == nullptr) {
        WriteTo(stderr, "welldata: unknown command '" + name + "'\n\n" + Overview());
        return kExitUsage;
    }
    std::vector<std::string> commandArguments = options;
    commandArguments.insert(commandArguments.end(), arguments.begin() + leading + 1,
                            arguments.end());
    return RunCommand(*command, commandArguments);
}

int WellDataTool::RunCommand(Command& command, const std::vector<std::string>& arguments) {
    const std::string name = command.Name();
    try {
        ArgumentParser parser;
        command.DeclareOptions(parser);
        const ParsedArguments parsed = parser.Parse(arguments);
        if (parsed.Has("help")) {
            WriteTo(stdout, command.Help());
            return kExitSuccess;
        }
        return command.Run(parsed);
    } catch (const UsageError& error) {
        WriteTo(stderr, "welldata " + name + ": " + error.what() + "\nTry 'welldata " + name +
                            " --help'.\n");
        return kExitUsage;
    } catch (const ToolFailure& failure) {
        WriteTo(stderr, "welldata: " + std::string(failure.what()) + "\n");
        return kExitLoadFailed;
    }
}
