// welldata log, path and heads: well log, well path and well head tables,
// loaded with the choices their import dialogs collect, given as options;
// what no option names is recognised the way the dialogs preselect it.
#include "Commands.h"
#include "welldata/CLoadData.h"
#include "welldata/TablePreview.h"
#include "welldata/Utf8.h"

#include <optional>
#include <sstream>

namespace {

using welldata::PathColumn;
using welldata::TablePreview;

constexpr const char* kPathOptions[] = {"md", "incl", "azim", "tvd", "dx", "dy", "x", "y", "z"};
constexpr const char* kLayouts[] = {"md-incl-azim", "tvd-dx-dy", "tvd-x-y", "x-y-z"};

// The path layout and its columns: options where given, otherwise recognised
// by name. For path files and for a path in the columns of a log file, whose
// MD is the depth curve and whose MD, INCL, AZIM layout is type 4.
class PathOptions {
public:
    PathOptions(bool inLogFile, const char* typeOption)
        : m_inLogFile(inLogFile), m_typeOption(typeOption) {}

    void Declare(Arguments& arguments) const {
        arguments.Declare("",
                          m_typeOption + (m_inLogFile ? "" : " md") + " incl azim tvd dx dy x y z");
    }

    void Read(const Arguments& arguments) {
        m_arguments = &arguments;
        m_dataType.reset();
        if (const auto layout = arguments.Value(m_typeOption)) {
            const auto found = std::find(std::begin(kLayouts), std::end(kLayouts), *layout);
            if (found == std::end(kLayouts))
                throw UsageError("unknown path layout '" + *layout + "' for --" + m_typeOption +
                                 " (use md-incl-azim, tvd-dx-dy, tvd-x-y or x-y-z)");
            m_dataType = static_cast<int>(found - std::begin(kLayouts));
            if (m_inLogFile && m_dataType == PATH_MD_INCL_AZIM)
                m_dataType = PATH_LOG_MD_INCL_AZIM;
        }
    }

    // `assignment` with the layout given, or else the first complete one, and
    // its columns. `mdColumn` is the 1-based depth column of a log file.
    welldata::PathColumnAssignment Resolve(const TablePreview& preview,
                                           welldata::PathColumnAssignment assignment,
                                           int mdColumn = 0) const {
        for (int type = m_dataType.value_or(PATH_MD_INCL_AZIM);
             type <= m_dataType.value_or(PATH_X_Y_Z); ++type) {
            assignment.dataType = type;
            assignment.columns = welldata::SuggestPathAssignment(preview, type).columns;
            for (int column = 0; column < welldata::kPathColumnCount; ++column) {
                if (const auto choice = m_arguments->Value(kPathOptions[column]))
                    assignment.columns[column] = static_cast<std::uint16_t>(
                        FindColumn(preview.names, *choice, kPathOptions[column]) + 1);
            }
            if (m_inLogFile)
                assignment.Column(PathColumn::Md) = static_cast<std::uint16_t>(mdColumn);
            assignment.hasMd = assignment.Column(PathColumn::Md) > 0;
            if (welldata::IsAssignmentComplete(assignment))
                break;
        }
        return assignment;
    }

    // What the user can do about an incomplete assignment.
    std::string Hint(const welldata::PathColumnAssignment& assignment,
                     const TablePreview& preview) const {
        std::string missing;
        for (PathColumn column : welldata::MissingPathColumns(assignment))
            missing += (missing.empty() ? "--" : ", --") +
                       std::string(kPathOptions[static_cast<int>(column)]);
        const std::string columns = " (" + ColumnList(preview.names) + ")";
        if (!m_dataType)
            return "no path layout is complete: give --type (md-incl-azim, tvd-dx-dy, tvd-x-y "
                   "or x-y-z) and its columns" +
                   columns;
        return "the " + welldata::ToUtf8(welldata::PathLayoutName(assignment.dataType)) +
               " path needs " + missing + columns;
    }

private:
    bool m_inLogFile;
    std::string m_typeOption;
    const Arguments* m_arguments = nullptr;
    std::optional<int> m_dataType;
};

// The points of the path a load gave, with its layout and null value.
Table PathTable(const std::wstring& file, const std::string& kind, const CLoadData& data,
                const welldata::PathColumnAssignment& choices) {
    const COMMON::STRUCT_WELL_PATH& path = data.GetWellPath();
    Table table(file, kind, "columns", "points",
                welldata::PathColumns(path, data.GetLoadReport(), choices));
    table.AddProperty("layout", welldata::PathLayoutName(path.nDataType));
    if (path.bHasNullValue)
        table.AddProperty("null_value", static_cast<double>(path.fNullValue));
    return table;
}

class LogCommand : public LoadCommand {
public:
    std::string Help() const override {
        return std::string(R"(usage: welldata log [options] FILE...

Loads well log text tables: the header is the first line that contains
"depth", a line of units may follow, then a line per depth. Every numeric
column is a curve, with the type and default unit of a name the settings file
knows; exactly one is the depth. Columns are given by number or name.

  --curves LIST      the curves to load, comma-separated, in this order
  --depth COL        the depth curve (other depths become ordinary curves)
  --type COL=TYPE    a column's curve type (DEPTH marks the depth); repeatable
  --unit COL=UNIT    a column's unit, written the system's way (米 becomes m,
                     欧姆·米 Ω·M; ohm-metre curves are logarithmic); repeatable
  --null V[,V...]    values that mean no data (default -9999)
  --skip-nulls       record the choice to skip undefined values
  --group NAME       a new curve group NAME (default: merged into the first)
  --depth-unit U     the file's depth unit (m, in, ft, dm, cm), converted to m
)") + common::PlotHelp() +
               R"(
A well path in the same columns (its MD is the depth curve):
  --path LAYOUT      md-incl-azim, tvd-dx-dy, tvd-x-y or x-y-z
  --incl COL, --azim COL, --tvd COL, --dx COL, --dy COL, --x COL, --y COL,
  --z COL            its columns (default: recognised by name)
  --coord-unit U     the unit of its coordinates

)" + common::Help();
    }

    void Declare(Arguments& arguments) const override {
        common::Declare(arguments, true, "skip-nulls",
                        "curves depth type unit null group depth-unit coord-unit");
        m_path.Declare(arguments);
    }

protected:
    void ReadOptions(const Arguments& arguments) override {
        PairOptions(arguments, "type"); // checked here, used per file
        PairOptions(arguments, "unit");
        m_choices = {};
        if (const auto values = arguments.Value("null"))
            m_choices.nullValues = ParseNumbers<float>(*values, "null");
        m_choices.skipNullValues = arguments.Has("skip-nulls");
        if (const auto name = arguments.Value("group")) {
            m_choices.groupName = welldata::FromUtf8(*name);
            m_choices.groupMode = 0;
        }
        TakeUnitOptions(arguments, m_choices);
        m_path.Read(arguments);
    }

    void LoadFile(const std::wstring& path, Session& session) override {
        TablePreview preview;
        if (!session.Preview(path, welldata::TableKind::WellLog, preview))
            return;
        welldata::WellLogChoices choices = m_choices;
        choices.curves = ChooseCurves(preview);
        const auto depth =
            std::find_if(choices.curves.begin(), choices.curves.end(), welldata::IsDepthCurve);
        if (Options().Has("path")) {
            const int mdColumn = depth == choices.curves.end() ? 0 : depth->nColumn;
            choices.path = m_path.Resolve(preview, {}, mdColumn);
            choices.withWellPath = true;
        }
        CLoadData data(COMMON::LDT_WELL_DATA, session.Progress());
        if (!data.ReadFile(path, choices)) {
            const welldata::LoadFailure& failure = data.GetLastFailure();
            if (failure.error == welldata::LoadError::DepthCurveCount)
                return session.Failed(failure, "mark the one depth curve with --depth COL; "
                                               "--curves leaves out a column named like a depth");
            const bool pathProblem = failure.error == welldata::LoadError::IncompletePath;
            return session.Failed(failure, pathProblem ? m_path.Hint(choices.path, preview) : "");
        }
        if (!session.Accept(data))
            return;
        COMMON::STRUCT_WELL_CURVE& log = data.GetWellLog();
        // The loader converts the depth values and leaves their unit text alone.
        for (COMMON::STRUCT_CURVE_ITEM& curve : log.lstCurves) {
            if (welldata::IsDepthCurve(curve) && m_choices.depthUnit != COMMON::COOR_UNIT_M)
                curve.strUnit = L"m";
        }
        Table table(session.FileName(), "well log table", "curves", "samples",
                    welldata::LogColumns(log, data.GetLoadReport(), false, m_choices.convertUnits));
        table.AddProperty("null_values", m_choices.nullValues);
        table.AddProperty("curve_group", m_choices.groupMode == 0
                                             ? L"new group " + m_choices.groupName
                                             : std::wstring(L"merged into the first group"));
        if (m_choices.skipNullValues)
            table.AddProperty("skip_null_values", true);
        if (m_choices.depthUnit != COMMON::COOR_UNIT_M)
            table.AddProperty("depth_unit", ConvertedUnit(m_choices.depthUnit));
        session.Loaded(std::move(table), &log);
        choices.path.convertUnits = m_choices.convertUnits; // the log's units hold for its path
        if (log.bWithWellPath)
            session.Loaded(
                PathTable(session.FileName(), "well path in a log table", data, choices.path));
    }

private:
    using CurveList = std::list<COMMON::STRUCT_CURVE_ITEM>;

    // The listed curve of the column an option names.
    static COMMON::STRUCT_CURVE_ITEM& CurveAt(CurveList& curves, const TablePreview& preview,
                                              const std::string& choice,
                                              const std::string& option) {
        const int column = FindColumn(preview.names, choice, option);
        const auto found = std::find_if(curves.begin(), curves.end(), [column](const auto& curve) {
            return curve.nColumn == column + 1;
        });
        if (column < 0 || found == curves.end())
            throw LoadProblem("--" + option + ": column " + std::to_string(column + 1) +
                              " is not among the curves (only numeric columns are)");
        return *found;
    }

    // The page's list of curves, narrowed and retyped by the options.
    CurveList ChooseCurves(const TablePreview& preview) const {
        CurveList listed = welldata::ListTableCurves(preview, welldata::LogImport::SingleWell);
        const auto chosen = Options().Value("curves");
        CurveList curves = chosen ? CurveList() : listed;
        std::stringstream names(chosen.value_or(""));
        for (std::string name; std::getline(names, name, ',');)
            curves.push_back(CurveAt(listed, preview, name, "curves"));
        if (const auto choice = Options().Value("depth")) {
            COMMON::STRUCT_CURVE_ITEM& depth = CurveAt(curves, preview, *choice, "depth");
            for (COMMON::STRUCT_CURVE_ITEM& curve : curves) {
                if (welldata::IsDepthCurve(curve))
                    curve.strType = curve.strName;
            }
            depth.strType = L"DEPTH";
        }
        for (const auto& [choice, type] : PairOptions(Options(), "type"))
            CurveAt(curves, preview, choice, "type").strType = type;
        for (const auto& [choice, unit] : PairOptions(Options(), "unit"))
            CurveAt(curves, preview, choice, "unit").strUnit = unit;
        return curves;
    }

    welldata::WellLogChoices m_choices; // the choices the options give for every file
    PathOptions m_path{true, "path"};
};

class PathCommand : public LoadCommand {
public:
    std::string Help() const override {
        return std::string(R"(usage: welldata path [options] FILE...

Loads well path tables: a header line, then a point per line, kept in the
file's layout and converted to metres when the file's units are given.

  --type LAYOUT      md-incl-azim, tvd-dx-dy, tvd-x-y or x-y-z (default: the
                     first, in this order, whose columns are all found)
  --md COL, --incl COL, --azim COL, --tvd COL, --dx COL, --dy COL, --x COL,
  --y COL, --z COL   the path columns, by 1-based number or by name (default:
                     recognised by name through the settings file)
  --null VALUE       the file's null value; a point holding it (or -9999,
                     -999, -999.25 ...) stops the load
  --depth-unit U     the unit of MD, TVD and Z: m, in, ft, dm, cm
  --coord-unit U     the unit of X, Y, DX and DY
  --angle-unit A     deg (default) or rad, recorded with the path
  --azimuth-quarter-turn
                     add 90 degrees to every azimuth (no wrap at 360), the
                     layout's convention for azimuths measured clockwise
                     from east; no north correction is made
  --positions        stations instead of points: MD, TVD, TVDSS, north and
                     east offsets, X, Y, dogleg severity (deg per 30 units)
  --head X,Y[,KB]    the well head, in the path's unit (default 0,0,0)
  --z-depth          Z is a depth below sea level, not an elevation

)") + common::Help();
    }

    void Declare(Arguments& arguments) const override {
        common::Declare(arguments, false);
        m_path.Declare(arguments);
        arguments.Declare("azimuth-quarter-turn positions z-depth",
                          "null depth-unit coord-unit angle-unit head");
    }

protected:
    void ReadOptions(const Arguments& arguments) override {
        m_path.Read(arguments);
        m_units = {};
        if (const auto value = arguments.Value("null")) {
            m_units.hasNullValue = true;
            m_units.nullValue = ParseNumber(*value, "null");
        }
        TakeUnitOptions(arguments, m_units);
        const std::string angle = arguments.Value("angle-unit").value_or("deg");
        if (angle != "deg" && angle != "rad")
            throw UsageError("unknown angle unit '" + angle + "' (use deg or rad)");
        m_units.angleUnit = angle == "rad" ? ANGLE_RADIANS : ANGLE_DEGREES;
        m_units.azimuthTrueNorth = arguments.Has("azimuth-quarter-turn");
        const auto head = ParseNumbers<double>(arguments.Value("head").value_or("0,0"), "head");
        if (head.size() < 2 || head.size() > 3)
            throw UsageError("--head X,Y[,KB]: two or three numbers");
        m_head = {head[0], head[1], head.size() > 2 ? head[2] : 0.0};
    }

    void LoadFile(const std::wstring& path, Session& session) override {
        TablePreview preview;
        if (!session.Preview(path, welldata::TableKind::WellPath, preview))
            return;
        const welldata::PathColumnAssignment assignment = m_path.Resolve(preview, m_units);
        CLoadData data(COMMON::LDT_WELL_PATH, session.Progress());
        if (!data.ReadFile(path, assignment)) {
            const welldata::LoadFailure& failure = data.GetLastFailure();
            const bool incomplete = failure.error == welldata::LoadError::IncompletePath;
            return session.Failed(failure, incomplete ? m_path.Hint(assignment, preview) : "");
        }
        if (!session.Accept(data))
            return;
        Table table = PathTable(session.FileName(), "well path", data, assignment);
        if (m_units.azimuthTrueNorth)
            table.AddProperty("azimuths", std::wstring(L"90 degrees added to each"));
        if (Options().Has("positions"))
            MakePositions(data.GetWellPath(), table, session);
        session.Loaded(std::move(table));
    }

private:
    // The stations in place of the points; the points left out are listed.
    void MakePositions(const COMMON::STRUCT_WELL_PATH& path, Table& table, Session& session) const {
        const welldata::WellPathPositions positions(path, m_head,
                                                    Options().Has("z-depth")
                                                        ? welldata::ZConvention::DepthBelowSeaLevel
                                                        : welldata::ZConvention::Elevation);
        table.kind = "well path positions";
        table.rowNoun = "stations";
        table.columns = welldata::PositionColumns(positions, table.columns);
        if (positions.IsMdFromChords())
            table.AddProperty("md", std::wstring(L"summed from the chords (the points hold none)"));
        table.AddProperty("skipped_points",
                          static_cast<double>(positions.GetSkippedPoints().size()));
        std::wstring list;
        for (const welldata::SkippedPathPoint& point : positions.GetSkippedPoints())
            list += (list.empty() ? L"" : L", ") + std::to_wstring(point.pointIndex + 1) + L" (" +
                    welldata::DescribeSkipReason(point.reason) + L")";
        if (!list.empty())
            session.Messages().Print(L"points left out of the positions: " +
                                     terminal::Fit(list, 200));
    }

    PathOptions m_path{false, "type"};
    welldata::PathColumnAssignment m_units; // the unit page's fields and the null value
    welldata::WellHeadLocation m_head;
};

class HeadsCommand : public LoadCommand {
public:
    std::string Help() const override {
        return std::string(R"(usage: welldata heads [options] FILE...

Loads well head tables: a header line, then a well per line. Columns are
given by 1-based number or name ('none' leaves an optional one out), or
recognised by name through the settings file.

  --name COL, --x COL, --y COL        the well name and position (required)
  --kb COL, --well-type COL, --top COL, --bottom COL
                     kelly-bushing elevation, well type (symbol), wellhead
                     depth and bottom depth
  --x-unit U, --y-unit U, --kb-unit U, --top-unit U, --bottom-unit U
                     each length's unit (m, in, ft, dm, cm), converted to m;
                     --coord-unit for X and Y, --depth-unit for the others

)") + common::Help();
    }

    void Declare(Arguments& arguments) const override {
        common::Declare(arguments, false, "",
                        "name well-type x y top bottom kb x-unit y-unit kb-unit top-unit "
                        "bottom-unit coord-unit depth-unit");
    }

protected:
    void ReadOptions(const Arguments& arguments) override {
        welldata::WellHeadChoices checked;
        TakeUnits(arguments, checked);
    }

    void LoadFile(const std::wstring& path, Session& session) override {
        TablePreview preview;
        if (!session.Preview(path, welldata::TableKind::WellHead, preview))
            return;
        welldata::WellHeadChoices choices = welldata::SuggestWellHeadChoices(preview);
        const auto column = [&](const char* option, int& column, bool* used = nullptr) {
            if (const auto choice = Options().Value(option))
                column = FindColumn(preview.names, *choice, option);
            if (used != nullptr)
                *used = column >= 0;
        };
        column("name", choices.nameColumn);
        column("x", choices.xColumn);
        column("y", choices.yColumn);
        column("well-type", choices.wellTypeColumn, &choices.wellTypeUsed);
        column("top", choices.topDepthColumn, &choices.topDepthUsed);
        column("bottom", choices.bottomDepthColumn, &choices.bottomDepthUsed);
        column("kb", choices.kbColumn, &choices.kbUsed);
        TakeUnits(Options(), choices);
        CLoadData data(COMMON::LDT_WELL_HEAD, session.Progress());
        if (!data.ReadFile(path, choices)) {
            const welldata::LoadFailure& failure = data.GetLastFailure();
            if (failure.error != welldata::LoadError::MissingColumn)
                return session.Failed(failure);
            const char* option = choices.nameColumn < 0 ? "name" : choices.xColumn < 0 ? "x" : "y";
            return session.Failed(failure, std::string("give the column with --") + option + " (" +
                                               ColumnList(preview.names) + ")");
        }
        if (session.Accept(data))
            session.Loaded(Table(
                session.FileName(), "well heads", "columns", "wells",
                welldata::WellHeadColumns(data.GetWellHead(), data.GetLoadReport(), choices)));
    }

private:
    // The unit of each length, from its own option or the one for several.
    static void TakeUnits(const Arguments& arguments, welldata::WellHeadChoices& choices) {
        const auto coorUnit = UnitOption(arguments, "coord-unit");
        const auto depthUnit = UnitOption(arguments, "depth-unit");
        const auto take = [&](const char* option, COMMON::ENUM_COOR_UNIT& unit, auto fallback) {
            const auto given = UnitOption(arguments, option);
            unit = given.value_or(fallback.value_or(COMMON::COOR_UNIT_M));
            choices.unitsChosen = choices.unitsChosen || given || fallback;
        };
        take("x-unit", choices.xUnit, coorUnit);
        take("y-unit", choices.yUnit, coorUnit);
        take("kb-unit", choices.kbUnit, depthUnit);
        take("top-unit", choices.topDepthUnit, depthUnit);
        take("bottom-unit", choices.bottomDepthUnit, depthUnit);
    }
};

} // namespace

std::unique_ptr<Command> MakeWellCommand(std::string_view name) {
    if (name == "log")
        return std::make_unique<LogCommand>();
    if (name == "path")
        return std::make_unique<PathCommand>();
    return std::make_unique<HeadsCommand>();
}
