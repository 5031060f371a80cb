#include "platform/TextModeFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace testing_support;

namespace {

std::string ReadAll(const std::wstring& path, size_t piece) {
    welldata::TextModeFile file;
    EXPECT_TRUE(file.Open(path));
    std::string out, buffer(piece, '\0');
    while (size_t got = file.Read(buffer.data(), piece))
        out.append(buffer, 0, got);
    return out;
}

} // namespace

TEST(TextModeFile, TranslatesCrLfPairsOnly) {
    ScratchDir dir;
    const auto path = dir.Write("t.txt", "a\r\nb\rc\r\r\nd\n\re\r");
    for (size_t piece : {1u, 2u, 3u, 7u, 2048u})
        EXPECT_EQ(ReadAll(path, piece), "a\nb\rc\r\nd\n\re\r") << "piece " << piece;
    // A pair across the internal buffer is still one pair.
    const std::string bytes(65535, 'x');
    EXPECT_EQ(ReadAll(dir.Write("big.txt", bytes + "\r\nend"), 2048), bytes + "\nend");
}

TEST(TextModeFile, SizeOnDiskLongChineseNamesAndFailuresOnMissingFilesAndFolders) {
    ScratchDir dir;
    welldata::TextModeFile file;
    ASSERT_TRUE(file.Open(dir.Write("s.txt", "1\r\n2\r\n")));
    EXPECT_EQ(file.Length(), 6);
    EXPECT_FALSE(file.Open(Widen(dir.Path() + "/missing.txt")));
    EXPECT_FALSE(file.Open(Widen(dir.Path())));
    // No length limit on paths.
    std::filesystem::create_directory(dir.Path() + "/" + std::string(200, 'd'));
    const auto path =
        dir.Write(std::string(200, 'd') + "/" + std::string(100, 'n') + "井.txt", "x\n");
    EXPECT_EQ(ReadAll(path, 16), "x\n");
}
