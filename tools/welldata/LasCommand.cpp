#include "LasCommand.h"

#include "ArgumentParser.h"
#include "CommandOptions.h"
#include "CoorUnitName.h"
#include "LoadProblem.h"
#include "LoadSession.h"
#include "RecordTables.h"
#include "TerminalUnitPrompt.h"
#include "UsageError.h"
#include "reader/CDataFileReader.h"
#include "welldata/CLoadData.h"
#include "welldata/Utf8.h"

#include <algorithm>

LasCommand::LasCommand() : LoadCommand("las", "load LAS 2.0 files by name") {}
LasCommand::~LasCommand() = default;

std::string LasCommand::Help() const {
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
)") + CommandOptions::PlotHelp() +
           "\n" + CommandOptions::Help();
}

void LasCommand::DeclareOptions(ArgumentParser& parser) const {
    DeclareCommonOptions(parser, true);
    parser.AddValue("depth-unit");
    parser.AddValue("coord-unit");
}

LasCommand::UnitChoice LasCommand::ReadUnitChoice(const ParsedArguments& arguments,
                                                  const std::string& option) {
    UnitChoice choice;
    if (const auto value = arguments.Value(option)) {
        if (*value == "ask")
            choice.ask = true;
        else
            choice.unit = CoorUnitName::Parse(*value, option);
    }
    return choice;
}

void LasCommand::ReadOptions(const ParsedArguments& arguments) {
    m_coorChoice = ReadUnitChoice(arguments, "coord-unit");
    m_depthChoice = ReadUnitChoice(arguments, "depth-unit");
    const bool asks = m_coorChoice.ask || m_depthChoice.ask;
    const auto& files = arguments.Operands();
    if (asks && std::find(files.begin(), files.end(), "-") != files.end())
        throw UsageError("'ask' reads its answers from standard input, which '-' reads as a file");
    if (!asks && (m_coorChoice.unit || m_depthChoice.unit)) {
        m_unitsSettled = true;
        m_coorUnit = m_coorChoice.unit.value_or(COMMON::COOR_UNIT_M);
        m_depthUnit = m_depthChoice.unit.value_or(COMMON::COOR_UNIT_M);
    }
}

void LasCommand::BeginFiles(LoadSession& session, size_t fileCount) {
    m_batch = fileCount > 1;
    if (m_coorChoice.ask || m_depthChoice.ask)
        m_prompt = std::make_unique<TerminalUnitPrompt>(m_coorChoice.unit, m_depthChoice.unit,
                                                        session.FileName(), session.ProgressBar());
}

void LasCommand::EndFiles() {
    m_prompt.reset();
}

bool LasCommand::LoadFile(const std::wstring& path, LoadSession& session) {
    CLoadData data(COMMON::LDT_WELL_DATA, session.Progress());
    data.SetIsBatchLoadFile(m_batch);
    data.SetWellCurveUnitsInfo(m_unitsSettled, m_coorUnit, m_depthUnit);
    std::wstring filePath = path;
    const bool loaded = data.ReadFile(filePath);
    data.GetWellCurveUnitsInfo(m_unitsSettled, m_coorUnit, m_depthUnit);
    if (!loaded) {
        if (m_batch && session.Messages().MessageCount() == 0)
            throw LoadProblem(welldata::ToUtf8(DiagnoseFailure(path, session)));
        return false;
    }
    DataTable table = RecordTables::WellLog(session.FileName(), "LAS well log", data.GetWellLog());
    AddUnitProperties(table);
    session.Loaded(std::move(table));
    return true;
}

void LasCommand::AddUnitProperties(DataTable& table) const {
    const auto addConverted = [&](const char* key, COMMON::ENUM_COOR_UNIT unit) {
        if (unit != COMMON::COOR_UNIT_M)
            table.AddProperty(key, welldata::FromUtf8(std::string(CoorUnitName::Text(unit)) +
                                                      ", converted to m"));
    };
    addConverted("depth_unit", m_depthUnit);
    addConverted("coordinate_unit", m_coorUnit);
}

std::wstring LasCommand::DiagnoseFailure(const std::wstring& path, LoadSession& session) {
    session.Messages().BeginCapture();
    CDataFileReader reader;
    reader.SetFilePath(path);
    reader.SetDataFormat(COMMON::WLDF_LAS);
    reader.SetHeaderRow(false);
    reader.EnsureSections();
    reader.Read(CDataFileReader::kReadAll);
    const std::wstring reason = session.Messages().EndCapture();
    // The reader fails silently only on a file without a line of text: an
    // empty file, or UTF-16, whose NUL bytes end every line.
    return reason.empty() ? L"the file holds no line of text (is it empty, or UTF-16?)" : reason;
}
