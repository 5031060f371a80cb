// The strokes a well symbol is made of, scaled to the square the symbol is
// drawn in: a round body, rays around it, an injection arrow, a centre dot and
// the bar that strikes an abandoned well through.
#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <Qt>

class QPainter;

class WellSymbolPainter {
public:
    // Draws into the largest square centred in `rect`. The painter's state is
    // saved here and restored by the destructor.
    WellSymbolPainter(QPainter& painter, const QRectF& rect);
    ~WellSymbolPainter();
    WellSymbolPainter(const WellSymbolPainter&) = delete;
    WellSymbolPainter& operator=(const WellSymbolPainter&) = delete;

    // The well's circle; `fill` invalid leaves it open (filled with white, so
    // that the symbol reads on any map background).
    void Body(const QColor& outline, const QColor& fill = QColor(),
              Qt::PenStyle style = Qt::SolidLine);
    // The left half of the body filled, the right half open.
    void HalfFilledBody(const QColor& outline, const QColor& fill);
    // `count` rays from the body outwards, the first at `firstAngle` degrees
    // (0 = pointing right, counter-clockwise).
    void Rays(const QColor& colour, int count, double firstAngle);
    // An arrow from outside the upper right into the body: fluid goes in.
    void InjectionArrow(const QColor& colour);
    void CentreDot(const QColor& colour);
    // A bar across the symbol from lower left to upper right.
    void StrikeThrough(const QColor& colour);

private:
    double BodyRadius() const { return m_side * 0.28; }
    double OuterRadius() const { return m_side * 0.48; }
    double PenWidth() const;
    QPointF AtAngle(double degrees, double radius) const;
    void SetPen(const QColor& colour, double width, Qt::PenStyle style = Qt::SolidLine);

    QPainter& m_painter;
    QPointF m_centre;
    double m_side;
};
