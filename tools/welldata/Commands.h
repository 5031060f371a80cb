// The subcommands of welldata: main.cpp lists them, each family of commands
// lives in a file of its own. A command that loads files runs a session: each
// file named is loaded, its tables are reported (and plotted), a file that
// fails is reported and the run goes on, and the failures are listed at the end.
#pragma once

#include "Report.h"
#include "Terminal.h"
#include "welldata/CLoadData.h"
#include "welldata/LoadFailure.h"
#include "welldata/TablePreview.h"

#include <memory>
#include <utility>

enum ExitStatus : int {
    kExitSuccess = 0,
    kExitLoadFailed = 1, // a file could not be loaded, or an output not written
    kExitUsage = 2,      // the command line itself is wrong
};

class Command {
public:
    virtual ~Command() = default;
    // The whole text of "welldata NAME --help".
    virtual std::string Help() const = 0;
    virtual void Declare(Arguments& arguments) const = 0;
    // The exit status. Throws UsageError for a wrong command line and
    // std::runtime_error for a failure that stops the command.
    virtual int Run(const Arguments& arguments) = 0;
};

// The command of a family by its name.
std::unique_ptr<Command> MakeLasCommand(std::string_view name);    // LasCommand.cpp: las
std::unique_ptr<Command> MakeWellCommand(std::string_view name);   // log, path, heads
std::unique_ptr<Command> MakeCoreCommand(std::string_view name);   // core-analysis, -describe
std::unique_ptr<Command> MakeLookupCommand(std::string_view name); // curve-name, curve-units

class Session;

class LoadCommand : public Command {
public:
    int Run(const Arguments& arguments) final;

protected:
    // Reads (or checks) the command's own options before anything is loaded.
    virtual void ReadOptions(const Arguments&) {}
    // The command line, while the files load.
    const Arguments& Options() const { return *m_arguments; }
    // Loads one file and hands its tables to the session, or tells it why the
    // load failed; throws LoadProblem when the command finds out itself.
    virtual void LoadFile(const std::wstring& path, Session& session) = 0;

private:
    const Arguments* m_arguments = nullptr;
};

class Session {
public:
    // Opens the output (throws std::runtime_error when it cannot).
    Session(const Arguments& arguments, size_t fileCount);
    ~Session();

    size_t FileCount() const { return m_fileCount; }
    // The bar to hand to the library; null when none is shown.
    TerminalProgressBar* Progress() { return m_progress.get(); }
    MessagePrinter& Messages() { return m_messages; }

    // Prepares the load of the `index`-th file: the code page, the message
    // prefix, the progress label. Returns the path to read ("-" is standard
    // input, saved to a file first).
    std::wstring BeginFile(const std::string& operand, size_t index);
    // The file being loaded, as the user named it.
    const std::wstring& FileName() const { return m_fileName; }
    // The head of a table; false, with the failure reported, when unreadable.
    bool Preview(const std::wstring& path, welldata::TableKind kind,
                 welldata::TablePreview& preview);
    // Takes what the load did to the file's text: a file that is not text
    // fails, and with --strict one whose cells were moved, dropped or read as
    // 0; otherwise the findings are shown and go with the file's tables.
    bool Accept(const CLoadData& data);
    // Reports a table of the file, and plots `log` when a plot is asked for.
    void Loaded(Table table, const COMMON::STRUCT_WELL_CURVE* log = nullptr);
    // Shows the library's message (unless it has just shown it itself) and
    // then `hint`, the reason listed for the file when there is one.
    void Failed(const welldata::LoadFailure& failure, const std::string& hint = "");
    void Failed(const std::wstring& reason);
    // Lists the failures and completes the output; the exit status.
    int Finish();

private:
    const Arguments& m_arguments;
    size_t m_fileCount;
    std::unique_ptr<TerminalProgressBar> m_progress;
    MessagePrinter m_messages;
    std::unique_ptr<ReportWriter> m_writer;
    std::wstring m_standardInput; // the saved copy, once "-" has been read
    std::wstring m_fileName;
    std::optional<welldata::LoadReport> m_report; // of the file's load
    Failures m_failures;
    bool m_outputFailed = false;
    struct Plotter;
    std::unique_ptr<Plotter> m_plotter;
};
