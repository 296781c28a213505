#include "ui_qt/dialog_units.h"

#include <QApplication>
#include <QFontMetrics>

#include <gtest/gtest.h>

#include "tests/ui/contract_dialog.h"

namespace mirel::ui {
namespace {

TEST(DialogUnits, ComeFromTheFontsAverageLetterAndHeight)
{
	const QFont font = QApplication::font();
	const QFontMetrics metrics(font);
	const int letters =
		metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
	EXPECT_EQ(DialogUnits(font).charWidth(), (letters + 26) / 52);
	EXPECT_EQ(DialogUnits(font).charHeight(), metrics.height());
	EXPECT_EQ(DialogUnits::dialogFont(8), font);
	EXPECT_DOUBLE_EQ(DialogUnits::dialogFont(12).pointSizeF(), font.pointSizeF() * 1.5);
}

TEST(DialogUnits, FittingWidensTheUnitsJustUntilEveryLabelFits)
{
	const QFont font = DialogUnits::dialogFont(8);
	const DialogUnits measured(font);
	const QString text = QStringLiteral("Focal length (mm) :");
	const int needed = QFontMetrics(font).boundingRect(QRect(0, 0, 10000, 100), 0, text).width();
	const Rect tight{ 0, 0, needed * 4 / measured.charWidth() * 3 / 4, 8 }; // three quarters of the room needed
	DialogTemplate dialog;
	dialog.controls = { testing::control(kNoId, ControlKind::Static, "Fits", { 0, 0, 100, 8 }) };
	EXPECT_EQ(DialogUnits::fitting(dialog, font).charWidth(), measured.charWidth());

	dialog.controls.push_back(testing::control(kNoId, ControlKind::Static, text.toStdString(), tight));
	const DialogUnits widened = DialogUnits::fitting(dialog, font);
	EXPECT_EQ(widened.charHeight(), measured.charHeight());
	EXPECT_GE(widened.toPixels(tight).width(), needed);
	EXPECT_LT(DialogUnits(widened.charWidth() - 1, measured.charHeight()).toPixels(tight).width(), needed);
}

} // namespace
} // namespace mirel::ui
