// The circle of confusion window in the running program: it follows the
// pages' format, takes a camera's frame instead, says why a rule has no
// circle, and puts the chosen rule's circle on the pages when asked.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include "circle_rules_qt/circle_of_confusion_window.h"
#include "resources/control_ids.h"
#include "settings/model/records.h"
#include "shell/page_sheet.h"
#include "testing/pages_by_index.h"
#include "testing_qt/qt_user_actions.h"
#include "testing_qt/shell_fixture.h"
#include "ui_qt/qt_controls.h"

namespace mirel::testing {
namespace {

using Rule = CircleRules::Rule;

QString figure(const QWidget &window, Rule rule)
{
	return child<QLineEdit>(window, ("circleFigure" + std::to_string(static_cast<int>(rule))).c_str()).text();
}

// By hand: APS is 30.2 × 16.7 mm, its diagonal 34.5096 mm; 2 × 30.2 / 6000.
TEST(CircleOfConfusionWindow, FollowsThePagesSaysWhyAndUsesTheChosenRule)
{
	FakeStorage storage;
	const auto window = openWindow(storage);
	window->showPage(kDepthOfField);
	QTest::keySequence(window.get(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I));
	auto &circle = window->toolWindow<CircleOfConfusionWindow>(ids::command::CircleOfConfusion);
	ASSERT_TRUE(QTest::qWaitFor([&] { return circle.isActiveWindow(); }));
	EXPECT_EQ(child<QLabel>(circle, "circleFrame").text(),
		  QString::fromUtf8("35mm: 36 \u00d7 24 mm (the pages' format)"));
	EXPECT_EQ(figure(circle, Rule::Classic), "0.02501 mm");

	ASSERT_TRUE(activate(*window));
	ui::QtUserActions(*window->sheet().controls(kDepthOfField)).pick(ids::page::FilmFormat, 1);
	QApplication::processEvents(); // the window follows once the loop turns
	EXPECT_EQ(figure(circle, Rule::Classic), "0.019948 mm");
	ui::typeInto(child<QLineEdit>(circle, "circlePixels"), "6000");
	EXPECT_EQ(figure(circle, Rule::Pixels), "0.010067 mm");
	ui::typeInto(child<QLineEdit>(circle, "circleEyeBlur"), "-0.2");
	EXPECT_EQ(figure(circle, Rule::Print), "n/a");
	EXPECT_EQ(child<QLabel>(circle, "circleReason3").text(), "The eye blur is not greater than 0.");

	// From pixels by its mnemonic, then Use by its own (a button pressed by
	// its mnemonic shows itself pressed for a moment first).
	ASSERT_TRUE(activate(circle));
	QTest::keyClick(&circle, Qt::Key_X, Qt::AltModifier);
	EXPECT_TRUE(QTest::qWaitFor([&] { return child<QRadioButton>(circle, "circleRule4").isChecked(); }));
	QTest::keyClick(&circle, Qt::Key_U, Qt::AltModifier);
	EXPECT_TRUE(QTest::qWaitFor([&] { return currentSettings().filmCoC == 0.010067; }));
	EXPECT_EQ(window->sheet().currentIndex(), kDepthOfField);
	const QWidget *field = window->sheet().controls(kDepthOfField)->widget(ids::page::CircleOfConfusion);
	EXPECT_EQ(qobject_cast<const QLineEdit *>(field)->text(), "0.010067");
}

TEST(CircleOfConfusionWindow, ACameraChosenTakesThePagesFormatsPlace)
{
	FakeStorage storage;
	const auto window = openWindow(storage);
	auto &circle = window->toolWindow<CircleOfConfusionWindow>(ids::command::CircleOfConfusion);
	circle.present();
	ASSERT_TRUE(activate(circle));
	EXPECT_EQ(
		runModalWindows([&] { QTest::mouseClick(&child<QPushButton>(circle, "circleCamera"), Qt::LeftButton); },
				{ { "cameraDialog",
				    [](QWidget &dialog) {
					    ASSERT_TRUE(activate(dialog));
					    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("canon 7d"));
					    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
				    } } }),
		"");
	EXPECT_EQ(child<QLabel>(circle, "circleFrame").text(),
		  QString::fromUtf8("Canon EOS 7D: 22.22 \u00d7 14.81 mm"));
	EXPECT_EQ(figure(circle, Rule::Classic), "0.015438 mm");
	QTest::mouseClick(&child<QPushButton>(circle, "circlePagesFormat"), Qt::LeftButton);
	EXPECT_EQ(figure(circle, Rule::Classic), "0.02501 mm");
}

} // namespace
} // namespace mirel::testing
