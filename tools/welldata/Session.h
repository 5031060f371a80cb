// The commands that load files, and one run of such a command: each file named
// on the command line is loaded, its tables are reported (and plotted), a file
// that fails is reported and the run goes on, and the failures are listed at
// the end.
#pragma once

#include "Commands.h"
#include "Terminal.h"
#include "Writers.h"
#include "welldata/LoadFailure.h"
#include "welldata/TablePreview.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

class Session;

class LoadCommand : public Command {
public:
    int Run(const Arguments& arguments) final;

protected:
    // Reads the command's own options before anything is loaded; throws
    // UsageError for a wrong value.
    virtual void ReadOptions(const Arguments& arguments) = 0;
    // Called once before the first file and once after the last.
    virtual void BeginFiles(Session&) {}
    virtual void EndFiles() {}
    // Loads the file at `path` and hands its tables to the session, or tells
    // it why the load failed. Throws LoadProblem when the command finds out.
    virtual void LoadFile(const std::wstring& path, Session& session) = 0;
};

class Session {
public:
    // Opens the output (throws std::runtime_error when it cannot).
    Session(const CommonOptions& options, size_t fileCount);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    size_t FileCount() const { return m_fileCount; }
    // The bar to hand to the library; null when none is shown.
    TerminalProgressBar* Progress() { return m_progress.get(); }
    MessagePrinter& Messages() { return m_messages; }

    // Prepares the load of the `index`-th file (from 0): the code page, the
    // message prefix, the progress label; returns the path to read ("-", the
    // standard input, is saved to a file first).
    std::wstring BeginFile(const std::string& operand, size_t index);
    // The file being loaded, as the user named it.
    const std::wstring& FileName() const { return m_fileName; }
    // Reads the head of the table at `path`; false, with the failure shown,
    // when it cannot be read.
    bool Preview(const std::wstring& path, welldata::TableKind kind,
                 welldata::TablePreview& preview);
    // Reports a table of the file, and plots a log when a plot is asked for.
    void Loaded(Table table, const COMMON::STRUCT_WELL_CURVE* log = nullptr);
    // The load failed: shows the library's message (unless it just showed it
    // itself) and then `hint`, and lists the file with the hint as the reason,
    // or the message when there is no hint.
    void Failed(const welldata::LoadFailure& failure, const std::string& hint = "");
    void Failed(const std::wstring& reason);
    void EndFile();

    // Lists the failures, completes the output; the exit status.
    int Finish();

private:
    void Plot(const COMMON::STRUCT_WELL_CURVE& log, const Table& table);

    const CommonOptions& m_options;
    size_t m_fileCount;
    std::unique_ptr<TerminalProgressBar> m_progress;
    MessagePrinter m_messages;
    OutputStream m_output;
    std::unique_ptr<ReportWriter> m_writer;
    std::wstring m_standardInput; // the saved copy, once "-" has been read
    std::wstring m_fileName;
    std::vector<std::pair<std::wstring, std::wstring>> m_failures;
    bool m_outputFailed = false;
    struct Plotter;
    std::unique_ptr<Plotter> m_plotter;
};
