// Rock core description intervals as a lithology column: each interval from
// its top to its bottom depth, coloured and patterned by the rock its
// description names (sandstone, siltstone, mudstone, limestone, conglomerate,
// coal ...), with the description beside it and a depth scale.
#pragma once

#include "welldata/Common.h"

#include <QBrush>
#include <QColor>
#include <QWidget>

class LithologyColumn : public QWidget {
    Q_OBJECT
public:
    // `core` outlives the widget.
    explicit LithologyColumn(const COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL& core,
                             QWidget* parent = nullptr);

    struct Fill {
        QColor colour;
        Qt::BrushStyle pattern;
    };
    // The fill of a description: by the rock names in it, in Chinese or English.
    static Fill FillFor(const std::wstring& description);

    QSize sizeHint() const override { return {420, 600}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const COMMON::STRUCT_ROCK_CORE_DESCRIBE_ALL& m_core;
};
