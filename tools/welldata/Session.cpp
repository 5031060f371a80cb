#include "Commands.h"

#include "welldata/CodePage.h"
#include "welldata/Utf8.h"

#if defined(WELLDATA_WITH_PLOT)
#include "LogPlotter.h"
#endif

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <regex>
#include <stdexcept>
#include <unistd.h>

namespace {

const wchar_t* const kStandardInputName = L"(standard input)";
// Cells of a failure's reason in the closing list; the whole reason was shown
// when the file failed.
constexpr size_t kReasonWidth = 120;

// A message on one line: its white space runs become single blanks.
std::wstring OneLine(const std::wstring& text) {
    std::wstring line = std::regex_replace(text, std::wregex(L"\\s+"), L" ");
    line.erase(0, line.find_first_not_of(L' '));
    return line.erase(line.find_last_not_of(L' ') + 1);
}

// "plot.png" with "-<stem of file>" inserted before its extension.
std::string PlotPathFor(const std::string& plotPath, const std::wstring& file) {
    std::filesystem::path path(plotPath);
    const std::string stem = std::filesystem::path(welldata::ToUtf8(file)).stem().string();
    return path.replace_filename(path.stem().string() + "-" + stem + path.extension().string());
}

// Standard input saved to a scratch file: the library reads files by name.
std::wstring SaveStandardInput() {
    const char* folder = std::getenv("TMPDIR");
    std::string name = std::string(folder != nullptr && *folder != '\0' ? folder : "/tmp") +
                       "/welldata-stdin-XXXXXX";
    const int descriptor = mkstemp(name.data());
    if (descriptor >= 0)
        close(descriptor);
    std::ofstream copy(name, std::ios::binary);
    if (std::cin.peek() != std::char_traits<char>::eof())
        copy << std::cin.rdbuf();
    if (descriptor < 0 || !copy.flush()) {
        std::remove(name.c_str());
        throw std::runtime_error("cannot save standard input to '" + name + "'");
    }
    return welldata::FromUtf8(name);
}

} // namespace

int LoadCommand::Run(const Arguments& arguments) {
    m_arguments = &arguments;
    common::Check(arguments);
    ReadOptions(arguments);
    const std::vector<std::string>& files = arguments.Operands();
    if (files.empty())
        throw UsageError("no file given");
    if (std::count(files.begin(), files.end(), "-") > 1)
        throw UsageError("standard input ('-') can be read only once");
    ApplySettingsFile(arguments.Value("settings"));
    Session session(arguments, files.size());
    for (size_t index = 0; index < files.size(); ++index) {
        const std::wstring path = session.BeginFile(files[index], index);
        try {
            LoadFile(path, session);
        } catch (const LoadProblem& problem) {
            session.Failed(welldata::FromUtf8(problem.what()));
        }
    }
    return session.Finish();
}

#if defined(WELLDATA_WITH_PLOT)
struct Session::Plotter {
    logplot::LogPlotter plotter;
};
#else
struct Session::Plotter {};
#endif

Session::Session(const Arguments& arguments, size_t fileCount)
    : m_arguments(arguments), m_fileCount(fileCount),
      m_progress(arguments.Has("quiet") ||
                         (!arguments.Has("progress") && isatty(STDERR_FILENO) == 0)
                     ? nullptr
                     : std::make_unique<TerminalProgressBar>()),
      m_messages(m_progress.get()), m_writer(ReportWriter::Create(arguments)) {}

Session::~Session() {
    if (!m_standardInput.empty())
        std::remove(welldata::ToUtf8(m_standardInput).c_str());
}

std::wstring Session::BeginFile(const std::string& operand, size_t index) {
    std::wstring path = welldata::FromUtf8(operand);
    m_fileName = path;
    if (operand == "-") {
        if (m_standardInput.empty())
            m_standardInput = SaveStandardInput();
        path = m_standardInput;
        m_fileName = kStandardInputName;
    }
    welldata::SetDataCodePage(common::CodePageFor(m_arguments, path));
    m_messages.SetFile(m_fileName);
    m_report.reset();
    if (m_progress) {
        std::wstring label = std::filesystem::path(m_fileName).filename().wstring();
        if (m_fileCount > 1)
            label = L"[" + std::to_wstring(index + 1) + L"/" + std::to_wstring(m_fileCount) +
                    L"] " + label;
        m_progress->SetLabel(label);
    }
    return path;
}

bool Session::Preview(const std::wstring& path, welldata::TableKind kind,
                      welldata::TablePreview& preview) {
    preview = welldata::PreviewTable(path, kind);
    if (!preview.report.IsText())
        Failed(welldata::DescribeLoadReport(preview.report).front());
    else if (preview.failure.Failed())
        Failed(preview.failure);
    return preview.report.IsText() && !preview.failure.Failed();
}

bool Session::Accept(const CLoadData& data) {
    m_report = data.GetLoadReport();
    const std::vector<std::wstring> findings = welldata::DescribeLoadReport(*m_report);
    if (!m_report->IsText()) {
        Failed(findings.front());
        return false;
    }
    for (const std::wstring& finding : findings)
        m_messages.Print(finding);
    if (!m_arguments.Has("strict") || !m_report->ChangedCells())
        return true;
    Failed(L"--strict: the load moved, dropped or read cells as 0");
    return false;
}

void Session::Loaded(Table table, [[maybe_unused]] const COMMON::STRUCT_WELL_CURVE* log) {
    if (m_progress)
        m_progress->Erase(); // before the results, which may go to the same terminal
    if (const std::wstring units = welldata::DescribeUnitsNotHeld(table.columns); !units.empty())
        m_messages.Print(units);
    table.report = m_report;
#if defined(WELLDATA_WITH_PLOT)
    const std::string plotPath = m_arguments.Value("plot").value_or("");
    if (!m_plotter && log != nullptr && !plotPath.empty())
        m_plotter = std::make_unique<Plotter>();
    std::string error;
    const std::string path = m_fileCount <= 1 ? plotPath : PlotPathFor(plotPath, table.file);
    if (m_plotter && log != nullptr &&
        !m_plotter->plotter.Plot(*log, table.file, welldata::FromUtf8(table.kind),
                                 common::PlotOptionsOf(m_arguments), path, error)) {
        m_messages.Print("cannot draw the plot: " + error);
        m_outputFailed = true;
    }
#endif
    m_writer->Add(std::move(table));
}

void Session::Failed(const welldata::LoadFailure& failure, const std::string& hint) {
    m_messages.PrintOnce(failure.message.empty() ? welldata::DescribeLoadError(failure.error)
                                                 : failure.message);
    if (!hint.empty())
        m_messages.Print(hint);
    m_failures.emplace_back(m_fileName, m_messages.LastMessage());
}

void Session::Failed(const std::wstring& reason) {
    m_messages.Print(reason);
    m_failures.emplace_back(m_fileName, m_messages.LastMessage());
}

int Session::Finish() {
    m_messages.SetFile(L""); // and the progress bar is erased before any message
    try {
        m_writer->Finish(m_failures);
    } catch (const std::runtime_error& failure) {
        m_messages.Print(failure.what());
        m_outputFailed = true;
    }
    if (!m_failures.empty() && m_fileCount > 1) {
        std::wstring list = std::to_wstring(m_failures.size()) + L" of " +
                            std::to_wstring(m_fileCount) + L" files could not be loaded:";
        for (const auto& [file, reason] : m_failures)
            list += L"\n" + file + L": " + terminal::Fit(OneLine(reason), kReasonWidth);
        m_messages.Print(list);
    }
    return m_failures.empty() && !m_outputFailed ? kExitSuccess : kExitLoadFailed;
}
