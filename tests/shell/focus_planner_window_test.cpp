// The focus planner's window in the running program: opened from its menu,
// following the pages, writing into the settings only when the user asks.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include "core/focus_plan.h"
#include "core/number_text.h"
#include "core/stops.h"
#include "planner_qt/focus_planner_window.h"
#include "resources/control_ids.h"
#include "settings/model/records.h"
#include "shell/page_sheet.h"
#include "testing/pages_by_index.h"
#include "testing_qt/qt_user_actions.h"
#include "testing_qt/shell_fixture.h"
#include "ui_qt/qt_controls.h"

namespace mirel::testing {
namespace {

namespace cmd = ids::command;
namespace page = ids::page;

using ui::typeInto;

// The planner's texts are those mirel-calc gives for the distances the
// planner shows and the lens, circle of confusion and rules of the pages.
void expectShowsThePlan(const FocusPlannerWindow &planner)
{
	QApplication::processEvents(); // the planner follows once the loop turns
	const CalcSettings &s = currentSettings();
	const std::string unit(unitAbbreviation(s.LengthUnit));
	const bool toInfinity = child<QCheckBox>(planner, "plannerFarInfinity").isChecked();
	const auto field = [&](const char *name) { return child<QLineEdit>(planner, name).text().toStdString(); };
	const std::string round = s.RoundOtherMethod == RoundOtherNone ? "none" : std::to_string(s.RoundOtherMethod);
	QStringList args;
	for (const std::string &arg :
	     { std::string("plan"), std::string("--no-settings"), std::string("--output=json"), "--unit=" + unit,
	       "--round=" + round, "--focal=" + formatExact(s.FocalLength) + "mm",
	       "--coc=" + formatExact(s.filmCoC) + "mm", "--near=" + field("plannerNear") + unit,
	       "--far=" + (toInfinity ? std::string("inf") : field("plannerFar") + unit) })
		args << QString::fromStdString(arg);
	QProcess calc;
	calc.start(QStringLiteral(MIREL_CALC_PATH), args);
	ASSERT_TRUE(calc.waitForFinished());
	const nlohmann::json results = nlohmann::json::parse(calc.readAllStandardOutput().toStdString()).at("results");
	const auto text = [&](const char *key) { return results.at(key).at("text").get<std::string>(); };
	EXPECT_EQ(field("plannerFocus"), text("focus"));
	EXPECT_EQ(field("plannerAperture"), text("f_number"));
	EXPECT_EQ(child<QRadioButton>(planner, "plannerWholeStop").text().toStdString(), text("whole_stop"));
	EXPECT_EQ(child<QRadioButton>(planner, "plannerThirdStop").text().toStdString(), text("third_stop"));
	EXPECT_EQ(child<QLabel>(planner, "plannerDiffraction").text().toStdString(), text("diffraction"));
	EXPECT_EQ(field("plannerSharpest"),
		  text("sharpest") + ", blur " + text("sharpest_blur") + ", " + text("sharpest_blur_to_coc"));
}

// Its key takes none the desktop uses for a standard action (Print, Find,
// Quit, ...). It follows the pages, and writes its plan into the settings
// only when asked.
TEST(FocusPlanner, FollowsThePagesAndPutsItsPlanOnTheDepthOfFieldPage)
{
	FakeStorage storage;
	const auto window = openWindow(storage);
	window->showPage(kHyperfocal);
	const QKeySequence key = menuAction(*window, cmd::FocusPlanner).shortcut();
	for (int standard = QKeySequence::HelpContents; standard <= QKeySequence::Cancel; ++standard)
		EXPECT_FALSE(QKeySequence::keyBindings(QKeySequence::StandardKey(standard)).contains(key)) << standard;
	FocusPlannerWindow &planner = window->toolWindow<FocusPlannerWindow>(cmd::FocusPlanner);
	planner.present();

	// 2 m to 10 m, typed; then the lens changes on a page, then the unit.
	QLineEdit &nearField = child<QLineEdit>(planner, "plannerNear");
	QLineEdit &farField = child<QLineEdit>(planner, "plannerFar");
	typeInto(nearField, "2");
	QTest::mouseClick(&child<QCheckBox>(planner, "plannerFarInfinity"), Qt::LeftButton, {}, QPoint(6, 6));
	typeInto(farField, "10");
	expectShowsThePlan(planner);
	window->activateWindow();
	ui::QtUserActions user(*window->sheet().controls(kHyperfocal));
	user.type(page::FocalLength, "85");
	expectShowsThePlan(planner);
	user.click(page::UnitFeet);
	QApplication::processEvents();
	EXPECT_NEAR(parseNumber(nearField.text().toStdString()), fromMillimetres(2000.0, LengthUnit::Feet), 1e-6);
	expectShowsThePlan(planner);

	// An impossible range: n/a and why; nothing to use.
	typeInto(farField, "1");
	EXPECT_EQ(child<QLineEdit>(planner, "plannerAperture").text(), "n/a");
	EXPECT_TRUE(child<QLabel>(planner, "plannerReason").text().contains("farthest distance is not greater"));
	EXPECT_FALSE(child<QPushButton>(planner, "plannerUse").isEnabled());
	typeInto(farField, "100");

	// The whole stop, used from another page, on the Depth of Field page.
	const CalcSettings before = currentSettings();
	typeInto(nearField, "10");
	QRadioButton &wholeStop = child<QRadioButton>(planner, "plannerWholeStop");
	QTest::mouseClick(&wholeStop, Qt::LeftButton, {}, QPoint(6, wholeStop.height() / 2));
	ASSERT_TRUE(wholeStop.isChecked());
	EXPECT_EQ(currentSettings(), before) << "nothing is written until the user asks";
	QTest::mouseClick(&child<QPushButton>(planner, "plannerUse"), Qt::LeftButton);
	ASSERT_TRUE(planner.plan().wholeStop);
	EXPECT_EQ(currentSettings().FocusDistance, planner.plan().focus);
	EXPECT_EQ(currentSettings().Aperture, planner.plan().wholeStop->aperture.fNumber);
	EXPECT_EQ(window->sheet().currentIndex(), kDepthOfField);
	const QWidget *shownNear = window->sheet().controls(kDepthOfField)->widget(ids::depthoffield::Near);
	EXPECT_NEAR(parseNumber(qobject_cast<const QLineEdit *>(shownNear)->text().toStdString()),
		    fromMillimetres(planner.plan().wholeStop->near, LengthUnit::Feet), 1e-6);
}

} // namespace
} // namespace mirel::testing
