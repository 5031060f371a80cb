#include "PathLayoutChoice.h"

#include "ArgumentParser.h"
#include "LoadProblem.h"
#include "RecordTables.h"
#include "TablePreview.h"
#include "UsageError.h"
#include "loaders/CWellPath.h"
#include "reader/CDataFileReader.h"
#include "settings/ColumnRecognizer.h"
#include "settings/WellAttributeId.h"
#include "welldata/MessageBox.h"
#include "welldata/Utf8.h"

#include <vector>

namespace {

using Role = PathLayoutChoice::Role;

constexpr const char* kRoleOptions[] = {"md", "incl", "azim", "tvd", "dx", "dy", "x", "y", "z"};

// The attribute of the "well_path" section each role stands for.
constexpr unsigned int kRoleIds[] = {WAI_PATH_MD,  WAI_PATH_INCL, WAI_PATH_AZIM,
                                     WAI_PATH_TVD, WAI_PATH_DX,   WAI_PATH_DY,
                                     WAI_PATH_X,   WAI_PATH_Y,    WAI_PATH_Z};

// The roles of a layout besides MD.
std::vector<Role> LayoutRoles(int dataType) {
    switch (dataType) {
    case PATH_MD_INCL_AZIM:
    case PATH_LOG_MD_INCL_AZIM:
        return {PathLayoutChoice::kIncl, PathLayoutChoice::kAzim};
    case PATH_TVD_DX_DY:
        return {PathLayoutChoice::kTvd, PathLayoutChoice::kDx, PathLayoutChoice::kDy};
    case PATH_TVD_X_Y:
        return {PathLayoutChoice::kTvd, PathLayoutChoice::kX, PathLayoutChoice::kY};
    default:
        return {PathLayoutChoice::kX, PathLayoutChoice::kY, PathLayoutChoice::kZ};
    }
}

std::uint16_t LoaderColumn(int column) {
    // A column left out never matches a row, as with the dialogs' "none".
    return static_cast<std::uint16_t>(column < 0 ? 0xFFFF : column);
}

} // namespace

void PathLayoutChoice::Declare(ArgumentParser& parser, const std::string& typeOption) const {
    parser.AddValue(typeOption);
    for (int role = m_inLogFile ? kIncl : kMd; role < kRoleCount; ++role)
        parser.AddValue(kRoleOptions[role]);
}

const char* PathLayoutChoice::ColumnHelp() {
    return R"(  --md COL, --incl COL, --azim COL, --tvd COL, --dx COL, --dy COL,
  --x COL, --y COL, --z COL
                     the path columns, by 1-based number or by name (default:
                     recognised by name through the settings file))";
}

void PathLayoutChoice::Read(const ParsedArguments& arguments, const std::string& typeOption) {
    if (const auto layout = arguments.Value(typeOption)) {
        if (*layout == "md-incl-azim")
            m_dataType = m_inLogFile ? PATH_LOG_MD_INCL_AZIM : PATH_MD_INCL_AZIM;
        else if (*layout == "tvd-dx-dy")
            m_dataType = PATH_TVD_DX_DY;
        else if (*layout == "tvd-x-y")
            m_dataType = PATH_TVD_X_Y;
        else if (*layout == "x-y-z")
            m_dataType = PATH_X_Y_Z;
        else
            throw UsageError("unknown path layout '" + *layout + "' for --" + typeOption +
                             " (use " + LayoutNames() + ")");
    }
    for (int role = 0; role < kRoleCount; ++role)
        m_options[role] = arguments.Value(kRoleOptions[role]);
}

PathLayoutChoice::Assignment PathLayoutChoice::Assign(int dataType, const TablePreview& preview,
                                                      const CDataFileReader& reader,
                                                      int depthColumn) const {
    ColumnRecognizer recognizer(WellAttributeSection::WellPath, false);
    const auto recognised = recognizer.FindColumns(
        preview.Names(), [&reader](int column) { return reader.IsNumericCell(column); });
    const auto columnOf = [&](Role role) {
        if (m_options[role])
            return preview.Find(*m_options[role], kRoleOptions[role]);
        const auto found = recognised.find(kRoleIds[role]);
        return found == recognised.end() ? -1 : found->second;
    };
    Assignment assignment;
    assignment.dataType = dataType;
    assignment.columns.fill(-1);
    for (Role role : LayoutRoles(dataType))
        assignment.columns[role] = columnOf(role);
    assignment.columns[kMd] = m_inLogFile ? depthColumn : columnOf(kMd);
    return assignment;
}

bool PathLayoutChoice::IsComplete(const Assignment& assignment) {
    for (Role role : LayoutRoles(assignment.dataType)) {
        if (assignment.columns[role] < 0)
            return false;
    }
    return assignment.dataType == PATH_X_Y_Z || assignment.HasMd();
}

std::string PathLayoutChoice::MissingOptions(const Assignment& assignment) {
    std::vector<Role> roles = LayoutRoles(assignment.dataType);
    if (assignment.dataType != PATH_X_Y_Z)
        roles.insert(roles.begin(), kMd);
    std::string missing;
    for (Role role : roles) {
        if (assignment.columns[role] < 0)
            missing += std::string(missing.empty() ? "" : ", ") + "--" + kRoleOptions[role];
    }
    return missing;
}

PathLayoutChoice::Assignment PathLayoutChoice::Resolve(const TablePreview& preview,
                                                       const CDataFileReader& reader,
                                                       int depthColumn) const {
    Assignment assignment;
    if (m_dataType) {
        assignment = Assign(*m_dataType, preview, reader, depthColumn);
    } else {
        for (int dataType = PATH_MD_INCL_AZIM; dataType <= PATH_X_Y_Z; ++dataType) {
            assignment = Assign(dataType, preview, reader, depthColumn);
            if (IsComplete(assignment))
                return assignment;
        }
        welldata::ShowInformation(L"井轨迹数据不完整，请重新选择或校正数据文件。");
        throw LoadProblem("no path layout is complete: give --type (" + std::string(LayoutNames()) +
                          ") and its columns (" + preview.ColumnList() + ")");
    }
    if (!IsComplete(assignment)) {
        welldata::ShowInformation(L"井轨迹数据不完整，请重新选择或校正数据文件。");
        const std::string layout =
            welldata::ToUtf8(RecordTables::PathLayoutName(assignment.dataType));
        if (m_inLogFile && !assignment.HasMd())
            throw LoadProblem("the path's MD is the depth curve, and there is none");
        throw LoadProblem("the " + layout + " path needs " + MissingOptions(assignment) + " (" +
                          preview.ColumnList() + ")");
    }
    return assignment;
}

void PathLayoutChoice::Apply(const Assignment& assignment, CWellPath& loader) {
    loader.SetDataType(assignment.dataType);
    loader.SetHasMD(assignment.HasMd());
    const auto& columns = assignment.columns;
    loader.SetMDColumn(LoaderColumn(columns[kMd]));
    loader.SetINCLColumn(LoaderColumn(columns[kIncl]));
    loader.SetAZIMColumn(LoaderColumn(columns[kAzim]));
    loader.SetTVDColumn(LoaderColumn(columns[kTvd]));
    loader.SetDXColumn(LoaderColumn(columns[kDx]));
    loader.SetDYColumn(LoaderColumn(columns[kDy]));
    loader.SetXColumn(LoaderColumn(columns[kX]));
    loader.SetYColumn(LoaderColumn(columns[kY]));
    loader.SetZColumn(LoaderColumn(columns[kZ]));
}
