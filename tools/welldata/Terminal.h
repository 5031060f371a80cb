// What the command shows on the terminal's standard error: the library's
// messages and its own, the progress bar the library drives, and the unit
// question of a LAS load asked as text. Texts are laid out in character
// cells, where CJK characters take two.
#pragma once

#include "welldata/CProgressCtrl.h"
#include "welldata/MessageBox.h"
#include "welldata/UnitQuestion.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace terminal {

// Cells `text` takes: 2 for East Asian wide characters, 0 for combining marks.
size_t Width(std::wstring_view text);
// `text` with blanks added up to `width` cells, on the right or the left.
std::wstring PadRight(std::wstring_view text, size_t width);
std::wstring PadLeft(std::wstring_view text, size_t width);
// The end (or the start) of `text` that fits in `width` cells, "..." where cut.
std::wstring KeepEnd(std::wstring_view text, size_t width);
std::wstring KeepStart(std::wstring_view text, size_t width);

} // namespace terminal

// One line on the terminal: a label (the file being loaded), a bar and a
// percentage, redrawn only when the percentage changes and erased before
// anything else is written.
class TerminalProgressBar : public CProgressCtrl {
public:
    explicit TerminalProgressBar(std::FILE* terminal) : m_terminal(terminal) {}
    ~TerminalProgressBar() override { Erase(); }

    void SetLabel(const std::wstring& label);
    void Erase();

    void SetRange(int lower, int upper) override;
    void GetRange(int& lower, int& upper) const override;
    void SetStep(int step) override { m_step = step; }
    void SetPos(int position) override;
    void StepIt() override;
    bool HasWindow() const override { return true; }

private:
    void Draw();

    std::FILE* m_terminal;
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
    void SetFile(const std::wstring& file);
    // The last message shown since SetFile; empty when none was.
    const std::wstring& LastMessage() const { return m_last; }

    void Print(const std::wstring& text);
    void Print(const std::string& utf8);
    // Prints `text` unless it is the last message shown since SetFile (the
    // library has just shown it).
    void PrintOnce(const std::wstring& text);

private:
    TerminalProgressBar* m_progress;
    std::wstring m_file;
    std::wstring m_last;
    welldata::ScopedMessageHandler m_handler;
};

// The unit question asked on the terminal ("--depth-unit ask"): the question
// goes to standard error, the answers come from standard input; at the end of
// the input the file's own units stay. While it lives it is the library's
// unit question handler.
class TerminalUnitPrompt {
public:
    // A unit given instead of "ask" answers its half without asking.
    // `fileName` names the file being loaded (it changes between questions).
    TerminalUnitPrompt(std::optional<COMMON::ENUM_COOR_UNIT> coorAnswer,
                       std::optional<COMMON::ENUM_COOR_UNIT> depthAnswer,
                       const std::wstring& fileName, TerminalProgressBar* progress);

private:
    bool Ask(welldata::UnitAnswer& answer);
    std::optional<COMMON::ENUM_COOR_UNIT> AskUnit(const std::string& question,
                                                  COMMON::ENUM_COOR_UNIT suggestion);
    std::optional<bool> AskYesNo(const std::string& question);

    std::optional<COMMON::ENUM_COOR_UNIT> m_coorAnswer;
    std::optional<COMMON::ENUM_COOR_UNIT> m_depthAnswer;
    const std::wstring& m_fileName;
    TerminalProgressBar* m_progress;
    welldata::ScopedUnitQuestionHandler m_handler;
};
