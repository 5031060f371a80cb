// Where the command writes its results: standard output or a file, as UTF-8.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

class OutputStream {
public:
    // "-" is standard output. Throws ToolFailure when the file cannot be created.
    explicit OutputStream(const std::string& path);
    ~OutputStream();
    OutputStream(const OutputStream&) = delete;
    OutputStream& operator=(const OutputStream&) = delete;

    void Write(std::string_view utf8);
    void Write(std::wstring_view text);
    // Flushes and closes; throws ToolFailure when anything could not be written.
    void Close();

private:
    std::string m_path;
    std::FILE* m_file = nullptr;
    bool m_ownsFile = false;
};
