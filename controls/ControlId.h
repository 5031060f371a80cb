// Every control keeps the numeric id its dialog is known by, so that code and
// tests find it the same way whatever the widget's layout.
#pragma once

#include <QList>
#include <QVariant>
#include <QWidget>

namespace welldata {

inline constexpr const char* kControlIdProperty = "controlId";

inline int ControlIdOf(const QObject* control) {
    return control->property(kControlIdProperty).toInt();
}

// The first descendant of `root` of type T with control id `id`, or null.
template <class T = QWidget> T* FindControl(const QWidget* root, int id) {
    const QList<T*> candidates = root->findChildren<T*>();
    for (T* candidate : candidates) {
        if (ControlIdOf(candidate) == id)
            return candidate;
    }
    return nullptr;
}

} // namespace welldata
