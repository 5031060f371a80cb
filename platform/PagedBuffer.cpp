#include "platform/PagedBuffer.h"

#include <new>
#include <sys/mman.h>
#include <unistd.h>
#include <utility>

namespace welldata {

namespace {

constexpr std::size_t kFirstCapacity = std::size_t{1} << 16;

std::size_t PageSize() {
    static const std::size_t size = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    return size;
}

} // namespace

PagedBuffer::~PagedBuffer() {
    Reset();
}

PagedBuffer::PagedBuffer(PagedBuffer&& other) noexcept {
    *this = std::move(other);
}

PagedBuffer& PagedBuffer::operator=(PagedBuffer&& other) noexcept {
    if (this != &other) {
        Reset();
        m_data = std::exchange(other.m_data, nullptr);
        m_size = std::exchange(other.m_size, 0);
        m_capacity = std::exchange(other.m_capacity, 0);
        m_released = std::exchange(other.m_released, 0);
    }
    return *this;
}

void PagedBuffer::Reset() {
    if (m_data != nullptr)
        munmap(m_data, m_capacity);
    m_data = nullptr;
    m_size = m_capacity = m_released = 0;
}

void PagedBuffer::Grow(std::size_t needed) {
    std::size_t capacity = m_capacity == 0 ? kFirstCapacity : m_capacity;
    while (capacity - m_size < needed)
        capacity *= 2;
    void* data = m_data == nullptr ? mmap(nullptr, capacity, PROT_READ | PROT_WRITE,
                                          MAP_PRIVATE | MAP_ANONYMOUS, -1, 0)
                                   : mremap(m_data, m_capacity, capacity, MREMAP_MAYMOVE);
    if (data == MAP_FAILED)
        throw std::bad_alloc();
    m_data = static_cast<char*>(data);
    m_capacity = capacity;
}

void PagedBuffer::ReleaseBefore(std::size_t offset) {
    const std::size_t end = offset / PageSize() * PageSize();
    if (end <= m_released)
        return;
    madvise(m_data + m_released, end - m_released, MADV_DONTNEED);
    m_released = end;
}

} // namespace welldata
