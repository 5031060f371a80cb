// Draws a loaded log as a picture: one track per group of related curves, side
// by side on a shared depth axis, with the curve names, units and scales in
// the track headers. Painted with Qt on an image, without a display; the Qt
// application it needs is created with the first plotter.
#pragma once

#include <memory>
#include <string>

class DataTable;
class QGuiApplication;

class LogPlotter {
public:
    LogPlotter();
    ~LogPlotter();
    LogPlotter(const LogPlotter&) = delete;
    LogPlotter& operator=(const LogPlotter&) = delete;

    // Writes the picture of `table` to `pngPath`; false with `error` set when
    // the table has nothing to draw or the file cannot be written.
    bool Plot(const DataTable& table, const std::string& pngPath, std::string& error);

private:
    std::unique_ptr<QGuiApplication> m_application;
};
