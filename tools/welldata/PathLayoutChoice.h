// The layout of a well path in a table (MD/INCL/AZIM, TVD/DX/DY, TVD/X/Y or
// X/Y/Z) and the columns holding it: taken from the options where they name
// them, otherwise recognised by name through the "well_path" section of the
// settings file, as the well path page preselects them (only columns whose
// first value is a number). Used for path files and for paths in log files.
#pragma once

#include <array>
#include <optional>
#include <string>

class ArgumentParser;
class CDataFileReader;
class CWellPath;
class ParsedArguments;
class TablePreview;

class PathLayoutChoice {
public:
    enum Role { kMd, kIncl, kAzim, kTvd, kDx, kDy, kX, kY, kZ, kRoleCount };

    // A layout for one file: the path data type and the 0-based column of each
    // role, -1 where none.
    struct Assignment {
        int dataType = 0;
        std::array<int, kRoleCount> columns{};
        bool HasMd() const { return columns[kMd] >= 0; }
    };

    // `inLogFile`: the layout of a path carried by a log file, whose MD is the
    // depth curve and whose MD, INCL, AZIM layout is data type 4.
    explicit PathLayoutChoice(bool inLogFile) : m_inLogFile(inLogFile) {}

    // The layout option (`typeOption`) and the column options.
    void Declare(ArgumentParser& parser, const std::string& typeOption) const;
    static const char* ColumnHelp();
    static const char* LayoutNames() { return "md-incl-azim, tvd-dx-dy, tvd-x-y or x-y-z"; }

    // Throws UsageError for an unknown layout name.
    void Read(const ParsedArguments& arguments, const std::string& typeOption);
    bool HasLayout() const { return m_dataType.has_value(); }

    // The assignment for one file. Without a layout option, the first layout
    // whose columns are all found. Shows the dialog's message and throws
    // LoadProblem when the columns are incomplete or an option names a column
    // the file does not have. `depthColumn` is the MD of a path in a log file.
    Assignment Resolve(const TablePreview& preview, const CDataFileReader& reader,
                       int depthColumn = -1) const;

    // Hands the layout and the columns to the loader.
    static void Apply(const Assignment& assignment, CWellPath& loader);

private:
    Assignment Assign(int dataType, const TablePreview& preview, const CDataFileReader& reader,
                      int depthColumn) const;
    static bool IsComplete(const Assignment& assignment);
    static std::string MissingOptions(const Assignment& assignment);

    bool m_inLogFile;
    std::optional<int> m_dataType;
    std::array<std::optional<std::string>, kRoleCount> m_options;
};
