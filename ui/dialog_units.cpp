#include "ui/dialog_units.h"

#include <algorithm>

#include <climits>

#include <QApplication>
#include <QFontMetrics>

#include "ui/cp1252.h"
#include "ui/mnemonics.h"

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

namespace {

// Whether the texts of dialog's labels and buttons fit their places.
bool textsFit(const DialogUnits &units, const DialogTemplate &dialog, const QFontMetrics &metrics)
{
	for (const ControlTemplate &c : dialog.controls) {
		if (c.text.empty() || (c.kind != ControlKind::Static && c.kind != ControlKind::PushButton))
			continue;
		const QRect room = units.toPixels(c.rect);
		const QString text = withoutMnemonics(fromCp1252(c.text));
		if (c.kind == ControlKind::PushButton) {
			// Room for the button's frame and a little air.
			if (metrics.horizontalAdvance(text) + 8 > room.width())
				return false;
			continue;
		}
		const int flags = (c.style & kWordWrap) ? Qt::TextWordWrap : 0;
		const QRect needed = metrics.boundingRect(QRect(0, 0, room.width(), INT_MAX / 2), flags, text);
		if (needed.width() > room.width() || needed.height() > room.height())
			return false;
	}
	return true;
}

} // namespace

DialogUnits DialogUnits::fitting(const DialogTemplate &dialog, const QFont &font)
{
	const DialogUnits measured(font);
	const QFontMetrics metrics(font);
	// A quarter pixel a unit at a time, up to twice the measured width.
	for (int charWidth = measured.charWidth(); charWidth <= 2 * measured.charWidth(); ++charWidth) {
		const DialogUnits units(charWidth, measured.charHeight());
		if (textsFit(units, dialog, metrics))
			return units;
	}
	return measured;
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
