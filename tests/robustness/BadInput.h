// Shared by the bad-input tests: the library's failure messages and files that
// are bad in one way each.
#pragma once

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace robustness {

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

// A stand-in for the path of a file that does not exist.
inline const std::string kMissingFile = "<missing>";

// Writes `bytes` as `name` into `dir`, or names a file that is not there when
// `bytes` is kMissingFile.
inline std::wstring FileOrMissing(const testing_support::ScratchDir& dir, const std::string& name,
                                  const std::string& bytes) {
    return bytes == kMissingFile ? testing_support::Widen(dir.Path() + "/missing-" + name)
                                 : dir.Write(name, bytes);
}

// The one message shown, or none when `expected` is empty.
inline void ExpectMessage(const testing_support::MessageCapture& messages,
                          const std::wstring& expected) {
    if (expected.empty())
        EXPECT_EQ(messages.Count(), 0u);
    else
        EXPECT_EQ(messages.Single(), expected);
}

// Equal values, NaN matching NaN.
inline bool SameValues(const std::vector<float>& actual, const std::vector<float>& expected) {
    if (actual.size() != expected.size())
        return false;
    for (size_t i = 0; i < actual.size(); ++i) {
        const bool same =
            std::isnan(expected[i]) ? std::isnan(actual[i]) : actual[i] == expected[i];
        if (!same)
            return false;
    }
    return true;
}

// Bytes 1 to 255 in a fixed scrambled order, repeated: no NUL, every other byte.
inline std::string BinaryBytes(size_t size) {
    std::string bytes;
    unsigned state = 12345;
    while (bytes.size() < size) {
        state = state * 1103515245u + 12345u;
        const char byte = static_cast<char>((state >> 16) & 0xFF);
        if (byte != '\0')
            bytes += byte;
    }
    return bytes;
}

// `text` as UTF-16LE with a byte order mark (ASCII text only).
inline std::string Utf16(const std::string& text) {
    std::string bytes = "\xFF\xFE";
    for (char c : text) {
        bytes += c;
        bytes += '\0';
    }
    return bytes;
}

} // namespace robustness
