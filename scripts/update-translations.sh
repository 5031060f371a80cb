#!/usr/bin/env bash
# Refreshes the translation sources from the code and the .ui files: a text
# new in the code comes in unfinished (to be translated), a text the code no
# longer has goes. With a file argument, refreshes that copy of the English
# source instead (the catalogue test checks a copy this way).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
lupdate="${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}"
target="${1:-$root/translations/welldata_en.ts}"
cd "$root"
# The core marks its texts with WELLDATA_CATALOGUE_TEXT(context, text).
"$lupdate" -silent -locations none -no-obsolete \
    -source-language zh_CN -target-language en_US \
    -tr-function-alias QT_TRANSLATE_NOOP+=WELLDATA_CATALOGUE_TEXT -I . -I include \
    resources dialogs pages controls interface platform reader loaders settings wellsymbol \
    -ts "$target"
