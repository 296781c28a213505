#pragma once

#include <QPalette>

namespace mirel::ui {

// The palettes tests and screenshots draw Mirel in: Fusion's own light one,
// as on a desktop without a theme, and a dark one as a dark desktop theme
// sets it, disabled text dimmed towards the background.
QPalette lightPalette();
QPalette darkPalette();

} // namespace mirel::ui
