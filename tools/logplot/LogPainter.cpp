#include "LogPainter.h"

#include "NiceStep.h"
#include "PlotFont.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace logplot {

namespace {

using Curve = COMMON::STRUCT_CURVE_ITEM;

constexpr int kCurveHeaderHeight = 38;
constexpr int kTrackWidth = 210;
constexpr int kDepthTrackWidth = 74;
// The depth grid's labelled lines are about this far apart.
constexpr double kPixelsPerMajorLine = 80.0;
constexpr double kMinimumMinorSpacing = 6.0;
constexpr int kMaxPointsPerPixelRow = 8;
constexpr int kClipMarkWidth = 4;

const QColor kInk(34, 34, 34);
const QColor kFrame(90, 90, 90);
const QColor kMajorGrid(190, 190, 190);
const QColor kMinorGrid(228, 228, 228);
const QColor kCurveColors[] = {QColor(27, 120, 55), QColor(200, 40, 40), QColor(33, 90, 170),
                               QColor(120, 50, 150)};
// The third and fourth curve of a track are also told apart by their dashes.
const Qt::PenStyle kCurveStyles[] = {Qt::SolidLine, Qt::SolidLine, Qt::DashLine, Qt::DotLine};

const std::vector<float> kNoDepths;

QString Number(double value) {
    return QString::number(value, 'g', 7);
}

} // namespace

double LogPainter::DepthGrid::Y(double depth) const {
    return area.top() + (depth - top) / (bottom - top) * area.height();
}

LogPainter::LogPainter(const COMMON::STRUCT_WELL_CURVE& log, CurveNames names)
    : m_log(log), m_layout(log, names),
      m_index(m_layout.Depth() != nullptr ? m_layout.Depth()->vecValues : kNoDepths) {
    for (float depth : Depths()) {
        if (LogTrackLayout::IsNull(depth) || !std::isfinite(depth))
            continue;
        m_top = m_top > m_bottom ? depth : std::min<double>(m_top, depth);
        m_bottom = std::max<double>(m_bottom, depth);
    }
    int x = 0;
    PlaceTracks(m_layout.LeftTracks(), x);
    PlaceDepthTrack(x);
    PlaceTracks(m_layout.RightTracks(), x);
    m_width = x;
    size_t most = 1;
    for (const PlacedTrack& track : m_tracks)
        most = std::max(most, track.curves.size());
    m_headerHeight = static_cast<int>(most) * kCurveHeaderHeight;
}

const std::vector<float>& LogPainter::Depths() const {
    return m_layout.Depth() != nullptr ? m_layout.Depth()->vecValues : kNoDepths;
}

const std::wstring& LogPainter::DepthUnit() const {
    static const std::wstring none;
    return m_layout.Depth() != nullptr ? m_layout.Depth()->strUnit : none;
}

size_t LogPainter::SampleCount() const {
    size_t samples = 0;
    for (const Curve& curve : m_log.lstCurves)
        samples = std::max(samples, curve.vecValues.size());
    return samples;
}

size_t LogPainter::SamplesBetween(double top, double bottom) const {
    size_t begin = 0;
    size_t end = 0;
    m_index.Range(top, bottom, begin, end);
    const std::vector<float>& depths = Depths();
    return static_cast<size_t>(
        std::count_if(depths.begin() + static_cast<std::ptrdiff_t>(begin),
                      depths.begin() + static_cast<std::ptrdiff_t>(end),
                      [top, bottom](float depth) { return depth >= top && depth <= bottom; }));
}

std::vector<CurveScale> LogPainter::Scales() const {
    std::vector<CurveScale> scales;
    for (const PlacedTrack& track : m_tracks) {
        for (const PlacedCurve& curve : track.curves)
            scales.push_back(curve.scale);
    }
    return scales;
}

void LogPainter::PlaceTracks(const std::vector<LogTrackLayout::Track>& tracks, int& x) {
    for (const LogTrackLayout::Track& track : tracks) {
        PlacedTrack placed;
        placed.x = x;
        placed.width = kTrackWidth;
        placed.logarithmic = track.logarithmic;
        for (size_t i = 0; i < track.curves.size(); ++i) {
            const LogTrackLayout::Curve& curve = track.curves[i];
            QPen pen(kCurveColors[i % std::size(kCurveColors)], 1.4);
            pen.setStyle(kCurveStyles[i % std::size(kCurveStyles)]);
            placed.curves.push_back(
                {&curve, CurveScale::For(*curve.item, curve.kind, curve.logarithmic), pen});
        }
        m_tracks.push_back(std::move(placed));
        x += kTrackWidth;
    }
}

void LogPainter::PlaceDepthTrack(int& x) {
    PlacedTrack depth;
    depth.x = x;
    depth.width = kDepthTrackWidth;
    depth.depth = true;
    m_tracks.push_back(depth);
    x += kDepthTrackWidth;
}

void LogPainter::PaintHeader(QPainter& painter, const QPoint& at) const {
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const PlacedTrack& track : m_tracks) {
        const QRect cell(at.x() + track.x, at.y(), track.width, m_headerHeight);
        painter.fillRect(cell, Qt::white);
        painter.setPen(kFrame);
        painter.drawRect(cell);
        if (track.depth) {
            PaintDepthHeader(painter, cell);
            continue;
        }
        for (size_t i = 0; i < track.curves.size(); ++i)
            PaintCurveHeader(painter, track.curves[i],
                             QRect(cell.left(),
                                   cell.top() + static_cast<int>(i) * kCurveHeaderHeight,
                                   cell.width(), kCurveHeaderHeight));
    }
    painter.restore();
}

void LogPainter::PaintDepthHeader(QPainter& painter, const QRect& cell) const {
    if (m_layout.Depth() == nullptr)
        return;
    painter.setPen(kInk);
    painter.setFont(PlotFont(12, true));
    const QString unit = QString::fromStdWString(DepthUnit());
    painter.drawText(cell, Qt::AlignCenter,
                     QString::fromStdWString(m_layout.Depth()->strName) +
                         (unit.isEmpty() ? QString() : QStringLiteral("\n") + unit));
}

void LogPainter::PaintCurveHeader(QPainter& painter, const PlacedCurve& curve,
                                  const QRect& cell) const {
    const std::wstring& unit = curve.curve->item->strUnit;
    QString title = QString::fromStdWString(curve.curve->label);
    if (!unit.empty())
        title += QStringLiteral(" (") + QString::fromStdWString(unit) + QStringLiteral(")");
    painter.setPen(curve.pen.color());
    painter.setFont(PlotFont(12, true));
    const QRect titleRect(cell.left() + 4, cell.top() + 2, cell.width() - 8, 17);
    painter.drawText(
        titleRect, Qt::AlignCenter,
        QFontMetrics(painter.font()).elidedText(title, Qt::ElideRight, titleRect.width()));
    const int lineY = cell.top() + 24;
    QPen pen = curve.pen;
    pen.setWidthF(2.0);
    painter.setPen(pen);
    painter.drawLine(cell.left() + 6, lineY, cell.right() - 6, lineY);
    painter.setPen(kInk);
    painter.setFont(PlotFont(10, false));
    const QRect scaleRect(cell.left() + 4, lineY + 1, cell.width() - 8, 13);
    painter.drawText(scaleRect, Qt::AlignLeft | Qt::AlignVCenter, Number(curve.scale.Left()));
    painter.drawText(scaleRect, Qt::AlignRight | Qt::AlignVCenter, Number(curve.scale.Right()));
    if (curve.scale.IsLogarithmic())
        painter.drawText(scaleRect, Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("log"));
}

void LogPainter::PaintTracks(QPainter& painter, const QRect& area, double top,
                             double bottom) const {
    if (area.height() <= 0 || !(bottom > top))
        return;
    DepthGrid grid{top, bottom, 1.0, 1.0, area};
    grid.major = NiceStep((bottom - top) * kPixelsPerMajorLine / area.height());
    grid.minor = grid.major / 5.0;
    size_t begin = 0;
    size_t end = 0;
    m_index.Range(top, bottom, begin, end);
    painter.save();
    for (const PlacedTrack& track : m_tracks) {
        const QRect rect(area.left() + track.x, area.top(), track.width, area.height());
        painter.fillRect(rect, Qt::white);
        if (!track.curves.empty())
            PaintScaleLines(painter, rect, track.curves.front().scale);
        PaintDepthLines(painter, grid, rect);
        for (const PlacedCurve& curve : track.curves)
            PaintCurve(painter, curve, grid, rect, begin, end);
        if (track.depth)
            PaintDepthLabels(painter, grid, rect);
        painter.setPen(kFrame);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect);
    }
    painter.restore();
}

void LogPainter::PaintDepthLines(QPainter& painter, const DepthGrid& grid,
                                 const QRect& track) const {
    const double pixelsPerMinor = grid.minor / (grid.bottom - grid.top) * grid.area.height();
    const double step = pixelsPerMinor >= kMinimumMinorSpacing ? grid.minor : grid.major;
    const double first = std::ceil(grid.top / step) * step;
    for (int i = 0;; ++i) {
        const double depth = first + i * step;
        if (depth > grid.bottom + step * 1e-6)
            break;
        const bool major = std::fabs(std::remainder(depth, grid.major)) < step * 1e-3;
        painter.setPen(QPen(major ? kMajorGrid : kMinorGrid, 1));
        const double y = grid.Y(depth);
        painter.drawLine(QPointF(track.left(), y), QPointF(track.right(), y));
    }
}

void LogPainter::PaintDepthLabels(QPainter& painter, const DepthGrid& grid,
                                  const QRect& track) const {
    painter.setPen(kInk);
    painter.setFont(PlotFont(11, false));
    const double first = std::ceil(grid.top / grid.major) * grid.major;
    for (int i = 0;; ++i) {
        const double depth = first + i * grid.major;
        if (depth > grid.bottom + grid.major * 1e-6)
            break;
        // Labels at the ends stay inside the track.
        const int y = std::clamp(static_cast<int>(std::lround(grid.Y(depth))), track.top() + 8,
                                 std::max(track.top() + 8, track.bottom() - 8));
        // -0 prints as 0.
        painter.drawText(QRect(track.left(), y - 8, track.width(), 16), Qt::AlignCenter,
                         Number(depth == 0.0 ? 0.0 : depth));
    }
}

void LogPainter::PaintScaleLines(QPainter& painter, const QRect& track,
                                 const CurveScale& scale) const {
    const auto line = [&](double fraction, const QColor& color) {
        const double x = track.left() + fraction * track.width();
        painter.setPen(QPen(color, 1));
        painter.drawLine(QPointF(x, track.top()), QPointF(x, track.bottom()));
    };
    if (!scale.IsLogarithmic()) {
        for (int division = 1; division < 10; ++division)
            line(division / 10.0, division == 5 ? kMajorGrid : kMinorGrid);
        return;
    }
    const double low = std::min(scale.Left(), scale.Right());
    const double high = std::max(scale.Left(), scale.Right());
    for (double decade = std::pow(10.0, std::floor(std::log10(low))); decade < high;
         decade *= 10.0) {
        for (int multiple = 1; multiple <= 9; ++multiple) {
            const double value = decade * multiple;
            if (value > low && value < high)
                line(scale.Fraction(value), multiple == 1 ? kMajorGrid : kMinorGrid);
        }
    }
}

// The envelope of the samples in the window, one polyline per run between
// nulls; values beyond the scale run along the edge and get a mark there.
void LogPainter::PaintCurve(QPainter& painter, const PlacedCurve& curve, const DepthGrid& grid,
                            const QRect& track, size_t begin, size_t end) const {
    const DepthWindow window{grid.top, grid.bottom, grid.area.height()};
    const std::vector<float>& values = curve.curve->item->vecValues;
    const std::vector<EnvelopeRow> rows =
        CurveEnvelope::Build(Depths(), values, window, begin, end);
    const double rowHeight = static_cast<double>(grid.area.height()) / window.rows;
    const auto fraction = [&curve](float value) {
        return curve.scale.Covers(value) ? curve.scale.Fraction(value) : -1.0;
    };
    const auto x = [&track](double f) {
        return track.left() + std::clamp(f, 0.0, 1.0) * track.width();
    };

    std::vector<QPolygonF> runs;
    std::vector<QRectF> clipMarks;
    size_t points = 0;
    for (const EnvelopeRow& row : rows) {
        if (!row.joined || runs.empty())
            runs.emplace_back();
        QPolygonF& run = runs.back();
        // The first and last sample at their own depth, so that lines keep
        // their slope when zoomed in and run out of the window towards the
        // samples beyond its edges; the extremes in the middle of the row.
        const double y = grid.area.top() + (row.row + 0.5) * rowHeight;
        run << QPointF(x(fraction(row.first)), grid.Y(row.firstDepth));
        if (row.samples > 1)
            run << QPointF(x(fraction(row.low)), y) << QPointF(x(fraction(row.high)), y)
                << QPointF(x(fraction(row.last)), grid.Y(row.lastDepth));
        points += run.size();
        if (row.row < 0 || row.row >= window.rows)
            continue;
        const double low = std::min(fraction(row.low), fraction(row.high));
        const double high = std::max(fraction(row.low), fraction(row.high));
        if (low < 0.0)
            clipMarks.emplace_back(track.left(), y - rowHeight / 2, kClipMarkWidth,
                                   std::max(rowHeight, 1.0));
        if (high > 1.0)
            clipMarks.emplace_back(track.right() - kClipMarkWidth + 1, y - rowHeight / 2,
                                   kClipMarkWidth, std::max(rowHeight, 1.0));
    }
    painter.save();
    painter.setClipRect(track.adjusted(1, 1, -1, -1));
    painter.setPen(curve.pen);
    // Depths that go back and forth leave many points; a smooth, dashed line
    // through them all would take minutes to draw.
    if (points > static_cast<size_t>(kMaxPointsPerPixelRow) * grid.area.height())
        painter.setPen(QPen(curve.pen.color(), 0));
    else
        painter.setRenderHint(QPainter::Antialiasing);
    for (const QPolygonF& run : runs)
        painter.drawPolyline(run);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const QRectF& mark : clipMarks)
        painter.fillRect(mark, curve.pen.color());
    painter.restore();
}

} // namespace logplot
