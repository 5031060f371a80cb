#!/usr/bin/env bash
# Refreshes the translation sources from the code and the .ui files: a text
# new in the code comes in unfinished (to be translated), a text the code no
# longer has goes. With file arguments, refreshes those copies instead (the
# catalogue test checks copies this way):
#   update-translations.sh [LIBRARY_ENGLISH_COPY VIEWER_CHINESE_COPY]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
lupdate="${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}"
library="${1:-$root/translations/welldata_en.ts}"
viewer="${2:-$root/translations/welldata-viewer_zh.ts}"
cd "$root"
# The library is written in Chinese; the core marks its texts with
# WELLDATA_CATALOGUE_TEXT(context, text).
"$lupdate" -silent -locations none -no-obsolete \
    -source-language zh_CN -target-language en_US \
    -tr-function-alias QT_TRANSLATE_NOOP+=WELLDATA_CATALOGUE_TEXT -I . -I include \
    resources dialogs pages controls interface platform reader loaders settings wellsymbol \
    -ts "$library"
# The desktop viewer is written in English.
"$lupdate" -silent -locations none -no-obsolete \
    -source-language en -target-language zh_CN -I . -I include \
    tools/welldata-viewer \
    -ts "$viewer"
