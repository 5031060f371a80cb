// What a log plot shows: the depth window, the depth scale of a picture and
// where the curve names come from; and the command-line texts that give them.
#pragma once

#include <optional>
#include <string>

namespace logplot {

// The names a plot writes over its curves. Every name a plot shows comes from
// CurveLabel (LogTrackLayout.h), which follows the library's language.
enum class CurveNames {
    // "GR 自然伽马": the settings file's display name after the mnemonic; in
    // English the name of the curve's kind ("GR Gamma ray")
    MnemonicAndDisplayName,
    Mnemonic, // "GR": the file's own name only
};

struct PlotOptions {
    // The depths drawn, top above base; the whole log when not given.
    std::optional<double> top;
    std::optional<double> base;
    // N of a depth scale 1:N (one metre of depth is 1/N metre on the picture
    // at kPictureDotsPerInch); 0 fits the log into the picture's usual height.
    double depthScale = 0.0;
    CurveNames curveNames = CurveNames::MnemonicAndDisplayName;
};

// The resolution a picture at a depth scale is drawn for, and written with.
inline constexpr double kPictureDotsPerInch = 96.0;

// "TOP:BASE" with TOP above BASE (both numbers, in the log's depth unit).
bool ParseDepthRange(const std::string& text, double& top, double& base);
// "1:N" or "N", N above zero.
bool ParseDepthScale(const std::string& text, double& scale);

} // namespace logplot
