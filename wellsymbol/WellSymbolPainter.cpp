#include "wellsymbol/WellSymbolPainter.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

} // namespace

WellSymbolPainter::WellSymbolPainter(QPainter& painter, const QRectF& rect)
    : m_painter(painter), m_centre(rect.center()), m_side(std::min(rect.width(), rect.height())) {
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setBrush(Qt::NoBrush);
}

WellSymbolPainter::~WellSymbolPainter() {
    m_painter.restore();
}

double WellSymbolPainter::PenWidth() const {
    // One pixel at list-entry size, growing with the symbol.
    return std::max(1.0, m_side / 18.0);
}

QPointF WellSymbolPainter::AtAngle(double degrees, double radius) const {
    const double radians = degrees * kPi / 180.0;
    // Screen y grows downwards: a positive angle points up.
    return m_centre + QPointF(std::cos(radians) * radius, -std::sin(radians) * radius);
}

void WellSymbolPainter::SetPen(const QColor& colour, double width, Qt::PenStyle style) {
    QPen pen(colour, width, style, Qt::FlatCap, Qt::MiterJoin);
    m_painter.setPen(pen);
}

void WellSymbolPainter::Body(const QColor& outline, const QColor& fill, Qt::PenStyle style) {
    SetPen(outline, PenWidth(), style);
    m_painter.setBrush(fill.isValid() ? QBrush(fill) : QBrush(Qt::white));
    m_painter.drawEllipse(m_centre, BodyRadius(), BodyRadius());
    m_painter.setBrush(Qt::NoBrush);
}

void WellSymbolPainter::HalfFilledBody(const QColor& outline, const QColor& fill) {
    Body(outline);
    const double r = BodyRadius();
    QPainterPath half;
    half.moveTo(m_centre + QPointF(0, -r));
    half.arcTo(QRectF(m_centre.x() - r, m_centre.y() - r, 2 * r, 2 * r), 90, 180);
    half.closeSubpath();
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(fill);
    m_painter.drawPath(half);
    m_painter.setBrush(Qt::NoBrush);
    SetPen(outline, PenWidth());
    m_painter.drawEllipse(m_centre, r, r);
}

void WellSymbolPainter::Rays(const QColor& colour, int count, double firstAngle) {
    SetPen(colour, PenWidth());
    const double inner = BodyRadius() + PenWidth() / 2;
    for (int i = 0; i < count; ++i) {
        const double angle = firstAngle + 360.0 * i / count;
        m_painter.drawLine(AtAngle(angle, inner), AtAngle(angle, OuterRadius()));
    }
}

void WellSymbolPainter::InjectionArrow(const QColor& colour) {
    // The head's point is the well's centre, the shaft comes from outside.
    const double headLength = m_side * 0.16;
    const double headHalfWidth = m_side * 0.07;
    const QPointF back = AtAngle(45, headLength);
    const QPointF across = AtAngle(135, headHalfWidth) - m_centre;
    SetPen(colour, PenWidth());
    m_painter.drawLine(AtAngle(45, OuterRadius()), back);
    m_painter.setBrush(colour);
    m_painter.setPen(Qt::NoPen);
    m_painter.drawPolygon(QPolygonF({m_centre, back + across, back - across}));
    m_painter.setBrush(Qt::NoBrush);
}

void WellSymbolPainter::CentreDot(const QColor& colour) {
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(colour);
    const double r = std::max(BodyRadius() * 0.35, 1.0);
    m_painter.drawEllipse(m_centre, r, r);
    m_painter.setBrush(Qt::NoBrush);
}

void WellSymbolPainter::StrikeThrough(const QColor& colour) {
    SetPen(colour, PenWidth() * 1.5);
    m_painter.drawLine(AtAngle(225, OuterRadius()), AtAngle(45, OuterRadius()));
}
