#include "reader/RowStore.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kBlockSize = std::size_t{1} << 18;

std::size_t VarintSize(std::size_t value) {
    std::size_t size = 1;
    for (; value >= 0x80; value >>= 7)
        ++size;
    return size;
}

char* PutVarint(char* out, std::size_t value) {
    for (; value >= 0x80; value >>= 7)
        *out++ = static_cast<char>(0x80 | (value & 0x7F));
    *out++ = static_cast<char>(value);
    return out;
}

const char* GetVarint(const char* in, std::size_t& value) {
    value = 0;
    for (int shift = 0;; shift += 7) {
        const auto byte = static_cast<unsigned char>(*in++);
        value |= static_cast<std::size_t>(byte & 0x7F) << shift;
        if (byte < 0x80)
            return in;
    }
}

} // namespace

void RowStore::Clear() {
    m_blocks.clear();
    m_rows.clear();
    m_lines.Clear();
}

char* RowStore::Reserve(std::size_t bytes, Place& place) {
    if (m_blocks.empty() || m_blocks.back().capacity() - m_blocks.back().size() < bytes) {
        // A row longer than a block gets a block of its own.
        m_blocks.emplace_back();
        m_blocks.back().reserve(std::max(kBlockSize, bytes));
    }
    std::string& block = m_blocks.back();
    place = {static_cast<std::uint32_t>(m_blocks.size() - 1),
             static_cast<std::uint32_t>(block.size())};
    block.resize(block.size() + bytes);
    return block.data() + place.offset;
}

void RowStore::Add(RowView cells, std::size_t line) {
    std::size_t bytes = VarintSize(cells.size());
    for (std::string_view cell : cells)
        bytes += VarintSize(cell.size()) + cell.size();
    Place place{};
    char* out = PutVarint(Reserve(bytes, place), cells.size());
    for (std::string_view cell : cells) {
        out = PutVarint(out, cell.size());
        std::memcpy(out, cell.data(), cell.size());
        out += cell.size();
    }
    m_lines.Add(m_rows.size(), line);
    m_rows.push_back(place);
}

RowView RowStore::Get(std::size_t index, std::vector<std::string_view>& views) const {
    views.clear();
    if (index >= m_rows.size())
        return views;
    const Place place = m_rows[index];
    const char* in = m_blocks[place.block].data() + place.offset;
    std::size_t count = 0;
    in = GetVarint(in, count);
    for (; count > 0; --count) {
        std::size_t size = 0;
        in = GetVarint(in, size);
        views.emplace_back(in, size);
        in += size;
    }
    return views;
}
