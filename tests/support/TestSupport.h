// Helpers shared by the tests: fixture paths, scratch files, captured messages
// and a progress bar that counts what the library does to it.
#pragma once

#include "reader/CDataFileReader.h"
#include "welldata/CProgressCtrl.h"
#include "welldata/MessageBox.h"

#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

std::wstring DataPath(const std::string& name);
std::wstring SamplePath(const std::string& name);
std::string LasCorpusDir();
std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& text);
// Whether `text` holds Chinese: a CJK ideograph, or CJK or fullwidth punctuation.
bool HasChinese(std::wstring_view text);
// `text` in UTF-16 (characters past U+FFFF as surrogate pairs), little endian
// unless `bigEndian`, after a byte order mark when `mark`. Written here rather
// than through iconv, so that a test does not check iconv against itself.
std::string Utf16(std::wstring_view text, bool bigEndian = false, bool mark = false);
// The whole content of a file, empty when it cannot be read.
std::string FileBytes(const std::wstring& path);

// A folder for one test, removed with everything in it at the end.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    // Writes `bytes` unchanged to a file and returns its path.
    std::wstring Write(const std::string& name, const std::string& bytes) const;
    std::string Path() const { return m_path; }

private:
    std::string m_path;
};

// A reader of a file the test writes into its own scratch folder.
struct ScratchFile {
    ScratchDir dir;
    CDataFileReader reader;

    // Makes `bytes` the reader's file.
    CDataFileReader& Write(const std::string& bytes);
    bool Read(const std::string& bytes, int mode = CDataFileReader::kReadAll) {
        return Write(bytes).Read(mode);
    }
    // Reads `text` as a LAS file in `mode`, as a batch load when `batch`.
    bool ReadLas(const std::string& text, int mode = CDataFileReader::kReadAll, bool batch = false);
    const CLasSection* Section(const wchar_t* name) const {
        return reader.GetLasSections()->FindSection(name);
    }
};

// A LAS header with the usual ~V and ~W lines; `wrap` is the WRAP value and
// `null` the whole NULL line ("" leaves it out).
std::string LasHeader(const std::string& wrap = "NO",
                      const std::string& null = " NULL.   -999.25 : null value\n");
// Curves DEPT (metres), GR and RT, then the data lines.
std::string LasWithData(const std::string& data, const std::string& wrap = "NO");

// Captures every message the library shows while it lives. Each message is
// answered with the next of the answers queued by AnswerNext; without one, OK
// (Yes for a yes/no question).
class MessageCapture {
public:
    MessageCapture();

    const std::vector<welldata::MessageRequest>& Messages() const { return m_messages; }
    size_t Count() const { return m_messages.size(); }
    // Text of the only message; fails the test when there is not exactly one.
    std::wstring Single() const;
    void Clear() { m_messages.clear(); }
    void AnswerNext(welldata::MessageResult answer) { m_answers.push_back(answer); }

private:
    welldata::MessageResult Answer(const welldata::MessageRequest& request);

    std::vector<welldata::MessageRequest> m_messages;
    std::deque<welldata::MessageResult> m_answers;
    welldata::ScopedMessageHandler m_handler;
};

class FakeProgressCtrl : public CProgressCtrl {
public:
    void SetRange(int lower, int upper) override {
        m_lower = lower;
        m_upper = upper;
        ++rangeSets;
    }
    void GetRange(int& lower, int& upper) const override {
        lower = m_lower;
        upper = m_upper;
    }
    void SetStep(int step) override { this->step = step; }
    void SetPos(int position) override {
        this->position = position;
        stepsSinceReset = 0;
    }
    void StepIt() override {
        position += step;
        ++stepsSinceReset;
        ++totalSteps;
    }
    bool HasWindow() const override { return hasWindow; }

    bool hasWindow = true;
    int step = 10;
    int position = 0;
    int rangeSets = 0;
    int totalSteps = 0;
    int stepsSinceReset = 0;

private:
    int m_lower = 0;
    int m_upper = 100;
};

} // namespace testing_support
