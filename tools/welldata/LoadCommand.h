// A subcommand that loads files: the shared loop that loads each file named on
// the command line, reports its tables, goes on after a file that fails and
// lists the failures at the end.
#pragma once

#include "Command.h"

#include <string>

class CDataFileReader;
class CommandOptions;
class LoadSession;
class TablePreview;

class LoadCommand : public Command {
public:
    using Command::Command;
    int Run(const ParsedArguments& arguments) override;

protected:
    // The options shared by all load commands, with --plot when `withPlot`.
    static void DeclareCommonOptions(ArgumentParser& parser, bool withPlot);

    // Reads the command's own options before anything is loaded; throws
    // UsageError for a wrong value.
    virtual void ReadOptions(const ParsedArguments& arguments) = 0;
    // Called once before the first file, with the number of files, and once
    // after the last.
    virtual void BeginFiles(LoadSession& session, size_t fileCount);
    virtual void EndFiles() {}
    // Loads the file at `path` and hands its tables to the session. Returns
    // false when the load failed and the library has said why; throws
    // LoadProblem when the command found out why.
    virtual bool LoadFile(const std::wstring& path, LoadSession& session) = 0;

    // For a loader that returned false: false when the library showed why,
    // otherwise throws LoadProblem with `silentReason`.
    static bool LoaderFailed(LoadSession& session, const std::string& silentReason);

    // Points `reader` at the table at `path`, with the session's progress bar,
    // and reads its preview; false when the reader could not.
    static bool OpenTable(const std::wstring& path, LoadSession& session, CDataFileReader& reader,
                          TablePreview& preview);
};
