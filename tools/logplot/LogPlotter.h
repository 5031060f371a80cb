// Draws a loaded log as a picture: one track per group of related curves, side
// by side on a shared depth axis, with the curve names, units and scales in
// the track headers (painted by LogPainter, as the desktop viewer's log view
// is). Painted with Qt on an image, without a display; when no Qt application
// runs, the first plotter creates one.
#pragma once

#include "PlotOptions.h"

#include "welldata/Common.h"

#include <QImage>

#include <memory>
#include <string>

class QGuiApplication;

namespace logplot {

class LogPlotter {
public:
    LogPlotter();
    ~LogPlotter();
    LogPlotter(const LogPlotter&) = delete;
    LogPlotter& operator=(const LogPlotter&) = delete;

    // The picture of `log`, headed by `title` (the file) and `kind` ("LAS well
    // log"); a null image, with `error` set, when no curve holds values, the
    // depth range holds no depth or the picture would be too tall.
    QImage Render(const COMMON::STRUCT_WELL_CURVE& log, const std::wstring& title,
                  const std::wstring& kind, const PlotOptions& options, std::string& error) const;
    // Renders and writes the picture to `pngPath`; false with `error` set when
    // there is nothing to draw or the file cannot be written.
    bool Plot(const COMMON::STRUCT_WELL_CURVE& log, const std::wstring& title,
              const std::wstring& kind, const PlotOptions& options, const std::string& pngPath,
              std::string& error) const;

private:
    std::unique_ptr<QGuiApplication> m_application;
};

} // namespace logplot
