#include "TerminalUnitPrompt.h"

#include "CoorUnitName.h"
#include "TerminalProgressBar.h"
#include "welldata/Utf8.h"

#include <cstdio>

namespace {

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

void Say(const std::string& text) {
    std::fputs(text.c_str(), stderr);
    std::fflush(stderr);
}

} // namespace

TerminalUnitPrompt::TerminalUnitPrompt(std::optional<COMMON::ENUM_COOR_UNIT> coorAnswer,
                                       std::optional<COMMON::ENUM_COOR_UNIT> depthAnswer,
                                       const std::wstring& fileName, TerminalProgressBar* progress)
    : m_coorAnswer(coorAnswer), m_depthAnswer(depthAnswer), m_fileName(fileName),
      m_progress(progress) {
    m_previous = welldata::SetUnitQuestionHandler(
        [this](const std::wstring&, welldata::UnitAnswer& answer) { return Ask(answer); });
}

TerminalUnitPrompt::~TerminalUnitPrompt() {
    welldata::SetUnitQuestionHandler(m_previous);
}

bool TerminalUnitPrompt::Ask(welldata::UnitAnswer& answer) {
    if (m_progress != nullptr)
        m_progress->Erase();
    Say(welldata::ToUtf8(m_fileName) + ": the file's depth unit is " +
        CoorUnitName::Text(answer.depthUnit) + ", its coordinate unit " +
        CoorUnitName::Text(answer.coorUnit) + "; values are converted to m.\n");
    const auto depth = m_depthAnswer ? m_depthAnswer : AskUnit("Depth unit", answer.depthUnit);
    if (!depth)
        return false;
    const auto coor = m_coorAnswer ? m_coorAnswer : AskUnit("Coordinate unit", answer.coorUnit);
    if (!coor)
        return false;
    const auto same = AskYesNo("Same units in all following files, ask no more?");
    if (!same)
        return false;
    answer.depthUnit = *depth;
    answer.coorUnit = *coor;
    answer.dontAskAgain = *same;
    return true;
}

std::optional<COMMON::ENUM_COOR_UNIT>
TerminalUnitPrompt::AskUnit(const std::string& question, COMMON::ENUM_COOR_UNIT suggestion) {
    for (;;) {
        Say(question + " (" + CoorUnitName::Choices() + ") [" + CoorUnitName::Text(suggestion) +
            "]: ");
        const auto line = ReadLine();
        if (!line)
            return std::nullopt;
        const std::string text = Trimmed(*line);
        if (text.empty())
            return suggestion;
        if (const auto unit = CoorUnitName::Find(text))
            return unit;
        Say("Unknown unit '" + text + "'.\n");
    }
}

std::optional<bool> TerminalUnitPrompt::AskYesNo(const std::string& question) {
    for (;;) {
        Say(question + " [y/N]: ");
        const auto line = ReadLine();
        if (!line)
            return std::nullopt;
        const std::string text = Trimmed(*line);
        if (text.empty() || text == "n" || text == "N" || text == "no")
            return false;
        if (text == "y" || text == "Y" || text == "yes")
            return true;
    }
}

std::optional<std::string> TerminalUnitPrompt::ReadLine() {
    std::string line;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, stdin) != nullptr) {
        line += buffer;
        if (!line.empty() && line.back() == '\n')
            return line;
    }
    if (line.empty()) {
        Say("\n");
        return std::nullopt;
    }
    return line;
}
