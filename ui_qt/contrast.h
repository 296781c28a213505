#pragma once

#include <QColor>

namespace mirel::ui {

// The contrast between two colours as WCAG 2 defines it, from their
// relative luminance: 1 for none, 21 for black on white.
double contrastRatio(const QColor &a, const QColor &b);

// The colour on the way from normal to dimmed that is nearest dimmed and
// still stands out from background by at least minimum; normal when even
// it does not.
QColor legibleColor(const QColor &dimmed, const QColor &normal, const QColor &background, double minimum);

// Normal text against its background, WCAG's level AA.
inline constexpr double kTextContrast = 4.5;

} // namespace mirel::ui
