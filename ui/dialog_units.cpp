#include "ui/dialog_units.h"

#include <algorithm>

#include <QApplication>
#include <QFontMetrics>

namespace mirel::ui {
namespace {

// units * base / divisor, rounded half away from zero.
int scale(int units, int base, int divisor)
{
	const long long product = static_cast<long long>(units) * base;
	const long long half = divisor / 2;
	return static_cast<int>(product >= 0 ? (product + half) / divisor : (product - half) / divisor);
}

} // namespace

DialogUnits::DialogUnits(const QFont &font)
{
	const QFontMetrics metrics(font);
	static const QString kAlphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
	charWidth_ = scale(metrics.horizontalAdvance(kAlphabet), 1, 52);
	charHeight_ = metrics.height();
}

QFont DialogUnits::dialogFont(int fontPoints)
{
	QFont font = QApplication::font();
	if (fontPoints <= 0 || fontPoints == 8)
		return font;
	if (font.pointSizeF() > 0)
		font.setPointSizeF(font.pointSizeF() * fontPoints / 8.0);
	else
		font.setPixelSize(std::max(1, scale(font.pixelSize(), fontPoints, 8)));
	return font;
}

int DialogUnits::toPixelsX(int units) const
{
	return scale(units, charWidth_, 4);
}

int DialogUnits::toPixelsY(int units) const
{
	return scale(units, charHeight_, 8);
}

QRect DialogUnits::toPixels(const Rect &rect) const
{
	// Corners are mapped, not sizes, so that controls that touch in dialog
	// units still touch in pixels.
	const int left = toPixelsX(rect.x);
	const int top = toPixelsY(rect.y);
	return { left, top, toPixelsX(rect.x + rect.width) - left, toPixelsY(rect.y + rect.height) - top };
}

QSize DialogUnits::toPixels(int width, int height) const
{
	return { toPixelsX(width), toPixelsY(height) };
}

} // namespace mirel::ui
