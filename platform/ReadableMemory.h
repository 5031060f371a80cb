// The library checks borrowed objects before it uses them. Linux has no safe test
// for readable memory, so only a null pointer counts as unreadable.
#pragma once

namespace welldata {

template <class T> bool IsReadable(const T* object) {
    return object != nullptr;
}

} // namespace welldata
