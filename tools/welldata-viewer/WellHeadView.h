// Loaded well heads: their records in a table beside the map of the wells.
#pragma once

#include "welldata/Common.h"

#include <QSplitter>

#include <list>

class WellHeadView : public QSplitter {
    Q_OBJECT
public:
    // `heads` outlives the view.
    explicit WellHeadView(const std::list<COMMON::STRUCT_WELL_HEAD>& heads,
                          QWidget* parent = nullptr);
};
