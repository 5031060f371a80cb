// The bad-input catalogue of docs/bad-input.md, one case per row: files bad in
// one way each, loaded as LAS by name, read as text tables, loaded as well paths
// and read as settings files, each outcome written as text so that a case fits a line.
#include "loaders/CWellPath.h"
#include "reader/CDataFileReader.h"
#include "settings/WellAttributeLookup.h"
#include "support/TestSupport.h"
#include "welldata/CLoadData.h"
#include "welldata/CodePage.h"
#include "welldata/Settings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>

namespace {

using testing_support::LasHeader;
using testing_support::LasWithData;

inline const std::wstring kOpenFailed = L"打开文件失败。";
inline const std::wstring kNoSection =
    L"解释数据时没有找到相应的数据段\r\n原因：\r\n"
    L"  (1)、不是LAS格式文件；\r\n  (2)、LAS文件数据格式有缺失。\r\n"
    L"  请检查数据，确保无误之后重试。";
inline const std::wstring kNoDataMark =
    L"解释数据时没有找到数据开始标记“~A”，请检查数据，确保无误之后重试。";
inline const std::wstring kIllegalLas = L"非法的Las格式文件。";
inline const std::wstring kBadWrap = L"文件数据有问题，请检查数据，确保无误之后重试！";
inline const std::wstring kBadDepths = L"下列深度的数据有问题，请检查数据，确保无误之后重试：\n";
inline const std::wstring kNoDepthHeader =
    L"加载井曲线数据时，指定了非法的数据文件，请确认之后重试。";
inline const std::wstring kNullInPath = L"轨迹数据中含有空值，请检查之后重试。";

// Case file contents that stand for a file that does not exist.
inline const std::string kMissingFile = "<missing>";

// One case's scratch folder and the messages shown while it lives.
struct CaseFile {
    testing_support::ScratchDir dir;
    testing_support::MessageCapture messages;

    // Writes `bytes` as `name`, or names a file that is not there for kMissingFile.
    std::wstring Path(const std::string& name, const std::string& bytes) const {
        return bytes == kMissingFile ? testing_support::Widen(dir.Path() + "/missing-" + name)
                                     : dir.Write(name, bytes);
    }
    // The one message shown, "" for none; more than one fails the test.
    std::wstring Shown() const { return messages.Count() ? messages.Single() : L""; }
};

// "1000 -inf nan": every NaN reads "nan" whatever its sign.
template <typename T> std::wstring Text(const std::vector<T>& values) {
    std::wostringstream out;
    for (size_t i = 0; i < values.size(); ++i)
        out << (i ? L" " : L"")
            << (std::isnan(values[i]) ? std::numeric_limits<T>::quiet_NaN() : values[i]);
    return out.str();
}

// Bytes 1 to 255 in a fixed scrambled order: every byte value but NUL.
inline std::string BinaryBytes(size_t size) {
    std::string bytes;
    for (unsigned state = 12345; bytes.size() < size;) {
        state = state * 1103515245u + 12345u;
        if (const char byte = static_cast<char>((state >> 16) & 0xFF))
            bytes += byte;
    }
    return bytes;
}

// `text` as UTF-16LE with a byte order mark.
inline std::string Utf16(const std::string& text) {
    return testing_support::Utf16(testing_support::Widen(text), false, true);
}

// Reads in the code page a host's automatic choice takes for `path` while it
// lives (when `detect`), in GB18030 again afterwards.
struct DetectedCodePage {
    DetectedCodePage(bool detect, const std::wstring& path) {
        welldata::SetDataCodePage(detect ? welldata::DetectCodePage(path) : "GB18030");
    }
    ~DetectedCodePage() { welldata::SetDataCodePage("GB18030"); }
};

struct LasCase {
    const char* name;
    std::string file;
    bool loaded;
    std::wstring message; // empty for none
    std::wstring curves = L"";
    bool batch = false;
    bool detectCodePage = false; // read as a host's automatic choice reads it
};

std::string Curves(const std::string& curveLines, const std::string& data) {
    return LasHeader() + "~Curve\n" + curveLines + "~A\n" + data;
}

TEST(LasBadInput, LoadByNameGivesTheCataloguedOutcome) {
    const std::string oneRow = LasWithData("1000 45 12\n");
    const std::string hugeHeaderLine =
        LasHeader() + "~Other\n" + std::string(1 << 20, 'x') + "\n~Curve\n DEPT.M : d\n~A\n1000\n";
    const std::string hugeDepthCell =
        LasWithData("1000" + std::string(100000, ' ') + "45 12\n1001" + std::string(50000, '1') +
                    " 45 12 13\n");
    const LasCase cases[] = {
        {"missing file", kMissingFile, false, kOpenFailed},
        // The reader's own message is not one of the LAS checks that a batch silences.
        {"missing file, batch", kMissingFile, false, kOpenFailed, L"", true},
        {"empty file", "", false, L""},
        {"only line ends", "\r\n\n\r\n", false, L""},
        {"a line of blanks is an item line", "   \n" + oneRow, false, kNoSection},
        {"binary bytes", BinaryBytes(4096), false, kNoSection},
        {"NUL byte in the header", LasHeader() + '\0' + oneRow, false, kNoDataMark},
        {"UTF-16 file", Utf16(oneRow), false, kNoDataMark},
        {"UTF-16 file, code page detected", Utf16(oneRow), true, L"", L"DEPTH 1000; GR 45; RT 12",
         false, true},
        {"UTF-16 file with a lone surrogate, detected",
         testing_support::Utf16(L"~V\n VERS. 2.0 :\n~C\n DEPT.M :\n G\xD83DR.API :\n~A\n1000 45\n",
                                true),
         true, L"", L"DEPTH 1000; G\xFFFDR 45", false, true},
        {"UTF-16 file cut after an odd byte, detected",
         Utf16(LasWithData("1000 45 12\n1001 46 13")) + "\x31", true, L"",
         L"DEPTH 1000 1001; GR 45 46; RT 12 0", false, true},
        {"UTF-8 text read as GB18030",
         Curves(" DEPT.M : 深度\n 伽马.API : 自然伽马\n", "1000 45\n"), true, L"",
         L"DEPTH 1000; 浼介┈ 45"},
        {"invalid bytes in a mnemonic", Curves(" DEPT.M : d\n G\x81\xFFR.API : g\n", "1000 45\n"),
         true, L"", L"DEPTH 1000; G\xFFFD\xFFFDR 45"},
        {"huge header line", hugeHeaderLine, true, L"", L"DEPTH 1000"},
        {"huge data line", hugeDepthCell, false, kBadDepths + L"."},
        {"huge cell", LasWithData("1000 " + std::string(300000, '9') + " 12\n"), true, L"",
         L"DEPTH 1000; GR 0; RT 12"},
        {"truncated wrapped data", LasWithData("1000\n45 12\n1001\n46\n", "YES"), false, kBadWrap},
        {"wrapped file without data", LasWithData("", "YES"), false, kBadWrap},
        {"rows of the wrong length", LasWithData("1000 45\n1001 46 13 99\n1002 47 14\n"), false,
         kBadDepths + L"1000,1001."},
        {"rows of the wrong length, batch", LasWithData("1000 45\n"), false, L"", L"", true},
        {"no sections", "1000 45 12\n1001 46 13\n", false, kNoSection},
        {"item line before any section", " VERS. 2.0 : v\n" + oneRow, false, kNoSection},
        {"no ~A line", LasHeader() + "~Curve\n DEPT.M : d\n1000\n", false, kNoDataMark},
        {"no ~C section", LasHeader() + "~A\n1000 45\n", false, kIllegalLas},
        {"no ~V section", "~W\n NULL. -999.25 : n\n~C\n DEPT.M : d\n~A\n1000\n", false,
         kIllegalLas},
        {"no data rows", LasWithData(""), true, L"", L"DEPTH; GR; RT"},
        {"no curves", LasHeader() + "~Curve\n~A\n1000 45\n", true, L""},
        {"duplicate mnemonics", Curves(" DEPT.M : d\n GR.API : a\n GR.API : b\n", "1000 45 46\n"),
         true, L"", L"DEPTH 1000; GR 45; GR 46"},
        {"duplicate NULL items",
         LasHeader("NO", " NULL. -999.25 : n\n NULL. 45 : n\n") +
             "~C\n DEPT.M : d\n GR.API : g\n~A\n1000 -999.25\n1001 45\n",
         true, L"", L"DEPTH 1000 1001; GR -9999 45"},
        {"duplicate ~C sections",
         LasHeader() + "~C\n DEPT.M : d\n GR.API : g\n~C\n RT.OHMM : r\n~A\n1000 45\n", true, L"",
         L"DEPTH 1000; GR 45"},
        {"text in numeric columns", LasWithData("1000 abc 12\n1001 4,5 13\n"), false,
         kBadDepths + L"1001."},
        {"text cell", LasWithData("1000 abc 12\n"), true, L"", L"DEPTH 1000; GR 0; RT 12"},
        {"NaN and infinity", LasWithData("1000 nan inf\n1001 -inf -NaN\n"), true, L"",
         L"DEPTH 1000 1001; GR nan -inf; RT inf nan"},
        {"overflow and other not-a-number texts", LasWithData("1000 1e309 -1.#IND\n"), true, L"",
         L"DEPTH 1000; GR 0; RT 0"},
        {"NULL value nan",
         LasHeader("NO", " NULL. nan : n\n") +
             "~C\n D.M : d\n G.A : g\n~A\n1000 0\n1001 abc\n1002 5\n",
         true, L"", L"D 1000 1001 1002; G -9999 -9999 5"},
        {"a ~ line among the data is data", LasWithData("1000 45 12\n~V 46 13\n"), true, L"",
         L"DEPTH 1000 0; GR 45 46; RT 12 13"},
    };
    for (const LasCase& c : cases) {
        SCOPED_TRACE(c.name);
        CaseFile file;
        std::wstring path = file.Path("bad.las", c.file);
        const DetectedCodePage codePage(c.detectCodePage, path);
        CLoadData load(COMMON::LDT_WELL_DATA);
        load.SetIsBatchLoadFile(c.batch);
        EXPECT_EQ(load.ReadFile(path), c.loaded);
        EXPECT_EQ(file.Shown(), c.message);
        EXPECT_TRUE(load.GetData()->empty());
        std::wstring curves;
        for (const auto& curve : load.GetWellLog().lstCurves) {
            curves += (curves.empty() ? L"" : L"; ") + curve.strName;
            if (!curve.vecValues.empty())
                curves += L" " + Text(curve.vecValues);
        }
        EXPECT_EQ(curves, c.curves);
    }
}

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

struct PathCase {
    const char* name;
    std::string file;
    bool loaded;
    std::wstring message; // empty for none
    std::wstring points;  // "TVD X Y; TVD X Y"
    bool hasNull = false; // with NaN as the user's null value
};

TEST(WellPathBadInput, LoadPathGivesTheCataloguedOutcome) {
    const PathCase cases[] = {
        {"missing file", kMissingFile, false, kOpenFailed, L""},
        {"empty file", "", false, L"", L""},
        {"text in numeric columns", "TVD X Y\nabc 1 2\n", true, L"", L"0 1 2"},
        {"NaN and infinity", "TVD X Y\nnan inf 2\n", true, L"", L"nan inf 2"},
        {"float overflow in a TVD", "TVD X Y\n1e39 1e39 2\n", true, L"", L"inf 1e+39 2"},
        {"null marker", "TVD X Y\n1 2 3\n-999.25 2 3\n4 5 6\n", false, kNullInPath, L"1 2 3"},
        {"short row: its padding is a null marker", "TVD X Y\n1 2 3\n4\n", false, kNullInPath,
         L"1 2 3"},
        {"header of separators only", "\t\n1 2 3\n", false, L"", L""},
        {"null value NaN matches nothing", "TVD X Y\nnan 2 3\n", true, L"", L"nan 2 3", true},
    };
    for (const PathCase& c : cases) {
        SCOPED_TRACE(c.name);
        CaseFile file;
        CDataFileReader reader;
        reader.SetFilePath(file.Path("path.txt", c.file));
        COMMON::STRUCT_WELL_PATH path;
        CWellPath loader(&reader, &path);
        loader.SetDataType(PATH_TVD_X_Y);
        loader.SetTVDColumn(0);
        loader.SetXColumn(1);
        loader.SetYColumn(2);
        loader.SetHasNullValue(c.hasNull);
        loader.SetNullValue(c.hasNull ? NAN : 0.0f);
        EXPECT_EQ(loader.LoadPath(), c.loaded);
        EXPECT_EQ(file.Shown(), c.message);
        std::wstring points;
        for (const auto& p : path.dqPoints)
            points += (points.empty() ? L"" : L"; ") +
                      Text(std::vector<double>{p.fInclOrDepth, p.uAzimOrX.dValue, p.uY.dValue});
        EXPECT_EQ(points, c.points);
    }
}

TEST(SettingsBadInput, WellLogLookupSeesTheCataloguedEntries) {
    std::string longSection = "[well_log]\n";
    for (int i = 0; i < 150; ++i)
        longSection += "18=TVD" + std::to_string(i) + "\n";
    // Case, file, entries seen, id of DEPT.
    const std::tuple<const char*, std::string, int, int> cases[] = {
        {"missing file", kMissingFile, 0, -1},
        {"empty file", "", 0, -1},
        {"binary bytes", BinaryBytes(4096), 0, -1},
        {"NUL byte ends its line", std::string("[well_log]\n17=DEPTH\0DEPT\n", 25), 1, -1},
        {"UTF-16 file with a byte order mark", Utf16("[well_log]\r\n17=DEPTH DEPT\r\n"), 1, 17},
        {"UTF-8 without byte order mark", "[well_log]\n17=深度 DEPT\n", 1, 17},
        {"section past 1024 characters", longSection + "17=DEPT\n", 113, -1},
        {"second section of the same name", "[well_log]\n18=TVD\n[well_log]\n17=DEPT\n", 1, -1},
        {"line without = and key that is no number", "[well_log]\nDEPT\nabc=DEPT\n", 1, 0},
        {"duplicate aliases: the first entry wins", "[well_log]\n17=DEPT\n18=DEPT\n", 2, 17},
        {"lone CR line ends", "[well_log]\r17=DEPT\r", 1, 17},
    };
    for (const auto& [name, bytes, entries, deptId] : cases) {
        SCOPED_TRACE(name);
        CaseFile file;
        welldata::SetSettingsFilePath(file.Path("host.well_attri.ini", bytes));
        WellAttributeLookup lookup(WellAttributeSection::WellLog, true);
        EXPECT_EQ(lookup.GetCount(), entries);
        unsigned int id = 0;
        EXPECT_EQ(lookup.FindAttribute(L"DEPT", id) ? static_cast<int>(id) : -1, deptId);
        welldata::SetSettingsFilePath(L"");
    }
}

} // namespace
