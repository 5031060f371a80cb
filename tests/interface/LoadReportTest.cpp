// What a load did to the file's text, read back from the load object: rows of
// another length than the header, headers split further than they show, cells
// read as 0, declared units, bytes that are no text; by file line, each cell
// once, with the records themselves unchanged.
#include "settings/ScopedSettingsFile.h"
#include "support/TestSupport.h"
#include "welldata/CLoadData.h"
#include "welldata/TablePreview.h"

#include <gtest/gtest.h>

using namespace COMMON;
using welldata::LoadReport;
using welldata::PathColumn;
using Lines = std::vector<std::size_t>;

namespace {

class LoadReportTest : public testing::Test {
protected:
    settings_test::ScopedSettingsFile settings{
        settings_test::SectionText("well_log", {"17=DEPTH 深度 DEPT", "21=GR 自然伽马"})};
    std::wstring Write(const std::string& text) { return dir.Write("table.txt", text); }
    // Every column of `text` loaded as a rock core analysis table.
    const LoadReport& LoadAnalysis(const std::string& text) {
        const welldata::CoreAnalysisChoices choices = welldata::SuggestCoreAnalysisChoices(
            welldata::PreviewTable(Write(text), welldata::TableKind::CoreAnalysis));
        EXPECT_TRUE(load.ReadFile(Write(text), choices));
        return load.GetLoadReport();
    }
    void TearDown() override { EXPECT_EQ(messages.Count(), 0u); }

    testing_support::ScratchDir dir;
    testing_support::MessageCapture messages;
    CLoadData load{LDT_WELL_DATA};
};

TEST_F(LoadReportTest, RowsOfAnotherLengthAndTextCellsByFileLine) {
    // Line 3 is blank and counts; line 2 is the units line.
    const LoadReport& report = LoadAnalysis("DEPTH,GR,RHOB\nm,API,g/cc\n\n"
                                            "1000,50,2.4\n1000.5,,2.45\n1001,abc,2.5,9\n");
    EXPECT_EQ(
        std::tie(report.headerLine, report.headerCells, report.headerFields, report.unitsLine),
        std::make_tuple(1u, 3u, 3u, 2u));
    EXPECT_EQ(report.declaredUnits, (std::vector<std::wstring>{L"m", L"API", L"g/cc"}));
    EXPECT_EQ(std::tie(report.shortRows.count, report.longRows.count, report.textCells.count),
              std::make_tuple(1u, 1u, 1u));
    EXPECT_EQ(std::tie(report.shortRows.lines, report.longRows.lines, report.textCells.lines),
              std::make_tuple(Lines{5}, Lines{6}, Lines{6}));
    EXPECT_TRUE(report.IsText() && report.ChangedCells());
    EXPECT_EQ(welldata::DescribeLoadReport(report).back(),
              L"1 cell is not a number, read as 0 (line 6)");
}

TEST_F(LoadReportTest, EachLoaderNotesTheCellsItReadAsZeroOnce) {
    const std::string table = "MD TVD X Y\n1000 999 5 6\n1010 abc 7 8\n1020 1019 - 9\n";
    welldata::PathColumnAssignment path;
    path.dataType = PATH_TVD_X_Y;
    path.columns = {1, 0, 0, 2, 0, 0, 3, 4};
    path.hasMd = true;
    ASSERT_TRUE(load.ReadFile(Write(table), path));
    EXPECT_EQ(load.GetLoadReport().textCells.count, 2u);
    EXPECT_EQ(load.GetLoadReport().textCells.lines, (Lines{3, 4}));

    welldata::WellHeadChoices heads;
    std::tie(heads.nameColumn, heads.xColumn, heads.yColumn) = std::tuple(0, 2, 3);
    ASSERT_TRUE(load.ReadFile(Write(table), heads));
    EXPECT_EQ(load.GetLoadReport().textCells.lines, Lines{4}) << "a name is text by right";

    // A log with a path in its columns reads the depth column twice.
    const std::string log = "DEPTH GR INCL AZIM\nx 40 5 6\n1001 41 7 8\n";
    welldata::WellLogChoices choices = welldata::SuggestWellLogChoices(
        welldata::PreviewTable(Write(log), welldata::TableKind::WellLog));
    choices.withWellPath = true;
    choices.path.dataType = PATH_LOG_MD_INCL_AZIM;
    choices.path.columns = {1, 3, 4};
    ASSERT_TRUE(load.ReadFile(Write(log), choices));
    EXPECT_EQ(load.GetLoadReport().textCells.count, 1u);
}

TEST_F(LoadReportTest, KeepsTheFirstLinesAndCountsEveryFinding) {
    std::string table = "A B\n";
    for (int row = 0; row < 20; ++row)
        table += row % 2 == 0 ? "x y 2\n" : "1\n";
    // Two text cells in a row: counted twice, its line listed once.
    const LoadReport& report = LoadAnalysis(table);
    EXPECT_EQ(std::tie(report.longRows.count, report.shortRows.count, report.textCells.count),
              std::make_tuple(10u, 10u, 20u));
    EXPECT_EQ(report.longRows.lines, (Lines{2, 4, 6, 8, 10}));
    EXPECT_EQ(report.textCells.lines, report.longRows.lines);
    EXPECT_NE(welldata::DescribeLoadReport(report).front().find(L"(lines 3, 5, 7, 9, 11, ...)"),
              std::wstring::npos);
}

TEST_F(LoadReportTest, BytesThatAreNoTextAreCounted) {
    // Bytes after the header, NUL bytes, control bytes, text or not.
    const std::tuple<std::string, std::size_t, std::size_t, bool> cases[] = {
        {"1 2\x1A\n", 0, 0, true}, // the end-of-file mark of old files
        {std::string("1\0 2\n", 5), 1, 0, false},
        {"1 2\x01" + std::string(300, '3') + "\n", 0, 1, true},
    };
    for (const auto& [data, nulBytes, controlBytes, text] : cases) {
        const LoadReport& report = LoadAnalysis("A B\n" + data);
        EXPECT_EQ(report.nulBytes, nulBytes) << data;
        EXPECT_EQ(report.controlBytes, controlBytes) << data;
        EXPECT_EQ(report.bytes, 4 + data.size()) << data;
        EXPECT_EQ(report.IsText(), text) << data;
    }
    EXPECT_EQ(welldata::DescribeLoadReport(LoadAnalysis("A B\n1\x02\x03 2\n")).front(),
              L"the file is not text: 2 control bytes in 10 bytes");
}

} // namespace
