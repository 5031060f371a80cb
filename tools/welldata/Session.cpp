#include "Session.h"

#include "welldata/CodePage.h"
#include "welldata/Utf8.h"

#if defined(WELLDATA_WITH_PLOT)
#include "LogPlotter.h"
#endif

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <unistd.h>

namespace {

const wchar_t* const kStandardInputName = L"(standard input)";
// Cells of a failure's reason in the closing list; the whole reason was shown
// when the file failed.
constexpr size_t kReasonWidth = 120;

// A message's lines, trimmed and joined by blanks.
std::wstring OneLine(const std::wstring& text) {
    std::wstring line;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = std::min(text.find(L'\n', start), text.size());
        std::wstring piece = text.substr(start, end - start);
        piece.erase(0, piece.find_first_not_of(L" \t\r"));
        piece.erase(piece.find_last_not_of(L" \t\r") + 1);
        if (!piece.empty())
            line += (line.empty() ? L"" : L" ") + piece;
        start = end + 1;
    }
    return line;
}

std::wstring FileNameOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"/\\");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

// "plot.png" with "-<stem of file>" inserted before its extension.
std::string PlotPathFor(const std::string& plotPath, const std::wstring& file) {
    std::string stem = welldata::ToUtf8(FileNameOf(file));
    const size_t stemDot = stem.find_last_of('.');
    if (stemDot != std::string::npos && stemDot > 0)
        stem.erase(stemDot);
    const size_t slash = plotPath.find_last_of('/');
    const size_t dot = plotPath.find_last_of('.');
    const size_t at = dot != std::string::npos && (slash == std::string::npos || dot > slash)
                          ? dot
                          : plotPath.size();
    return plotPath.substr(0, at) + "-" + stem + plotPath.substr(at);
}

// Standard input saved to a scratch file: the library reads files by name.
std::wstring SaveStandardInput() {
    const char* folder = std::getenv("TMPDIR");
    std::string name = std::string(folder != nullptr && *folder != '\0' ? folder : "/tmp") +
                       "/welldata-stdin-XXXXXX";
    const int descriptor = mkstemp(name.data());
    if (descriptor < 0)
        throw std::runtime_error(std::string("cannot save standard input: ") +
                                 std::strerror(errno));
    std::FILE* file = fdopen(descriptor, "wb");
    bool written = file != nullptr;
    char buffer[8192];
    for (size_t got; written && (got = std::fread(buffer, 1, sizeof buffer, stdin)) > 0;)
        written = std::fwrite(buffer, 1, got, file) == got;
    if (file == nullptr)
        close(descriptor);
    if ((file != nullptr && std::fclose(file) != 0) || !written) {
        std::remove(name.c_str());
        throw std::runtime_error("cannot save standard input to '" + name + "'");
    }
    return welldata::FromUtf8(name);
}

} // namespace

int LoadCommand::Run(const Arguments& arguments) {
    const CommonOptions options(arguments);
    ReadOptions(arguments);
    const std::vector<std::string>& files = arguments.Operands();
    if (files.empty())
        throw UsageError("no file given");
    if (std::count(files.begin(), files.end(), "-") > 1)
        throw UsageError("standard input ('-') can be read only once");
    ApplySettingsFile(options.settingsPath);
    Session session(options, files.size());
    BeginFiles(session);
    for (size_t index = 0; index < files.size(); ++index) {
        const std::wstring path = session.BeginFile(files[index], index);
        try {
            LoadFile(path, session);
        } catch (const LoadProblem& problem) {
            session.Failed(welldata::FromUtf8(problem.what()));
        }
        session.EndFile();
    }
    EndFiles();
    return session.Finish();
}

#if defined(WELLDATA_WITH_PLOT)
struct Session::Plotter {
    logplot::LogPlotter plotter;
};
#else
struct Session::Plotter {};
#endif

Session::Session(const CommonOptions& options, size_t fileCount)
    : m_options(options), m_fileCount(fileCount),
      m_progress(options.quiet || (!options.forceProgress && isatty(STDERR_FILENO) == 0)
                     ? nullptr
                     : std::make_unique<TerminalProgressBar>(stderr)),
      m_messages(m_progress.get()), m_output(options.outputPath),
      m_writer(ReportWriter::Create(options.format, m_output)) {}

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
    welldata::SetDataCodePage(m_options.CodePageFor(path));
    m_messages.SetFile(m_fileName);
    if (m_progress) {
        std::wstring label = FileNameOf(m_fileName);
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
    if (preview.failure.Failed())
        Failed(preview.failure);
    return !preview.failure.Failed();
}

void Session::Loaded(Table table, const COMMON::STRUCT_WELL_CURVE* log) {
    if (log != nullptr && !m_options.plotPath.empty())
        Plot(*log, table);
    m_writer->Add(std::move(table));
}

void Session::Plot([[maybe_unused]] const COMMON::STRUCT_WELL_CURVE& log,
                   [[maybe_unused]] const Table& table) {
#if defined(WELLDATA_WITH_PLOT)
    if (!m_plotter)
        m_plotter = std::make_unique<Plotter>();
    const std::string path =
        m_fileCount <= 1 ? m_options.plotPath : PlotPathFor(m_options.plotPath, table.file);
    std::string error;
    if (!m_plotter->plotter.Plot(log, table.file, welldata::FromUtf8(table.kind), path, error)) {
        m_messages.Print("cannot draw the plot: " + error);
        m_outputFailed = true;
    }
#endif
}

void Session::Failed(const welldata::LoadFailure& failure, const std::string& hint) {
    const std::wstring message =
        failure.message.empty() ? welldata::DescribeLoadError(failure.error) : failure.message;
    m_messages.PrintOnce(message);
    if (hint.empty()) {
        m_writer->AddFailure(m_fileName, m_messages.LastMessage());
        m_failures.emplace_back(m_fileName, m_messages.LastMessage());
    } else {
        Failed(welldata::FromUtf8(hint));
    }
}

void Session::Failed(const std::wstring& reason) {
    m_messages.Print(reason);
    m_writer->AddFailure(m_fileName, m_messages.LastMessage());
    m_failures.emplace_back(m_fileName, m_messages.LastMessage());
}

void Session::EndFile() {
    if (m_progress)
        m_progress->Erase();
    m_messages.SetFile(L"");
}

int Session::Finish() {
    m_writer->Finish();
    try {
        m_output.Close();
    } catch (const std::runtime_error& failure) {
        m_messages.Print(failure.what());
        m_outputFailed = true;
    }
    if (!m_failures.empty() && m_fileCount > 1) {
        std::wstring list = std::to_wstring(m_failures.size()) + L" of " +
                            std::to_wstring(m_fileCount) + L" files could not be loaded:";
        for (const auto& [file, reason] : m_failures)
            list += L"\n" + file + L": " + terminal::KeepStart(OneLine(reason), kReasonWidth);
        m_messages.Print(list);
    }
    return m_failures.empty() && !m_outputFailed ? kExitSuccess : kExitLoadFailed;
}
