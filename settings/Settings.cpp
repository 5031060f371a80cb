#include "welldata/Settings.h"

#include "platform/ExecutablePath.h"

namespace welldata {

namespace {

std::wstring& SettingsFileOverride() {
    static std::wstring path;
    return path;
}

} // namespace

std::wstring GetSettingsFilePath() {
    const std::wstring& chosen = SettingsFileOverride();
    if (!chosen.empty())
        return chosen;
    return GetExecutablePath() + L".well_attri.ini";
}

void SetSettingsFilePath(const std::wstring& path) {
    SettingsFileOverride() = path;
}

} // namespace welldata
