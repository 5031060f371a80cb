// The language of the library's texts: its dialogs, pages, controls, menus
// and messages (message boxes, and GetLastFailure().message). Chinese is the
// default and needs no call; a host chooses another once, at start-up.
#pragma once

#include "welldata/Export.h"

#include <optional>
#include <string>

namespace welldata {

enum class Language { Chinese, English };

// Chooses the language of every text the library shows from now on. Widgets
// already open keep their texts; dialogs opened later speak the new language.
// False, and the language unchanged, when the library holds no texts in it (a
// build without its Qt part holds the Chinese ones only).
WELLDATA_API bool SetLanguage(Language language);
WELLDATA_API Language GetLanguage();

// The language a program's user asks for: `name` when given ("en" or "zh", a
// command line's --lang), else the locale of the environment's messages
// (LC_ALL, else LC_MESSAGES, else LANG): "en" and "en_..." are English,
// anything else Chinese. False for a name other than "en" and "zh".
WELLDATA_API bool ChooseLanguage(const std::optional<std::string>& name, Language& language);

} // namespace welldata
