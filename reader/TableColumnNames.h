// The names of a file's columns as the import pages list them and the column
// suggestions recognise them: the header cells of a text table (trimmed,
// without a UTF-8 byte order mark, and for a log table, whose header line is
// searched for "depth", without a leading "#"), or the curve mnemonics of a
// LAS file's "~C" section.
//
// Usage: for (const std::wstring& name : welldata::TableColumnNames(reader)) ...
#pragma once

#include "reader/RowTable.h"

#include <string>
#include <vector>

class CDataFileReader;

namespace welldata {

std::vector<std::wstring> TableColumnNames(const CDataFileReader& reader);
// The names of a text table's header row; `logTable` drops a leading "#".
std::vector<std::wstring> TableColumnNames(const Row& header, bool logTable);

} // namespace welldata
