// The unit question of a LAS load asked on the terminal ("--depth-unit ask"):
// in which units the file's depth and coordinate curves are, and whether the
// answer holds for the files that follow. The question goes to standard error,
// the answers come from standard input; at its end the file's own units stay.
// While it lives it is the library's unit question handler.
#pragma once

#include "welldata/UnitQuestion.h"

#include <optional>
#include <string>

class TerminalProgressBar;

class TerminalUnitPrompt {
public:
    // A unit given instead of "ask" answers its half of the question without
    // asking. `fileName` names the file being loaded (it may change between
    // questions); `progress` is erased before asking.
    TerminalUnitPrompt(std::optional<COMMON::ENUM_COOR_UNIT> coorAnswer,
                       std::optional<COMMON::ENUM_COOR_UNIT> depthAnswer,
                       const std::wstring& fileName, TerminalProgressBar* progress);
    ~TerminalUnitPrompt();
    TerminalUnitPrompt(const TerminalUnitPrompt&) = delete;
    TerminalUnitPrompt& operator=(const TerminalUnitPrompt&) = delete;

private:
    bool Ask(welldata::UnitAnswer& answer);
    // Asks until a unit name or an empty line (the suggestion) comes; none at
    // the end of the input.
    std::optional<COMMON::ENUM_COOR_UNIT> AskUnit(const std::string& question,
                                                  COMMON::ENUM_COOR_UNIT suggestion);
    std::optional<bool> AskYesNo(const std::string& question);
    static std::optional<std::string> ReadLine();

    std::optional<COMMON::ENUM_COOR_UNIT> m_coorAnswer;
    std::optional<COMMON::ENUM_COOR_UNIT> m_depthAnswer;
    const std::wstring& m_fileName;
    TerminalProgressBar* m_progress;
    welldata::UnitQuestionHandler m_previous;
};
