// Reading delimited text tables: lines, header, units line, padding, previews.
#include "reader/CDataFileReader.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using testing_support::MessageCapture;
using testing_support::ScratchDir;

namespace {

class TextTableRead : public testing::Test {
protected:
    bool Read(const std::string& bytes, int mode = CDataFileReader::kReadAll) {
        reader.SetFilePath(dir.Write("table.txt", bytes));
        return reader.Read(mode);
    }
    Row RowAt(int i) const { return reader.GetRow(i); }

    ScratchDir dir;
    CDataFileReader reader;
    MessageCapture messages;
};

std::string Lines(int count, const char* end = "\r\n") {
    std::string text = "DEPTH GR\r\n";
    for (int i = 0; i < count; ++i)
        text += std::to_string(1000 + i) + " " + std::to_string(i) + end;
    return text;
}

} // namespace

TEST_F(TextTableRead, HeaderUnitsLineAndDataRows) {
    ASSERT_TRUE(Read("DEPTH  GR   RT\r\nm  API  ohm.m\r\n2150.0 45.1 12\r\n2150.125 46.0 13\r\n"));
    EXPECT_EQ(RowAt(0), (Row{L"DEPTH", L"GR", L"RT"}));
    EXPECT_EQ(RowAt(1), (Row{L"2150.0", L"45.1", L"12"}));
    EXPECT_EQ(reader.GetRowCount(), 2);
    EXPECT_EQ(reader.GetColumnCount(), 3);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(TextTableRead, SecondLineWithOneNumberIsData) {
    ASSERT_TRUE(Read("DEPTH GR\nm 45\n2150 46\n"));
    EXPECT_EQ(RowAt(1), (Row{L"m", L"45"}));
    EXPECT_EQ(reader.GetRowCount(), 2);
}

TEST_F(TextTableRead, ShortRowsArePaddedLongRowsKept) {
    ASSERT_TRUE(Read("A B C\n1\n1 2 3 4\n"));
    EXPECT_EQ(RowAt(1), (Row{L"1", L"-9999.0", L"-9999.0"}));
    EXPECT_EQ(RowAt(2), (Row{L"1", L"2", L"3", L"4"}));
}

TEST_F(TextTableRead, BlankLinesAndMissingFinalLineEnd) {
    ASSERT_TRUE(Read("\n\nA B\n\n1 2\n\n\n3 4"));
    EXPECT_EQ(reader.GetRowCount(), 2);
    EXPECT_EQ(RowAt(2), (Row{L"3", L"4"}));
}

TEST_F(TextTableRead, LineEndsGiveTheSameRows) {
    for (const char* end : {"\n", "\r\n", "\r"}) {
        ASSERT_TRUE(Read(Lines(300, end))) << "line end " << testing::PrintToString(end);
        EXPECT_EQ(reader.GetRowCount(), 300);
        EXPECT_EQ(RowAt(300), (Row{L"1299", L"299"}));
    }
}

TEST_F(TextTableRead, LinesAcrossChunkBoundaries) {
    // Lines of every length around the 2048-byte chunk, one of them exactly 2048
    // bytes with its line end, and a 10,000-character cell.
    std::string text = "NAME VALUE\n";
    Row expectedLast;
    for (size_t length : {2040u, 2046u, 2047u, 2048u, 2049u, 4095u, 10000u}) {
        const std::string cell(length - 2, 'x');
        text += cell + " 1\n";
    }
    text += std::string(2047, 'y') + "\n";
    ASSERT_TRUE(Read(text));
    ASSERT_EQ(reader.GetRowCount(), 8);
    EXPECT_EQ(RowAt(4)[0].size(), 2046u);
    EXPECT_EQ(RowAt(7)[0].size(), 9998u);
    EXPECT_EQ(RowAt(8), (Row{std::wstring(2047, L'y'), L"-9999.0"}));
}

TEST_F(TextTableRead, CrOnlyFileLongerThanAChunk) {
    ASSERT_TRUE(Read(Lines(1000, "\r")));
    EXPECT_EQ(reader.GetRowCount(), 1000);
    for (int i = 1; i <= 1000; ++i)
        ASSERT_EQ(RowAt(i)[1], std::to_wstring(i - 1)) << "row " << i;
}

TEST_F(TextTableRead, LoneCrWithinLfLinesStaysInTheLine) {
    // With an LF later in the chunk, a lone CR does not end a line; it is removed
    // from the cell.
    ASSERT_TRUE(Read("A B\n1\r2 3\n"));
    EXPECT_EQ(RowAt(1), (Row{L"12", L"3"}));
}

TEST_F(TextTableRead, PreviewModesStopEarly) {
    ASSERT_TRUE(Read("\n" + Lines(40), CDataFileReader::kReadPreview));
    EXPECT_EQ(reader.GetRowCount(), 14); // 15 non-empty lines: the header and 14 rows
    ASSERT_TRUE(Read(Lines(40), CDataFileReader::kReadFirstLine));
    EXPECT_EQ(reader.GetRowCount(), 0);
    EXPECT_EQ(RowAt(0), (Row{L"DEPTH", L"GR"}));
    ASSERT_TRUE(Read(Lines(40), 100)); // other modes read everything
    EXPECT_EQ(reader.GetRowCount(), 40);
}

TEST_F(TextTableRead, HeaderSearchSkipsTitleLines) {
    reader.SetHeaderSearch(true);
    ASSERT_TRUE(Read("Well A1 logs\nexported 2024\n#Depth GR\n1 2\n"));
    EXPECT_EQ(RowAt(0), (Row{L"#Depth", L"GR"}));
    EXPECT_EQ(reader.GetRowCount(), 1);
}

TEST_F(TextTableRead, HeaderSearchWithoutDepthFails) {
    reader.SetHeaderSearch(true);
    EXPECT_FALSE(Read("MD GR\n1 2\n"));
    EXPECT_EQ(messages.Single(), L"加载井曲线数据时，指定了非法的数据文件，请确认之后重试。");
    EXPECT_EQ(messages.Messages()[0].caption, L"Welvorax");
    EXPECT_TRUE(reader.GetRows().empty());
}

TEST_F(TextTableRead, Gb18030Text) {
    ASSERT_TRUE(Read("\xB6\xA5\xC9\xEE \xB5\xD7\xC9\xEE \xD1\xD2\xD0\xD4\r\n" // 顶深 底深 岩性
                     "1601 1607 \xBB\xD2\xC9\xAB\xCF\xB8\xC9\xB0\xD1\xD2\r\n")); // 灰色细砂岩
    EXPECT_EQ(RowAt(0), (Row{L"顶深", L"底深", L"岩性"}));
    EXPECT_EQ(RowAt(1)[2], L"灰色细砂岩");
}

TEST_F(TextTableRead, InvalidBytesKeepTheLine) {
    ASSERT_TRUE(Read("A B\n1 \x80\xFF\n2 3\n"));
    EXPECT_EQ(RowAt(1), (Row{L"1", L"\uFFFD\uFFFD"}));
    EXPECT_EQ(reader.GetRowCount(), 2);
}

TEST_F(TextTableRead, NulByteEndsTheUsablePartOfItsChunk) {
    std::string text = "A B\n1 2\n";
    text += '\0';
    text += "3 4\n";                            // lost with the rest of the chunk
    text += std::string(2048, ' ') + "\n5 6\n"; // next chunks are read again
    ASSERT_TRUE(Read(text));
    EXPECT_EQ(reader.GetRowCount(), 2);
    EXPECT_EQ(RowAt(2), (Row{L"5", L"6"}));
}

TEST_F(TextTableRead, FailuresAndTheirMessages) {
    EXPECT_FALSE(reader.Read(CDataFileReader::kReadAll)); // no path
    EXPECT_EQ(messages.Count(), 0u);

    reader.SetFilePath(testing_support::Widen(dir.Path() + "/missing.txt"));
    EXPECT_FALSE(reader.Read(CDataFileReader::kReadAll));
    EXPECT_EQ(messages.Single(), L"打开文件失败。");
    EXPECT_EQ(messages.Messages()[0].owner, welldata::MessageOwner::ApplicationBox);
    messages.Clear();

    EXPECT_FALSE(Read(""));
    EXPECT_FALSE(Read("\n\r\n\n"));
    EXPECT_EQ(messages.Count(), 0u);

    reader.SetDataFormat(static_cast<COMMON::WELL_LOG_DATA_FORMAT>(7));
    EXPECT_FALSE(Read("A B\n1 2\n"));
}

TEST_F(TextTableRead, BinaryFileGivesRowsWithoutCrashing) {
    std::string bytes;
    for (int i = 0; i < 20000; ++i)
        bytes += static_cast<char>((i * 7919) % 256);
    Read(bytes);
    for (const Row& row : reader.GetRows())
        EXPECT_FALSE(row.empty());
}

TEST_F(TextTableRead, NewReadReplacesTheTable) {
    ASSERT_TRUE(Read(Lines(5)));
    ASSERT_TRUE(Read(Lines(2)));
    EXPECT_EQ(reader.GetRowCount(), 2);
}
