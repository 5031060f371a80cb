#include "reader/CellSplitter.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

class TextTableRead : public testing::Test {
protected:
    testing_support::ScratchFile file;
    CDataFileReader& reader = file.reader;
    testing_support::MessageCapture messages;
};

std::string Lines(int count, const char* end = "\r\n") {
    std::string text = "DEPTH GR\r\n";
    for (int i = 0; i < count; ++i)
        text += std::to_string(1000 + i) + " " + std::to_string(i) + end;
    return text;
}

} // namespace

TEST_F(TextTableRead, HeaderUnitsLinePaddingAndBlankLines) {
    const std::pair<std::string, RowTable> cases[] = {
        // A second line without numbers is a units line; with one it is data.
        {"DEPTH  GR   RT\r\nm  API  ohm.m\r\n2150.0 45.1 12\r\n2150.125 46.0 13\r\n",
         {{L"DEPTH", L"GR", L"RT"}, {L"2150.0", L"45.1", L"12"}, {L"2150.125", L"46.0", L"13"}}},
        {"DEPTH GR\nm 45\n2150 46\n", {{L"DEPTH", L"GR"}, {L"m", L"45"}, {L"2150", L"46"}}},
        {"\n\nA B\n\n1 2\n\n\n3 4", {{L"A", L"B"}, {L"1", L"2"}, {L"3", L"4"}}},
        // With an LF later in the chunk a lone CR ends no line; the cell loses it.
        {"A B\n1\r2 3\n", {{L"A", L"B"}, {L"12", L"3"}}},
        // GB18030, also with a character split by the end of the first chunk (the
        // zeros make the line data, not a units line).
        {"\xBE\xAE\xC9\xEE GR\n1 2\n", {{L"\u4E95\u6DF1", L"GR"}, {L"1", L"2"}}},
        {"A B\n" + std::string(2042, '0') + " \xBE\xAE\n",
         {{L"A", L"B"}, {std::wstring(2042, L'0'), L"\u4E95"}}},
        // A NUL byte ends the usable part of its chunk; the next chunk is read again.
        {std::string("A B\n1 2\n\0003 4\n", 13) + std::string(2048, ' ') + "\n5 6\n",
         {{L"A", L"B"}, {L"1", L"2"}, {L"5", L"6"}}},
    };
    for (const auto& [bytes, rows] : cases) {
        ASSERT_TRUE(file.Read(bytes)) << bytes;
        EXPECT_EQ(reader.GetRows(), rows) << bytes;
    }
    EXPECT_EQ(reader.GetRowCount(), 2);
    EXPECT_EQ(reader.GetColumnCount(), 2);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(TextTableRead, EveryLineEndAndLineLengthAcrossChunks) {
    for (const char* end : {"\n", "\r\n", "\r"}) {
        ASSERT_TRUE(file.Read(Lines(1000, end))) << testing::PrintToString(end);
        ASSERT_EQ(reader.GetRowCount(), 1000);
        for (int i = 1; i <= 1000; ++i)
            ASSERT_EQ(reader.GetRow(i), (Row{std::to_wstring(999 + i), std::to_wstring(i - 1)}))
                << i;
    }
    // Lines of every length around the 2048-byte chunk, one of them exactly 2048
    // bytes with its line end, and a 10,000-character cell.
    std::string text = "NAME VALUE\n";
    for (size_t length : {2040u, 2046u, 2047u, 2048u, 2049u, 4095u, 10000u})
        text += std::string(length - 2, 'x') + " 1\n";
    text += std::string(2047, 'y') + "\n";
    ASSERT_TRUE(file.Read(text));
    ASSERT_EQ(reader.GetRowCount(), 8);
    EXPECT_EQ(reader.GetRow(4)[0].size(), 2046u);
    EXPECT_EQ(reader.GetRow(7)[0].size(), 9998u);
    EXPECT_EQ(reader.GetRow(8), (Row{std::wstring(2047, L'y'), L"-9999.0"}));
}

TEST_F(TextTableRead, PreviewModesStopEarly) {
    ASSERT_TRUE(file.Read("\n" + Lines(40), CDataFileReader::kReadPreview));
    EXPECT_EQ(reader.GetRowCount(), 14); // 15 non-empty lines: the header and 14 rows
    ASSERT_TRUE(file.Read(Lines(40), CDataFileReader::kReadFirstLine));
    EXPECT_EQ(reader.GetRowCount(), 0);
    EXPECT_EQ(reader.GetRow(0), (Row{L"DEPTH", L"GR"}));
    ASSERT_TRUE(file.Read(Lines(40), 100)); // other modes read everything
    EXPECT_EQ(reader.GetRowCount(), 40);
}

TEST(CellSplitter, SplitsAtBlanksTabsCommasColonsAndSemicolons) {
    const std::pair<std::wstring, Row> cases[] = {
        {L"DEPTH GR  SP", {L"DEPTH", L"GR", L"SP"}},
        {L"1.0,,2.0", {L"1.0", L"2.0"}}, // empty fields vanish
        {L"\t;a:b;\t", {L"a", L"b"}},
        {L"a\rb c\n", {L"ab", L"c"}}, // line ends removed, not split
        {L"\"two words\"", {L"\"two", L"words\""}},
        {L" ,;: \t", {}},
    };
    for (const auto& [line, cells] : cases)
        EXPECT_EQ(welldata::SplitCells(line), cells) << testing::PrintToString(line);
}
