#include "TableFile.h"

namespace loader_tests {

TableFile::TableFile(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    m_reader.SetFilePath(m_dir.Write("table.txt", bytes));
}

} // namespace loader_tests
