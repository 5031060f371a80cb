#include "fuzz/runners/TextTableRunner.h"

#include "fuzz/runners/FuzzInput.h"
#include "fuzz/runners/QuietSession.h"
#include "fuzz/runners/ScratchFile.h"
#include "reader/CDataFileReader.h"

#include <algorithm>
#include <cmath>

namespace welldata::fuzz {

namespace {

// Columns past these behave like the last one; the cap keeps inputs with
// thousands of columns fast.
constexpr int kColumnsChecked = 64;

void CheckColumn(const CDataFileReader& reader, int column) {
    const bool inTable = column < reader.GetColumnCount();
    const size_t expected = inTable ? static_cast<size_t>(reader.GetRowCount()) : 0;
    Require(reader.GetColumn(column).size() == expected, "one value per data row");
    int calls = 0;
    const std::vector<float> replaced = reader.GetColumn(column, [&calls](double& value) {
        ++calls;
        if (std::isnan(value) || std::fabs(value) < 0.5)
            value = -9999.0;
    });
    Require(replaced.size() == expected && static_cast<size_t>(calls) == expected,
            "the callback sees every value");
    reader.IsNumericCell(column);
    reader.IsNumericColumn(column);
}

} // namespace

void RunTextTable(const std::uint8_t* data, std::size_t size) {
    QuietSession session;
    const FuzzInput input(data, size, 1);
    session.UseCodePage(input.Flag(0, 3) ? "UTF-8" : "GB18030");
    static const ScratchFile file("table.txt");

    CDataFileReader reader;
    reader.SetFilePath(file.Write(input.File()));
    reader.SetHeaderSearch(input.Flag(0, 1));
    reader.SetHeaderRow(!input.Flag(0, 2));
    const bool preview = input.Flag(0, 0);
    const bool read =
        reader.Read(preview ? CDataFileReader::kReadPreview : CDataFileReader::kReadAll);
    Require(reader.GetRawLines().empty(), "no raw lines are left after a read");
    Require(read || reader.GetRows().empty(), "a failed text read leaves no rows");
    Require(!preview || reader.GetRows().size() <= 15, "a preview holds at most 15 lines");

    const int columns = std::min(reader.GetColumnCount(), kColumnsChecked);
    for (int column = -1; column <= columns; ++column)
        CheckColumn(reader, column);
    CheckColumn(reader, reader.GetColumnCount() - 1);
    CheckColumn(reader, 65535);
}

} // namespace welldata::fuzz
