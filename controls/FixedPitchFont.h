// The font of boxes that show file contents with columns lined up by blanks: a
// fixed-pitch face that also holds Chinese glyphs (each two columns wide).
#pragma once

#include <QFont>

namespace welldata {

QFont FixedPitchFont(const QFont& base);

} // namespace welldata
