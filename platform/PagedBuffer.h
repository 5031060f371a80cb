// A growing array of bytes in a memory mapping of its own, for results that
// may grow to gigabytes while a file is read: it grows without copying (the
// kernel moves the mapping's pages), only the pages written to take memory,
// and it hands its bytes over in slices, giving each slice's pages back at
// once, so that moving the bytes into a vector never holds them twice.
#pragma once

#include <cstddef>
#include <cstring>

namespace welldata {

class PagedBuffer {
public:
    PagedBuffer() = default;
    ~PagedBuffer();
    PagedBuffer(PagedBuffer&& other) noexcept;
    PagedBuffer& operator=(PagedBuffer&& other) noexcept;
    PagedBuffer(const PagedBuffer&) = delete;
    PagedBuffer& operator=(const PagedBuffer&) = delete;

    // Appends `size` bytes; throws std::bad_alloc when the mapping cannot grow.
    void Append(const void* bytes, std::size_t size) {
        if (m_capacity - m_size < size)
            Grow(size);
        std::memcpy(m_data + m_size, bytes, size);
        m_size += size;
    }
    std::size_t Size() const { return m_size; }

    // Hands every byte to `take(bytes, size)` in order, a slice at a time, and
    // releases each slice's pages once taken; the buffer is empty afterwards.
    template <class Take> void Drain(Take take) {
        for (std::size_t done = 0; done < m_size;) {
            const std::size_t slice = m_size - done < kSlice ? m_size - done : kSlice;
            take(m_data + done, slice);
            done += slice;
            ReleaseBefore(done);
        }
        Reset();
    }
    // Frees the mapping.
    void Reset();

private:
    static constexpr std::size_t kSlice = std::size_t{1} << 20;

    void Grow(std::size_t needed);
    // Gives back the whole pages below `offset`.
    void ReleaseBefore(std::size_t offset);

    char* m_data = nullptr;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
    std::size_t m_released = 0; // bytes at the front whose pages are given back
};

} // namespace welldata
