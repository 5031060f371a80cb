// Bad text tables read in full: the message, the result, the row table and the
// values a column gives, one row of docs/bad-input.md per case.
#include "reader/CDataFileReader.h"
#include "robustness/BadInput.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace robustness;

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

struct TableCase {
    const char* name;
    std::string file;
    bool read;
    std::wstring message; // the one message shown, empty for none
    size_t rows;          // rows of the table, header row included
    int columns;
    std::vector<float> column1; // the values of the second column
    bool numeric = false;       // IsNumericColumn(1)
    bool headerSearch = false;
};

std::string ManyColumns(int count) {
    std::string header;
    for (int i = 0; i < count; ++i)
        header += "C" + std::to_string(i) + "\t";
    return header + "\n1\n";
}

std::vector<TableCase> Cases() {
    return {
        {"missing file", kMissingFile, false, kOpenFailed, 0, 0, {}},
        {"empty file", "", false, L"", 0, 0, {}},
        {"only line ends", "\r\n\n\r", false, L"", 0, 0, {}},
        {"binary bytes", BinaryBytes(4096), true, L"", 16, 5, std::vector<float>(15, 0.0f)},
        {"NUL byte", std::string("A B\n1 2\n3\0 9\n4 5\n", 17), true, L"", 3, 2, {2, -9999}, true},
        {"UTF-16 file", Utf16("DEPTH GR\n1 2\n"), true, L"", 1, 1, {}},
        {"UTF-16 file, header search",
         Utf16("DEPTH GR\n1 2\n"),
         false,
         kNoDepthHeader,
         0,
         0,
         {},
         false,
         true},
        {"UTF-8 text read as GB18030", "DEPTH 伽马\n1000 45\n", true, L"", 2, 2, {45}, true},
        {"huge line", ManyColumns(100000), true, L"", 2, 100000, {-9999}, true},
        {"huge cell",
         "D G\n1 " + std::string(1 << 20, 'x') + "\n2 3\n",
         true,
         L"",
         3,
         2,
         {0, 3},
         true},
        {"rows of the wrong length", "A B C\n1\n1 2 3 4\n", true, L"", 3, 3, {-9999, 2}, true},
        {"header of separators only", "\t,;\n1 2\n3\n", true, L"", 2, 2, {-9999}, true},
        {"no depth header", "NAME VALUE\n1 2\n", false, kNoDepthHeader, 0, 0, {}, false, true},
        {"text in numeric columns", "D G\n1 2\n2 abc\n", true, L"", 3, 2, {2, 0}},
        {"text in the first data row only", "D G\n1 abc\n2 3\n", true, L"", 3, 2, {0, 3}, true},
        {"first data line all text", "D G\nn/a n/a\n1 2\n", true, L"", 2, 2, {2}, true},
        {"NaN and infinity",
         "D G\n1 nan\n2 inf\n3 -inf\n",
         true,
         L"",
         4,
         2,
         {kNaN, kInf, -kInf},
         true},
        {"overflow", "D G\n1 2\n2 1e309\n", true, L"", 3, 2, {2, 0}},
        {"duplicate column names", "D D\n1 2\n", true, L"", 2, 2, {2}, true},
    };
}

} // namespace

TEST(TextTableBadInput, FullReadGivesTheCataloguedOutcome) {
    for (const TableCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        testing_support::ScratchDir dir;
        testing_support::MessageCapture messages;
        CDataFileReader reader;
        reader.SetFilePath(FileOrMissing(dir, "bad.txt", c.file));
        reader.SetHeaderSearch(c.headerSearch);
        EXPECT_EQ(reader.Read(CDataFileReader::kReadAll), c.read);
        ExpectMessage(messages, c.message);
        EXPECT_EQ(reader.GetRows().size(), c.rows);
        EXPECT_EQ(reader.GetColumnCount(), c.columns);
        const std::vector<float> values = reader.GetColumn(1);
        EXPECT_TRUE(SameValues(values, c.column1)) << testing::PrintToString(values);
        EXPECT_EQ(reader.IsNumericColumn(1), c.numeric);
    }
}
