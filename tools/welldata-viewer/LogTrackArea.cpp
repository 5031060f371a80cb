#include "LogTrackArea.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMargin = 8;
// The vertical scroll bar's resolution over the whole log.
constexpr int kScrollSteps = 1'000'000;
constexpr double kWheelNotch = 120.0;
constexpr double kZoomPerNotch = 0.8;
// The smallest window: a centimetre, or a millionth of the log.
constexpr double kLeastSpan = 0.01;

} // namespace

LogTrackArea::LogTrackArea(const COMMON::STRUCT_WELL_CURVE& log, QWidget* parent)
    : QAbstractScrollArea(parent), m_log(log),
      m_painter(std::make_unique<logplot::LogPainter>(log)) {
    if (m_painter->HasDepth()) {
        m_fullTop = m_painter->Top();
        m_fullBottom = std::max(m_painter->Bottom(), m_fullTop + kLeastSpan);
    }
    m_top = m_fullTop;
    m_span = m_fullBottom - m_fullTop;
    viewport()->setMouseTracking(true);
    viewport()->setBackgroundRole(QPalette::Base);
    setFocusPolicy(Qt::StrongFocus);
    UpdateScrollBars();
}

LogTrackArea::~LogTrackArea() = default;

void LogTrackArea::SetCurveNames(logplot::CurveNames names) {
    m_painter = std::make_unique<logplot::LogPainter>(m_log, names);
    viewport()->update();
}

QRect LogTrackArea::TrackRect() const {
    const int top = kMargin + m_painter->HeaderHeight();
    return QRect(kMargin - horizontalScrollBar()->value(), top, m_painter->Width(),
                 std::max(1, viewport()->height() - top - kMargin));
}

double LogTrackArea::DepthAt(int y) const {
    const QRect tracks = TrackRect();
    return m_top + (y - tracks.top()) * m_span / tracks.height();
}

void LogTrackArea::SetWindow(double top, double bottom) {
    const double full = m_fullBottom - m_fullTop;
    const double least = std::max(kLeastSpan, full * 1e-6);
    m_span = std::clamp(bottom - top, least, full);
    m_top = std::clamp(top, m_fullTop, m_fullBottom - m_span);
    UpdateScrollBars();
    viewport()->update();
    emit WindowChanged(m_top, m_top + m_span);
}

void LogTrackArea::ZoomBy(double factor, double aboutDepth) {
    // The depth under the mouse stays where it is.
    const double share = (aboutDepth - m_top) / m_span;
    const double span = m_span * factor;
    SetWindow(aboutDepth - share * span, aboutDepth - share * span + span);
}

void LogTrackArea::UpdateScrollBars() {
    m_updatingBars = true;
    const double full = m_fullBottom - m_fullTop;
    const double hidden = full - m_span;
    QScrollBar* bar = verticalScrollBar();
    if (hidden <= full * 1e-9) {
        bar->setRange(0, 0);
    } else {
        bar->setRange(0, kScrollSteps);
        bar->setPageStep(std::max(1, static_cast<int>(m_span / hidden * kScrollSteps)));
        bar->setSingleStep(std::max(1, bar->pageStep() / 10));
        bar->setValue(static_cast<int>(std::lround((m_top - m_fullTop) / hidden * kScrollSteps)));
    }
    horizontalScrollBar()->setRange(
        0, std::max(0, m_painter->Width() + 2 * kMargin - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    m_updatingBars = false;
}

void LogTrackArea::scrollContentsBy(int, int) {
    if (m_updatingBars)
        return;
    const double hidden = (m_fullBottom - m_fullTop) - m_span;
    if (hidden > 0.0 && verticalScrollBar()->maximum() > 0) {
        m_top = m_fullTop + hidden * verticalScrollBar()->value() / verticalScrollBar()->maximum();
        emit WindowChanged(m_top, m_top + m_span);
    }
    viewport()->update();
}

void LogTrackArea::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().base());
    if (!HasPlot()) {
        painter.drawText(viewport()->rect(), Qt::AlignCenter,
                         m_painter->HasTracks() ? tr("The depth curve holds no values")
                                                : tr("No curve holds values"));
        return;
    }
    const QRect tracks = TrackRect();
    m_painter->PaintHeader(painter, QPoint(tracks.left(), kMargin));
    m_painter->PaintTracks(painter, tracks, m_top, m_top + m_span);
}

void LogTrackArea::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void LogTrackArea::wheelEvent(QWheelEvent* event) {
    const double notches = event->angleDelta().y() / kWheelNotch;
    if (event->modifiers() & Qt::ControlModifier)
        ZoomBy(std::pow(kZoomPerNotch, notches), DepthAt(static_cast<int>(event->position().y())));
    else
        SetWindow(m_top - notches * m_span * 0.1, m_top - notches * m_span * 0.1 + m_span);
    event->accept();
}

void LogTrackArea::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        ZoomIn();
        break;
    case Qt::Key_Minus:
        ZoomOut();
        break;
    case Qt::Key_Home:
        SetWindow(m_fullTop, m_fullTop + m_span);
        break;
    case Qt::Key_End:
        SetWindow(m_fullBottom - m_span, m_fullBottom);
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void LogTrackArea::mouseMoveEvent(QMouseEvent* event) {
    const QRect tracks = TrackRect();
    if (event->position().y() >= tracks.top())
        emit DepthHovered(DepthAt(static_cast<int>(event->position().y())));
    QAbstractScrollArea::mouseMoveEvent(event);
}
