// A static text on a coloured background: marks the current step in the
// work-flow panels of the dialogs. Light green unless told otherwise.
//
// Usage: in a .ui file, promote a QLabel to CColorStatic (header
// controls/CColorStatic.h); SetBackgroundColour changes the colour.
#pragma once

#include <QColor>
#include <QLabel>

class CColorStatic : public QLabel {
    Q_OBJECT

public:
    static inline const QColor kDefaultBackground{0xCC, 0xFF, 0xCC};

    explicit CColorStatic(QWidget* parent = nullptr);

    void SetBackgroundColour(const QColor& colour);
    QColor GetBackgroundColour() const { return m_backgroundColour; }

private:
    QColor m_backgroundColour = kDefaultBackground;
};
