// Draws a log into any rectangle of a QPainter: the track headers (curve
// names, units, scales), and for any depth window the tracks with their grids,
// the depth labels and the curves, thinned to their min/max per pixel row.
// The picture of `welldata --plot` and the desktop viewer's log view are both
// painted here.
//
// Usage:
//   LogPainter log(curves);              // curves must outlive the painter
//   log.PaintHeader(painter, QPoint(0, 0));
//   log.PaintTracks(painter, QRect(0, log.HeaderHeight(), log.Width(), 600), 2150.0, 2180.0);
#pragma once

#include "CurveEnvelope.h"
#include "CurveScale.h"
#include "LogTrackLayout.h"
#include "PlotOptions.h"

#include "welldata/Common.h"

#include <QPen>
#include <QPoint>
#include <QRect>

#include <string>
#include <vector>

class QPainter;

namespace logplot {

class LogPainter {
public:
    explicit LogPainter(const COMMON::STRUCT_WELL_CURVE& log,
                        CurveNames names = CurveNames::MnemonicAndDisplayName);
    LogPainter(const LogPainter&) = delete;
    LogPainter& operator=(const LogPainter&) = delete;

    // Whether a curve besides the depth holds values.
    bool HasTracks() const {
        return !m_layout.LeftTracks().empty() || !m_layout.RightTracks().empty();
    }
    // Whether the depth curve holds values: Top() and Bottom() are then its
    // smallest and largest depth.
    bool HasDepth() const { return m_top <= m_bottom; }
    double Top() const { return m_top; }
    double Bottom() const { return m_bottom; }
    const std::wstring& DepthUnit() const;
    std::size_t SampleCount() const;
    // The samples whose depth lies between `top` and `bottom`.
    std::size_t SamplesBetween(double top, double bottom) const;

    int Width() const { return m_width; }
    int HeaderHeight() const { return m_headerHeight; }
    const LogTrackLayout& Layout() const { return m_layout; }
    // The scale each curve is drawn on, in the order of the layout's tracks.
    std::vector<CurveScale> Scales() const;

    // The headers, Width() by HeaderHeight(), with their top left at `at`.
    void PaintHeader(QPainter& painter, const QPoint& at) const;
    // The tracks for the depths `top` to `bottom` stretched over `area`
    // (Width() wide, any height).
    void PaintTracks(QPainter& painter, const QRect& area, double top, double bottom) const;

private:
    struct PlacedCurve {
        const LogTrackLayout::Curve* curve;
        CurveScale scale;
        QPen pen;
    };
    struct PlacedTrack {
        int x = 0;
        int width = 0;
        bool depth = false; // the depth track: labels, no curves
        bool logarithmic = false;
        std::vector<PlacedCurve> curves;
    };
    struct DepthGrid {
        double top, bottom, major, minor;
        QRect area;
        double Y(double depth) const;
    };

    void PlaceTracks(const std::vector<LogTrackLayout::Track>& tracks, int& x);
    void PlaceDepthTrack(int& x);
    const std::vector<float>& Depths() const;
    void PaintCurveHeader(QPainter& painter, const PlacedCurve& curve, const QRect& cell) const;
    void PaintDepthHeader(QPainter& painter, const QRect& cell) const;
    void PaintDepthLabels(QPainter& painter, const DepthGrid& grid, const QRect& track) const;
    void PaintDepthLines(QPainter& painter, const DepthGrid& grid, const QRect& track) const;
    void PaintScaleLines(QPainter& painter, const QRect& track, const CurveScale& scale) const;
    void PaintCurve(QPainter& painter, const PlacedCurve& curve, const DepthGrid& grid,
                    const QRect& track, std::size_t begin, std::size_t end) const;

    const COMMON::STRUCT_WELL_CURVE& m_log;
    LogTrackLayout m_layout;
    DepthIndex m_index;
    std::vector<PlacedTrack> m_tracks;
    double m_top = 1.0;
    double m_bottom = 0.0;
    int m_width = 0;
    int m_headerHeight = 0;
};

} // namespace logplot
