// What no loader can beat by much: read the whole file and parse every number of
// its data section with strtod into one float vector per column.
#pragma once

#include <string>
#include <vector>

class BaselineParse {
public:
    // `dataMark`: the data section starts on the line after the first line that
    // begins with it (e.g. "~A"); empty means after `headerLines` lines.
    BaselineParse(std::string dataMark, int headerLines)
        : m_dataMark(std::move(dataMark)), m_headerLines(headerLines) {}

    // False when the file cannot be read.
    bool Run(const std::string& path);
    size_t ValueCount() const;

private:
    size_t DataStart(const std::string& text) const;

    std::string m_dataMark;
    int m_headerLines;
    std::vector<std::vector<float>> m_columns;
};
