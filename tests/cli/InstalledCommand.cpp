#include "InstalledCommand.h"

#include "support/TestSupport.h"

#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace cli_tests {

namespace {

// In the child: standard streams from and to the given files, no display, the
// source folder as the working folder.
[[noreturn]] void RunChild(const std::string& program, const std::vector<std::string>& arguments,
                           const std::string& inputPath, const std::string& outPath,
                           const std::string& errPath) {
    dup2(open(inputPath.c_str(), O_RDONLY), STDIN_FILENO);
    dup2(open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDOUT_FILENO);
    dup2(open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDERR_FILENO);
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("QT_QPA_PLATFORM");
    if (chdir(WELLDATA_SOURCE_DIR) != 0)
        _exit(126);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
}

} // namespace

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

CommandResult RunWelldata(const std::vector<std::string>& arguments, const std::string& input) {
    const testing_support::ScratchDir dir;
    const std::string inputPath = testing_support::Narrow(dir.Write("stdin", input));
    const std::string outPath = dir.Path() + "/stdout";
    const std::string errPath = dir.Path() + "/stderr";
    const std::string program = std::string(WELLDATA_CLI_PREFIX) + "/bin/welldata";
    const pid_t child = fork();
    if (child == 0)
        RunChild(program, arguments, inputPath, outPath, errPath);
    CommandResult result;
    int status = 0;
    if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status))
        result.status = WEXITSTATUS(status);
    result.out = ReadFile(outPath);
    result.err = ReadFile(errPath);
    return result;
}

} // namespace cli_tests
