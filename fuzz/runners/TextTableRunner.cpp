#include "fuzz/runners/TextTableRunner.h"

#include "fuzz/runners/FuzzInput.h"
#include "fuzz/runners/QuietSession.h"
#include "fuzz/runners/ScratchFile.h"
#include "reader/CDataFileReader.h"
#include "welldata/CodePage.h"
#include "welldata/Utf8.h"

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

// Reads `path` as the input's flags say.
bool ReadTable(CDataFileReader& reader, const std::wstring& path, const FuzzInput& input) {
    reader.SetFilePath(path);
    reader.SetHeaderSearch(input.Flag(0, 1));
    reader.SetHeaderRow(!input.Flag(0, 2));
    const bool preview = input.Flag(0, 0);
    const bool read =
        reader.Read(preview ? CDataFileReader::kReadPreview : CDataFileReader::kReadAll);
    Require(read || reader.GetRows().empty(), "a failed text read leaves no rows");
    Require(!preview || reader.GetRows().size() <= 15, "a preview holds at most 15 lines");
    return read;
}

// The UTF-8 twin of UTF-16 `bytes`, decoded here by hand rather than through
// iconv as the library does: a leading byte order mark dropped, every unpaired
// surrogate and an odd last byte one U+FFFD.
std::string Utf16Twin(std::string_view bytes, bool bigEndian) {
    const auto unit = [&](size_t at) -> char32_t {
        const auto first = static_cast<unsigned char>(bytes[at]);
        const auto second = static_cast<unsigned char>(bytes[at + 1]);
        return bigEndian ? (first << 8 | second) : (second << 8 | first);
    };
    const auto isHigh = [](char32_t u) { return u >= 0xD800 && u <= 0xDBFF; };
    const auto isLow = [](char32_t u) { return u >= 0xDC00 && u <= 0xDFFF; };
    std::wstring out;
    size_t at = bytes.size() >= 2 && unit(0) == 0xFEFF ? 2 : 0;
    for (; at + 2 <= bytes.size(); at += 2) {
        const char32_t u = unit(at);
        if (isHigh(u) && at + 4 <= bytes.size() && isLow(unit(at + 2))) {
            out += static_cast<wchar_t>(0x10000 + ((u - 0xD800) << 10) + (unit(at + 2) - 0xDC00));
            at += 2;
        } else {
            out += static_cast<wchar_t>(isHigh(u) || isLow(u) ? 0xFFFD : u);
        }
    }
    if (at < bytes.size())
        out += L'\xFFFD';
    return ToUtf8(out);
}

} // namespace

void RunTextTable(const std::uint8_t* data, std::size_t size) {
    QuietSession session;
    const FuzzInput input(data, size, 1);
    static const ScratchFile file("table.txt");
    static const ScratchFile twin("twin.txt");
    const int road = (input.Option(0) >> 4) & 3;
    const std::wstring& path = file.Write(input.File());
    if (road == 3)
        session.UseCodePage(DetectCodePage(path));
    else if (road != 0)
        session.UseCodePage(road == 1 ? "UTF-16LE" : "UTF-16BE");
    else
        session.UseCodePage(input.Flag(0, 3) ? "UTF-8" : "GB18030");

    CDataFileReader reader;
    const bool read = ReadTable(reader, path, input);
    if (road == 1 || road == 2) {
        const std::string twinBytes = Utf16Twin(input.File(), road == 2);
        session.UseCodePage("UTF-8");
        CDataFileReader twinReader;
        Require(ReadTable(twinReader, twin.Write(twinBytes), input) == read &&
                    twinReader.GetRows() == reader.GetRows() &&
                    twinReader.GetReport().IsText() == reader.GetReport().IsText(),
                "a UTF-16 file reads as its UTF-8 twin");
    }

    const int columns = std::min(reader.GetColumnCount(), kColumnsChecked);
    for (int column = -1; column <= columns; ++column)
        CheckColumn(reader, column);
    CheckColumn(reader, reader.GetColumnCount() - 1);
    CheckColumn(reader, 65535);
}

} // namespace welldata::fuzz
