// The view of each kind of loaded data, as a user wants to look at it: well
// heads in a table and on a map, paths as points, plan and section, logs as
// tracks, rock core analysis as a table and tracks, descriptions as a table
// and a lithology column, a batch's curve settings as a table.
#pragma once

#include "LoadedData.h"

#include <QCoreApplication>

#include <vector>

class QWidget;

class ViewFactory {
    Q_DECLARE_TR_FUNCTIONS(ViewFactory)
public:
    // The view of `data`, which outlives it; `heads` are the well heads
    // loaded so far, for the positions of well paths.
    static QWidget* Create(const LoadedData& data,
                           const std::vector<COMMON::STRUCT_WELL_HEAD>& heads, QWidget* parent);

private:
    static QWidget* CoreAnalysis(const LoadedData& data, QWidget* parent);
    static QWidget* CoreDescription(const LoadedData& data, QWidget* parent);
    static QWidget* MultiWellSettings(const LoadedData& data, QWidget* parent);
    static QWidget* WisFile(const LoadedData& data, QWidget* parent);
};
