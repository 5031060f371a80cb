// Shared by the bad-input tests: the library's failure messages, files that are
// bad in one way each, and outcomes written as text so that a case fits a line.
#pragma once

#include "support/TestSupport.h"
#include "welldata/CodePage.h"

#include <cmath>
#include <limits>
#include <sstream>
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
class DetectedCodePage {
public:
    DetectedCodePage(bool detect, const std::wstring& path) {
        if (detect)
            welldata::SetDataCodePage(welldata::DetectCodePage(path));
    }
    ~DetectedCodePage() { welldata::SetDataCodePage("GB18030"); }
    DetectedCodePage(const DetectedCodePage&) = delete;
    DetectedCodePage& operator=(const DetectedCodePage&) = delete;
};

} // namespace robustness
