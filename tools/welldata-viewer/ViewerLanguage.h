// The language of the viewer's own texts (menus, titles, labels, status and
// messages): its Chinese catalogue, carried inside the program, is installed
// when the chosen language is Chinese; English is the language of the code.
// Widgets take their texts when they are built: choose before building them.
#pragma once

#include "welldata/Language.h"

class ViewerLanguage {
public:
    // False when the catalogue of `language` cannot be loaded; the viewer
    // then speaks English.
    static bool Use(welldata::Language language);
};
