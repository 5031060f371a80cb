// A log as tracks on a depth axis that zoom and scroll in depth: the headers
// stay on top, the tracks show the depth window, drawn by the shared log plot
// painter at the window's resolution (min/max per pixel row), so a long log
// draws as fast as a short one and no spike is lost. The wheel scrolls,
// Ctrl+wheel zooms about the depth under the mouse, + and - zoom, Home and
// End go to the ends.
#pragma once

#include "LogPainter.h"

#include <QAbstractScrollArea>

#include <memory>

class LogTrackArea : public QAbstractScrollArea {
    Q_OBJECT

public:
    // `log` outlives the area.
    explicit LogTrackArea(const COMMON::STRUCT_WELL_CURVE& log, QWidget* parent = nullptr);
    ~LogTrackArea() override;

    bool HasPlot() const { return m_painter->HasTracks() && m_painter->HasDepth(); }
    const logplot::LogPainter& Painter() const { return *m_painter; }
    double WindowTop() const { return m_top; }
    double WindowBottom() const { return m_top + m_span; }

    void SetCurveNames(logplot::CurveNames names);
    // Shows the depths `top` to `bottom`, kept within the log.
    void SetWindow(double top, double bottom);
    void ZoomBy(double factor, double aboutDepth);
    void ZoomIn() { ZoomBy(0.5, m_top + m_span / 2); }
    void ZoomOut() { ZoomBy(2.0, m_top + m_span / 2); }
    void ShowWholeLog() { SetWindow(m_fullTop, m_fullBottom); }

signals:
    void WindowChanged(double top, double bottom);
    void DepthHovered(double depth);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    QRect TrackRect() const;
    double DepthAt(int y) const;
    void UpdateScrollBars();

    const COMMON::STRUCT_WELL_CURVE& m_log;
    std::unique_ptr<logplot::LogPainter> m_painter;
    double m_fullTop = 0.0;
    double m_fullBottom = 1.0;
    double m_top = 0.0;
    double m_span = 1.0;
    bool m_updatingBars = false;
};
