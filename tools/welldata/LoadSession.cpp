#include "LoadSession.h"

#include "ExitStatus.h"
#include "StandardInputCopy.h"
#include "TerminalText.h"
#include "ToolFailure.h"
#include "platform/WideText.h"
#include "welldata/CodePage.h"
#include "welldata/Utf8.h"

#if defined(WELLDATA_WITH_PLOT)
#include "LogPlotter.h"
#endif

#include <algorithm>
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
        const std::wstring piece =
            welldata::Trim(std::wstring_view(text).substr(start, end - start));
        if (!piece.empty())
            line += (line.empty() ? L"" : L" ") + piece;
        start = end + 1;
    }
    return line;
}

std::unique_ptr<TerminalProgressBar> MakeProgressBar(const CommandOptions& options) {
    if (options.Quiet() || (!options.ForcesProgress() && isatty(STDERR_FILENO) == 0))
        return nullptr;
    return std::make_unique<TerminalProgressBar>(stderr);
}

// "plot.png" with "-<stem>" inserted before the extension.
std::string InsertBeforeExtension(const std::string& path, const std::string& insert) {
    const size_t slash = path.find_last_of('/');
    const size_t dot = path.find_last_of('.');
    const size_t at =
        dot != std::string::npos && (slash == std::string::npos || dot > slash) ? dot : path.size();
    return path.substr(0, at) + insert + path.substr(at);
}

std::string FileStem(const std::wstring& file) {
    std::string name = welldata::ToUtf8(welldata::FileNameOf(file));
    const size_t dot = name.find_last_of('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

} // namespace

LoadSession::LoadSession(const CommandOptions& options, size_t fileCount)
    : m_options(options), m_fileCount(fileCount), m_progress(MakeProgressBar(options)),
      m_messages(m_progress.get()), m_output(options.OutputPath()),
      m_writer(ReportWriter::Create(options.Format(), m_output)) {}

LoadSession::~LoadSession() = default;

std::wstring LoadSession::BeginFile(const std::string& operand, size_t index) {
    std::wstring path;
    if (operand == "-") {
        if (!m_standardInput)
            m_standardInput = std::make_unique<StandardInputCopy>();
        path = m_standardInput->Path();
        m_fileName = kStandardInputName;
    } else {
        path = welldata::FromUtf8(operand);
        m_fileName = path;
    }
    welldata::SetDataCodePage(m_options.CodePageFor(path));
    m_messages.SetFile(m_fileName);
    if (m_progress) {
        std::wstring label = welldata::FileNameOf(m_fileName);
        if (m_fileCount > 1)
            label = L"[" + std::to_wstring(index + 1) + L"/" + std::to_wstring(m_fileCount) +
                    L"] " + label;
        m_progress->SetLabel(label);
    }
    return path;
}

void LoadSession::Loaded(DataTable table) {
    if (!m_options.PlotPath().empty() && table.IsLog())
        Plot(table);
    m_writer->Add(std::move(table));
}

void LoadSession::Failed(const std::wstring& reason) {
    std::wstring shown = reason;
    if (!reason.empty())
        m_messages.Print(reason);
    else
        shown = m_messages.MessageCount() > 0 ? m_messages.LastMessage()
                                              : L"the file could not be loaded";
    if (m_messages.MessageCount() == 0)
        m_messages.Print(shown);
    m_writer->AddFailure(m_fileName, shown);
    m_failures.emplace_back(m_fileName, shown);
}

void LoadSession::EndFile() {
    if (m_progress)
        m_progress->Erase();
    m_messages.SetFile(L"");
}

void LoadSession::Plot(const DataTable& table) {
#if defined(WELLDATA_WITH_PLOT)
    if (!m_plotter)
        m_plotter = std::make_unique<LogPlotter>();
    std::string error;
    if (!m_plotter->Plot(table, PlotPathFor(table.file), error)) {
        m_messages.Print("cannot draw the plot: " + error);
        m_outputFailed = true;
    }
#else
    (void)table;
#endif
}

std::string LoadSession::PlotPathFor(const std::wstring& file) const {
    if (m_fileCount <= 1)
        return m_options.PlotPath();
    return InsertBeforeExtension(m_options.PlotPath(), "-" + FileStem(file));
}

int LoadSession::Finish() {
    m_writer->Finish();
    try {
        m_output.Close();
    } catch (const ToolFailure& failure) {
        m_messages.Print(failure.what());
        m_outputFailed = true;
    }
    if (!m_failures.empty() && m_fileCount > 1) {
        std::wstring list = std::to_wstring(m_failures.size()) + L" of " +
                            std::to_wstring(m_fileCount) + L" files could not be loaded:";
        for (const auto& [file, reason] : m_failures)
            list += L"\n" + file + L": " + TerminalText::KeepStart(OneLine(reason), kReasonWidth);
        m_messages.Print(list);
    }
    return m_failures.empty() && !m_outputFailed ? kExitSuccess : kExitLoadFailed;
}
