#include "LogPlotter.h"

#include "LogTrackLayout.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

namespace logplot {

namespace {

using Curve = COMMON::STRUCT_CURVE_ITEM;

constexpr int kMargin = 16;
constexpr int kTitleHeight = 46;
constexpr int kCurveHeaderHeight = 38;
constexpr int kTrackWidth = 210;
constexpr int kDepthTrackWidth = 74;
constexpr int kMinPlotHeight = 640;
constexpr int kMaxPlotHeight = 1400;
constexpr int kPixelsPerSample = 4;
constexpr int kMaxSmoothPointsPerPixelRow = 8;

const QColor kInk(34, 34, 34);
const QColor kFrame(90, 90, 90);
const QColor kMajorGrid(190, 190, 190);
const QColor kMinorGrid(228, 228, 228);
const QColor kCurveColors[] = {QColor(27, 120, 55), QColor(200, 40, 40), QColor(33, 90, 170),
                               QColor(120, 50, 150)};
// The third and fourth curve of a track are also told apart by their dashes.
const Qt::PenStyle kCurveStyles[] = {Qt::SolidLine, Qt::SolidLine, Qt::DashLine, Qt::DotLine};

// Drops Qt's chatter about the offscreen platform; real errors still show.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "welldata: %s\n", message.toUtf8().constData());
}

double NiceStep(double raw) {
    if (!(raw > 0.0))
        return 1.0;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double fraction = raw / magnitude;
    const double nice = fraction <= 1.0   ? 1.0
                        : fraction <= 2.0 ? 2.0
                        : fraction <= 5.0 ? 5.0
                                          : 10.0;
    return nice * magnitude;
}

// Where a value lies between the two ends of a curve's scale (0 left, 1 right).
struct Scale {
    double low = 0.0;
    double high = 1.0;
    bool logarithmic = false;

    bool Covers(double value) const { return !logarithmic || value > 0.0; }
    double Fraction(double value) const {
        if (logarithmic)
            return (std::log10(value) - std::log10(low)) / (std::log10(high) - std::log10(low));
        return (value - low) / (high - low);
    }
};

Scale CurveScale(const Curve& curve, bool logarithmic) {
    double low = HUGE_VAL;
    double high = -HUGE_VAL;
    for (float stored : curve.vecValues) {
        const double value = stored;
        if (LogTrackLayout::IsNull(stored) || !std::isfinite(value) ||
            (logarithmic && value <= 0.0))
            continue;
        low = std::min(low, value);
        high = std::max(high, value);
    }
    Scale scale;
    scale.logarithmic = logarithmic && low <= high;
    if (low > high)
        return scale;
    if (scale.logarithmic) {
        scale.low = std::pow(10.0, std::floor(std::log10(low)));
        scale.high = std::pow(10.0, std::ceil(std::log10(high)));
        if (scale.high <= scale.low)
            scale.high = scale.low * 10.0;
        return scale;
    }
    const double step = NiceStep((high - low) / 5.0);
    scale.low = std::floor(low / step) * step;
    scale.high = std::ceil(high / step) * step;
    if (scale.high <= scale.low)
        scale.high = scale.low + step;
    return scale;
}

// Long logs have many samples per pixel row; drawing them all is slow and shows
// nothing more. Per pixel row only the first, the leftmost, the rightmost and
// the last point of a run are kept, which keeps the curve's envelope.
class PixelRowThinner {
public:
    void Add(const QPointF& point, QPolygonF& run) {
        const int pixelRow = static_cast<int>(std::floor(point.y()));
        if (m_count > 0 && pixelRow != m_pixelRow)
            Flush(run);
        if (m_count == 0) {
            m_pixelRow = pixelRow;
            m_first = m_left = m_right = point;
        }
        if (point.x() < m_left.x())
            m_left = point;
        if (point.x() > m_right.x())
            m_right = point;
        m_last = point;
        ++m_count;
    }

    void Flush(QPolygonF& run) {
        if (m_count == 0)
            return;
        run << m_first;
        if (m_count > 1) {
            const bool leftFirst = m_left.y() <= m_right.y();
            run << (leftFirst ? m_left : m_right) << (leftFirst ? m_right : m_left) << m_last;
        }
        m_count = 0;
    }

private:
    int m_pixelRow = 0;
    int m_count = 0;
    QPointF m_first, m_left, m_right, m_last;
};

// The shared depth axis: the range drawn and its grid steps.
struct DepthAxis {
    double top = 0.0;
    double bottom = 1.0;
    double major = 1.0;
    double minor = 1.0;
    int y = 0;
    int height = 1;

    double Y(double depth) const { return y + (depth - top) / (bottom - top) * height; }
};

bool DepthRange(const Curve& depth, double& top, double& bottom) {
    top = HUGE_VAL;
    bottom = -HUGE_VAL;
    for (float value : depth.vecValues) {
        if (LogTrackLayout::IsNull(value) || !std::isfinite(value))
            continue;
        top = std::min<double>(top, value);
        bottom = std::max<double>(bottom, value);
    }
    return top <= bottom;
}

// The length of the longest curve.
size_t SampleCount(const COMMON::STRUCT_WELL_CURVE& log) {
    size_t samples = 0;
    for (const Curve& curve : log.lstCurves)
        samples = std::max(samples, curve.vecValues.size());
    return samples;
}

QString Number(double value) {
    return QString::number(value, 'g', 7);
}

QFont PlotFont(int pixelSize, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// Paints one log picture.
class PlotPainter {
public:
    PlotPainter(const COMMON::STRUCT_WELL_CURVE& log, const std::wstring& title,
                const std::wstring& kind, const LogTrackLayout& layout, DepthAxis axis,
                int headerHeight)
        : m_log(log), m_title(title), m_kind(kind), m_layout(layout), m_axis(axis),
          m_headerHeight(headerHeight) {}

    void Paint(QPainter& painter, int width) {
        DrawTitle(painter, width);
        int x = kMargin;
        for (const LogTrackLayout::Track& track : m_layout.LeftTracks())
            x = DrawTrack(painter, track, x);
        x = DrawDepthTrack(painter, x);
        for (const LogTrackLayout::Track& track : m_layout.RightTracks())
            x = DrawTrack(painter, track, x);
    }

private:
    const Curve& Depth() const { return *m_layout.Depth(); }
    int HeaderTop() const { return m_axis.y - m_headerHeight; }

    void DrawTitle(QPainter& painter, int width) {
        painter.setPen(kInk);
        painter.setFont(PlotFont(16, true));
        painter.drawText(QRect(kMargin, 6, width - 2 * kMargin, 22),
                         Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdWString(m_title));
        painter.setFont(PlotFont(12, false));
        const QString detail = QString::fromStdWString(m_kind) + QStringLiteral(", ") +
                               QString::number(SampleCount(m_log)) + QStringLiteral(" samples, ") +
                               Number(m_axis.top) + QStringLiteral(" – ") + Number(m_axis.bottom) +
                               QStringLiteral(" ") + QString::fromStdWString(Depth().strUnit);
        painter.drawText(QRect(kMargin, 26, width - 2 * kMargin, 16),
                         Qt::AlignLeft | Qt::AlignVCenter, detail);
    }

    void DrawDepthGrid(QPainter& painter, const QRect& area) {
        const double first = std::ceil(m_axis.top / m_axis.minor) * m_axis.minor;
        for (double depth = first; depth <= m_axis.bottom + 1e-9; depth += m_axis.minor) {
            const bool major = std::fabs(std::remainder(depth, m_axis.major)) < m_axis.minor * 1e-3;
            painter.setPen(QPen(major ? kMajorGrid : kMinorGrid, 1));
            const double y = m_axis.Y(depth);
            painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        }
    }

    int DrawDepthTrack(QPainter& painter, int x) {
        const QRect header(x, HeaderTop(), kDepthTrackWidth, m_headerHeight);
        const QRect plot(x, m_axis.y, kDepthTrackWidth, m_axis.height);
        painter.setPen(kFrame);
        painter.drawRect(header);
        painter.setPen(kInk);
        painter.setFont(PlotFont(12, true));
        const QString unit = QString::fromStdWString(Depth().strUnit);
        painter.drawText(header, Qt::AlignCenter,
                         QString::fromStdWString(Depth().strName) +
                             (unit.isEmpty() ? QString() : QStringLiteral("\n") + unit));
        painter.setFont(PlotFont(11, false));
        const double first = std::ceil(m_axis.top / m_axis.major) * m_axis.major;
        for (double depth = first; depth <= m_axis.bottom + 1e-9; depth += m_axis.major) {
            // Labels at the ends stay inside the track.
            const int y = std::clamp(static_cast<int>(std::lround(m_axis.Y(depth))), m_axis.y + 8,
                                     m_axis.y + m_axis.height - 8);
            painter.drawText(QRect(x, y - 8, kDepthTrackWidth, 16), Qt::AlignCenter, Number(depth));
        }
        painter.setPen(kFrame);
        painter.drawRect(plot);
        return x + kDepthTrackWidth;
    }

    int DrawTrack(QPainter& painter, const LogTrackLayout::Track& track, int x) {
        const QRect plot(x, m_axis.y, kTrackWidth, m_axis.height);
        painter.setPen(kFrame);
        painter.drawRect(QRect(x, HeaderTop(), kTrackWidth, m_headerHeight));
        std::vector<Scale> scales;
        for (const LogTrackLayout::Curve& curve : track.curves)
            scales.push_back(CurveScale(*curve.item, curve.logarithmic));
        DrawScaleGrid(painter, plot, scales.front());
        DrawDepthGrid(painter, plot);
        for (size_t i = 0; i < track.curves.size(); ++i) {
            QPen pen(kCurveColors[i % std::size(kCurveColors)], 1.4);
            pen.setStyle(kCurveStyles[i % std::size(kCurveStyles)]);
            DrawCurveHeader(painter, track.curves[i], scales[i], pen,
                            QRect(x, HeaderTop() + static_cast<int>(i) * kCurveHeaderHeight,
                                  kTrackWidth, kCurveHeaderHeight));
            DrawCurve(painter, *track.curves[i].item, scales[i], pen, plot);
        }
        painter.setPen(kFrame);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(plot);
        return x + kTrackWidth;
    }

    void DrawScaleGrid(QPainter& painter, const QRect& plot, const Scale& scale) {
        const auto line = [&](double fraction, const QColor& color) {
            const double x = plot.left() + fraction * plot.width();
            painter.setPen(QPen(color, 1));
            painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        };
        if (!scale.logarithmic) {
            for (int division = 1; division < 10; ++division)
                line(division / 10.0, division == 5 ? kMajorGrid : kMinorGrid);
            return;
        }
        for (double decade = scale.low; decade < scale.high * 0.999; decade *= 10.0) {
            for (int multiple = 2; multiple <= 9; ++multiple)
                line(scale.Fraction(decade * multiple), kMinorGrid);
            if (decade > scale.low)
                line(scale.Fraction(decade), kMajorGrid);
        }
    }

    void DrawCurveHeader(QPainter& painter, const LogTrackLayout::Curve& curve, const Scale& scale,
                         QPen pen, const QRect& cell) {
        const std::wstring& unit = curve.item->strUnit;
        QString title = QString::fromStdWString(curve.label);
        if (!unit.empty())
            title += QStringLiteral(" (") + QString::fromStdWString(unit) + QStringLiteral(")");
        painter.setPen(pen.color());
        painter.setFont(PlotFont(12, true));
        const QRect titleRect(cell.left() + 4, cell.top() + 2, cell.width() - 8, 17);
        painter.drawText(
            titleRect, Qt::AlignCenter,
            QFontMetrics(painter.font()).elidedText(title, Qt::ElideRight, titleRect.width()));
        const int lineY = cell.top() + 24;
        pen.setWidthF(2.0);
        painter.setPen(pen);
        painter.drawLine(cell.left() + 6, lineY, cell.right() - 6, lineY);
        painter.setPen(kInk);
        painter.setFont(PlotFont(10, false));
        const QRect scaleRect(cell.left() + 4, lineY + 1, cell.width() - 8, 13);
        painter.drawText(scaleRect, Qt::AlignLeft | Qt::AlignVCenter, Number(scale.low));
        painter.drawText(scaleRect, Qt::AlignRight | Qt::AlignVCenter, Number(scale.high));
        if (scale.logarithmic)
            painter.drawText(scaleRect, Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("log"));
    }

    // One polyline per run of samples with a depth and a value; a null breaks it.
    void DrawCurve(QPainter& painter, const Curve& curve, const Scale& scale, const QPen& pen,
                   const QRect& plot) {
        const std::vector<float>& values = curve.vecValues;
        const std::vector<float>& depths = Depth().vecValues;
        std::vector<QPolygonF> runs(1);
        PixelRowThinner thinner;
        const size_t rows = std::min(values.size(), depths.size());
        for (size_t row = 0; row < rows; ++row) {
            const double value = values[row];
            const bool valid = !LogTrackLayout::IsNull(values[row]) &&
                               !LogTrackLayout::IsNull(depths[row]) && std::isfinite(value) &&
                               scale.Covers(value);
            if (!valid) {
                thinner.Flush(runs.back());
                if (!runs.back().isEmpty())
                    runs.emplace_back();
                continue;
            }
            thinner.Add(
                QPointF(plot.left() + scale.Fraction(value) * plot.width(), m_axis.Y(depths[row])),
                runs.back());
        }
        thinner.Flush(runs.back());
        size_t points = 0;
        for (const QPolygonF& run : runs)
            points += static_cast<size_t>(run.size());
        painter.save();
        painter.setClipRect(plot.adjusted(1, 1, -1, -1));
        painter.setPen(pen);
        // Depths that go back and forth leave many points after thinning; a
        // smooth, dashed line through them all would take minutes to draw.
        if (points > static_cast<size_t>(kMaxSmoothPointsPerPixelRow * plot.height()))
            painter.setPen(QPen(pen.color(), 0));
        else
            painter.setRenderHint(QPainter::Antialiasing);
        for (const QPolygonF& run : runs)
            painter.drawPolyline(run);
        painter.restore();
    }

    const COMMON::STRUCT_WELL_CURVE& m_log;
    const std::wstring& m_title;
    const std::wstring& m_kind;
    const LogTrackLayout& m_layout;
    DepthAxis m_axis;
    int m_headerHeight;
};

size_t MostCurves(const LogTrackLayout& layout) {
    size_t most = 1;
    for (const auto* tracks : {&layout.LeftTracks(), &layout.RightTracks()}) {
        for (const LogTrackLayout::Track& track : *tracks)
            most = std::max(most, track.curves.size());
    }
    return most;
}

} // namespace

LogPlotter::LogPlotter() {
    if (QGuiApplication::instance() != nullptr)
        return;
    // Pictures need no display: without one, draw offscreen.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr &&
        std::getenv("WAYLAND_DISPLAY") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(QuietQtMessages);
    // Qt takes the environment's locale; the library's case rules expect "C".
    const std::string locale = std::setlocale(LC_ALL, nullptr);
    static int argc = 1;
    static char name[] = "welldata";
    static char* argv[] = {name, nullptr};
    m_application = std::make_unique<QGuiApplication>(argc, argv);
    std::setlocale(LC_ALL, locale.c_str());
}

LogPlotter::~LogPlotter() = default;

QImage LogPlotter::Render(const COMMON::STRUCT_WELL_CURVE& log, const std::wstring& title,
                          const std::wstring& kind, std::string& error) const {
    const LogTrackLayout layout(log);
    if (layout.LeftTracks().empty() && layout.RightTracks().empty()) {
        error = "no curve holds values";
        return QImage();
    }
    DepthAxis axis;
    if (!DepthRange(*layout.Depth(), axis.top, axis.bottom)) {
        error = "the depth curve holds no values";
        return QImage();
    }
    if (axis.bottom <= axis.top)
        axis.bottom = axis.top + 1.0;
    axis.major = NiceStep((axis.bottom - axis.top) / 10.0);
    axis.minor = axis.major / 5.0;
    axis.top = std::floor(axis.top / axis.minor) * axis.minor;
    axis.bottom = std::ceil(axis.bottom / axis.minor) * axis.minor;
    const int headerHeight = static_cast<int>(MostCurves(layout)) * kCurveHeaderHeight;
    axis.y = kTitleHeight + headerHeight;
    axis.height = std::clamp(static_cast<int>(SampleCount(log)) * kPixelsPerSample, kMinPlotHeight,
                             kMaxPlotHeight);
    const int tracks = static_cast<int>(layout.LeftTracks().size() + layout.RightTracks().size());
    const int width = 2 * kMargin + kDepthTrackWidth + tracks * kTrackWidth;
    QImage image(width, axis.y + axis.height + kMargin, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        // Frames and grid lines stay crisp; only the curves are smoothed.
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing);
        PlotPainter(log, title, kind, layout, axis, headerHeight).Paint(painter, width);
    }
    return image;
}

bool LogPlotter::Plot(const COMMON::STRUCT_WELL_CURVE& log, const std::wstring& title,
                      const std::wstring& kind, const std::string& pngPath,
                      std::string& error) const {
    const QImage image = Render(log, title, kind, error);
    if (image.isNull())
        return false;
    if (!image.save(QString::fromStdString(pngPath), "PNG")) {
        error = "cannot write '" + pngPath + "'";
        return false;
    }
    return true;
}

} // namespace logplot
