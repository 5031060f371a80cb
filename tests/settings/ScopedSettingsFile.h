// A settings file written by a test, which every lookup reads while it lives.
#pragma once

#include "support/TestSupport.h"
#include "welldata/Settings.h"

#include <string>
#include <vector>

namespace settings_test {

inline std::string SectionText(const std::string& section, const std::vector<std::string>& lines) {
    std::string text = "[" + section + "]\n";
    for (const auto& line : lines)
        text += line + "\n";
    return text;
}

class ScopedSettingsFile {
public:
    // The byte order mark makes the reader take the UTF-8 text as UTF-8.
    explicit ScopedSettingsFile(const std::string& text)
        : m_path(m_dir.Write("host.well_attri.ini", "\xEF\xBB\xBF" + text)) {
        welldata::SetSettingsFilePath(m_path);
    }
    ~ScopedSettingsFile() { welldata::SetSettingsFilePath(L""); }
    ScopedSettingsFile(const ScopedSettingsFile&) = delete;
    ScopedSettingsFile& operator=(const ScopedSettingsFile&) = delete;
    const std::wstring& Path() const { return m_path; }

private:
    testing_support::ScratchDir m_dir;
    std::wstring m_path;
};

} // namespace settings_test
