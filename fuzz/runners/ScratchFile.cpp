#include "fuzz/runners/ScratchFile.h"

#include "welldata/Utf8.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace welldata::fuzz {

namespace {

class ScratchFolder {
public:
    ScratchFolder() {
        std::error_code error;
        const std::filesystem::path shm("/dev/shm");
        const auto base = std::filesystem::is_directory(shm, error) && access("/dev/shm", W_OK) == 0
                              ? shm
                              : std::filesystem::temp_directory_path();
        m_path = base / ("welldata-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(m_path, error);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

const ScratchFolder& Folder() {
    static const ScratchFolder folder;
    return folder;
}

} // namespace

ScratchFile::ScratchFile(std::string_view name)
    : m_path((Folder().Path() / std::string(name)).string()), m_widePath(FromUtf8(m_path)) {}

const std::wstring& ScratchFile::Write(std::string_view bytes) const {
    if (std::FILE* file = std::fopen(m_path.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    return m_widePath;
}

} // namespace welldata::fuzz
