// What the command shows on the terminal's standard error: the library's
// messages and its own, and the progress bar the library drives. Texts are
// laid out in character cells, where CJK characters take two.
#pragma once

#include "welldata/CProgressCtrl.h"
#include "welldata/MessageBox.h"
#include "welldata/Utf8.h"

#include <string>
#include <string_view>

namespace terminal {

// Cells `text` takes: 2 for East Asian wide characters, 0 for combining marks.
size_t Width(std::wstring_view text);
// `text` with blanks added up to `width` cells, on the right or the left.
std::wstring Pad(std::wstring_view text, size_t width, bool left = false);
// The start (or the end) of `text` that fits in `width` cells, "..." where cut.
std::wstring Fit(std::wstring_view text, size_t width, bool keepEnd = false);
// Writes `text` to standard error at once.
void Say(const std::string& text);

} // namespace terminal

// One line: a label (the file being loaded), a bar and a percentage, redrawn
// only when the percentage changes and erased before anything else is written.
class TerminalProgressBar : public CProgressCtrl {
public:
    ~TerminalProgressBar() override { Erase(); }

    void SetLabel(const std::wstring& label);
    void Erase();

    void SetRange(int lower, int upper) override {
        m_lower = lower;
        m_upper = upper;
        SetPos(m_position);
    }
    void GetRange(int& lower, int& upper) const override {
        lower = m_lower;
        upper = m_upper;
    }
    void SetStep(int step) override { m_step = step; }
    void SetPos(int position) override;
    void StepIt() override { SetPos(m_position + m_step); }
    bool HasWindow() const override { return true; }

private:
    std::wstring m_label;
    int m_lower = 0;
    int m_upper = 100;
    int m_step = 10;
    int m_position = 0;
    int m_drawnPercent = -1;
    bool m_shown = false;
};

// Messages on standard error, prefixed with the program and the file being
// loaded. While it lives it is the library's message handler.
class MessagePrinter {
public:
    // `progress`, when given, is erased before a message is written.
    explicit MessagePrinter(TerminalProgressBar* progress);

    // The file later messages are about; empty for none. Forgets the last.
    void SetFile(const std::wstring& file) {
        m_file = file;
        m_last.clear();
    }
    // The last message shown since SetFile.
    const std::wstring& LastMessage() const { return m_last; }

    void Print(const std::wstring& text);
    void Print(const std::string& utf8) { Print(welldata::FromUtf8(utf8)); }
    // Prints `text` unless the library has just shown it.
    void PrintOnce(const std::wstring& text);

private:
    TerminalProgressBar* m_progress;
    std::wstring m_file;
    std::wstring m_last;
    welldata::ScopedMessageHandler m_handler;
};
