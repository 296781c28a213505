// The depth of field table's model as a view sees it: a new table announces
// the cells and headings that changed and nothing else, and changes its
// rows and columns without a reset.

#include <functional>
#include <set>
#include <utility>

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include "core/stops.h"
#include "dof_table_qt/dof_table_model.h"

namespace mirel {
namespace {

using Cells = std::set<std::pair<int, int>>; // (row, column)

// Records what a model announces as changed.
struct Announced {
	explicit Announced(const QAbstractItemModel &model)
	{
		QObject::connect(&model, &QAbstractItemModel::dataChanged,
				 [this](const QModelIndex &topLeft, const QModelIndex &bottomRight) {
					 for (int row = topLeft.row(); row <= bottomRight.row(); ++row)
						 for (int column = topLeft.column(); column <= bottomRight.column();
						      ++column)
							 cells.insert({ row, column });
				 });
		QObject::connect(&model, &QAbstractItemModel::headerDataChanged,
				 [this](Qt::Orientation orientation, int first, int last) {
					 for (int section = first; section <= last; ++section)
						 (orientation == Qt::Vertical ? rows : columns).insert(section);
				 });
	}
	Cells cells;
	std::set<int> rows, columns; // headings
};

Cells block(std::set<int> rows, std::set<int> columns)
{
	Cells cells;
	for (const int row : rows)
		for (const int column : columns)
			cells.insert({ row, column });
	return cells;
}

DofTableInputs lens50At2m()
{
	initStopMath();
	return { .focalLength = 50.0,
		 .coc = 0.025,
		 .aperture = 8.0,
		 .focusDistance = 2000.0,
		 .unit = LengthUnit::Metres,
		 .rounding = RoundOther2 };
}

TEST(DofTableModel, AnnouncesTheCellsAndHeadingsWhoseTextOrMarkingChangedOnly)
{
	// Whole stops: f/8 is row 5, f/11 row 6 of ten; columns 1, 2 and 5 m,
	// then the hyperfocal distance in column 3.
	const DofTableOptions options{ false, { 1000.0, 2000.0, 5000.0 } };
	const std::set<int> allRows = { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9 }, allColumns = { 0, 1, 2, 3 };
	struct Case {
		const char *what;
		std::function<void(DofTableInputs &)> change;
		Cells cells;
		std::set<int> rowHeadings, columnHeadings;
	};
	const Case cases[] = {
		// The highlight moves: the headings' bold is the view's.
		{ "the aperture, f/8 to f/11",
		  [](DofTableInputs &in) { in.aperture = 11.0; },
		  block({ 5, 6 }, allColumns),
		  {},
		  {} },
		{ "an aperture in the same row", [](DofTableInputs &in) { in.aperture = 8.2; }, {}, {}, {} },
		{ "the focus distance, 2 m to 5 m",
		  [](DofTableInputs &in) { in.focusDistance = 4800.0; },
		  block(allRows, { 1, 2 }),
		  {},
		  {} },
		{ "the lens, 50 mm to 85 mm",
		  [](DofTableInputs &in) { in.focalLength = 85.0; },
		  block(allRows, allColumns),
		  {},
		  {} },
		// Diffraction past f/18.6 and f/22.4 (c / (2.44 · 0.00055 mm)):
		// f/22 and f/32 stay marked, for a circle their notes name anew. At
		// 1 m f/2 and f/2.8 read 0.98 – 1.02 and 0.97 – 1.03 with either.
		{ "the circle of confusion, 0.025 to 0.03 mm",
		  [](DofTableInputs &in) { in.coc = 0.03; },
		  [&] {
			  Cells cells = block(allRows, allColumns);
			  cells.erase({ 1, 0 });
			  cells.erase({ 2, 0 });
			  return cells;
		  }(),
		  { 8, 9 },
		  {} },
		{ "the unit, m to ft",
		  [](DofTableInputs &in) { in.unit = LengthUnit::Feet; },
		  block(allRows, allColumns),
		  {},
		  { 0, 1, 2 } },
	};
	for (const Case &c : cases) {
		DofTableModel model;
		DofTableInputs inputs = lens50At2m();
		model.setTable(DofTable(inputs, options));
		const Announced announced(model);
		c.change(inputs);
		model.setTable(DofTable(inputs, options));
		EXPECT_EQ(announced.cells, c.cells) << c.what;
		EXPECT_EQ(announced.rows, c.rowHeadings) << c.what;
		EXPECT_EQ(announced.columns, c.columnHeadings) << c.what;
	}
}

TEST(DofTableModel, NewRowsAndColumnsWithoutAResetTheHyperfocalColumnLast)
{
	DofTableModel model;
	const QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
	const QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
	const DofTableInputs inputs = lens50At2m();
	const DofTableOptions shapes[] = { { false, { 1000.0, 2000.0, 5000.0 } },
					   { true, { 1000.0, 2000.0, 5000.0 } },
					   { true, {} },
					   { false, { 3000.0 } },
					   { true, { 500.0, 700.0, 1000.0, 1500.0, 2000.0 } } };
	for (const DofTableOptions &options : shapes) {
		const DofTable table(inputs, options);
		model.setTable(table);
		ASSERT_EQ(model.rowCount(), table.rowCount());
		ASSERT_EQ(model.columnCount(), table.columnCount() + 1);
		for (int row = 0; row < table.rowCount(); ++row) {
			EXPECT_EQ(model.headerData(row, Qt::Vertical).toString().toStdString(), table.rowHeading(row));
			for (int column = 0; column < table.columnCount(); ++column)
				EXPECT_EQ(model.index(row, column).data().toString().toStdString(),
					  table.cellText(row, column));
			EXPECT_EQ(model.index(row, table.columnCount()).data().toString().toStdString(),
				  table.hyperfocalText(row));
		}
	}
	EXPECT_EQ(resets.count(), 0);
}

} // namespace
} // namespace mirel
