// The font of every text a log plot draws: Chinese glyphs included.
#pragma once

#include <QFont>

namespace logplot {

QFont PlotFont(int pixelSize, bool bold);

} // namespace logplot
