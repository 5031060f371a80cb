// Bad text tables read in full, one case per row of docs/bad-input.md: the
// result, the message, the row table and the values of the second column.
#include "reader/CDataFileReader.h"
#include "robustness/BadInput.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace robustness;

struct TableCase {
    const char* name;
    std::string file;
    bool read;
    std::wstring message; // empty for none
    size_t rows;          // header row included
    int columns;
    std::wstring column1;
    bool numeric = false; // IsNumericColumn(1)
    bool headerSearch = false;
    bool detectCodePage = false; // read as a host's automatic choice reads it
};

TEST(TextTableBadInput, FullReadGivesTheCataloguedOutcome) {
    std::string manyColumns;
    for (int i = 0; i < 100000; ++i)
        manyColumns += "C" + std::to_string(i) + "\t";
    const std::string utf16 = Utf16("DEPTH GR\n1 2\n"), hugeCell = std::string(1 << 20, 'x');
    const TableCase cases[] = {
        {"missing file", kMissingFile, false, kOpenFailed, 0, 0, L""},
        {"empty file", "", false, L"", 0, 0, L""},
        {"only line ends", "\r\n\n\r", false, L"", 0, 0, L""},
        {"binary bytes", BinaryBytes(4096), true, L"", 16, 5, L"0 0 0 0 0 0 0 0 0 0 0 0 0 0 0"},
        {"NUL byte", std::string("A B\n1 2\n3\0 9\n4 5\n", 17), true, L"", 3, 2, L"2 -9999", true},
        {"UTF-16 file", utf16, true, L"", 1, 1, L""},
        {"UTF-16 file, header search", utf16, false, kNoDepthHeader, 0, 0, L"", false, true},
        {"UTF-16 file, code page detected", utf16, true, L"", 2, 2, L"2", true, false, true},
        {"UTF-16BE file without a mark, header search, code page detected",
         testing_support::Utf16(L"title\r\nDEPTH GR\r\n1 2\r\n", true), true, L"", 2, 2, L"2", true,
         true, true},
        {"UTF-8 text read as GB18030", "DEPTH 伽马\n1000 45\n", true, L"", 2, 2, L"45", true},
        {"huge line", manyColumns + "\n1\n", true, L"", 2, 100000, L"-9999", true},
        {"huge cell", "D G\n1 " + hugeCell + "\n2 3\n", true, L"", 3, 2, L"0 3", true},
        {"rows of the wrong length", "A B C\n1\n1 2 3 4\n", true, L"", 3, 3, L"-9999 2", true},
        {"header of separators only", "\t,;\n1 2\n3\n", true, L"", 2, 2, L"-9999", true},
        {"no depth header", "NAME VALUE\n1 2\n", false, kNoDepthHeader, 0, 0, L"", false, true},
        {"text in numeric columns", "D G\n1 2\n2 abc\n", true, L"", 3, 2, L"2 0"},
        {"text in the first data row only", "D G\n1 abc\n2 3\n", true, L"", 3, 2, L"0 3", true},
        {"first data line all text", "D G\nn/a n/a\n1 2\n", true, L"", 2, 2, L"2", true},
        {"NaN and infinity", "D G\n1 nan\n2 inf\n3 -inf\n", true, L"", 4, 2, L"nan inf -inf", true},
        {"overflow", "D G\n1 2\n2 1e309\n", true, L"", 3, 2, L"2 0"},
        {"duplicate column names", "D D\n1 2\n", true, L"", 2, 2, L"2", true},
    };
    for (const TableCase& c : cases) {
        SCOPED_TRACE(c.name);
        CaseFile file;
        CDataFileReader reader;
        reader.SetFilePath(file.Path("bad.txt", c.file));
        const DetectedCodePage codePage(c.detectCodePage, reader.GetFilePath());
        reader.SetHeaderSearch(c.headerSearch);
        EXPECT_EQ(reader.Read(CDataFileReader::kReadAll), c.read);
        EXPECT_EQ(file.Shown(), c.message);
        EXPECT_EQ(reader.GetRows().size(), c.rows);
        EXPECT_EQ(reader.GetColumnCount(), c.columns);
        EXPECT_EQ(Text(reader.GetColumn(1)), c.column1);
        EXPECT_EQ(reader.IsNumericColumn(1), c.numeric);
    }
}
