#include "LithologyColumn.h"

#include "PlotFrame.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kColumnWidth = 90;

struct Rock {
    const wchar_t* names[4];
    LithologyColumn::Fill fill;
};

// The first rock named wins: "含砾粗砂岩" (pebbly sandstone) is a sandstone.
const Rock kRocks[] = {
    {{L"煤", L"COAL", nullptr, nullptr}, {QColor(40, 40, 40), Qt::SolidPattern}},
    {{L"砾岩", L"CONGLOMERATE", nullptr, nullptr}, {QColor(230, 160, 90), Qt::DiagCrossPattern}},
    {{L"粉砂", L"SILT", nullptr, nullptr}, {QColor(225, 215, 140), Qt::Dense6Pattern}},
    {{L"砂岩", L"SAND", nullptr, nullptr}, {QColor(245, 220, 100), Qt::Dense5Pattern}},
    {{L"泥岩", L"页岩", L"SHALE", L"MUD"}, {QColor(150, 150, 150), Qt::HorPattern}},
    {{L"灰岩", L"LIME", nullptr, nullptr}, {QColor(120, 170, 220), Qt::CrossPattern}},
    {{L"白云岩", L"DOLO", nullptr, nullptr}, {QColor(150, 120, 200), Qt::BDiagPattern}},
};

} // namespace

LithologyColumn::LithologyColumn(const COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL& core, QWidget* parent)
    : QWidget(parent), m_core(core) {
    setMinimumSize(260, 200);
}

LithologyColumn::Fill LithologyColumn::FillFor(const std::wstring& description) {
    const QString text = QString::fromStdWString(description).toUpper();
    // The rock named earliest in the text.
    qsizetype best = -1;
    Fill fill{QColor(235, 235, 235), Qt::SolidPattern};
    for (const Rock& rock : kRocks) {
        for (const wchar_t* name : rock.names) {
            if (name == nullptr)
                continue;
            const qsizetype at = text.indexOf(QString::fromWCharArray(name));
            if (at >= 0 && (best < 0 || at < best)) {
                best = at;
                fill = rock.fill;
            }
        }
    }
    return fill;
}

void LithologyColumn::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (m_core.lstItems.empty()) {
        painter.drawText(rect(), Qt::AlignCenter, tr("No interval"));
        return;
    }
    double top = m_core.lstItems.front().fTop;
    double bottom = top;
    for (const COMMON::STRUCT_ROCK_CORE_DESCRIBE& item : m_core.lstItems) {
        top = std::min<double>({top, item.fTop, item.fBottom});
        bottom = std::max<double>({bottom, item.fTop, item.fBottom});
    }
    // Depth down, the column's width across: the frame's X is unused.
    const PlotFrame frame(QRectF(QPointF(0, top), QPointF(1, bottom)), rect(), false, true);
    frame.DrawGrid(painter, QString::fromStdWString(m_core.strColumnName), tr("Depth (m)"), false);
    const QRect area = frame.PlotArea();
    painter.setClipRect(area);
    for (const COMMON::STRUCT_ROCK_CORE_DESCRIBE& item : m_core.lstItems) {
        const double y1 = frame.Map(0, std::min(item.fTop, item.fBottom)).y();
        const double y2 = frame.Map(0, std::max(item.fTop, item.fBottom)).y();
        const QRectF box(area.left() + 1, y1, kColumnWidth, std::max(1.0, y2 - y1));
        const Fill fill = FillFor(item.strDescribe);
        painter.fillRect(box, fill.colour.lighter(fill.pattern == Qt::SolidPattern ? 100 : 115));
        if (fill.pattern != Qt::SolidPattern)
            painter.fillRect(box, QBrush(fill.colour.darker(160), fill.pattern));
        painter.setPen(QColor(60, 60, 60));
        painter.drawRect(box);
        painter.drawText(QRectF(box.right() + 8, y1, area.right() - box.right() - 10, y2 - y1),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                         QString::fromStdWString(item.strDescribe));
    }
}
