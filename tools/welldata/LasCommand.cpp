// welldata las FILE...: loads LAS 2.0 files by name with every curve they
// hold, one load object per file as a host does it, carrying the unit answer
// from file to file.
#include "Commands.h"
#include "welldata/CLoadData.h"
#include "welldata/UnitQuestion.h"
#include "welldata/Utf8.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

// A line of standard input without its blanks; none at the end of the input.
std::optional<std::string> ReadAnswer() {
    std::string line;
    char buffer[256];
    while ((line.empty() || line.back() != '\n') &&
           std::fgets(buffer, sizeof buffer, stdin) != nullptr)
        line += buffer;
    if (line.empty()) {
        terminal::Say("\n");
        return std::nullopt;
    }
    line.erase(0, line.find_first_not_of(" \t\r\n"));
    return line.erase(line.find_last_not_of(" \t\r\n") + 1);
}

// Asks until a unit name or an empty line (the suggestion) comes.
std::optional<COMMON::ENUM_COOR_UNIT> AskUnit(const std::string& question,
                                              COMMON::ENUM_COOR_UNIT suggestion) {
    for (;;) {
        terminal::Say(question + " (" + kUnitNames + ") [" + UnitName(suggestion) + "]: ");
        const auto text = ReadAnswer();
        if (!text || text->empty())
            return text ? std::optional(suggestion) : std::nullopt;
        if (COMMON::ENUM_COOR_UNIT unit; welldata::FindCoorUnit(welldata::FromUtf8(*text), unit))
            return unit;
        terminal::Say("Unknown unit '" + *text + "'.\n");
    }
}

std::optional<bool> AskYesNo(const std::string& question) {
    for (;;) {
        terminal::Say(question + " [y/N]: ");
        const auto text = ReadAnswer();
        if (!text || text->empty() || *text == "n" || *text == "N" || *text == "no")
            return text ? std::optional(false) : std::nullopt;
        if (*text == "y" || *text == "Y" || *text == "yes")
            return true;
    }
}

class LasCommand : public LoadCommand {
public:
    std::string Help() const override {
        return std::string(R"(usage: welldata las [options] FILE...

Loads LAS 2.0 files by name with every curve, as a host does with
CLoadData::ReadFile. Several files load in batch mode: a failure is reported,
the load goes on, and the failures are listed at the end.

  --depth-unit U     the unit of the depth curves (DEPTH, TVD, Z, MD) and
  --coord-unit U     of the coordinate curves (X, Y, DX, DY): m, in, ft, dm, cm
                     for every file (the other one m), or ask: on the
                     terminal, for each file declaring a unit other than m,
                     the answer may hold for the files that follow. By default
                     the declared units (F foot, I inch, D decimetre,
                     C centimetre, anything else metre). Converted to metres.
  --header           show the header sections (~V, ~W, ~C, ~P ...): each
                     line's mnemonic, unit, value and description
)") + common::PlotHelp() +
               "\n" + common::Help();
    }

    void Declare(Arguments& arguments) const override {
        common::Declare(arguments, true, "header", "depth-unit coord-unit");
    }

protected:
    void ReadOptions(const Arguments& arguments) override {
        // A unit given with the other one "ask" answers its half of the question.
        m_askCoor = arguments.Value("coord-unit") == "ask";
        m_askDepth = arguments.Value("depth-unit") == "ask";
        m_coorAnswer = m_askCoor ? std::nullopt : UnitOption(arguments, "coord-unit");
        m_depthAnswer = m_askDepth ? std::nullopt : UnitOption(arguments, "depth-unit");
        if (arguments.Has("header") && arguments.Has("csv"))
            throw UsageError("--header shows in the summary and in JSON, not in CSV");
        const auto& files = arguments.Operands();
        if ((m_askCoor || m_askDepth) && std::find(files.begin(), files.end(), "-") != files.end())
            throw UsageError(
                "'ask' reads its answers from standard input, which '-' reads as a file");
        m_unitsSettled = !m_askCoor && !m_askDepth && (m_coorAnswer || m_depthAnswer);
        m_coorUnit =
            m_unitsSettled ? m_coorAnswer.value_or(COMMON::COOR_UNIT_M) : COMMON::COOR_UNIT_M;
        m_depthUnit =
            m_unitsSettled ? m_depthAnswer.value_or(COMMON::COOR_UNIT_M) : COMMON::COOR_UNIT_M;
    }

    void LoadFile(const std::wstring& path, Session& session) override {
        if ((m_askCoor || m_askDepth) && !m_question)
            m_question.emplace([this, &session](const std::wstring&, welldata::UnitAnswer& answer) {
                return Ask(session, answer);
            });
        CLoadData data(COMMON::LDT_WELL_DATA, session.Progress());
        // In a batch the library shows nothing; the failure says why.
        data.SetIsBatchLoadFile(session.FileCount() > 1);
        data.SetWellCurveUnitsInfo(m_unitsSettled, m_coorUnit, m_depthUnit);
        const bool loaded = data.ReadFile(path);
        data.GetWellCurveUnitsInfo(m_unitsSettled, m_coorUnit, m_depthUnit);
        if (!loaded && data.GetLoadReport().IsText())
            return session.Failed(data.GetLastFailure());
        if (!session.Accept(data)) // a file that is not text fails for that
            return;
        if (data.GetWellLog().lstCurves.empty())
            throw LoadProblem("the file declares no curves: its ~C section is empty");
        Table table(session.FileName(), "LAS well log", "curves", "samples",
                    welldata::LogColumns(data.GetWellLog(), data.GetLoadReport(), true, false));
        for (const auto& [key, unit] :
             {std::pair("depth_unit", m_depthUnit), std::pair("coordinate_unit", m_coorUnit)}) {
            if (unit != COMMON::COOR_UNIT_M)
                table.AddProperty(key, ConvertedUnit(unit));
        }
        if (Options().Has("header"))
            table.header = data.GetLasHeader();
        session.Loaded(std::move(table), &data.GetWellLog());
    }

private:
    // The unit question on the terminal: to standard error, the answers from
    // standard input; at the end of the input the file's own units stay.
    bool Ask(Session& session, welldata::UnitAnswer& answer) {
        if (session.Progress() != nullptr)
            session.Progress()->Erase();
        terminal::Say(welldata::ToUtf8(session.FileName()) + ": the file's depth unit is " +
                      UnitName(answer.depthUnit) + ", its coordinate unit " +
                      UnitName(answer.coorUnit) + "; values are converted to m.\n");
        const auto depth = m_depthAnswer ? m_depthAnswer : AskUnit("Depth unit", answer.depthUnit);
        const auto coor = !depth         ? std::nullopt
                          : m_coorAnswer ? m_coorAnswer
                                         : AskUnit("Coordinate unit", answer.coorUnit);
        const auto same =
            coor ? AskYesNo("Same units in all following files, ask no more?") : std::nullopt;
        if (same)
            answer = {*coor, *depth, *same};
        return same.has_value();
    }

    bool m_askCoor = false;
    bool m_askDepth = false;
    std::optional<COMMON::ENUM_COOR_UNIT> m_coorAnswer;
    std::optional<COMMON::ENUM_COOR_UNIT> m_depthAnswer;
    // The unit answer carried from one load object to the next.
    bool m_unitsSettled = false;
    COMMON::ENUM_COOR_UNIT m_coorUnit = COMMON::COOR_UNIT_M;
    COMMON::ENUM_COOR_UNIT m_depthUnit = COMMON::COOR_UNIT_M;
    std::optional<welldata::ScopedUnitQuestionHandler> m_question;
};

} // namespace

std::unique_ptr<Command> MakeLasCommand(std::string_view) {
    return std::make_unique<LasCommand>();
}
