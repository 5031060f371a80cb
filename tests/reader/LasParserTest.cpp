#include "support/TestSupport.h"

#include <gtest/gtest.h>

using testing_support::LasHeader;
using testing_support::LasWithData;
using testing_support::MessageCapture;
using testing_support::ScratchFile;
using welldata::MessageOwner;

TEST(LasParser, SectionsAreNamedByTheirTildeAndFirstLetter) {
    ScratchFile las;
    ASSERT_TRUE(
        las.ReadLas("~Version\n VERS. 2.0 : v\n WRAP. NO : w\n~Well\n WELL. HD-1 : well\n"
                    "~Curve\n DEPT.M : depth\n GR.API : gamma\n~Parameter\n BS.MM 216 : bit ~size\n"
                    "~Other\n free text. with a point : and a colon\n"
                    "~ASCII DEPT GR\n1000.0 45.5\n~1000.5 46.5\n"));
    // The "~" in the bit size line starts a section of its own there.
    std::vector<std::wstring> names;
    for (const CLasSection& section : las.reader.GetLasSections()->Sections())
        names.push_back(section.strName);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"~V", L"~W", L"~C", L"~P", L"~s", L"~O"}));
    EXPECT_EQ(las.Section(L"~c")->GetItemCount(), 2);
    EXPECT_EQ(las.Section(L"~P")->GetItemCount(), 0);
    EXPECT_EQ(las.Section(L"~O")->GetItemCount(), 0);
    EXPECT_EQ(las.Section(L"~W")->FindItem(L"well")->strValue, L"HD-1");
    // Rows start after the data line, and a data line with a "~" is still data.
    ASSERT_EQ(las.reader.GetRowCount(), 2);
    EXPECT_EQ(las.reader.GetRow(1), (Row{L"~1000.5", L"46.5"}));
}

TEST(LasParser, CommentLinesAreSkippedInHeaderAndData) {
    ScratchFile las;
    ASSERT_TRUE(
        las.ReadLas("# produced by hand\n" + LasHeader() +
                    "#  ~Curve\n~Curve\n#MNEM.UNIT\n"
                    " DEPT.M : depth\n GR.API : gamma\n~A\n# DEPT GR\n1000 1\n#1000.5 2\n"));
    EXPECT_EQ(las.Section(L"~C")->GetItemCount(), 2);
    ASSERT_EQ(las.reader.GetRowCount(), 1);
    EXPECT_EQ(las.reader.GetRow(0), (Row{L"1000", L"1"}));
    // "#" only counts at the start of a line: a later one adds cells to its row.
    EXPECT_FALSE(
        las.ReadLas(LasWithData("1000 1 2\n1001 3 4 # five\n"), CDataFileReader::kReadAll, true));
}

// The texts are the bad-input catalogue's; here the owner (which also tells the
// missing-section message from the missing-data-mark one) and caption.
TEST(LasParser, RejectedFilesShowOneMessage) {
    const std::string curves = "~Curve\n DEPT.M : depth\n GR.API : gamma\n";
    const auto focus = MessageOwner::FocusWindow;
    const std::pair<std::string, MessageOwner> cases[] = {
        {" VERS. 2.0 : v\n" + LasHeader() + curves + "~A\n1 2\n", MessageOwner::None},
        {"HELLO\nWORLD\n", focus}, // no separators anywhere: no data mark, not no section
        {LasWithData("1000.125 45 2\n1000.25 46\n"), focus}};
    for (const auto& [text, owner] : cases) {
        SCOPED_TRACE(text);
        ScratchFile las;
        MessageCapture messages;
        EXPECT_FALSE(las.ReadLas(text));
        ASSERT_EQ(messages.Count(), 1u);
        EXPECT_EQ(messages.Messages()[0].owner, owner);
        EXPECT_EQ(messages.Messages()[0].caption, welldata::kProductCaption);
    }
}

TEST(LasParser, AWrapValueInLowerCaseWraps) {
    ScratchFile las;
    ASSERT_TRUE(las.ReadLas(LasWithData("1000.0\n45 2.5\n1000.5 46\n3.5\n", "yes")));
    EXPECT_EQ(las.reader.GetRows(),
              (RowTable{{L"1000.0", L"45", L"2.5"}, {L"1000.5", L"46", L"3.5"}}));
}
