#include "ui_qt/contrast.h"

#include <algorithm>
#include <cmath>

namespace mirel::ui {
namespace {

double linear(int channel)
{
	const double c = channel / 255.0;
	return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &colour)
{
	const QColor rgb = colour.toRgb();
	return 0.2126 * linear(rgb.red()) + 0.7152 * linear(rgb.green()) + 0.0722 * linear(rgb.blue());
}

QColor mix(const QColor &from, const QColor &to, int step, int steps)
{
	const auto channel = [&](int a, int b) { return a + (b - a) * step / steps; };
	const QColor f = from.toRgb();
	const QColor t = to.toRgb();
	return QColor(channel(f.red(), t.red()), channel(f.green(), t.green()), channel(f.blue(), t.blue()));
}

} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
	const double la = luminance(a);
	const double lb = luminance(b);
	return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor legibleColor(const QColor &dimmed, const QColor &normal, const QColor &background, double minimum)
{
	// Contrast falls steadily on the way from normal text to dimmed text,
	// which lies nearer the background: the last step that keeps enough.
	constexpr int kSteps = 64;
	QColor legible = normal;
	for (int step = 1; step <= kSteps; ++step) {
		const QColor next = mix(normal, dimmed, step, kSteps);
		if (contrastRatio(next, background) < minimum)
			break;
		legible = next;
	}
	return legible;
}

} // namespace mirel::ui
