// welldata log, path and heads: well log, well path and well head tables,
// loaded with the choices their import dialogs collect, given as options;
// what no option names is recognised the way the dialogs preselect it.
#include "Session.h"
#include "welldata/CLoadData.h"
#include "welldata/TablePreview.h"
#include "welldata/Utf8.h"

#include <array>
#include <optional>
#include <sstream>

namespace {

using welldata::PathColumn;
using welldata::TablePreview;

constexpr const char* kPathOptions[] = {"md", "incl", "azim", "tvd", "dx", "dy", "x", "y", "z"};
constexpr const char* kLayouts = "md-incl-azim, tvd-dx-dy, tvd-x-y or x-y-z";

// The path layout and its columns: options where given, otherwise recognised
// by name. Used for path files and for a path in the columns of a log file,
// whose MD is the depth curve and whose MD, INCL, AZIM layout is type 4.
class PathOptions {
public:
    explicit PathOptions(bool inLogFile) : m_inLogFile(inLogFile) {}

    void Declare(Arguments& arguments, const std::string& typeOption) const {
        arguments.AddValue(typeOption);
        for (int column = m_inLogFile ? 1 : 0; column < welldata::kPathColumnCount; ++column)
            arguments.AddValue(kPathOptions[column]);
    }

    void Read(const Arguments& arguments, const std::string& typeOption) {
        if (const auto layout = arguments.Value(typeOption)) {
            const std::string names[] = {"md-incl-azim", "tvd-dx-dy", "tvd-x-y", "x-y-z"};
            const auto found = std::find(std::begin(names), std::end(names), *layout);
            if (found == std::end(names))
                throw UsageError("unknown path layout '" + *layout + "' for --" + typeOption +
                                 " (use " + kLayouts + ")");
            m_dataType = static_cast<int>(found - std::begin(names));
            if (m_inLogFile && m_dataType == PATH_MD_INCL_AZIM)
                m_dataType = PATH_LOG_MD_INCL_AZIM;
        }
        for (int column = 0; column < welldata::kPathColumnCount; ++column)
            m_options[column] = arguments.Value(kPathOptions[column]);
    }

    bool HasLayout() const { return m_dataType.has_value(); }

    // The layout given, or else the first that is complete. `mdColumn` is the
    // 1-based depth column of a log file.
    welldata::PathColumnAssignment Resolve(const TablePreview& preview, int mdColumn = 0) const {
        welldata::PathColumnAssignment assignment;
        for (int type = m_dataType.value_or(PATH_MD_INCL_AZIM);
             type <= m_dataType.value_or(PATH_X_Y_Z); ++type) {
            assignment = welldata::SuggestPathAssignment(preview, type);
            for (int column = 0; column < welldata::kPathColumnCount; ++column) {
                if (m_options[column])
                    assignment.columns[column] = static_cast<std::uint16_t>(
                        FindColumn(preview.names, *m_options[column], kPathOptions[column]) + 1);
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
        if (!m_dataType)
            return std::string("no path layout is complete: give --type (") + kLayouts +
                   ") and its columns (" + ColumnList(preview.names) + ")";
        std::string missing;
        for (PathColumn column : welldata::RequiredPathColumns(assignment.dataType)) {
            if (assignment.Column(column) == 0)
                missing += (missing.empty() ? "--" : ", --") +
                           std::string(kPathOptions[static_cast<int>(column)]);
        }
        return "the " + welldata::ToUtf8(PathLayoutName(assignment.dataType)) + " path needs " +
               missing + " (" + ColumnList(preview.names) + ")";
    }

private:
    bool m_inLogFile;
    std::optional<int> m_dataType;
    std::array<std::optional<std::string>, welldata::kPathColumnCount> m_options;
};

const char* const kPathColumnHelp =
    R"(  --md COL, --incl COL, --azim COL, --tvd COL, --dx COL, --dy COL,
  --x COL, --y COL, --z COL
                     the path columns, by 1-based number or by name (default:
                     recognised by name through the settings file))";

class LogCommand : public LoadCommand {
public:
    std::string Help() const override {
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
)") + CommonOptions::PlotHelp() +
               R"(
Well path in the same file (its MD is the depth curve):
  --path LAYOUT      md-incl-azim, tvd-dx-dy, tvd-x-y or x-y-z
  --incl COL, --azim COL, --tvd COL, --dx COL, --dy COL, --x COL, --y COL,
  --z COL            the path columns (default: recognised by name)
  --coord-unit U     the unit of the path's coordinates

)" + CommonOptions::Help();
    }

    void Declare(Arguments& arguments) const override {
        CommonOptions::Declare(arguments, true);
        for (const char* option :
             {"curves", "depth", "type", "unit", "null", "group", "depth-unit", "coord-unit"})
            arguments.AddValue(option);
        arguments.AddFlag("skip-nulls");
        m_path.Declare(arguments, "path");
    }

protected:
    void ReadOptions(const Arguments& arguments) override {
        m_curves = arguments.Value("curves");
        m_depth = arguments.Value("depth");
        for (const std::string& value : arguments.Values("type"))
            m_types.push_back(ParsePair(value, "type"));
        for (const std::string& value : arguments.Values("unit"))
            m_units.push_back(ParsePair(value, "unit"));
        if (const auto values = arguments.Value("null"))
            m_choices.nullValues = ParseNumbers(*values, "null");
        m_choices.skipNullValues = arguments.Has("skip-nulls");
        if (const auto name = arguments.Value("group")) {
            m_choices.groupName = welldata::FromUtf8(*name);
            m_choices.groupMode = 0;
        }
        const auto depthUnit = UnitOption(arguments, "depth-unit");
        const auto coorUnit = UnitOption(arguments, "coord-unit");
        m_choices.convertUnits = depthUnit || coorUnit;
        m_choices.depthUnit = depthUnit.value_or(COMMON::COOR_UNIT_M);
        m_choices.coordinateUnit = coorUnit.value_or(COMMON::COOR_UNIT_M);
        m_path.Read(arguments, "path");
    }

    void LoadFile(const std::wstring& path, Session& session) override {
        TablePreview preview;
        if (!session.Preview(path, welldata::TableKind::WellLog, preview))
            return;
        welldata::WellLogChoices choices = m_choices;
        choices.curves = ChooseCurves(preview);
        if (m_path.HasLayout()) {
            const auto depth = std::find_if(choices.curves.begin(), choices.curves.end(),
                                            [](const auto& curve) { return IsDepth(curve); });
            choices.path =
                m_path.Resolve(preview, depth == choices.curves.end() ? 0 : depth->nColumn);
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
        COMMON::STRUCT_WELL_CURVE& log = data.GetWellLog();
        // The loader converts the depth values and leaves their unit text alone.
        for (COMMON::STRUCT_CURVE_ITEM& curve : log.lstCurves) {
            if (IsDepth(curve) && m_choices.depthUnit != COMMON::COOR_UNIT_M)
                curve.strUnit = L"m";
        }
        Table table = WellLogTable(session.FileName(), "well log table", log);
        AddProperties(table);
        session.Loaded(std::move(table), &log);
        if (log.bWithWellPath)
            session.Loaded(WellPathTable(session.FileName(), "well path in a log table",
                                         data.GetWellPath(), true));
    }

private:
    using CurveList = std::list<COMMON::STRUCT_CURVE_ITEM>;

    // The type "depth" in any letter case marks the depth curve.
    static bool IsDepth(const COMMON::STRUCT_CURVE_ITEM& curve) {
        const std::wstring& type = curve.strType;
        return type.size() == 5 &&
               std::equal(type.begin(), type.end(), L"depth", [](wchar_t a, wchar_t b) {
                   return (a >= L'A' && a <= L'Z' ? a - L'A' + L'a' : a) == b;
               });
    }

    static COMMON::STRUCT_CURVE_ITEM& CurveAt(CurveList& curves, int column,
                                              const std::string& option) {
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
        const auto column = [&](const std::string& choice, const std::string& option) {
            return FindColumn(preview.names, choice, option);
        };
        CurveList curves = m_curves ? CurveList() : listed;
        if (m_curves) {
            std::stringstream names(*m_curves);
            for (std::string name; std::getline(names, name, ',');)
                curves.push_back(CurveAt(listed, column(name, "curves"), "curves"));
        }
        if (m_depth) {
            COMMON::STRUCT_CURVE_ITEM& depth = CurveAt(curves, column(*m_depth, "depth"), "depth");
            for (COMMON::STRUCT_CURVE_ITEM& curve : curves) {
                if (IsDepth(curve))
                    curve.strType = curve.strName;
            }
            depth.strType = L"DEPTH";
        }
        for (const auto& [choice, type] : m_types)
            CurveAt(curves, column(choice, "type"), "type").strType = type;
        for (const auto& [choice, unit] : m_units)
            CurveAt(curves, column(choice, "unit"), "unit").strUnit = unit;
        return curves;
    }

    void AddProperties(Table& table) const {
        table.AddProperty("null_values", m_choices.nullValues);
        table.AddProperty("curve_group", m_choices.groupMode == 0
                                             ? L"new group " + m_choices.groupName
                                             : std::wstring(L"merged into the first group"));
        if (m_choices.skipNullValues)
            table.AddProperty("skip_null_values", true);
        if (m_choices.depthUnit != COMMON::COOR_UNIT_M)
            table.AddProperty("depth_unit",
                              welldata::FromUtf8(std::string(UnitName(m_choices.depthUnit)) +
                                                 ", converted to m"));
    }

    welldata::WellLogChoices m_choices;
    std::optional<std::string> m_curves;
    std::optional<std::string> m_depth;
    std::vector<std::pair<std::string, std::wstring>> m_types;
    std::vector<std::pair<std::string, std::wstring>> m_units;
    PathOptions m_path{true};
};

class PathCommand : public LoadCommand {
public:
    std::string Help() const override {
        return std::string(R"(usage: welldata path [options] FILE...

Loads well path tables: a header line of column names, then one point per
line. The points keep the file's layout; lengths are converted to metres when
the file's units are given.

  --type LAYOUT      md-incl-azim, tvd-dx-dy, tvd-x-y or x-y-z (default: the
                     first, in this order, whose columns are all found)
)") + kPathColumnHelp +
               R"(
  --null VALUE       the file's null value; a point holding a null value (or
                     -9999, -999, -999.25 ...) stops the load
  --depth-unit U     unit of MD, TVD and Z in the file: m, in, ft, dm, cm
  --coord-unit U     unit of X, Y, DX and DY in the file
  --angle-unit A     deg (default) or rad, recorded with the path
  --true-north       azimuths refer to true north: 90 degrees are added

)" + CommonOptions::Help();
    }

    void Declare(Arguments& arguments) const override {
        CommonOptions::Declare(arguments, false);
        m_path.Declare(arguments, "type");
        for (const char* option : {"null", "depth-unit", "coord-unit", "angle-unit"})
            arguments.AddValue(option);
        arguments.AddFlag("true-north");
    }

protected:
    void ReadOptions(const Arguments& arguments) override {
        m_path.Read(arguments, "type");
        welldata::PathColumnAssignment& units = m_units;
        if (const auto value = arguments.Value("null")) {
            units.hasNullValue = true;
            units.nullValue = ParseNumber(*value, "null");
        }
        const auto depthUnit = UnitOption(arguments, "depth-unit");
        const auto coorUnit = UnitOption(arguments, "coord-unit");
        units.convertUnits = depthUnit || coorUnit;
        units.depthUnit = depthUnit.value_or(COMMON::COOR_UNIT_M);
        units.coordinateUnit = coorUnit.value_or(COMMON::COOR_UNIT_M);
        const std::string angle = arguments.Value("angle-unit").value_or("deg");
        if (angle != "deg" && angle != "rad")
            throw UsageError("unknown angle unit '" + angle + "' (use deg or rad)");
        units.angleUnit = angle == "rad" ? ANGLE_RADIANS : ANGLE_DEGREES;
        units.azimuthTrueNorth = arguments.Has("true-north");
    }

    void LoadFile(const std::wstring& path, Session& session) override {
        TablePreview preview;
        if (!session.Preview(path, welldata::TableKind::WellPath, preview))
            return;
        welldata::PathColumnAssignment assignment = m_path.Resolve(preview);
        assignment.angleUnit = m_units.angleUnit;
        assignment.hasNullValue = m_units.hasNullValue;
        assignment.nullValue = m_units.nullValue;
        assignment.convertUnits = m_units.convertUnits;
        assignment.coordinateUnit = m_units.coordinateUnit;
        assignment.depthUnit = m_units.depthUnit;
        assignment.azimuthTrueNorth = m_units.azimuthTrueNorth;
        CLoadData data(COMMON::LDT_WELL_PATH, session.Progress());
        if (!data.ReadFile(path, assignment)) {
            const welldata::LoadFailure& failure = data.GetLastFailure();
            const bool incomplete = failure.error == welldata::LoadError::IncompletePath;
            return session.Failed(failure, incomplete ? m_path.Hint(assignment, preview) : "");
        }
        session.Loaded(
            WellPathTable(session.FileName(), "well path", data.GetWellPath(), assignment.hasMd));
    }

private:
    PathOptions m_path{false};
    welldata::PathColumnAssignment m_units; // the unit page's and the null value's fields
};

class HeadsCommand : public LoadCommand {
public:
    std::string Help() const override {
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

)") + CommonOptions::Help();
    }

    void Declare(Arguments& arguments) const override {
        CommonOptions::Declare(arguments, false);
        for (const Field& field : kFields)
            arguments.AddValue(field.option);
        for (const Length& length : kLengths)
            arguments.AddValue(length.option);
        arguments.AddValue("coord-unit");
        arguments.AddValue("depth-unit");
    }

protected:
    void ReadOptions(const Arguments& arguments) override {
        for (size_t field = 0; field < std::size(kFields); ++field)
            m_columnOptions[field] = arguments.Value(kFields[field].option);
        const auto coorUnit = UnitOption(arguments, "coord-unit");
        const auto depthUnit = UnitOption(arguments, "depth-unit");
        for (const Length& length : kLengths) {
            const auto unit = UnitOption(arguments, length.option);
            const auto chosen = unit ? unit : length.coordinate ? coorUnit : depthUnit;
            m_units.*length.unit = chosen.value_or(COMMON::COOR_UNIT_M);
            m_units.unitsChosen = m_units.unitsChosen || chosen.has_value();
        }
    }

    void LoadFile(const std::wstring& path, Session& session) override {
        TablePreview preview;
        if (!session.Preview(path, welldata::TableKind::WellHead, preview))
            return;
        welldata::WellHeadChoices choices = welldata::SuggestWellHeadChoices(preview);
        for (size_t field = 0; field < std::size(kFields); ++field) {
            const Field& f = kFields[field];
            if (m_columnOptions[field])
                choices.*f.column = FindColumn(preview.names, *m_columnOptions[field], f.option);
            if (f.used != nullptr)
                choices.*f.used = choices.*f.column >= 0;
        }
        choices.unitsChosen = m_units.unitsChosen;
        for (const Length& length : kLengths)
            choices.*length.unit = m_units.*length.unit;
        CLoadData data(COMMON::LDT_WELL_HEAD, session.Progress());
        if (!data.ReadFile(path, choices)) {
            const welldata::LoadFailure& failure = data.GetLastFailure();
            if (failure.error != welldata::LoadError::MissingColumn)
                return session.Failed(failure);
            const char* option = choices.nameColumn < 0 ? "name" : choices.xColumn < 0 ? "x" : "y";
            return session.Failed(failure, std::string("give the column with --") + option + " (" +
                                               ColumnList(preview.names) + ")");
        }
        session.Loaded(WellHeadsTable(session.FileName(), data.GetWellHead(), choices));
    }

private:
    using Choices = welldata::WellHeadChoices;
    struct Field {
        const char* option;
        int Choices::*column;
        bool Choices::*used; // null for a required column
    };
    struct Length {
        const char* option;
        COMMON::ENUM_COOR_UNIT Choices::*unit;
        bool coordinate; // --coord-unit, not --depth-unit, gives it
    };
    static constexpr Field kFields[] = {
        {"name", &Choices::nameColumn, nullptr},
        {"well-type", &Choices::wellTypeColumn, &Choices::wellTypeUsed},
        {"x", &Choices::xColumn, nullptr},
        {"y", &Choices::yColumn, nullptr},
        {"top", &Choices::topDepthColumn, &Choices::topDepthUsed},
        {"bottom", &Choices::bottomDepthColumn, &Choices::bottomDepthUsed},
        {"kb", &Choices::kbColumn, &Choices::kbUsed},
    };
    static constexpr Length kLengths[] = {
        {"x-unit", &Choices::xUnit, true},
        {"y-unit", &Choices::yUnit, true},
        {"kb-unit", &Choices::kbUnit, false},
        {"top-unit", &Choices::topDepthUnit, false},
        {"bottom-unit", &Choices::bottomDepthUnit, false},
    };

    std::array<std::optional<std::string>, std::size(kFields)> m_columnOptions;
    Choices m_units; // the units and the units-chosen flag
};

} // namespace

std::unique_ptr<Command> MakeLogCommand() {
    return std::make_unique<LogCommand>();
}

std::unique_ptr<Command> MakePathCommand() {
    return std::make_unique<PathCommand>();
}

std::unique_ptr<Command> MakeHeadsCommand() {
    return std::make_unique<HeadsCommand>();
}
