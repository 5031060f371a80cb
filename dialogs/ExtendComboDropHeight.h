// Makes the drop-down lists of a window's combo boxes taller, so that more of
// their entries show at once.
#pragma once

class QWidget;

namespace welldata {

// Every dialog and page passes this.
inline constexpr int kComboDropExtension = 80;

// Enlarges by `pixels` the opened list of every combo box that is a direct child
// of `window`. Does nothing without a window.
void ExtendComboDropHeight(QWidget* window, int pixels);

} // namespace welldata
