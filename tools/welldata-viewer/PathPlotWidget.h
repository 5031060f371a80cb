// A well path drawn from its stations: in plan (east and north of the well
// head, or map X and Y when the head is known) or in section (the horizontal
// displacement along the well's main azimuth against true vertical depth).
#pragma once

#include "welldata/WellPathPositions.h"

#include <QWidget>

#include <vector>

class PathPlotWidget : public QWidget {
    Q_OBJECT
public:
    enum class Mode { Plan, Section };

    explicit PathPlotWidget(Mode mode, QWidget* parent = nullptr);

    // `mapCoordinates`: the stations' x and y are map positions (a head is known).
    void SetStations(std::vector<welldata::WellPathStation> stations, bool mapCoordinates);
    // The azimuth the section runs along, degrees clockwise from north: that
    // of the station farthest from the head; 0 for a vertical well.
    static double MainAzimuth(const std::vector<welldata::WellPathStation>& stations);

    QSize sizeHint() const override { return {480, 480}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointF Position(const welldata::WellPathStation& station) const;

    Mode m_mode;
    std::vector<welldata::WellPathStation> m_stations;
    bool m_mapCoordinates = false;
    double m_azimuth = 0.0; // radians
};
