// Bad LAS files loaded by name, one case per row of docs/bad-input.md: the
// result, the message and the curves that stay, as "NAME values; NAME values".
#include "robustness/BadInput.h"
#include "support/TestSupport.h"
#include "welldata/CLoadData.h"

#include <gtest/gtest.h>

using namespace robustness;
using testing_support::LasHeader;
using testing_support::LasWithData;

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
