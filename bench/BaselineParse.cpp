#include "BaselineParse.h"

#include <cstdio>
#include <cstdlib>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == ',' || c == '\r';
}

} // namespace

bool BaselineParse::Run(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return false;
    std::string text;
    char buffer[1 << 16];
    for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        text.append(buffer, got);
    std::fclose(file);

    m_columns.clear();
    const char* p = text.c_str() + DataStart(text);
    size_t column = 0;
    while (*p != '\0') {
        if (*p == '\n') {
            column = 0;
            ++p;
            continue;
        }
        if (IsBlank(*p)) {
            ++p;
            continue;
        }
        char* end = nullptr;
        const double value = std::strtod(p, &end);
        if (end == p) { // not a number: skip the word
            while (*end != '\0' && *end != '\n' && !IsBlank(*end))
                ++end;
        }
        if (column >= m_columns.size())
            m_columns.resize(column + 1);
        m_columns[column++].push_back(static_cast<float>(value));
        p = end;
    }
    return true;
}

size_t BaselineParse::DataStart(const std::string& text) const {
    size_t line = 0;
    for (int skipped = 0; line < text.size();) {
        const size_t next = text.find('\n', line);
        if (next == std::string::npos)
            return text.size();
        const bool done = m_dataMark.empty()
                              ? ++skipped == m_headerLines
                              : text.compare(line, m_dataMark.size(), m_dataMark) == 0;
        line = next + 1;
        if (done)
            break;
    }
    return line;
}

size_t BaselineParse::ValueCount() const {
    size_t count = 0;
    for (const std::vector<float>& column : m_columns)
        count += column.size();
    return count;
}
