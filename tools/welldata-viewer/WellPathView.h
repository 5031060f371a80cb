// Loaded well paths: the points as the file gave them with the positions
// computed from them (TVD, north, east, dogleg severity), the path in plan and
// in section, and which points were skipped and why. The well head the
// positions start from is chosen among the loaded ones; with several path
// files a list picks the path shown.
#pragma once

#include "LoadedData.h"

#include <QWidget>

#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QTableView;
class QVBoxLayout;
class PathPlotWidget;

class WellPathView : public QWidget {
    Q_OBJECT
public:
    // `paths` outlives the view; `heads` are the well heads loaded so far.
    WellPathView(const std::vector<LoadedPath>& paths, std::vector<COMMON::STRUCT_WELL_HEAD> heads,
                 QWidget* parent = nullptr);

    // What the view says about the points it left out.
    QString SkippedText() const;

private:
    void ShowPath(int index);
    void Recompute();

    const std::vector<LoadedPath>& m_paths;
    std::vector<COMMON::STRUCT_WELL_HEAD> m_heads;
    int m_current = 0;
    QListWidget* m_files = nullptr;
    QComboBox* m_head;
    QVBoxLayout* m_tableBox;
    QTableView* m_table = nullptr;
    PathPlotWidget* m_plan;
    PathPlotWidget* m_section;
    QLabel* m_skipped;
};
