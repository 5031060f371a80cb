#include "PlotFrame.h"

#include "NiceStep.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kLeftMargin = 86;
constexpr int kBottomMargin = 42;
constexpr int kOtherMargin = 14;
// Room for half the last X label beyond the plot's right edge.
constexpr int kRightMargin = 36;
constexpr double kGridPixels = 90.0;

QString Label(double value) {
    return QString::number(value, 'f',
                           std::fabs(value) >= 100 || value == std::floor(value) ? 0 : 2);
}

} // namespace

PlotFrame::PlotFrame(const QRectF& data, const QRect& area, bool equalScale, bool downwards)
    : m_plot(area.adjusted(kLeftMargin, kOtherMargin, -kRightMargin, -kBottomMargin)),
      m_downwards(downwards) {
    QRectF span = data.normalized();
    const double least = 1.0;
    if (span.width() < least)
        span.adjust(-(least - span.width()) / 2, 0, (least - span.width()) / 2, 0);
    if (span.height() < least)
        span.adjust(0, -(least - span.height()) / 2, 0, (least - span.height()) / 2);
    const double pad = 0.06;
    span.adjust(-span.width() * pad, -span.height() * pad, span.width() * pad, span.height() * pad);
    m_plot.setWidth(std::max(m_plot.width(), 10));
    m_plot.setHeight(std::max(m_plot.height(), 10));
    m_scaleX = m_plot.width() / span.width();
    m_scaleY = m_plot.height() / span.height();
    if (equalScale) {
        const double scale = std::min(m_scaleX, m_scaleY);
        // The shorter side's range grows so that the data stay centred.
        const double width = m_plot.width() / scale;
        const double height = m_plot.height() / scale;
        span = QRectF(span.center().x() - width / 2, span.center().y() - height / 2, width, height);
        m_scaleX = m_scaleY = scale;
    }
    m_data = span;
}

QPointF PlotFrame::Map(double x, double y) const {
    const double px = m_plot.left() + (x - m_data.left()) * m_scaleX;
    const double py = m_downwards ? m_plot.top() + (y - m_data.top()) * m_scaleY
                                  : m_plot.bottom() - (y - m_data.top()) * m_scaleY;
    return {px, py};
}

QPointF PlotFrame::Unmap(const QPointF& point) const {
    const double x = m_data.left() + (point.x() - m_plot.left()) / m_scaleX;
    const double y = m_downwards ? m_data.top() + (point.y() - m_plot.top()) / m_scaleY
                                 : m_data.top() + (m_plot.bottom() - point.y()) / m_scaleY;
    return {x, y};
}

void PlotFrame::DrawGrid(QPainter& painter, const QString& xTitle, const QString& yTitle,
                         bool xGrid) const {
    painter.save();
    painter.fillRect(m_plot, Qt::white);
    const QFontMetrics metrics(painter.font());
    const double xStep = logplot::NiceStep(kGridPixels / m_scaleX);
    const double yStep = logplot::NiceStep(kGridPixels / m_scaleY);
    for (double x = std::ceil(m_data.left() / xStep) * xStep; xGrid && x <= m_data.right();
         x += xStep) {
        const double px = Map(x, m_data.top()).x();
        painter.setPen(QColor(225, 225, 225));
        painter.drawLine(QPointF(px, m_plot.top()), QPointF(px, m_plot.bottom()));
        painter.setPen(QColor(60, 60, 60));
        const QString label = Label(x);
        painter.drawText(QPointF(px - metrics.horizontalAdvance(label) / 2.0,
                                 m_plot.bottom() + metrics.height()),
                         label);
    }
    for (double y = std::ceil(m_data.top() / yStep) * yStep; y <= m_data.bottom(); y += yStep) {
        const double py = Map(m_data.left(), y).y();
        painter.setPen(QColor(225, 225, 225));
        painter.drawLine(QPointF(m_plot.left(), py), QPointF(m_plot.right(), py));
        painter.setPen(QColor(60, 60, 60));
        const QString label = Label(y);
        painter.drawText(QPointF(m_plot.left() - 6 - metrics.horizontalAdvance(label),
                                 py + metrics.ascent() / 2.0),
                         label);
    }
    painter.setPen(QColor(90, 90, 90));
    painter.drawRect(m_plot);
    painter.setPen(QColor(34, 34, 34));
    painter.drawText(QRect(m_plot.left(), m_plot.bottom() + metrics.height() + 4, m_plot.width(),
                           metrics.height() + 2),
                     Qt::AlignCenter, xTitle);
    painter.translate(m_plot.left() - kLeftMargin + 4, m_plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRect(-m_plot.height() / 2, 0, m_plot.height(), metrics.height() + 2),
                     Qt::AlignCenter, yTitle);
    painter.restore();
}
