#include "ui/dialog_units.h"

#include <QApplication>
#include <QFontMetrics>

#include <gtest/gtest.h>

namespace mirel::ui {
namespace {

struct Mapping {
	int charWidth;
	int charHeight;
	Rect units;
	QRect pixels;
};

// 6 by 13 is the classic 8-point dialog font at 96 dpi, where a 50 by 14
// button is 75 by 23 pixels.
constexpr Mapping kMappings[] = {
	{ 6, 13, { 0, 0, 50, 14 }, { 0, 0, 75, 23 } },
	{ 6, 13, { 7, 7, 4, 8 }, { 11, 11, 6, 13 } },
	{ 7, 14, { 5, 7, 40, 8 }, { 9, 12, 70, 14 } },
	{ 7, 14, { 50, 25, 60, 14 }, { 88, 44, 105, 24 } },
	// Corners are rounded, so that neighbours that touch keep touching.
	{ 7, 14, { 1, 1, 2, 2 }, { 2, 2, 3, 3 } },
	{ 7, 14, { 2, 2, 1, 1 }, { 4, 4, 1, 1 } },
	{ 10, 20, { 3, 3, 3, 3 }, { 8, 8, 7, 7 } },
};

TEST(DialogUnits, MapCornersWithRounding)
{
	for (const Mapping &m : kMappings) {
		const DialogUnits units(m.charWidth, m.charHeight);
		SCOPED_TRACE(testing::Message() << m.charWidth << 'x' << m.charHeight << " at " << m.units.x << ','
						 << m.units.y);
		EXPECT_EQ(units.toPixels(m.units), m.pixels);
		EXPECT_EQ(units.toPixelsX(m.units.x), m.pixels.x());
		EXPECT_EQ(units.toPixelsY(m.units.y), m.pixels.y());
	}
	EXPECT_EQ(DialogUnits(7, 14).toPixels(200, 120), QSize(350, 210));
}

TEST(DialogUnits, MeasureTheFontsAverageLetterAndHeight)
{
	const QFont font = QApplication::font();
	const QFontMetrics metrics(font);
	const DialogUnits units(font);
	EXPECT_EQ(units.charHeight(), metrics.height());
	// The width is the mean over the 52 letters, rounded.
	const int letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
	EXPECT_EQ(units.charWidth(), (letters + 26) / 52);
	EXPECT_GT(units.charWidth(), 0);
}

TEST(DialogUnits, TheDialogFontIsTheDesktopFontScaledFromEightPoints)
{
	const QFont desktop = QApplication::font();
	EXPECT_EQ(DialogUnits::dialogFont(8), desktop);
	for (int points : { 4, 10, 14, 16 }) {
		const QFont font = DialogUnits::dialogFont(points);
		EXPECT_EQ(font.family(), desktop.family());
		EXPECT_DOUBLE_EQ(font.pointSizeF(), desktop.pointSizeF() * points / 8) << points;
	}
	const DialogUnits at8(DialogUnits::dialogFont(8));
	const DialogUnits at16(DialogUnits::dialogFont(16));
	EXPECT_GT(at16.charHeight(), at8.charHeight() * 3 / 2);
	EXPECT_GT(at16.charWidth(), at8.charWidth() * 3 / 2);
}

} // namespace
} // namespace mirel::ui
