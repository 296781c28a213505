#pragma once

#include <QFont>
#include <QPageLayout>

namespace mirel::ui {

// The page Mirel prints on: portrait, with margins of 15 mm, on A4, or on
// Letter where the locale's paper is Letter (LC_PAPER: the United States
// and Canada, among others).
QPageLayout printPageLayout();

// The small font beside font, the least any text of a chart or a printed
// page is drawn in: the one the desktop's theme names (QApplication's
// "QSmallFont", as KDE's smallest readable font), otherwise font at 11/13
// of its size, as Qt's small font is 11 points beside the 13 of the system
// font where it has one of its own (macOS).
QFont smallFont(const QFont &font);

} // namespace mirel::ui
