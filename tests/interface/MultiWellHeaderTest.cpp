// The header of a multi-well batch: the union of the files' curve names, the
// bytes of "MultiHeader.txt" and the message about files that cannot be read.
#include "interface/MultiWellHeader.h"
#include "support/TestSupport.h"
#include "welldata/CodePage.h"

#include <gtest/gtest.h>

using testing_support::FileBytes;
using welldata::MultiWellHeader;

namespace {

TEST(MultiWellHeaderTest, TheFileIsTheTextInTheDataCodePageAndItsNul) {
    MultiWellHeader header;
    header.AddNames({L"DEPTH", L"伽马"});
    // 伽 is 0xD9 0xA4 and 马 0xC2 0xED in GB18030.
    EXPECT_EQ(header.Encode(), std::string("DEPTH \xD9\xA4\xC2\xED", 10) + '\0');

    // In UTF-16 the NUL is a whole character, so the file reads back whole.
    welldata::SetDataCodePage("UTF-16LE");
    const std::string utf16 = header.Encode();
    welldata::SetDataCodePage("GB18030");
    EXPECT_EQ(utf16, testing_support::Utf16(L"DEPTH 伽马") + std::string(2, '\0'));
}

TEST(MultiWellHeaderTest, FailedFilesAreNamedThreeToALine) {
    MultiWellHeader header;
    testing_support::ScratchDir dir;
    CDataFileReader reader;
    reader.SetDataFormat(COMMON::WLDF_LAS);
    reader.SetBatchLoad(true);
    std::vector<std::wstring> paths;
    for (const char* name : {"a.las", "b.las", "c.las", "d.las"})
        paths.push_back(dir.Write(name, "not a LAS file\n"));
    std::wstring current;
    ASSERT_TRUE(header.ReadFiles(reader, paths, current));
    EXPECT_TRUE(paths.empty());
    EXPECT_EQ(
        header.FailedFilesMessage(),
        L"以下文件存在错误，将不会被加载，请检查文件数据！\r\na.las\tb.las\tc.las\r\nd.las\t");
}

} // namespace
