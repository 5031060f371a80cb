#include "settings/PathColumnRecognizer.h"

#include "settings/ColumnRecognizer.h"
#include "settings/WellAttributeId.h"

namespace {

using welldata::PathColumn;

// The "well_path" attribute each path column stands for.
unsigned int PathColumnId(PathColumn column) {
    switch (column) {
    case PathColumn::Md:
        return WAI_PATH_MD;
    case PathColumn::Incl:
        return WAI_PATH_INCL;
    case PathColumn::Azim:
        return WAI_PATH_AZIM;
    case PathColumn::Tvd:
        return WAI_PATH_TVD;
    case PathColumn::Dx:
        return WAI_PATH_DX;
    case PathColumn::Dy:
        return WAI_PATH_DY;
    case PathColumn::X:
        return WAI_PATH_X;
    case PathColumn::Y:
        return WAI_PATH_Y;
    case PathColumn::Z:
        return WAI_PATH_Z;
    }
    return WAI_NONE;
}

} // namespace

welldata::PathColumnAssignment PathColumnRecognizer::Recognise(
    const Row& names, const std::function<bool(int)>& firstValueIsNumber, std::int32_t dataType) {
    const std::map<unsigned int, int> recognised =
        ColumnRecognizer(WellAttributeSection::WellPath, false)
            .FindColumns(names, firstValueIsNumber);
    welldata::PathColumnAssignment assignment;
    assignment.dataType = dataType;
    std::vector<PathColumn> columns = welldata::RequiredPathColumns(dataType);
    columns.push_back(PathColumn::Md);
    for (PathColumn column : columns) {
        const auto found = recognised.find(PathColumnId(column));
        if (found != recognised.end())
            assignment.Column(column) = static_cast<std::uint16_t>(found->second + 1);
    }
    assignment.hasMd = assignment.Column(PathColumn::Md) > 0;
    return assignment;
}
