// The values of one column as a load collects them, row after row, before it
// knows how many rows there are: they grow without being copied and move into
// the record's vector without ever being held twice (platform/PagedBuffer.h).
#pragma once

#include "platform/PagedBuffer.h"

#include <vector>

class FloatColumn {
public:
    void Push(float value) { m_values.Append(&value, sizeof value); }
    std::size_t Size() const { return m_values.Size() / sizeof(float); }
    // The values, in a vector of exactly their number; the column is empty
    // afterwards.
    std::vector<float> TakeVector();

private:
    welldata::PagedBuffer m_values;
};
