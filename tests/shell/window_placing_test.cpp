// Where windows open: within the screen's free area and never larger, on
// whatever screen and scale the test runs; the tool windows where they
// were last, with what the user chose in them.

#include <QCheckBox>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include "dialogs/about_dlg.h"
#include "dialogs/defaults_dlg.h"
#include "dialogs/light_table_dlg.h"
#include "dialogs/rounding_rules_dlg.h"
#include "dialogs/startup_prefs_dlg.h"
#include "dof_table_qt/dof_table_window.h"
#include "film_formats_qt/film_formats_dialog.h"
#include "planner_qt/focus_planner_window.h"
#include "resources/control_ids.h"
#include "settings/model/remembered.h"
#include "shell/tool_windows.h"
#include "ui_qt/tool_window.h"

#include "testing_qt/qt_user_actions.h"
#include "testing_qt/shell_fixture.h"

namespace mirel::testing {
namespace {

namespace cmd = ids::command;

QRect freeArea(const QWidget &window)
{
	return window.screen()->availableGeometry();
}

// Where window lies off its screen's free area; "" when it lies within.
std::string offScreen(const QWidget &window)
{
	QApplication::processEvents();
	const QRect frame = window.frameGeometry(), area = freeArea(window);
	if (area.contains(frame))
		return {};
	const auto text = [](QRect r) {
		return std::to_string(r.width()) + "x" + std::to_string(r.height()) + " at " + std::to_string(r.x()) +
		       "," + std::to_string(r.y());
	};
	return window.windowTitle().toStdString() + ": " + text(frame) + " on " + text(area);
}

TEST(WindowPlacing, EveryWindowAndDialogOpensWithinTheScreensFreeArea)
{
	FakeStorage storage;
	const auto window = openWindow(storage);
	EXPECT_EQ(offScreen(*window), "");
	for (const ToolWindowRow &row : toolWindowRows()) {
		ui::ToolWindow &tool = window->toolWindow(row.command);
		tool.present();
		EXPECT_EQ(offScreen(tool), "");
	}
	window->help().showTopic(ids::help::DepthOfFieldTable);
	EXPECT_EQ(offScreen(window->help()), "");

	FilmFormatsDialog formats({}, window.get());
	formats.show();
	EXPECT_EQ(offScreen(formats), "");
	RoundingRulesDlg roundingRules;
	DefaultsDlg defaults;
	StartupPrefsDlg startupPrefs;
	AboutDlg about;
	EasterEggIntroDlg intro;
	EasterEggExitDlg lightTable;
	for (DialogModel *model : std::initializer_list<DialogModel *>{ &roundingRules, &defaults, &startupPrefs,
									&about, &intro, &lightTable }) {
		QtDialogHost host(*model, {}, window.get());
		host.show();
		EXPECT_EQ(offScreen(host), "");
	}
}

// The planner's place as the last run left it, against the screen's free
// area: kept where it fits, moved or made smaller onto the screen where not.
TEST(WindowPlacing, AToolWindowOpensWhereItWasLastAsFarAsTheScreenAllows)
{
	struct Row {
		const char *name;
		std::function<WindowPlace(QRect area)> last;
		bool keptAsItWas;
	};
	const Row rows[] = {
		{ "on the screen",
		  [](QRect a) {
			  return WindowPlace{ a.x() + 30, a.y() + 20, 560, 480 };
		  },
		  true },
		{ "past the bottom right corner",
		  [](QRect a) {
			  return WindowPlace{ a.right() - 100, a.bottom() - 40, 560, 480 };
		  },
		  false },
		{ "on a screen that is gone",
		  [](QRect) {
			  return WindowPlace{ -5000, 9000, 560, 480 };
		  },
		  false },
		{ "larger than the screen",
		  [](QRect a) {
			  return WindowPlace{ a.x(), a.y(), 2 * a.width(), 2 * a.height() };
		  },
		  false },
	};
	for (const Row &row : rows) {
		FakeStorage storage;
		const auto window = openWindow(storage);
		const WindowPlace last = row.last(freeArea(*window));
		remembered().plannerPlace = last;
		ui::ToolWindow &planner = window->toolWindow(cmd::FocusPlanner);
		planner.present();
		EXPECT_EQ(offScreen(planner), "") << row.name;
		const WindowPlace opened{ planner.x(), planner.y(), planner.width(), planner.height() };
		EXPECT_EQ(opened == last, row.keptAsItWas) << row.name;
		EXPECT_EQ(remembered().plannerPlace, opened) << row.name;
	}
}

TEST(WindowPlacing, TheToolWindowsTakeUpWhatTheyRememberAndKeepWhatTheUserChanges)
{
	FakeStorage storage; // in metres
	const auto window = openWindow(storage);
	Remembered &last = remembered();
	last.tableDistances = { 1000.0, 2500.0, 5000.0 };
	last.tableThirdStops = true;
	last.plannerNear = 2000.0;
	last.plannerFar = 8000.0;
	last.plannerToInfinity = false;

	auto &table = window->toolWindow<DofTableWindow>(cmd::DepthOfFieldTable);
	auto &planner = window->toolWindow<FocusPlannerWindow>(cmd::FocusPlanner);
	table.present();
	planner.present();
	EXPECT_EQ(child<QLineEdit>(table, "dofDistances").text(), "1, 2.5, 5");
	EXPECT_TRUE(child<QCheckBox>(table, "dofThirdStops").isChecked());
	EXPECT_EQ(child<QLineEdit>(planner, "plannerNear").text(), "2.0");
	EXPECT_EQ(child<QLineEdit>(planner, "plannerFar").text(), "8.0");
	EXPECT_FALSE(child<QCheckBox>(planner, "plannerFarInfinity").isChecked());

	ui::typeInto(child<QLineEdit>(table, "dofDistances"), QStringLiteral("3, 1.5"));
	QTest::keyClick(&child<QLineEdit>(table, "dofDistances"), Qt::Key_Return);
	child<QCheckBox>(table, "dofThirdStops").click();
	ui::typeInto(child<QLineEdit>(planner, "plannerNear"), QStringLiteral("0.75"));
	QTest::keyClick(&child<QLineEdit>(planner, "plannerNear"), Qt::Key_Return);
	child<QCheckBox>(planner, "plannerFarInfinity").click();
	planner.move(planner.pos() + QPoint(7, 5));
	EXPECT_EQ(last.tableDistances, (std::vector<double>{ 1500.0, 3000.0 }));
	EXPECT_FALSE(last.tableThirdStops);
	EXPECT_EQ(last.plannerNear, 750.0);
	EXPECT_EQ(last.plannerFar, 8000.0);
	EXPECT_TRUE(last.plannerToInfinity);
	EXPECT_EQ(last.plannerPlace, (WindowPlace{ planner.x(), planner.y(), planner.width(), planner.height() }));
}

} // namespace
} // namespace mirel::testing
