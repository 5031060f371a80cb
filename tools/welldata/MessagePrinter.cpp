#include "MessagePrinter.h"

#include "TerminalProgressBar.h"
#include "welldata/Utf8.h"

#include <cstdio>

namespace {

// The library's messages end their lines with CR LF; a terminal wants LF.
std::wstring PlainLines(const std::wstring& text) {
    std::wstring lines;
    for (wchar_t c : text) {
        if (c != L'\r')
            lines += c;
    }
    while (!lines.empty() && (lines.back() == L'\n' || lines.back() == L' '))
        lines.pop_back();
    return lines;
}

// The lines after the first are indented under the "welldata: file: " prefix.
std::wstring Indented(const std::wstring& lines) {
    std::wstring indented;
    for (wchar_t c : lines) {
        indented += c;
        if (c == L'\n')
            indented += L"  ";
    }
    return indented;
}

} // namespace

MessagePrinter::MessagePrinter(TerminalProgressBar* progress) : m_progress(progress) {
    m_previous = welldata::SetMessageHandler(
        [this](const welldata::MessageRequest& request) { return OnMessage(request); });
}

MessagePrinter::~MessagePrinter() {
    welldata::SetMessageHandler(m_previous);
}

void MessagePrinter::SetFile(const std::wstring& file) {
    m_file = file;
    m_count = 0;
    m_last.clear();
}

void MessagePrinter::Print(const std::wstring& text) {
    if (m_progress != nullptr)
        m_progress->Erase();
    std::wstring line = L"welldata: ";
    if (!m_file.empty())
        line += m_file + L": ";
    m_last = PlainLines(text);
    line += Indented(m_last) + L"\n";
    std::fputs(welldata::ToUtf8(line).c_str(), stderr);
    std::fflush(stderr);
    ++m_count;
}

void MessagePrinter::Print(const std::string& utf8) {
    Print(welldata::FromUtf8(utf8));
}

void MessagePrinter::BeginCapture() {
    m_capturing = true;
    m_captured.clear();
}

std::wstring MessagePrinter::EndCapture() {
    m_capturing = false;
    return PlainLines(m_captured);
}

welldata::MessageResult MessagePrinter::OnMessage(const welldata::MessageRequest& request) {
    if (m_capturing)
        m_captured += (m_captured.empty() ? L"" : L"\n") + request.text;
    else
        Print(request.text);
    return request.buttons == welldata::MessageButtons::YesNo ? welldata::MessageResult::Yes
                                                              : welldata::MessageResult::Ok;
}
