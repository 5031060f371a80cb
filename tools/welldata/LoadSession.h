// One run of a load command over its files: the output and its writer, the
// messages, the progress bar, the plots, and the list of files that failed.
#pragma once

#include "CommandOptions.h"
#include "DataTable.h"
#include "MessagePrinter.h"
#include "OutputStream.h"
#include "ReportWriter.h"
#include "TerminalProgressBar.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

class LogPlotter;
class StandardInputCopy;

class LoadSession {
public:
    // Opens the output (throws ToolFailure when it cannot) for `fileCount` files.
    LoadSession(const CommandOptions& options, size_t fileCount);
    ~LoadSession();
    LoadSession(const LoadSession&) = delete;
    LoadSession& operator=(const LoadSession&) = delete;

    // The bar to hand to the library; null when no bar is shown.
    CProgressCtrl* Progress() { return m_progress.get(); }
    TerminalProgressBar* ProgressBar() { return m_progress.get(); }
    MessagePrinter& Messages() { return m_messages; }

    // Prepares the load of `operand` (the `index`-th of the files, from 0):
    // sets the code page, the message prefix and the progress label, and
    // returns the path to read ("-" is standard input, saved to a file).
    std::wstring BeginFile(const std::string& operand, size_t index);
    // The file being loaded, as the user named it.
    const std::wstring& FileName() const { return m_fileName; }
    // Reports a table of the file (and draws it when a plot is asked for).
    void Loaded(DataTable table);
    // The file failed: `reason` is shown unless empty (then the last message
    // about the file is the reason).
    void Failed(const std::wstring& reason);
    void EndFile();

    // Lists the failures, completes the output; the exit status.
    int Finish();

private:
    void Plot(const DataTable& table);
    std::string PlotPathFor(const std::wstring& file) const;

    const CommandOptions& m_options;
    size_t m_fileCount;
    std::unique_ptr<TerminalProgressBar> m_progress;
    MessagePrinter m_messages;
    OutputStream m_output;
    std::unique_ptr<ReportWriter> m_writer;
    std::unique_ptr<StandardInputCopy> m_standardInput;
    std::unique_ptr<LogPlotter> m_plotter;
    std::wstring m_fileName;
    std::vector<std::pair<std::wstring, std::wstring>> m_failures;
    bool m_outputFailed = false;
};
