// The Qt side of the library's language: the translation catalogue of the
// chosen language (a Qt translation file built into the library), through
// which the core's messages are translated, and which the running Qt
// application uses for the dialogs' texts. Nothing is installed while the
// library loads, nor for Chinese, the language the texts stand in.
#pragma once

namespace welldata {

// Puts the chosen catalogue into the running Qt application, if there is one
// and it does not hold it yet, so that the dialogs made from now on take
// their texts from it. The entry points that may show a dialog call this: a
// host may choose the language before it makes its application.
void InstallCatalogueInApplication();

} // namespace welldata
