// A UTF-16 file read in its code page gives what its UTF-8 twin gives: rows,
// previews (of LAS headers too) and the load report's verdict.
#include "support/TestSupport.h"
#include "welldata/CodePage.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

using testing_support::Narrow;
using testing_support::ScratchFile;
using testing_support::Utf16;

// What a read gives, written out so that two reads compare at once.
struct ReadResult {
    bool read = false;
    RowTable rows;
    std::wstring preview; // in the LAS preview mode, every header line
    bool text = false;

    bool operator==(const ReadResult&) const = default;
};

ReadResult Read(const std::string& bytes, const std::string& codePage, bool las, int mode) {
    EXPECT_TRUE(welldata::SetDataCodePage(codePage));
    testing_support::MessageCapture messages;
    ScratchFile file;
    ReadResult result;
    result.read = las ? file.ReadLas(bytes, mode) : file.Read(bytes, mode);
    result.rows = file.reader.GetRows();
    result.preview = file.reader.TakePreviewText();
    result.text = file.reader.GetReport().IsText();
    welldata::SetDataCodePage("GB18030");
    return result;
}

std::wstring WithLineEnds(const std::wstring& text, const std::wstring& end) {
    return std::regex_replace(text, std::wregex(L"\n"), end);
}

const std::wstring kTable = L"井深 自然伽马 岩性\nm API -\n1000.5 45.25 灰色细砂岩\n"
                            L"\n1000.625 46 \U00020BB7\n1000.75 47\n";
const std::wstring kLas = L"~Version\n VERS. 2.0 : 版本\n WRAP. NO : 一行一个深度\n"
                          L"~Well\n NULL. -999.25 : 空值\n WELL. 井-1 : 井名\n"
                          L"~Curve\n DEPT.M : 深度\n GR.API : 自然伽马\n~A\n"
                          L"1000.5 45.25\n1000.625 -999.25\n1000.75 \U00020BB7\n";

} // namespace

TEST(Utf16Read, TablesAndLasFilesGiveWhatTheirUtf8TwinGives) {
    for (const wchar_t* end : {L"\r\n", L"\r", L"\n"}) {
        for (const bool las : {false, true}) {
            const std::wstring text = WithLineEnds(las ? kLas : kTable, end);
            for (const int mode : {CDataFileReader::kReadAll, CDataFileReader::kReadPreview,
                                   CDataFileReader::kReadLasPreview}) {
                const ReadResult twin = Read(Narrow(text), "UTF-8", las, mode);
                ASSERT_TRUE(twin.read && twin.text && twin.rows.size() >= 3);
                for (const bool bigEndian : {false, true}) {
                    for (const bool mark : {false, true}) {
                        SCOPED_TRACE(testing::Message()
                                     << (las ? "LAS" : "table") << " mode " << mode << " end "
                                     << Narrow(end) << (bigEndian ? " BE" : " LE")
                                     << (mark ? " with mark" : ""));
                        const std::string bytes = Utf16(text, bigEndian, mark);
                        EXPECT_EQ(Read(bytes, bigEndian ? "UTF-16BE" : "UTF-16LE", las, mode),
                                  twin);
                        // The host's automatic choice reads it just the same.
                        ScratchFile probe;
                        const auto detected = welldata::DetectCodePage(probe.dir.Write("f", bytes));
                        EXPECT_EQ(Read(bytes, detected, las, mode), twin);
                    }
                }
            }
        }
    }
}
