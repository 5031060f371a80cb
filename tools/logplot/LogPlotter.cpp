#include "LogPlotter.h"

#include "LogPainter.h"
#include "PlotFont.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace logplot {

namespace {

constexpr int kMargin = 16;
constexpr int kTitleHeight = 46;
constexpr int kMinPlotHeight = 640;
constexpr int kMaxPlotHeight = 1400;
// A picture at a depth scale taller than this is refused: at 4 bytes a pixel
// and a few thousand pixels wide it already takes hundreds of megabytes.
constexpr double kMaxScaledPlotHeight = 32000.0;
constexpr int kPixelsPerSample = 4;
constexpr double kMetresPerInch = 0.0254;

// Drops Qt's chatter about the offscreen platform; real errors still show.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "welldata: %s\n", message.toUtf8().constData());
}

QString Number(double value) {
    return QString::number(value, 'g', 7);
}

// Metres per unit of the depth curve: feet when its unit says so.
double MetresPerDepthUnit(const std::wstring& unit) {
    const QString text = QString::fromStdWString(unit).trimmed().toUpper();
    return text.startsWith(QLatin1Char('F')) ? 0.3048 : 1.0;
}

// The whole log's depths widened to the grid's minor step, for a picture
// whose edges fall on grid lines.
void RoundedRange(double& top, double& bottom) {
    if (bottom <= top)
        bottom = top + 1.0;
    const double span = bottom - top;
    const double magnitude = std::pow(10.0, std::floor(std::log10(span / 50.0)));
    top = std::floor(top / magnitude) * magnitude;
    bottom = std::ceil(bottom / magnitude) * magnitude;
}

void DrawTitle(QPainter& painter, int width, const std::wstring& title, const QString& detail) {
    painter.setPen(QColor(34, 34, 34));
    painter.setFont(PlotFont(16, true));
    painter.drawText(QRect(kMargin, 6, width - 2 * kMargin, 22), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromStdWString(title));
    painter.setFont(PlotFont(12, false));
    painter.drawText(QRect(kMargin, 26, width - 2 * kMargin, 16), Qt::AlignLeft | Qt::AlignVCenter,
                     detail);
}

} // namespace

LogPlotter::LogPlotter() {
    if (QGuiApplication::instance() != nullptr)
        return;
    // Pictures need no display: without one, draw offscreen.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr &&
        std::getenv("WAYLAND_DISPLAY") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(QuietQtMessages);
    // Qt takes the environment's locale; the library's case rules expect "C".
    const std::string locale = std::setlocale(LC_ALL, nullptr);
    static int argc = 1;
    static char name[] = "welldata";
    static char* argv[] = {name, nullptr};
    m_application = std::make_unique<QGuiApplication>(argc, argv);
    std::setlocale(LC_ALL, locale.c_str());
}

LogPlotter::~LogPlotter() = default;

QImage LogPlotter::Render(const COMMON::STRUCT_WELL_CURVE& log, const std::wstring& title,
                          const std::wstring& kind, const PlotOptions& options,
                          std::string& error) const {
    const LogPainter tracks(log, options.curveNames);
    if (!tracks.HasTracks()) {
        error = "no curve holds values";
        return QImage();
    }
    if (!tracks.HasDepth()) {
        error = "the depth curve holds no values";
        return QImage();
    }
    double top = tracks.Top();
    double bottom = tracks.Bottom();
    RoundedRange(top, bottom);
    top = options.top.value_or(top);
    bottom = options.base.value_or(bottom);
    if (!(bottom > top) || tracks.SamplesBetween(top, bottom) == 0) {
        error = "no depth of the log lies between " + Number(top).toStdString() + " and " +
                Number(bottom).toStdString();
        return QImage();
    }
    int plotHeight = 0;
    if (options.depthScale > 0.0) {
        const double dotsPerMetre = kPictureDotsPerInch / kMetresPerInch;
        const double height = (bottom - top) * MetresPerDepthUnit(tracks.DepthUnit()) /
                              options.depthScale * dotsPerMetre;
        if (height > kMaxScaledPlotHeight) {
            error = "at 1:" + Number(options.depthScale).toStdString() + " the plot would be " +
                    std::to_string(std::lround(height)) +
                    " pixels tall; give a smaller --depth-range or a larger scale";
            return QImage();
        }
        plotHeight = std::max(1, static_cast<int>(std::lround(height)));
    } else {
        plotHeight = std::clamp(
            static_cast<int>(std::min<size_t>(tracks.SamplesBetween(top, bottom), kMaxPlotHeight)) *
                kPixelsPerSample,
            kMinPlotHeight, kMaxPlotHeight);
    }
    const int width = 2 * kMargin + tracks.Width();
    const int headerTop = kTitleHeight;
    const int plotTop = headerTop + tracks.HeaderHeight();
    QImage image(width, plotTop + plotHeight + kMargin, QImage::Format_RGB32);
    if (image.isNull()) {
        error = "not enough memory for a picture of " + std::to_string(width) + " by " +
                std::to_string(plotTop + plotHeight + kMargin) + " pixels";
        return QImage();
    }
    const int dotsPerMetre = static_cast<int>(std::lround(kPictureDotsPerInch / kMetresPerInch));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    QString detail = QString::fromStdWString(kind) + QStringLiteral(", ") +
                     QString::number(tracks.SampleCount()) + QStringLiteral(" samples, ") +
                     Number(top) + QStringLiteral(" – ") + Number(bottom) + QStringLiteral(" ") +
                     QString::fromStdWString(tracks.DepthUnit());
    if (options.depthScale > 0.0)
        detail += QStringLiteral(", 1:") + Number(options.depthScale);
    {
        // Frames and grid lines stay crisp; only the curves are smoothed.
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing);
        DrawTitle(painter, width, title, detail);
        tracks.PaintHeader(painter, QPoint(kMargin, headerTop));
        tracks.PaintTracks(painter, QRect(kMargin, plotTop, tracks.Width(), plotHeight), top,
                           bottom);
    }
    return image;
}

bool LogPlotter::Plot(const COMMON::STRUCT_WELL_CURVE& log, const std::wstring& title,
                      const std::wstring& kind, const PlotOptions& options,
                      const std::string& pngPath, std::string& error) const {
    const QImage image = Render(log, title, kind, options, error);
    if (image.isNull())
        return false;
    if (!image.save(QString::fromStdString(pngPath), "PNG")) {
        error = "cannot write '" + pngPath + "'";
        return false;
    }
    return true;
}

} // namespace logplot
