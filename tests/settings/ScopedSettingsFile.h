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

// The byte order mark makes the reader take the UTF-8 text as UTF-8.
struct ScopedSettingsFile {
    explicit ScopedSettingsFile(const std::string& text)
        : path(dir.Write("host.well_attri.ini", "\xEF\xBB\xBF" + text)) {
        welldata::SetSettingsFilePath(path);
    }
    ~ScopedSettingsFile() { welldata::SetSettingsFilePath(L""); }
    testing_support::ScratchDir dir;
    std::wstring path;
};

} // namespace settings_test
