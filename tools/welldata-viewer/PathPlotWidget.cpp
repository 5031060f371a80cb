#include "PathPlotWidget.h"

#include "PlotFrame.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Below this horizontal reach (metres) a well counts as vertical.
constexpr double kVerticalReach = 1.0;

double Degrees(double radians) {
    double degrees = radians * 180.0 / std::numbers::pi;
    return degrees < 0.0 ? degrees + 360.0 : degrees;
}

} // namespace

PathPlotWidget::PathPlotWidget(Mode mode, QWidget* parent) : QWidget(parent), m_mode(mode) {
    setMinimumSize(240, 200);
}

double PathPlotWidget::MainAzimuth(const std::vector<welldata::WellPathStation>& stations) {
    double reach = 0.0;
    double azimuth = 0.0;
    for (const welldata::WellPathStation& station : stations) {
        const double here = std::hypot(station.east, station.north);
        if (here > reach) {
            reach = here;
            azimuth = std::atan2(station.east, station.north);
        }
    }
    return reach < kVerticalReach ? 0.0 : Degrees(azimuth);
}

void PathPlotWidget::SetStations(std::vector<welldata::WellPathStation> stations,
                                 bool mapCoordinates) {
    m_stations = std::move(stations);
    m_mapCoordinates = mapCoordinates;
    m_azimuth = MainAzimuth(m_stations) * std::numbers::pi / 180.0;
    update();
}

QPointF PathPlotWidget::Position(const welldata::WellPathStation& station) const {
    if (m_mode == Mode::Section)
        return {station.east * std::sin(m_azimuth) + station.north * std::cos(m_azimuth),
                station.tvd};
    return m_mapCoordinates ? QPointF(station.x, station.y) : QPointF(station.east, station.north);
}

void PathPlotWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (m_stations.empty()) {
        painter.drawText(rect(), Qt::AlignCenter, tr("No station to draw"));
        return;
    }
    QPolygonF line;
    for (const welldata::WellPathStation& station : m_stations)
        line << Position(station);
    // Not QPolygonF::boundingRect's union of empty rectangles: a straight
    // vertical line has no width, yet bounds.
    double left = line.front().x();
    double right = left;
    double top = line.front().y();
    double bottom = top;
    for (const QPointF& point : line) {
        left = std::min(left, point.x());
        right = std::max(right, point.x());
        top = std::min(top, point.y());
        bottom = std::max(bottom, point.y());
    }
    const QRectF bounds(QPointF(left, top), QPointF(right, bottom));
    const bool section = m_mode == Mode::Section;
    const PlotFrame frame(bounds, rect().adjusted(0, 22, 0, 0), true, section);
    QString xTitle = m_mapCoordinates ? QStringLiteral("X (m)") : tr("East of the head (m)");
    QString yTitle = m_mapCoordinates ? QStringLiteral("Y (m)") : tr("North of the head (m)");
    QString title = m_mapCoordinates ? tr("Plan view, map coordinates")
                                     : tr("Plan view, offsets from the well head");
    if (section) {
        xTitle = tr("Displacement along %1° (m)").arg(Degrees(m_azimuth), 0, 'f', 1);
        yTitle = tr("TVD (m)");
        title = tr("Section along the well's main azimuth, %1°").arg(Degrees(m_azimuth), 0, 'f', 1);
    }
    painter.drawText(QRect(8, 2, width() - 16, 20), Qt::AlignLeft | Qt::AlignVCenter, title);
    frame.DrawGrid(painter, xTitle, yTitle);
    painter.setClipRect(frame.PlotArea());
    painter.setRenderHint(QPainter::Antialiasing);
    QPolygonF mapped;
    for (const QPointF& point : line)
        mapped << frame.Map(point.x(), point.y());
    painter.setPen(QPen(QColor(33, 90, 170), 2));
    painter.drawPolyline(mapped);
    painter.setBrush(QColor(33, 90, 170));
    painter.setPen(Qt::NoPen);
    for (const QPointF& point : mapped)
        painter.drawEllipse(point, 2.2, 2.2);
    // The ends, with their measured depths.
    painter.setPen(QColor(34, 34, 34));
    const auto label = [&](const welldata::WellPathStation& station, const QPointF& at) {
        const QString text = QStringLiteral("MD %1").arg(station.md, 0, 'f', 1);
        const int width = painter.fontMetrics().horizontalAdvance(text);
        // Inside the plot: left of the point near the right edge.
        const double x =
            at.x() + 6 + width > frame.PlotArea().right() ? at.x() - 6 - width : at.x() + 6;
        painter.drawText(QPointF(x, at.y() - 4), text);
    };
    label(m_stations.front(), mapped.front());
    if (m_stations.size() > 1)
        label(m_stations.back(), mapped.back());
}
