// A UTF-16 file read in its code page gives what its UTF-8 twin gives: rows,
// LAS sections, previews, progress and the load report's verdict.
#include "support/TestSupport.h"
#include "welldata/CodePage.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

using testing_support::Narrow;
using testing_support::ScratchFile;
using testing_support::Utf16;

// Reads in one code page while it lives, GB18030 again afterwards.
class CodePageScope {
public:
    explicit CodePageScope(const std::string& codePage) {
        EXPECT_TRUE(welldata::SetDataCodePage(codePage));
    }
    ~CodePageScope() { welldata::SetDataCodePage("GB18030"); }
};

// What a read gives, written out so that two reads compare at once.
struct ReadResult {
    bool read = false;
    RowTable rows;
    std::wstring preview, sections;
    bool text = false;

    bool operator==(const ReadResult&) const = default;
};

ReadResult Read(const std::string& bytes, const std::string& codePage, bool las, int mode) {
    const CodePageScope scope(codePage);
    testing_support::MessageCapture messages;
    ScratchFile file;
    ReadResult result;
    result.read = las ? file.ReadLas(bytes, mode) : file.Read(bytes, mode);
    result.rows = file.reader.GetRows();
    result.preview = file.reader.TakePreviewText();
    result.text = file.reader.GetReport().IsText();
    if (const CLasSectionTable* sections = file.reader.GetLasSections()) {
        for (const CLasSection& section : sections->Sections()) {
            result.sections += section.strName + L":";
            for (const CLasItem& item : section.items)
                result.sections += item.strMnemonic + L"|" + item.strUnit + L"|" + item.strValue +
                                   L"|" + item.strDescription + L";";
        }
    }
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

TEST(Utf16Read, ChunksThatEndInsideASurrogatePairOrACrLfPair) {
    // Each line is 30 bytes in UTF-16 and 18 once read as UTF-8 (CR LF to LF):
    // over 30 shifts both the disk blocks (every 65536 bytes of UTF-16) and the
    // 2048-byte chunks fall at every position of a line, inside the pair of
    // U+20BB7 and between CR and LF too.
    const std::wstring line = L"1000.5 井\U00020BB7 12\r\n";
    const Row cells = {L"1000.5", L"井\U00020BB7", L"12"};
    std::wstring lines;
    for (int i = 0; i < 2300; ++i)
        lines += line;
    for (int shift = 1; shift <= 30; ++shift) {
        SCOPED_TRACE(shift);
        const std::wstring text = std::wstring(static_cast<size_t>(shift), L'x') + L"\r\n" + lines;
        const ReadResult got = Read(Utf16(text), "UTF-16LE", false, CDataFileReader::kReadAll);
        ASSERT_EQ(got.rows.size(), 2301u);
        EXPECT_EQ(std::count(got.rows.begin() + 1, got.rows.end(), cells), 2300);
        EXPECT_EQ(got, Read(Narrow(text), "UTF-8", false, CDataFileReader::kReadAll));
    }
}

TEST(Utf16Read, ProgressEndsWhereTheUtf8TwinsDoes) {
    std::wstring table = L"DEPTH 岩性\n";
    for (int i = 0; i < 5000; ++i)
        table += std::to_wstring(2000 + i) + L".125 泥岩\n";
    const auto steps = [](const std::string& bytes, const std::string& codePage) {
        const CodePageScope scope(codePage);
        testing_support::FakeProgressCtrl bar;
        ScratchFile file;
        file.reader.SetProgressCtrl(&bar);
        EXPECT_TRUE(file.Read(bytes));
        return bar.position;
    };
    // 20 steps reading whatever the size of the characters, 61 parsing.
    EXPECT_EQ(steps(Utf16(table), "UTF-16LE"), 81);
    EXPECT_EQ(steps(Utf16(WithLineEnds(table, L"\r\n"), true, true), "UTF-16BE"), 81);
}

TEST(Utf16Read, IsTextReadAsUtf16AndNotReadAsGb18030) {
    const std::string bytes = Utf16(kTable, false, true);
    const ReadResult asUtf16 = Read(bytes, "UTF-16LE", false, CDataFileReader::kReadAll);
    EXPECT_TRUE(asUtf16.read && asUtf16.text);
    EXPECT_FALSE(Read(bytes, "GB18030", false, CDataFileReader::kReadAll).text);
}
