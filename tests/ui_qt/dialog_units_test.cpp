#include "ui_qt/dialog_units.h"

#include <QApplication>
#include <QFontMetrics>

#include <gtest/gtest.h>

#include "testing/contract_dialog.h"

namespace mirel::ui {
namespace {

// A label's text, and a result's 16 digits and unit in its box.
TEST(DialogUnits, FittingWidensTheUnitsJustUntilEveryLabelAndResultFits)
{
	const QFont font = DialogUnits::dialogFont(8);
	const QFontMetrics metrics(font);
	const DialogUnits measured(font);
	const QString label = QStringLiteral("Focal length (mm) :");
	const QString result = QString(16, u'0') + QStringLiteral(" mm");
	struct Case {
		ControlKind kind;
		QString text;
		unsigned style;
		int needed; // pixels
	};
	const Case cases[] = {
		{ ControlKind::Static, label, kNoStyle,
		  metrics.boundingRect(QRect(0, 0, 10000, 100), 0, label).width() },
		{ ControlKind::Edit, result, kBorder | kReadOnly,
		  DialogUnits::editWidthFor(metrics.horizontalAdvance(result), true) },
	};
	for (const Case &c : cases) {
		SCOPED_TRACE(c.text.toStdString());
		// Three quarters of the room needed.
		const Rect tight{ 0, 0, c.needed * 4 / measured.charWidth() * 3 / 4, 14 };
		DialogTemplate dialog;
		dialog.controls = { testing::control(kNoId, ControlKind::Static, "Fits", { 0, 0, 100, 8 }) };
		EXPECT_EQ(DialogUnits::fitting(dialog, font).charWidth(), measured.charWidth());

		const std::string text = c.kind == ControlKind::Static ? c.text.toStdString() : std::string();
		dialog.controls.push_back(testing::control(1, c.kind, text, tight, c.style));
		const DialogUnits widened = DialogUnits::fitting(dialog, font);
		EXPECT_EQ(widened.charHeight(), measured.charHeight());
		EXPECT_GE(widened.toPixels(tight).width(), c.needed);
		EXPECT_LT(DialogUnits(widened.charWidth() - 1, measured.charHeight()).toPixels(tight).width(),
			  c.needed);
	}
}

} // namespace
} // namespace mirel::ui
