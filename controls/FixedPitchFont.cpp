#include "controls/FixedPitchFont.h"

#include <QFontDatabase>
#include <QStringList>

namespace welldata {

QFont FixedPitchFont(const QFont& base) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setFamilies(QStringList{QStringLiteral("WenQuanYi Micro Hei Mono"), font.family()});
    font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(base.pointSizeF() > 0 ? base.pointSizeF() : font.pointSizeF());
    return font;
}

} // namespace welldata
