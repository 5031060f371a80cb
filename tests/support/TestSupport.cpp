#include "support/TestSupport.h"

#include "welldata/Utf8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace testing_support {

std::wstring DataPath(const std::string& name) {
    return Widen(std::string(WELLDATA_TEST_DATA_DIR) + "/" + name);
}

std::wstring SamplePath(const std::string& name) {
    return Widen(std::string(WELLDATA_SAMPLES_DIR) + "/" + name);
}

std::string LasCorpusDir() {
    return WELLDATA_LAS_CORPUS_DIR;
}

std::wstring Widen(const std::string& utf8) {
    return welldata::FromUtf8(utf8);
}
std::string Narrow(const std::wstring& text) {
    return welldata::ToUtf8(text);
}

bool HasChinese(std::wstring_view text) {
    return std::any_of(text.begin(), text.end(), [](wchar_t c) {
        return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3000 && c <= 0x303F) ||
               (c >= 0xFF00 && c <= 0xFFEF);
    });
}

std::string Utf16(std::wstring_view text, bool bigEndian, bool mark) {
    std::string bytes;
    const auto unit = [&](unsigned value) {
        const char high = static_cast<char>(value >> 8);
        const char low = static_cast<char>(value & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    };
    if (mark)
        unit(0xFEFF);
    for (const wchar_t c : text) {
        const auto code = static_cast<unsigned>(c);
        if (code < 0x10000) {
            unit(code);
            continue;
        }
        unit(0xD800 + ((code - 0x10000) >> 10));
        unit(0xDC00 + ((code - 0x10000) & 0x3FF));
    }
    return bytes;
}

std::string FileBytes(const std::wstring& path) {
    std::ifstream file(Narrow(path), std::ios::binary);
    return (std::ostringstream() << file.rdbuf()).str();
}

ScratchDir::ScratchDir() {
    static std::atomic<int> counter{0};
    const auto base = std::filesystem::temp_directory_path();
    m_path =
        (base / ("welldata-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++)))
            .string();
    std::filesystem::create_directories(m_path);
}

ScratchDir::~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::wstring ScratchDir::Write(const std::string& name, const std::string& bytes) const {
    const std::string path = m_path + "/" + name;
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return Widen(path);
}

CDataFileReader& ScratchFile::Write(const std::string& bytes) {
    reader.SetFilePath(dir.Write("data", bytes));
    return reader;
}

bool ScratchFile::ReadLas(const std::string& text, int mode, bool batch) {
    Write(text).SetDataFormat(COMMON::WLDF_LAS);
    reader.SetHeaderRow(false);
    reader.SetBatchLoad(batch);
    // A read clears a reader that holds rows, section table included.
    reader.Clear();
    reader.EnsureSections();
    return reader.Read(mode);
}

std::string LasHeader(const std::string& wrap, const std::string& null) {
    return "~Version information\n VERS.   2.0 : version\n WRAP.   " + wrap +
           " : wrap\n~Well information\n" + null;
}

std::string LasWithData(const std::string& data, const std::string& wrap) {
    return LasHeader(wrap) +
           "~Curve\n DEPT.M : depth\n GR  .API : gamma\n RT  .OHMM : resistivity\n~A\n" + data;
}

MessageCapture::MessageCapture()
    : m_handler([this](const welldata::MessageRequest& request) {
          m_messages.push_back(request);
          return Answer(request);
      }) {}

welldata::MessageResult MessageCapture::Answer(const welldata::MessageRequest& request) {
    if (m_answers.empty())
        return request.buttons == welldata::MessageButtons::YesNo ? welldata::MessageResult::Yes
                                                                  : welldata::MessageResult::Ok;
    const welldata::MessageResult answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

std::wstring MessageCapture::Single() const {
    EXPECT_EQ(m_messages.size(), 1u);
    return m_messages.empty() ? std::wstring() : m_messages.front().text;
}

} // namespace testing_support
