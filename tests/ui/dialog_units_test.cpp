#include "ui/dialog_units.h"

#include <QApplication>
#include <QFontMetrics>

#include <gtest/gtest.h>

namespace mirel::ui {
namespace {

TEST(DialogUnits, MapCornersSoThatNeighboursThatTouchKeepTouching)
{
	struct Row {
		int charWidth, charHeight;
		Rect units;
		QRect pixels;
	};
	// 6 by 13 is the classic 8-point dialog font at 96 dpi, where a 50 by 14
	// button is 75 by 23 pixels.
	const Row rows[] = {
		{ 6, 13, { 0, 0, 50, 14 }, { 0, 0, 75, 23 } },
		{ 7, 14, { 1, 1, 2, 2 }, { 2, 2, 3, 3 } },
		{ 7, 14, { 2, 2, 1, 1 }, { 4, 4, 1, 1 } },
	};
	for (const Row &row : rows)
		EXPECT_EQ(DialogUnits(row.charWidth, row.charHeight).toPixels(row.units), row.pixels) << row.units.x;
}

TEST(DialogUnits, ComeFromTheFontsAverageLetterAndHeight)
{
	const QFont font = QApplication::font();
	const QFontMetrics metrics(font);
	const int letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
	EXPECT_EQ(DialogUnits(font).charWidth(), (letters + 26) / 52);
	EXPECT_EQ(DialogUnits(font).charHeight(), metrics.height());
	EXPECT_EQ(DialogUnits::dialogFont(8), font);
	EXPECT_DOUBLE_EQ(DialogUnits::dialogFont(12).pointSizeF(), font.pointSizeF() * 1.5);
}

} // namespace
} // namespace mirel::ui
