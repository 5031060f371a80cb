// Standard input saved to a scratch file, for the operand "-": the library
// reads data files by name.
#pragma once

#include <string>

class StandardInputCopy {
public:
    // Reads standard input to its end. Throws ToolFailure when the scratch file
    // cannot be written.
    StandardInputCopy();
    ~StandardInputCopy();
    StandardInputCopy(const StandardInputCopy&) = delete;
    StandardInputCopy& operator=(const StandardInputCopy&) = delete;

    const std::wstring& Path() const { return m_path; }

private:
    std::string m_utf8Path;
    std::wstring m_path;
};
