// What a keyboard and a screen-reader user meet in the tool windows: the
// table's grid one stop of Tab, why its rows, column and cells are marked,
// the chart in words, the film format's name as it is written; and no text
// in the chart or on the card smaller than the small font.

#include <QAccessible>
#include <QLabel>
#include <QPainter>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include "core/stops.h"
#include "dof_table_qt/dof_card.h"
#include "dof_table_qt/dof_chart.h"
#include "dof_table_qt/dof_table_window.h"
#include "planner_qt/focus_planner_window.h"
#include "resources/control_ids.h"
#include "settings/model/records.h"
#include "testing_qt/text_recorder.h"
#include "ui_qt/paper.h"

#include "testing_qt/shell_fixture.h"

namespace mirel::testing {
namespace {

namespace cmd = ids::command;

QWidget *afterKey(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
	QTest::keyClick(QApplication::focusWidget(), key, modifiers);
	return QApplication::focusWidget();
}

TEST(ToolWindowsAccess, TheTableGridIsOneStopOfTabAndTheArrowsMoveWithinIt)
{
	FakeStorage storage;
	const auto window = openWindow(storage);
	DofTableWindow &table = window->toolWindow<DofTableWindow>(cmd::DepthOfFieldTable);
	table.present();
	ASSERT_TRUE(activate(table));
	auto *grid = table.findChild<QTableView *>(QStringLiteral("dofTableView"));
	grid->setFocus(Qt::TabFocusReason);
	grid->setCurrentIndex(grid->model()->index(0, 0));

	EXPECT_EQ(afterKey(Qt::Key_Right), grid);
	EXPECT_EQ(afterKey(Qt::Key_Down), grid);
	EXPECT_EQ(grid->currentIndex(), grid->model()->index(1, 1));
	EXPECT_NE(afterKey(Qt::Key_Tab), grid) << "Tab leaves the grid";
	EXPECT_EQ(afterKey(Qt::Key_Tab, Qt::ShiftModifier), grid) << "Shift+Tab comes back";
	EXPECT_NE(afterKey(Qt::Key_Tab, Qt::ShiftModifier), grid) << "Shift+Tab leaves it the other way";
}

// The built-in settings: 50 mm, 35mm's circle of 0.02501 mm, f/1.8 in the
// f/2 row, the focus at 1 m; diffraction outgrows the circle past f/18.6
// (0.02501 / (2.44 · 0.00055 mm)), where f/22 blurs 2.44 · 0.00055 · 22.6 =
// 0.030 mm.
TEST(ToolWindowsAccess, ScreenReadersHearWhyARowAColumnOrACellIsMarked)
{
	FakeStorage storage;
	const auto window = openWindow(storage);
	DofTableWindow &table = window->toolWindow<DofTableWindow>(cmd::DepthOfFieldTable);
	table.present();
	QAccessibleTableInterface *grid =
		QAccessible::queryAccessibleInterface(table.findChild<QTableView *>(QStringLiteral("dofTableView")))
			->tableInterface();
	ASSERT_NE(grid, nullptr);
	const QString f22 = QStringLiteral("Diffraction: f/22 blurs 0.030 mm, more than the 0.025 mm circle of "
					   "confusion; sharpest depth up to about f/18.6.");
	const QString aperture = QStringLiteral("The aperture on the pages.");
	const QString focus = QStringLiteral("The distance nearest the focus on the pages.");
	// Whole stops from f/1.4: f/2 is row 1, f/22 row 8; 0.5, 0.7, 1 m, ...
	struct Case {
		int row, column;
		QString described;
	};
	for (const Case &c : { Case{ 1, 2, aperture + ' ' + focus }, Case{ 1, 6, aperture }, Case{ 4, 2, focus },
			       Case{ 8, 0, f22 }, Case{ 8, 2, focus + ' ' + f22 }, Case{ 4, 6, QString() } }) {
		QAccessibleInterface *cell = grid->cellAt(c.row, c.column);
		ASSERT_NE(cell, nullptr);
		EXPECT_EQ(cell->text(QAccessible::Description), c.described) << c.row << ", " << c.column;
	}
	const QList<QAccessibleInterface *> rowHeading = grid->cellAt(8, 0)->tableCellInterface()->rowHeaderCells();
	ASSERT_EQ(rowHeading.size(), 1);
	// Qt makes a header cell's interface anew for each asking and keeps no
	// hold of it: given to Qt's registry, it is freed with the others.
	if (QAccessible::uniqueId(rowHeading.front()) == 0)
		QAccessible::registerAccessibleInterface(rowHeading.front());
	EXPECT_EQ(rowHeading.front()->text(QAccessible::Description), f22);
}

// 50 mm at f/1.4 (√2) and f/32 on a 0.025 mm circle, focused at 3 m: H is
// 2500 / (1.414 · 0.025) = 70711 mm and 3125 mm, the zones H·s / (H ± 2950)
// are 2880 to 3131 mm and 1543 to 53571 mm.
TEST(ToolWindowsAccess, TheChartSaysInWordsWhatItShows)
{
	initStopMath();
	DofChart chart;
	chart.setTable(DofTable(DofTableInputs{ .focalLength = 50.0,
						.coc = 0.025,
						.aperture = 8.0,
						.focusDistance = 3000.0,
						.unit = LengthUnit::Metres,
						.rounding = RoundOther2 },
				{}));
	QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(&chart);
	EXPECT_EQ(spoken->role(), QAccessible::Chart);
	EXPECT_EQ(spoken->text(QAccessible::Name), "Depth of field chart");
	const QString described = spoken->text(QAccessible::Description);
	for (const char *part : { "when focused at 3 m", "f/1.4 2.88 to 3.13 m", "f/32 1.54 to 53.57 m",
				  "circle of confusion beyond about f/18.6" })
		EXPECT_TRUE(described.contains(QLatin1String(part))) << part << " in " << described.toStdString();
}

TEST(ToolWindowsAccess, TheFilmFormatsNameIsShownAsItIsWrittenNotAsMarkup)
{
	FakeStorage storage([](CalcSettings &defaults, StartupPrefs &) {
		setFilmName(defaults.FilmSizes[0], "<h1>BIG</h1>");
		defaults.FilmSize = 0;
	});
	const auto window = openWindow(storage);
	for (const auto &[command, header] :
	     { std::pair{ cmd::DepthOfFieldTable, "dofHeader" }, std::pair{ cmd::FocusPlanner, "plannerHeader" } }) {
		ui::ToolWindow &tool = window->toolWindow(command);
		tool.present();
		// A screen reader reads what a label shows: markup it renders is gone.
		const QString read =
			QAccessible::queryAccessibleInterface(tool.findChild<QLabel *>(QLatin1String(header)))
				->text(QAccessible::Name);
		EXPECT_TRUE(read.contains(QLatin1String("<h1>BIG</h1>"))) << header << ": " << read.toStdString();
	}
}

// The smallest font a recorder saw, in points.
qreal smallestPoints(const ui::TextRecorder &recorder)
{
	qreal smallest = 1000.0;
	for (const ui::TextRecorder::Text &text : recorder.texts())
		smallest = std::min(smallest, text.font.pointSizeF());
	return smallest;
}

// Third stops at twenty distances, the most the table holds, in a chart
// squeezed small and on the card.
TEST(ToolWindowsAccess, NoTextOfTheChartOrCardIsSmallerThanTheSmallFont)
{
	initStopMath();
	CalcSettings settings = defaultSettings();
	const DofTable table(settings, { true, { 500.0,  600.0,  700.0,   800.0,   900.0,   1000.0, 1200.0,
						 1500.0, 2000.0, 2500.0,  3000.0,  4000.0,  5000.0, 6000.0,
						 7000.0, 8000.0, 10000.0, 15000.0, 20000.0, 30000.0 } });
	DofChart chart;
	chart.setTable(table);
	chart.resize(chart.minimumSizeHint());
	ui::TextRecorder screen(chart.size());
	chart.render(&screen);
	ASSERT_FALSE(screen.texts().empty());
	EXPECT_GE(smallestPoints(screen), ui::smallFont(chart.font()).pointSizeF() - 0.01);

	ui::TextRecorder paper(QPageSize(QPageSize::A4).sizePoints());
	{
		QPainter painter(&paper);
		paintDofCard(painter, QRectF(0, 0, paper.width(), paper.height()), table, [] { return true; });
	}
	ASSERT_FALSE(paper.texts().empty());
	EXPECT_GE(smallestPoints(paper), ui::smallFont(QGuiApplication::font()).pointSizeF() - 0.01);
}

} // namespace
} // namespace mirel::testing
