// The axes of a flat plot (the well map, a path's plan and section views):
// data coordinates mapped into a widget rectangle, on one scale for both axes
// when distances must look true, with a labelled grid of round steps.
#pragma once

#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QString>

class QPainter;

class PlotFrame {
public:
    // `data` spans the values to show (widened a little, and to a square
    // metre at least); `downwards` puts growing Y at the bottom (depths).
    PlotFrame(const QRectF& data, const QRect& area, bool equalScale, bool downwards);

    QPointF Map(double x, double y) const;
    QPointF Unmap(const QPointF& point) const;
    // Draws the grid with its labels and the axis titles; `xGrid` false
    // leaves out the vertical lines and their labels.
    void DrawGrid(QPainter& painter, const QString& xTitle, const QString& yTitle,
                  bool xGrid = true) const;
    const QRect& PlotArea() const { return m_plot; }

private:
    QRectF m_data;
    QRect m_plot;
    bool m_downwards;
    double m_scaleX = 1.0;
    double m_scaleY = 1.0;
};
