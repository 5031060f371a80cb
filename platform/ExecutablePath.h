// Where the running program lives; the settings file and the batch header file
// are placed beside it.
#pragma once

#include <string>

namespace welldata {

// Full path of the process's executable file, empty when it cannot be found.
std::wstring GetExecutablePath();
// Its folder, without a trailing separator.
std::wstring GetExecutableFolder();

} // namespace welldata
