// What a host sees of a table before it loads, and the choices suggested from it.
#include "welldata/TablePreview.h"
#include "settings/ScopedSettingsFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using welldata::PathColumn;
using welldata::TableKind;

namespace {

struct TablePreviewTest : testing::Test {
    welldata::TablePreview Preview(const std::string& text, TableKind kind) {
        return welldata::PreviewTable(dir.Write("t.txt", text), kind);
    }
    testing_support::ScratchDir dir;
    settings_test::ScopedSettingsFile settings{settings_test::SectionText(
        "well_path", {"8=MD DEPTH", "15=INCL", "16=AZIM", "14=TVD", "9=X", "10=Y", "11=Z"})};
};

TEST_F(TablePreviewTest, PathLayoutsAreTriedInOrderOnNumericColumns) {
    welldata::PathColumnAssignment found;
    // MD, INCL, AZIM comes first when its columns are all there.
    ASSERT_TRUE(welldata::DetectPathLayout(
        Preview("MD INCL AZIM TVD X Y\n1 2 3 4 5 6\n", TableKind::WellPath), found));
    EXPECT_EQ(found.dataType, PATH_MD_INCL_AZIM);
    EXPECT_EQ(found.columns, (std::array<std::uint16_t, 9>{1, 2, 3}));
    // A column whose first value is text is never taken: the X, Y, Z layout
    // needs no MD, so it is found although the MD column is text.
    const auto text = Preview("DEPTH X Y Z\nnone 5 6 7\n", TableKind::WellPath);
    ASSERT_TRUE(welldata::DetectPathLayout(text, found));
    EXPECT_EQ(found.dataType, PATH_X_Y_Z);
    EXPECT_FALSE(found.hasMd);
    EXPECT_EQ(found.Column(PathColumn::Z), 4);
    EXPECT_FALSE(welldata::DetectPathLayout(Preview("A B\n1 2\n", TableKind::WellPath), found));
}

} // namespace
