// The well heads on a map: each well at its X and Y with the symbol of its
// well type and its name, on one scale for both axes; a tooltip tells a
// well's record.
#pragma once

#include "welldata/Common.h"

#include <QWidget>

#include <list>

class WellMapWidget : public QWidget {
    Q_OBJECT
public:
    explicit WellMapWidget(const std::list<COMMON::STRUCT_WELL_HEAD>& heads,
                           QWidget* parent = nullptr);

    QSize sizeHint() const override { return {520, 480}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    QRectF DataBounds() const;
    const COMMON::STRUCT_WELL_HEAD* WellAt(const QPoint& point) const;

    const std::list<COMMON::STRUCT_WELL_HEAD>& m_heads;
};
