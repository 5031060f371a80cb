#include "PathCommand.h"

#include "ArgumentParser.h"
#include "CommandOptions.h"
#include "CoorUnitName.h"
#include "LoadSession.h"
#include "NumberOption.h"
#include "RecordTables.h"
#include "TablePreview.h"
#include "UsageError.h"
#include "loaders/CWellPath.h"
#include "reader/CDataFileReader.h"

std::string PathCommand::Help() const {
    return std::string(R"(usage: welldata path [options] FILE...

Loads well path tables: a header line of column names, then one point per
line. The points keep the file's layout; lengths are converted to metres when
the file's units are given.

  --type LAYOUT      md-incl-azim, tvd-dx-dy, tvd-x-y or x-y-z (default: the
                     first, in this order, whose columns are all found)
)") + PathLayoutChoice::ColumnHelp() +
           R"(
  --null VALUE       the file's null value; a point holding a null value (or
                     -9999, -999, -999.25 ...) stops the load
  --depth-unit U     unit of MD, TVD and Z in the file: m, in, ft, dm, cm
  --coord-unit U     unit of X, Y, DX and DY in the file
  --angle-unit A     deg (default) or rad, recorded with the path
  --true-north       azimuths refer to true north: 90 degrees are added

)" + CommandOptions::Help();
}

void PathCommand::DeclareOptions(ArgumentParser& parser) const {
    DeclareCommonOptions(parser, false);
    m_layout.Declare(parser, "type");
    parser.AddValue("null");
    parser.AddValue("depth-unit");
    parser.AddValue("coord-unit");
    parser.AddValue("angle-unit");
    parser.AddFlag("true-north");
}

void PathCommand::ReadOptions(const ParsedArguments& arguments) {
    m_layout.Read(arguments, "type");
    if (const auto value = arguments.Value("null"))
        m_nullValue = NumberOption::ParseFloat(*value, "null");
    if (const auto unit = arguments.Value("depth-unit"))
        m_depthUnit = CoorUnitName::Parse(*unit, "depth-unit");
    if (const auto unit = arguments.Value("coord-unit"))
        m_coorUnit = CoorUnitName::Parse(*unit, "coord-unit");
    const std::string angle = arguments.Value("angle-unit").value_or("deg");
    if (angle != "deg" && angle != "rad")
        throw UsageError("unknown angle unit '" + angle + "' (use deg or rad)");
    m_angleUnit = angle == "rad" ? ANGLE_RADIANS : ANGLE_DEGREES;
    m_trueNorth = arguments.Has("true-north");
}

bool PathCommand::LoadFile(const std::wstring& path, LoadSession& session) {
    CDataFileReader reader;
    TablePreview preview(false);
    if (!OpenTable(path, session, reader, preview))
        return false;
    const PathLayoutChoice::Assignment assignment = m_layout.Resolve(preview, reader);

    COMMON::STRUCT_WELL_PATH record;
    CWellPath loader(&reader, &record);
    loader.SetAngleUnit(m_angleUnit);
    loader.SetConvertUnits(m_coorUnit.has_value() || m_depthUnit.has_value());
    loader.SetCoorUnit(m_coorUnit.value_or(COMMON::COOR_UNIT_M));
    loader.SetDepthUnit(m_depthUnit.value_or(COMMON::COOR_UNIT_M));
    loader.SetHasNullValue(m_nullValue.has_value());
    loader.SetNullValue(m_nullValue.value_or(0.0f));
    loader.SetAzimuthToTrueNorth(m_trueNorth);
    PathLayoutChoice::Apply(assignment, loader);
    if (!loader.LoadPath())
        return LoaderFailed(session, "the file holds no points");
    session.Loaded(
        RecordTables::WellPath(session.FileName(), "well path", record, assignment.HasMd()));
    return true;
}
