// The reader's result: a double-ended queue of rows, each row one wide string
// per cell.
#pragma once

#include <deque>
#include <string>
#include <vector>

using Row = std::vector<std::wstring>;
using RowTable = std::deque<Row>;
