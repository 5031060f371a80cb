// A loaded log: its tracks on a zoomable depth axis, a bar with the zoom
// commands, the depth window and the depth under the mouse, and for a LAS
// file its header sections in a side panel.
#pragma once

#include "welldata/Common.h"
#include "welldata/LasHeader.h"

#include <QWidget>

#include <memory>
#include <vector>

class LogTrackArea;
class QLabel;

class LogView : public QWidget {
    Q_OBJECT
public:
    // `log` and `header` outlive the view.
    LogView(const COMMON::STRUCT_WELL_CURVE& log,
            const std::vector<welldata::LasHeaderSection>& header, QWidget* parent = nullptr);
    // A view that keeps the log it shows.
    explicit LogView(std::unique_ptr<COMMON::STRUCT_WELL_CURVE> log, QWidget* parent = nullptr);

    LogTrackArea* Tracks() const { return m_tracks; }

private:
    LogView(std::unique_ptr<COMMON::STRUCT_WELL_CURVE> own, const COMMON::STRUCT_WELL_CURVE* log,
            const std::vector<welldata::LasHeaderSection>& header, QWidget* parent);
    QWidget* CreateHeaderPanel(const std::vector<welldata::LasHeaderSection>& header);
    void ShowWindow(double top, double bottom);

    std::unique_ptr<COMMON::STRUCT_WELL_CURVE> m_ownLog;
    LogTrackArea* m_tracks;
    QLabel* m_window;
    QLabel* m_hover;
};
