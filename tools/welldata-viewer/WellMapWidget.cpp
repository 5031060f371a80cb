#include "WellMapWidget.h"

#include "PlotFrame.h"

#include "wellsymbol/IGlyphShelf.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kSymbolSize = 20.0;

IGlyphShelf& Shelf() {
    static IGlyphShelf shelf;
    return shelf;
}

} // namespace

WellMapWidget::WellMapWidget(const std::list<COMMON::STRUCT_WELL_HEAD>& heads, QWidget* parent)
    : QWidget(parent), m_heads(heads) {
    setMouseTracking(true);
    setMinimumSize(240, 200);
}

QRectF WellMapWidget::DataBounds() const {
    if (m_heads.empty())
        return QRectF(0, 0, 1, 1);
    double left = m_heads.front().dX;
    double right = left;
    double bottom = m_heads.front().dY;
    double top = bottom;
    for (const COMMON::STRUCT_WELL_HEAD& head : m_heads) {
        left = std::min(left, head.dX);
        right = std::max(right, head.dX);
        bottom = std::min(bottom, head.dY);
        top = std::max(top, head.dY);
    }
    return QRectF(QPointF(left, bottom), QPointF(right, top));
}

void WellMapWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.setRenderHint(QPainter::Antialiasing);
    const PlotFrame frame(DataBounds(), rect(), true, false);
    frame.DrawGrid(painter, QStringLiteral("X (m)"), QStringLiteral("Y (m)"));
    painter.setClipRect(frame.PlotArea());
    for (const COMMON::STRUCT_WELL_HEAD& head : m_heads) {
        const QPointF at = frame.Map(head.dX, head.dY);
        const QRectF box(at.x() - kSymbolSize / 2, at.y() - kSymbolSize / 2, kSymbolSize,
                         kSymbolSize);
        const int symbol = Shelf().FindSymbol(head.strWellType);
        if (symbol == 0 || !Shelf().DrawSymbol(painter, symbol, box)) {
            // A well type the shelf has no symbol for: a plain well.
            painter.setPen(QPen(Qt::black, 1.5));
            painter.setBrush(Qt::white);
            painter.drawEllipse(box.adjusted(4, 4, -4, -4));
        }
        painter.setPen(QColor(34, 34, 34));
        painter.drawText(QPointF(box.right() + 2, at.y() + painter.fontMetrics().ascent() / 2.0),
                         QString::fromStdWString(head.strWellName));
    }
}

const COMMON::STRUCT_WELL_HEAD* WellMapWidget::WellAt(const QPoint& point) const {
    const PlotFrame frame(DataBounds(), rect(), true, false);
    for (const COMMON::STRUCT_WELL_HEAD& head : m_heads) {
        const QPointF at = frame.Map(head.dX, head.dY);
        if (std::hypot(at.x() - point.x(), at.y() - point.y()) <= kSymbolSize / 2)
            return &head;
    }
    return nullptr;
}

bool WellMapWidget::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const COMMON::STRUCT_WELL_HEAD* head = WellAt(help->pos());
    if (head == nullptr) {
        QToolTip::hideText();
        return true;
    }
    QToolTip::showText(help->globalPos(),
                       tr("%1 (%2)\nX %3  Y %4\nKB %5  depth %6 to %7 m")
                           .arg(QString::fromStdWString(head->strWellName),
                                QString::fromStdWString(head->strWellType))
                           .arg(head->dX, 0, 'f', 2)
                           .arg(head->dY, 0, 'f', 2)
                           .arg(head->fKB)
                           .arg(head->fTopDepth)
                           .arg(head->fBottomDepth),
                       this);
    return true;
}
