// welldata las FILE...: loads LAS 2.0 files by name with every curve they
// hold, one load object per file as a host does it, carrying the unit answer
// from file to file.
#include "Session.h"
#include "welldata/CLoadData.h"
#include "welldata/Utf8.h"

#include <algorithm>
#include <optional>

namespace {

// A unit option: a unit, "ask", or not given.
struct UnitChoice {
    bool ask = false;
    std::optional<COMMON::ENUM_COOR_UNIT> unit;
};

UnitChoice ReadUnitChoice(const Arguments& arguments, const std::string& option) {
    UnitChoice choice;
    choice.ask = arguments.Value(option) == "ask";
    if (!choice.ask)
        choice.unit = UnitOption(arguments, option);
    return choice;
}

class LasCommand : public LoadCommand {
public:
    std::string Help() const override {
        return std::string(R"(usage: welldata las [options] FILE...

Loads LAS 2.0 files by name with every curve they hold, as a host does with
CLoadData::ReadFile. Several files are loaded in batch mode: a file that fails
is reported, the load goes on, and the failures are listed at the end.

Units of depth curves (DEPTH, TVD, Z, MD) and coordinate curves (X, Y, DX, DY):
  --depth-unit U     the files' depth unit: m, in, ft, dm, cm, or ask
  --coord-unit U     the files' coordinate unit: m, in, ft, dm, cm, or ask
                     Without them each file's declared units are taken (by
                     their first letter: F foot, I inch, D decimetre,
                     C centimetre, anything else metre). A unit given replaces
                     the declared ones in every file (the other one is m).
                     'ask' asks on the terminal, for each file that declares
                     a unit other than m, offering the declared units; the
                     answer may hold for the following files. Depth and
                     coordinate curves are converted to metres.
  --header           also show the header sections (~V, ~W, ~C, ~P ...): each
                     line's mnemonic, unit, value and description (in the
                     summary and in JSON)
)") + CommonOptions::PlotHelp() +
               "\n" + CommonOptions::Help();
    }

    void Declare(Arguments& arguments) const override {
        CommonOptions::Declare(arguments, true);
        arguments.AddValue("depth-unit");
        arguments.AddValue("coord-unit");
        arguments.AddFlag("header");
    }

protected:
    void ReadOptions(const Arguments& arguments) override {
        m_coorChoice = ReadUnitChoice(arguments, "coord-unit");
        m_depthChoice = ReadUnitChoice(arguments, "depth-unit");
        m_header = arguments.Has("header");
        if (m_header && arguments.Has("csv"))
            throw UsageError("--header shows in the summary and in JSON, not in CSV");
        const bool asks = m_coorChoice.ask || m_depthChoice.ask;
        const auto& files = arguments.Operands();
        if (asks && std::find(files.begin(), files.end(), "-") != files.end())
            throw UsageError(
                "'ask' reads its answers from standard input, which '-' reads as a file");
        if (!asks && (m_coorChoice.unit || m_depthChoice.unit)) {
            m_unitsSettled = true;
            m_coorUnit = m_coorChoice.unit.value_or(COMMON::COOR_UNIT_M);
            m_depthUnit = m_depthChoice.unit.value_or(COMMON::COOR_UNIT_M);
        }
    }

    void BeginFiles(Session& session) override {
        m_batch = session.FileCount() > 1;
        if (m_coorChoice.ask || m_depthChoice.ask)
            m_prompt.emplace(m_coorChoice.unit, m_depthChoice.unit, session.FileName(),
                             session.Progress());
    }

    void EndFiles() override { m_prompt.reset(); }

    void LoadFile(const std::wstring& path, Session& session) override {
        CLoadData data(COMMON::LDT_WELL_DATA, session.Progress());
        // In a batch the library shows nothing; the failure says why.
        data.SetIsBatchLoadFile(m_batch);
        data.SetWellCurveUnitsInfo(m_unitsSettled, m_coorUnit, m_depthUnit);
        const bool loaded = data.ReadFile(path);
        data.GetWellCurveUnitsInfo(m_unitsSettled, m_coorUnit, m_depthUnit);
        if (!loaded)
            return session.Failed(data.GetLastFailure());
        Table table = WellLogTable(session.FileName(), "LAS well log", data.GetWellLog());
        for (const auto& [key, unit] :
             {std::pair("depth_unit", m_depthUnit), std::pair("coordinate_unit", m_coorUnit)}) {
            if (unit != COMMON::COOR_UNIT_M)
                table.AddProperty(
                    key, welldata::FromUtf8(std::string(UnitName(unit)) + ", converted to m"));
        }
        if (m_header)
            table.header = data.GetLasHeader();
        session.Loaded(std::move(table), &data.GetWellLog());
    }

private:
    UnitChoice m_coorChoice;
    UnitChoice m_depthChoice;
    bool m_header = false;
    bool m_batch = false;
    // The unit answer carried from one load object to the next.
    bool m_unitsSettled = false;
    COMMON::ENUM_COOR_UNIT m_coorUnit = COMMON::COOR_UNIT_M;
    COMMON::ENUM_COOR_UNIT m_depthUnit = COMMON::COOR_UNIT_M;
    std::optional<TerminalUnitPrompt> m_prompt;
};

} // namespace

std::unique_ptr<Command> MakeLasCommand() {
    return std::make_unique<LasCommand>();
}
