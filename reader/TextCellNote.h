// Who hears that a loader read a cell of a row as 0 because it is not a number:
// the reader's load report during a load, nobody when a row is parsed on its
// own. Refers to a callable taking the cell's column; it does not own it.
#pragma once

#include <cstddef>

class TextCellNote {
public:
    // Notes nothing.
    TextCellNote() = default;
    // `note` must outlive this object.
    template <class Note>
    explicit TextCellNote(const Note& note)
        : m_note(&note), m_call([](const void* target, std::size_t column) {
              (*static_cast<const Note*>(target))(column);
          }) {}

    void operator()(std::size_t column) const {
        if (m_call != nullptr)
            m_call(m_note, column);
    }

private:
    const void* m_note = nullptr;
    void (*m_call)(const void*, std::size_t) = nullptr;
};
