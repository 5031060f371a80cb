// CWellPath::TakeChoices, the one hand-over of the well path dialog's OK, the
// headless load and the command: which columns reach the loader, less one,
// for each layout.
#include "loaders/CWellPath.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using welldata::PathColumn;
using welldata::PathColumnAssignment;

namespace {

// The loader with its column settings in view.
class InspectedPath : public CWellPath {
public:
    using CWellPath::AZIMColumn;
    using CWellPath::CWellPath;
    using CWellPath::INCLColumn;
    using CWellPath::MDColumn;
};

PathColumnAssignment Assignment(std::int32_t dataType,
                                std::initializer_list<std::pair<PathColumn, int>> columns,
                                bool hasMd) {
    PathColumnAssignment assignment;
    assignment.dataType = dataType;
    assignment.hasMd = hasMd;
    for (const auto& [column, number] : columns)
        assignment.Column(column) = static_cast<std::uint16_t>(number);
    return assignment;
}

class WellPathChoices : public testing::Test {
protected:
    testing_support::ScratchFile file;
    COMMON::STRUCT_WELL_PATH path;
    InspectedPath loader{&file.reader, &path};
};

} // namespace

TEST_F(WellPathChoices, MdInclAzimHandsItsMdColumnWhateverHasMdSays) {
    loader.TakeChoices(
        Assignment(PATH_MD_INCL_AZIM,
                   {{PathColumn::Md, 1}, {PathColumn::Incl, 2}, {PathColumn::Azim, 3}}, false));
    EXPECT_EQ(loader.MDColumn(), 0);
    EXPECT_EQ(loader.INCLColumn(), 1);
    EXPECT_EQ(loader.AZIMColumn(), 2);
}

TEST_F(WellPathChoices, XYZWithoutMdLeavesTheLoadersMdColumnAsItWas) {
    loader.SetMDColumn(7);
    loader.TakeChoices(Assignment(
        PATH_X_Y_Z, {{PathColumn::X, 1}, {PathColumn::Y, 2}, {PathColumn::Z, 3}}, false));
    EXPECT_EQ(loader.MDColumn(), 7);
    EXPECT_EQ(loader.GetDataType(), PATH_X_Y_Z);
    // With MD present, a column left at 0 arrives as 65535 and is never found.
    loader.TakeChoices(Assignment(PATH_X_Y_Z, {}, true));
    EXPECT_EQ(loader.MDColumn(), 65535);
}
