#include "controls/CColorStatic.h"

#include <QPalette>

CColorStatic::CColorStatic(QWidget* parent) : QLabel(parent) {
    setAutoFillBackground(true);
    SetBackgroundColour(kDefaultBackground);
}

void CColorStatic::SetBackgroundColour(const QColor& colour) {
    m_backgroundColour = colour;
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colour);
    setPalette(colours);
}
