#include "HeadsCommand.h"

#include "ArgumentParser.h"
#include "CommandOptions.h"
#include "CoorUnitName.h"
#include "LoadProblem.h"
#include "LoadSession.h"
#include "RecordTables.h"
#include "TablePreview.h"
#include "loaders/CWellHead.h"
#include "reader/CDataFileReader.h"
#include "settings/ColumnRecognizer.h"
#include "welldata/MessageBox.h"

namespace {

constexpr const char* kFieldOptions[] = {"name", "well-type", "x", "y", "top", "bottom", "kb"};
constexpr const char* kUnitOptions[] = {"x-unit", "y-unit", "kb-unit", "top-unit", "bottom-unit"};

} // namespace

std::string HeadsCommand::Help() const {
    return std::string(R"(usage: welldata heads [options] FILE...

Loads well head tables: a header line of column names, then one well per line.
Columns are given by 1-based number or by name; without an option a column is
recognised by its name through the settings file.

  --name COL         the well name (required)
  --x COL, --y COL   the well position (required)
  --kb COL           kelly-bushing elevation
  --well-type COL    well type (symbol)
  --top COL          wellhead depth
  --bottom COL       bottom depth
                     'none' leaves an optional column out
  --x-unit U, --y-unit U, --kb-unit U, --top-unit U, --bottom-unit U
                     the unit of each length in the file: m, in, ft, dm, cm;
                     values are converted to metres
  --coord-unit U     the unit of X and Y
  --depth-unit U     the unit of KB, top and bottom depth

)") + CommandOptions::Help();
}

void HeadsCommand::DeclareOptions(ArgumentParser& parser) const {
    DeclareCommonOptions(parser, false);
    for (const char* option : kFieldOptions)
        parser.AddValue(option);
    for (const char* option : kUnitOptions)
        parser.AddValue(option);
    parser.AddValue("coord-unit");
    parser.AddValue("depth-unit");
}

void HeadsCommand::ReadOptions(const ParsedArguments& arguments) {
    for (int field = 0; field < kFieldCount; ++field)
        m_columnOptions[field] = arguments.Value(kFieldOptions[field]);
    const auto unitOf = [&](const char* option) -> std::optional<COMMON::ENUM_COOR_UNIT> {
        if (const auto unit = arguments.Value(option))
            return CoorUnitName::Parse(*unit, option);
        return std::nullopt;
    };
    const auto coorUnit = unitOf("coord-unit");
    const auto depthUnit = unitOf("depth-unit");
    for (int length = 0; length < kLengthCount; ++length) {
        const bool coordinate = length == kXLength || length == kYLength;
        m_units[length] = unitOf(kUnitOptions[length]);
        if (!m_units[length])
            m_units[length] = coordinate ? coorUnit : depthUnit;
    }
}

std::array<int, HeadsCommand::kFieldCount>
HeadsCommand::FindColumns(const TablePreview& preview) const {
    ColumnRecognizer recognizer(WellAttributeSection::WellHead, false);
    const auto recognised = recognizer.FindColumns(preview.Names());
    std::array<int, kFieldCount> columns;
    for (int field = 0; field < kFieldCount; ++field) {
        if (m_columnOptions[field]) {
            columns[field] = preview.Find(*m_columnOptions[field], kFieldOptions[field]);
            continue;
        }
        // The settings ids 1 to 7 are the fields in order.
        const auto found = recognised.find(static_cast<unsigned int>(field + 1));
        columns[field] = found == recognised.end() ? -1 : found->second;
    }
    return columns;
}

void HeadsCommand::RequireColumn(int column, const wchar_t* message, const char* option,
                                 const TablePreview& preview) {
    if (column >= 0)
        return;
    welldata::ShowInformation(message);
    throw LoadProblem(std::string("give the column with --") + option + " (" +
                      preview.ColumnList() + ")");
}

bool HeadsCommand::LoadFile(const std::wstring& path, LoadSession& session) {
    CDataFileReader reader;
    TablePreview preview(false);
    if (!OpenTable(path, session, reader, preview))
        return false;
    const std::array<int, kFieldCount> columns = FindColumns(preview);
    RequireColumn(columns[kName], L"请指定井名称。", "name", preview);
    RequireColumn(columns[kX], L"请指定井的X坐标。", "x", preview);
    RequireColumn(columns[kY], L"请指定井的Y坐标。", "y", preview);

    std::list<COMMON::STRUCT_WELL_HEAD> heads;
    CWellHead loader(&reader, &heads);
    loader.SetNameColumn(columns[kName]);
    loader.SetXColumn(columns[kX]);
    loader.SetYColumn(columns[kY]);
    RecordTables::HeadFields used;
    used.wellType = columns[kWellType] >= 0;
    used.kb = columns[kKb] >= 0;
    used.topDepth = columns[kTop] >= 0;
    used.bottomDepth = columns[kBottom] >= 0;
    loader.SetSymbolUsed(used.wellType);
    loader.SetKBUsed(used.kb);
    loader.SetTopDepthUsed(used.topDepth);
    loader.SetBottomDepthUsed(used.bottomDepth);
    loader.SetSymbolColumn(columns[kWellType]);
    loader.SetKBColumn(columns[kKb]);
    loader.SetTopDepthColumn(columns[kTop]);
    loader.SetBottomDepthColumn(columns[kBottom]);
    bool unitsChosen = false;
    for (const auto& unit : m_units)
        unitsChosen = unitsChosen || unit.has_value();
    loader.SetUnitsChosen(unitsChosen);
    loader.SetXUnit(m_units[kXLength].value_or(COMMON::COOR_UNIT_M));
    loader.SetYUnit(m_units[kYLength].value_or(COMMON::COOR_UNIT_M));
    loader.SetKBUnit(m_units[kKbLength].value_or(COMMON::COOR_UNIT_M));
    loader.SetTopDepthUnit(m_units[kTopLength].value_or(COMMON::COOR_UNIT_M));
    loader.SetBottomDepthUnit(m_units[kBottomLength].value_or(COMMON::COOR_UNIT_M));
    if (!loader.Load())
        return LoaderFailed(session, "the file holds no wells");
    session.Loaded(RecordTables::WellHeads(session.FileName(), heads, used));
    return true;
}
