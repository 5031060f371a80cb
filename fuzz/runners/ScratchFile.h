// The reader and the settings lookup take paths, so every fuzz input is written
// to a file first: one fixed name per file kind, in a folder of the process
// (in memory when /dev/shm exists) that is removed when the process ends.
#pragma once

#include <string>
#include <string_view>

namespace welldata::fuzz {

class ScratchFile {
public:
    explicit ScratchFile(std::string_view name);

    // Replaces the file's contents by `bytes` and returns its path.
    const std::wstring& Write(std::string_view bytes) const;
    const std::wstring& Path() const { return m_widePath; }

private:
    std::string m_path;
    std::wstring m_widePath;
};

} // namespace welldata::fuzz
