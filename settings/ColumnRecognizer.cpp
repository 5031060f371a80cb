#include "settings/ColumnRecognizer.h"

ColumnRecognizer::ColumnRecognizer(WellAttributeSection section, bool exactOnly)
    : m_lookup(section, exactOnly) {}

unsigned int ColumnRecognizer::Recognize(const std::wstring& name) {
    unsigned int id = 0;
    if (!m_lookup.FindAttribute(name.c_str(), id))
        return 0;
    return id;
}

std::map<unsigned int, int>
ColumnRecognizer::FindColumns(const Row& names, const std::function<bool(int)>& eligible) {
    std::map<unsigned int, int> columns;
    for (size_t column = 0; column < names.size(); ++column) {
        const int index = static_cast<int>(column);
        if (eligible && !eligible(index))
            continue;
        const unsigned int id = Recognize(names[column]);
        if (id != 0)
            columns[id] = index;
    }
    return columns;
}
