// The library's texts in the language the host chose (welldata/Language.h).
// Every message and caption stands in the code as it reads in Chinese, the
// library's default, marked for the translation catalogue; the Qt part of the
// library holds the catalogue and looks translations up in it. Without the Qt
// part, or with Chinese chosen, every text is the Chinese one.
#pragma once

#include "welldata/Language.h"

#include <string>

// A text of the catalogue (UTF-8, as it reads in Chinese) under `context`,
// the part of the library it belongs to. The catalogue tools find the texts
// written this way as they find QT_TRANSLATE_NOOP.
#define WELLDATA_CATALOGUE_TEXT(context, text) (::welldata::CatalogueText{context, text})

namespace welldata {

struct CatalogueText {
    const char* context;
    const char* source;
};

// `text` in the chosen language: its translation, or the text itself where
// the catalogue holds none.
std::wstring Translate(const CatalogueText& text);
// The same, kept for the process's life, for the API that hands texts out as
// pointers.
const wchar_t* TranslatedText(const CatalogueText& text);

// The catalogue, which the Qt part provides (the core's own definitions have
// none and keep every text Chinese).
//
// Makes the catalogue of `language` the one in use (none for Chinese); false
// when there is no catalogue of that language.
bool UseCatalogue(Language language);
// The catalogue's translation of `source` under `context`; empty when none.
std::wstring LookUpCatalogue(const char* context, const char* source);

} // namespace welldata
