#include "LogCommand.h"

#include "ArgumentParser.h"
#include "CommandOptions.h"
#include "CoorUnitName.h"
#include "LoadProblem.h"
#include "LoadSession.h"
#include "NumberOption.h"
#include "OptionPair.h"
#include "RecordTables.h"
#include "TablePreview.h"
#include "loaders/CWellLog.h"
#include "loaders/CurveUnitNormalizer.h"
#include "loaders/TableCurveList.h"
#include "platform/WideText.h"
#include "reader/CDataFileReader.h"
#include "welldata/MessageBox.h"
#include "welldata/Utf8.h"

#include <algorithm>
#include <sstream>

std::string LogCommand::Help() const {
    return std::string(R"(usage: welldata log [options] FILE...

Loads well log text tables: the header line is the first line that contains
"depth" (any case), an optional line of units may follow, then one line per
depth. Every numeric column is a curve; a curve name the settings file knows
gets its curve type and default unit. Exactly one curve must be the depth.
Columns are given by 1-based number or by name.

  --curves LIST      the curves to load, comma-separated, in this order
                     (default: every numeric column)
  --depth COL        the depth curve; other curves recognised as depths
                     become ordinary curves typed by their names
  --type COL=TYPE    the curve type of a column (DEPTH marks the depth);
                     repeatable
  --unit COL=UNIT    the unit of a column; repeatable. Units are written the
                     system's way (米 becomes m, 欧姆·米 becomes Ω·M); ohm-metre
                     curves are logarithmic
  --null V[,V...]    values that mean no data (default -9999)
  --skip-nulls       record the choice to skip undefined values
  --group NAME       load as a new curve group NAME (default: merge into the
                     first curve group)
  --depth-unit U     the file's depth unit: m, in, ft, dm, cm; the depth
                     curve is converted to metres
)") + CommandOptions::PlotHelp() +
           R"(
Well path in the same file (its MD is the depth curve):
  --path LAYOUT      md-incl-azim, tvd-dx-dy, tvd-x-y or x-y-z
  --incl COL, --azim COL, --tvd COL, --dx COL, --dy COL, --x COL, --y COL,
  --z COL            the path columns (default: recognised by name)
  --coord-unit U     the unit of the path's coordinates

)" + CommandOptions::Help();
}

void LogCommand::DeclareOptions(ArgumentParser& parser) const {
    DeclareCommonOptions(parser, true);
    for (const char* option :
         {"curves", "depth", "type", "unit", "null", "group", "depth-unit", "coord-unit"})
        parser.AddValue(option);
    parser.AddFlag("skip-nulls");
    m_pathLayout.Declare(parser, "path");
}

void LogCommand::ReadOptions(const ParsedArguments& arguments) {
    m_curves = arguments.Value("curves");
    m_depthColumn = arguments.Value("depth");
    for (const std::string& value : arguments.Values("type"))
        m_types.push_back(OptionPair::Split(value, "type"));
    for (const std::string& value : arguments.Values("unit"))
        m_units.push_back(OptionPair::Split(value, "unit"));
    if (const auto values = arguments.Value("null"))
        m_nullValues = NumberOption::ParseFloatList(*values, "null");
    m_skipNulls = arguments.Has("skip-nulls");
    if (const auto name = arguments.Value("group"))
        m_groupName = welldata::FromUtf8(*name);
    if (const auto unit = arguments.Value("depth-unit"))
        m_depthUnit = CoorUnitName::Parse(*unit, "depth-unit");
    if (const auto unit = arguments.Value("coord-unit"))
        m_coorUnit = CoorUnitName::Parse(*unit, "coord-unit");
    m_pathLayout.Read(arguments, "path");
}

COMMON::STRUCT_CURVE_ITEM& LogCommand::CurveAt(CurveList& curves, int column,
                                               const std::string& option) {
    const auto found = std::find_if(curves.begin(), curves.end(), [column](const auto& curve) {
        return curve.nColumn == column + 1;
    });
    if (column < 0 || found == curves.end())
        throw LoadProblem("--" + option + ": column " + std::to_string(column + 1) +
                          " is not among the curves (only numeric columns are)");
    return *found;
}

LogCommand::CurveList LogCommand::ChooseCurves(const CDataFileReader& reader,
                                               const TablePreview& preview) const {
    CurveList listed =
        TableCurveList::Build(reader, preview.Names(), TableCurveList::Page::SingleWell);
    CurveList curves;
    if (m_curves) {
        std::stringstream names(*m_curves);
        for (std::string name; std::getline(names, name, ',');)
            curves.push_back(CurveAt(listed, preview.Find(name, "curves"), "curves"));
    } else {
        curves = listed;
    }
    if (m_depthColumn) {
        COMMON::STRUCT_CURVE_ITEM& depth =
            CurveAt(curves, preview.Find(*m_depthColumn, "depth"), "depth");
        for (COMMON::STRUCT_CURVE_ITEM& curve : curves) {
            if (welldata::EqualsNoCase(curve.strType, L"depth"))
                curve.strType = curve.strName;
        }
        depth.strType = L"DEPTH";
    }
    for (const auto& [column, type] : m_types)
        CurveAt(curves, preview.Find(column, "type"), "type").strType = type;
    for (const auto& [column, unit] : m_units)
        CurveAt(curves, preview.Find(column, "unit"), "unit").strUnit = unit;
    return curves;
}

int LogCommand::DepthColumn(const CurveList& curves) {
    if (const wchar_t* problem =
            CurveUnitNormalizer::DepthCurveProblem(CurveUnitNormalizer::CountDepthCurves(curves))) {
        welldata::ShowInformation(problem);
        throw LoadProblem("mark the one depth curve with --depth COL; --curves leaves out a "
                          "column named like a depth");
    }
    const auto depth = std::find_if(curves.begin(), curves.end(), [](const auto& curve) {
        return welldata::EqualsNoCase(curve.strType, L"depth");
    });
    return depth->nColumn - 1;
}

bool LogCommand::LoadFile(const std::wstring& path, LoadSession& session) {
    CDataFileReader reader;
    reader.SetHeaderSearch(true);
    TablePreview preview(true);
    if (!OpenTable(path, session, reader, preview))
        return false;
    CurveList curves = ChooseCurves(reader, preview);
    CurveUnitNormalizer(CurveUnitNormalizer::Dialog::SingleWell).Normalize(curves);
    const int depthColumn = DepthColumn(curves);

    COMMON::STRUCT_WELL_PATH pathRecord;
    COMMON::STRUCT_WELL_CURVE curveRecord;
    CWellLog loader(&reader, &pathRecord, &curveRecord);
    loader.SetSkipNullValues(m_skipNulls);
    loader.SetCurves(curves);
    loader.SetUserCurveList(true);
    loader.SetNullValues(m_nullValues);
    loader.SetGroupMode(m_groupName ? 0 : 1);
    loader.SetGroupName(m_groupName.value_or(L""));
    loader.SetConvertUnits(m_depthUnit.has_value() || m_coorUnit.has_value());
    loader.SetCoorUnit(m_coorUnit.value_or(COMMON::COOR_UNIT_M));
    loader.SetDepthUnit(m_depthUnit.value_or(COMMON::COOR_UNIT_M));
    if (m_pathLayout.HasLayout()) {
        PathLayoutChoice::Apply(m_pathLayout.Resolve(preview, reader, depthColumn), loader);
        curveRecord.bWithWellPath = true;
    }
    if (!loader.LoadLog())
        return LoaderFailed(session, "the file holds no data rows");

    DataTable table = RecordTables::WellLog(session.FileName(), "well log table", curveRecord);
    AddProperties(table);
    session.Loaded(std::move(table));
    if (curveRecord.bWithWellPath)
        session.Loaded(RecordTables::WellPath(session.FileName(), "well path in a log table",
                                              pathRecord, true));
    return true;
}

void LogCommand::AddProperties(DataTable& table) const {
    table.AddProperty("null_values", m_nullValues);
    table.AddProperty("curve_group", m_groupName ? L"new group " + *m_groupName
                                                 : std::wstring(L"merged into the first group"));
    if (m_skipNulls)
        table.AddProperty("skip_null_values", true);
    if (!m_depthUnit || *m_depthUnit == COMMON::COOR_UNIT_M)
        return;
    table.AddProperty(
        "depth_unit",
        welldata::FromUtf8(std::string(CoorUnitName::Text(*m_depthUnit)) + ", converted to m"));
    // The loader converts the depth values and leaves the unit text alone.
    for (DataColumn& column : table.columns) {
        if (welldata::EqualsNoCase(column.type, L"depth"))
            column.unit = L"m";
    }
}
