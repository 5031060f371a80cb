// welldata: loads every kind of well data from the command line, through the
// library's installed API as any host does.
#include "Commands.h"
#include "welldata/Language.h"

#include <algorithm>
#include <cstdio>

namespace {

struct CommandEntry {
    const char* name;
    const char* summary; // its line in the overview
    std::unique_ptr<Command> (*make)(std::string_view name);
};

const CommandEntry kCommands[] = {
    {"las", "load LAS 2.0 files by name", MakeLasCommand},
    {"log", "load well log text tables", MakeWellCommand},
    {"path", "load well path (deviation survey) tables", MakeWellCommand},
    {"heads", "load well head tables", MakeWellCommand},
    {"core-analysis", "load rock core analysis tables", MakeCoreCommand},
    {"core-describe", "load rock core description tables", MakeCoreCommand},
    {"curve-name", "standard or display name of a curve", MakeLookupCommand},
    {"curve-units", "unit texts accepted for a curve", MakeLookupCommand},
};

const CommandEntry* Find(const std::string& name) {
    const auto found =
        std::find_if(std::begin(kCommands), std::end(kCommands),
                     [&name](const CommandEntry& entry) { return name == entry.name; });
    return found == std::end(kCommands) ? nullptr : found;
}

std::string Overview() {
    std::string text = R"(usage: welldata COMMAND [options] [FILE...]

Loads well data without dialogs, through the loaders the import dialogs feed:
LAS 2.0 files, well log, well path, well head and rock core tables. Prints a
summary per file, or the full data as CSV or JSON, and draws log plots.

Commands:
)";
    for (const CommandEntry& entry : kCommands) {
        std::string name = entry.name;
        name.resize(15, ' ');
        text += "  " + name + entry.summary + "\n";
    }
    return text + R"(
Options and files may come in any order; '--' ends the options; '-' reads a
file from standard input. 'welldata COMMAND --help' lists a command's options.
Exit status: 0 success, 1 a file could not be loaded, 2 a wrong command line.
)";
}

int Write(std::FILE* stream, const std::string& text, int status) {
    std::fputs(text.c_str(), stream);
    return status;
}

int RunCommand(const CommandEntry& entry, const std::vector<std::string>& arguments) {
    const std::string name = entry.name;
    try {
        const std::unique_ptr<Command> command = entry.make(entry.name);
        Arguments parsed;
        command->Declare(parsed);
        parsed.Parse(arguments);
        if (parsed.Has("help"))
            return Write(stdout, command->Help(), kExitSuccess);
        welldata::Language language = welldata::Language::Chinese;
        if (!welldata::ChooseLanguage(parsed.Value("lang"), language))
            throw UsageError("unknown language '" + *parsed.Value("lang") + "' (use en or zh)");
        welldata::SetLanguage(language);
        return command->Run(parsed);
    } catch (const UsageError& error) {
        return Write(stderr,
                     "welldata " + name + ": " + error.what() + "\nTry 'welldata " + name +
                         " --help'.\n",
                     kExitUsage);
    } catch (const std::runtime_error& failure) {
        return Write(stderr, "welldata: " + std::string(failure.what()) + "\n", kExitLoadFailed);
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    // Options may come before the command.
    Arguments leading;
    common::Declare(leading, true, "version", "");
    size_t count = 0;
    try {
        count = leading.Parse(arguments, true);
    } catch (const UsageError& error) {
        return Write(stderr, std::string("welldata: ") + error.what() + "\n" + Overview(),
                     kExitUsage);
    }
    if (leading.Has("version"))
        return Write(stdout, std::string("welldata ") + WELLDATA_VERSION + "\n", kExitSuccess);
    if (count == arguments.size())
        return leading.Has("help") ? Write(stdout, Overview(), kExitSuccess)
                                   : Write(stderr, Overview(), kExitUsage);
    const std::string& name = arguments[count];
    if (name == "help") {
        const CommandEntry* entry =
            count + 1 < arguments.size() ? Find(arguments[count + 1]) : nullptr;
        return Write(stdout, entry != nullptr ? entry->make(entry->name)->Help() : Overview(),
                     kExitSuccess);
    }
    const CommandEntry* entry = Find(name);
    if (entry == nullptr)
        return Write(stderr, "welldata: unknown command '" + name + "'\n\n" + Overview(),
                     kExitUsage);
    std::vector<std::string> commandArguments(arguments.begin(), arguments.begin() + count);
    commandArguments.insert(commandArguments.end(), arguments.begin() + count + 1, arguments.end());
    return RunCommand(*entry, commandArguments);
}
