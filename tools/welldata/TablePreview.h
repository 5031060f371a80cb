// The head of a text table as the import dialogs preview it: the reader reads
// the first lines, the header row names the columns. Column options of the
// command are resolved against these names.
#pragma once

#include "reader/RowTable.h"

#include <string>

class CDataFileReader;

class TablePreview {
public:
    // `dropCommentMark`: one leading "#" of a name is dropped (log tables often
    // head their depth column "#DEPTH").
    explicit TablePreview(bool dropCommentMark) : m_dropCommentMark(dropCommentMark) {}

    // Reads the preview lines; false when the reader could not (it has shown
    // why, when there was anything to show).
    bool Read(CDataFileReader& reader);

    // The header cells, trimmed, without a byte order mark.
    const Row& Names() const { return m_names; }
    // "1:NAME 2:MD ..." as the dialogs' column lists show them.
    std::string ColumnList() const;

    // The 0-based column `choice` names: a 1-based column number or a column
    // name (any letter case); -1 for "none" or 0. Throws LoadProblem, naming
    // `option`, when the file has no such column.
    int Find(const std::string& choice, const std::string& option) const;

private:
    std::wstring CleanName(std::wstring_view cell, bool first) const;

    bool m_dropCommentMark;
    Row m_names;
};
