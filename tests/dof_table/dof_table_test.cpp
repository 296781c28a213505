// The depth of field table against the formulas, its distances, its texts
// to take away, and how it follows the pages through the settings.

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/number_text.h"
#include "core/stops.h"
#include "dialogs/rounding_rules_dlg.h"
#include "dof_table/distance_list.h"
#include "dof_table/dof_table.h"
#include "dof_table/table_text.h"
#include "resources/control_ids.h"
#include "settings/model/film_formats.h"
#include "settings/model/lifecycle.h"
#include "settings/model/settings_change.h"
#include "testing/headless_dialog.h"
#include "testing/headless_sheet.h"

namespace mirel {
namespace {

// The program's settings at start: built-in, a lens of focal mm.
CalcSettings startSettings(double focal = 50.0)
{
	initStopMath();
	loadSettingsAtStartup(nullptr);
	currentSettings().FocalLength = focal;
	return currentSettings();
}

std::vector<std::string> split(const std::string &text, const std::string &separator)
{
	std::vector<std::string> parts;
	for (std::size_t start = 0;;) {
		const std::size_t end = text.find(separator, start);
		parts.push_back(text.substr(start, end - start));
		if (end == std::string::npos)
			return parts;
		start = end + separator.size();
	}
}

// Cells worked out by hand in the unit and rounding shown: H = f² / (N c),
// the limits H·s / (H ± (s − f)), the far one infinite once s − f ≥ H. The
// circle is the 35mm frame's 43.267 / 1730 = 0.02501 mm.
TEST(DofTable, CellsAreTheDepthOfFieldInTheUnitAndRoundingShown)
{
	struct Cell {
		const char *row, *column, *limits, *hyperfocal;
	};
	struct Case {
		LengthUnit unit;
		int rounding;
		double focal;
		bool thirds;
		std::vector<Cell> cells;
	};
	for (const Case &c : {
		     Case{ LengthUnit::Metres,
			   RoundOther2,
			   50.0,
			   false,
			   { { "f/8", "5 m", "3.58 \u2013 8.28", "12.50" },
			     { "f/32", "5 m", "1.93 \u2013 \u221e", "3.12" } } },
		     Case{ LengthUnit::Feet,
			   RoundOtherNone,
			   24.0,
			   true,
			   { { "f/5.6", "5 ft", "3.653832 \u2013 7.916732", "13.357516" },
			     { "f/32", "100 ft", "2.308602 \u2013 \u221e", "2.361298" } } },
		     Case{ LengthUnit::Millimetres,
			   RoundOther1,
			   135.0,
			   false,
			   { { "f/1.4", "1000 mm", "998.3 \u2013 1001.7", "515282.9" },
			     { "f/32", "30000 mm", "12978.9 \u2013 \u221e", "22772.5" } } },
	     }) {
		CalcSettings settings = startSettings(c.focal);
		settings.LengthUnit = c.unit;
		settings.RoundOtherMethod = c.rounding;
		const DofTable table(settings, { c.thirds, {} });
		ASSERT_EQ(table.rowCount(), c.thirds ? 28 : 10);
		ASSERT_EQ(table.columnCount(), 12);
		EXPECT_EQ(table.rowHeading(0), "f/1.4");
		EXPECT_EQ(table.rowHeading(table.rowCount() - 1), "f/32");
		for (const Cell &cell : c.cells) {
			int row = 0, column = 0;
			while (row < table.rowCount() && table.rowHeading(row) != cell.row)
				++row;
			while (column < table.columnCount() && table.columnHeading(column) != cell.column)
				++column;
			ASSERT_LT(row, table.rowCount()) << cell.row;
			ASSERT_LT(column, table.columnCount()) << cell.column;
			EXPECT_EQ(table.cellText(row, column), cell.limits) << cell.row << " at " << cell.column;
			EXPECT_EQ(table.hyperfocalText(row), cell.hyperfocal) << cell.row;
		}
	}
}

// Enough decimals to tell the near limit from the far one and both from
// the column's distance, whatever the rule; the rule's where it does. The
// limits by hand from H = f²/(N·c) and H·s / (H ± (s − f)), in metres.
TEST(DofTable, CellsShowTheDigitsThatTellTheirLimitsApart)
{
	struct Case {
		int rule;
		double focal, coc;
		const char *aperture;
		double distance; // mm
		const char *shown;
	};
	for (const Case c : {
		     // 496.838 and 503.202 mm: "0.50 – 0.50" at two decimals.
		     Case{ RoundOther2, 50.0, 0.025, "f/1.4", 500.0, "0.497 \u2013 0.503" },
		     Case{ RoundOther3, 50.0, 0.025, "f/1.4", 500.0, "0.497 \u2013 0.503" },
		     Case{ RoundOtherNone, 50.0, 0.025, "f/1.4", 500.0, "0.496838 \u2013 0.503202" },
		     // 475.777 and 526.821 mm: two decimals tell them apart.
		     Case{ RoundOther2, 50.0, 0.025, "f/11", 500.0, "0.48 \u2013 0.53" },
		     // 260.116 and 354.331 mm: "0.3" reads like the distance.
		     Case{ RoundOther1, 24.0, 0.02, "f/16", 300.0, "0.26 \u2013 0.35" },
	     }) {
		CalcSettings settings = startSettings(c.focal);
		settings.LengthUnit = LengthUnit::Metres;
		settings.RoundOtherMethod = c.rule;
		settings.filmCoC = c.coc;
		const DofTable table(settings, { true, { c.distance } });
		int row = 0;
		while (row < table.rowCount() && table.rowHeading(row) != c.aperture)
			++row;
		ASSERT_LT(row, table.rowCount()) << c.aperture;
		EXPECT_EQ(table.cellText(row, 0), c.shown)
			<< c.aperture << " at " << c.distance << " mm, rule " << c.rule;
	}
}

TEST(DofTable, UnusableValuesGiveNoNumbers)
{
	struct Case {
		const char *what;
		double focal, coc, distance;
	};
	for (const Case c :
	     { Case{ "a distance shorter than the lens", 50.0, 0.03, 49.0 }, Case{ "no lens", 0.0, 0.03, 1000.0 },
	       Case{ "no circle of confusion", 50.0, 0.0, 1000.0 } }) {
		CalcSettings settings = startSettings(c.focal);
		settings.filmCoC = c.coc;
		const DofTable table(settings, { true, { c.distance } });
		for (int row = 0; row < table.rowCount(); ++row) {
			EXPECT_EQ(table.cellText(row, 0), "n/a") << c.what;
			const std::string hyperfocal = table.hyperfocalText(row);
			EXPECT_TRUE(hyperfocal == "n/a" || parseNumber(hyperfocal) > 0) << c.what << ": " << hyperfocal;
		}
	}
}

TEST(DofTable, DiffractionMarksTheRowsPastTheLimitOfTheCircleOfConfusion)
{
	// The Airy disk 2.44·λ·N outgrows 35mm's 0.02501 mm past f/18.6, and the
	// smaller APS frame's 0.01995 mm past f/14.9; 4 × 5 stays sharp to f/32.
	struct Case {
		int format;
		bool thirds;
		const char *firstMarked;
	};
	for (const Case c : { Case{ 0, false, "f/22" }, Case{ 0, true, "f/20" }, Case{ 1, false, "f/16" },
			      Case{ 1, true, "f/16" }, Case{ 6, true, nullptr } }) {
		CalcSettings settings = startSettings();
		settings.FilmSize = static_cast<std::uint8_t>(c.format);
		settings.filmCoC = suggestedCoC(settings.FilmSizes[static_cast<std::size_t>(c.format)]);
		const DofTable table(settings, { c.thirds, {} });
		int first = 0;
		while (first < table.rowCount() && !table.diffractionLimited(first))
			++first;
		const std::string where = "format " + std::to_string(c.format) + (c.thirds ? " in thirds" : "");
		EXPECT_EQ(first < table.rowCount() ? table.rowHeading(first) : "none",
			  c.firstMarked ? c.firstMarked : "none")
			<< where;
		for (int row = first; row < table.rowCount(); ++row) {
			EXPECT_TRUE(table.diffractionLimited(row)) << where;
			EXPECT_NE(table.diffractionNote(row).find(table.rowHeading(row) + " blurs"), std::string::npos);
		}
		EXPECT_EQ(first > 0 ? table.diffractionNote(first - 1) : "", "") << where;
	}
}

TEST(DofTable, HighlightsTheApertureAndTheColumnNearestTheFocus)
{
	struct Case {
		double aperture, focus;
		bool thirds;
		const char *row, *column;
	};
	for (const Case c : { Case{ 1.8, 1000.0, false, "f/2", "1 m" }, Case{ 1.8, 1000.0, true, "f/1.8", "1 m" },
			      Case{ 8.0, 4000.0, false, "f/8", "5 m" }, Case{ 0.9, 100.0, false, nullptr, "0.5 m" } }) {
		CalcSettings settings = startSettings();
		settings.Aperture = c.aperture;
		settings.FocusDistance = c.focus;
		const DofTable table(settings, { c.thirds, { 500.0, 700.0, 1000.0, 1500.0, 5000.0 } });
		EXPECT_EQ(table.currentRow() >= 0 ? table.rowHeading(table.currentRow()) : "none",
			  c.row ? c.row : "none");
		EXPECT_EQ(table.columnHeading(table.nearestColumn()), c.column);
	}
}

TEST(DistanceList, DefaultsSpreadAroundTheFocusInTheUnitShown)
{
	struct Case {
		LengthUnit unit;
		double focus, focal;
		const char *list;
	};
	for (const Case c : {
		     Case{ LengthUnit::Metres, 1000.0, 50.0, "0.5, 0.7, 1, 1.5, 2, 3, 5, 7, 10, 15, 20, 30" },
		     Case{ LengthUnit::Feet, 1000.0, 50.0, "1.5, 2, 3, 5, 7, 10, 15, 20, 30, 50, 70, 100" },
		     Case{ LengthUnit::Centimetres, 300.0, 100.0,
			   "15, 20, 30, 50, 70, 100, 150, 200, 300, 500, 700, 1000" },
		     // A focus shorter than the lens: around twenty focal lengths.
		     Case{ LengthUnit::Millimetres, 10.0, 50.0,
			   "500, 700, 1000, 1500, 2000, 3000, 5000, 7000, 10000, 15000, 20000, 30000" },
	     }) {
		EXPECT_EQ(distanceListText(defaultDistances(c.focus, c.focal, c.unit), c.unit), c.list);
	}
}

TEST(DistanceList, TypedListsAreReadOrRefusedWithAReason)
{
	struct Case {
		const char *typed, *read, *problem;
	};
	for (const Case c : {
		     Case{ "1, 2,3", "1, 2, 3", "" },
		     Case{ " 10 , 0.5, 10, 1e1 ", "0.5, 10", "" },
		     Case{ "", "", "" },
		     Case{ "1, 2 m", "", "\u201c2 m\u201d is not one" },
		     Case{ "1,,2", "", "\u201c\u201d is not one" },
		     Case{ "0, 1", "", "\u201c0\u201d" },
		     Case{ "1e999", "", "\u201c1e999\u201d" },
		     Case{ "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21", "", "at most 20" },
	     }) {
		const DistanceList list = parseDistanceList(c.typed, LengthUnit::Metres);
		EXPECT_EQ(distanceListText(list.millimetres, LengthUnit::Metres), c.read) << c.typed;
		EXPECT_EQ(list.problem.empty(), std::string(c.problem).empty()) << c.typed;
		EXPECT_NE(list.problem.find(c.problem), std::string::npos) << c.typed << ": " << list.problem;
	}
}

TEST(TableText, CsvReadsBackAsTheTableInFullPrecision)
{
	CalcSettings settings = startSettings();
	settings.LengthUnit = LengthUnit::Feet;
	// 20 mm is shorter than the lens: no limits there.
	const DofTable table(settings, { true, { 20.0, 1000.0, 3000.0, 30000.0 } });
	const std::vector<std::string> lines = split(csvText(table), "\r\n");
	ASSERT_EQ(lines.size(), static_cast<std::size_t>(table.rowCount()) + 2);
	EXPECT_EQ(lines.back(), "");
	const std::vector<std::string> heading = split(lines[0], ",");
	ASSERT_EQ(heading.size(), 2u + 2u * table.columnCount() + 1u);
	EXPECT_EQ(heading[4], "Near at " + table.columnHeading(1));
	const auto read = [](const std::string &field) {
		return field.empty() ? NAN : std::strtod(field.c_str(), nullptr);
	};
	const auto same = [](double read, std::optional<double> value) {
		return value ? read == *value : std::isnan(read);
	};
	for (int row = 0; row < table.rowCount(); ++row) {
		const std::vector<std::string> fields = split(lines[static_cast<std::size_t>(row) + 1], ",");
		ASSERT_EQ(fields.size(), heading.size()) << row;
		EXPECT_EQ(fields[0], table.rowHeading(row));
		EXPECT_EQ(read(fields[1]), table.aperture(row).fNumber);
		EXPECT_TRUE(same(read(fields.back()), table.hyperfocal(row))) << row;
		for (int column = 0; column < table.columnCount(); ++column) {
			const std::optional<SharpZone> zone = table.zone(row, column);
			const std::size_t at = 2 + 2 * static_cast<std::size_t>(column);
			EXPECT_TRUE(same(read(fields[at]), zone ? std::optional(zone->near) : std::nullopt)) << row;
			EXPECT_TRUE(same(read(fields[at + 1]), zone ? std::optional(zone->far) : std::nullopt)) << row;
		}
	}
}

TEST(TableText, TabSeparatedIsTheHeaderLineThenTheGridAsShown)
{
	const DofTable table(startSettings(), {});
	const std::vector<std::string> lines = split(tabSeparatedText(table), "\n");
	ASSERT_EQ(lines.size(), static_cast<std::size_t>(table.rowCount()) + 3);
	EXPECT_EQ(lines[0], table.headerLine());
	EXPECT_EQ(split(lines[1], "\t").size(), static_cast<std::size_t>(table.columnCount()) + 2);
	const std::vector<std::string> last = split(lines[static_cast<std::size_t>(table.rowCount()) + 1], "\t");
	EXPECT_EQ(last.front(), "f/32");
	EXPECT_EQ(last[3], table.cellText(table.rowCount() - 1, 2));
	EXPECT_EQ(last.back(), table.hyperfocalText(table.rowCount() - 1));
}

TEST(TableText, TheNameOfferedForSavingStaysShort)
{
	struct Case {
		double focal;
		const char *name;
	};
	for (const Case c : { Case{ 50.0, "depth-of-field-50mm" }, Case{ 24.5, "depth-of-field-24.5mm" },
			      Case{ 12345678.0, "depth-of-field-12345678mm" }, Case{ 123456789.0, "depth-of-field" },
			      Case{ 1e300, "depth-of-field" }, Case{ 0.0, "depth-of-field" },
			      Case{ -35.0, "depth-of-field" }, Case{ INFINITY, "depth-of-field" } })
		EXPECT_EQ(exportName(c.focal), c.name) << c.focal;
}

// The table a window beside the pages shows: rebuilt at each announced
// change of the settings, while the user works on the real page models.
TEST(LiveTable, FollowsEveryChangeOnThePagesAndInTheDialogsOnce)
{
	testing::HeadlessSheet sheet;
	int changes = 0;
	std::string shown; // the header line, the highlight and the decimals of the hyperfocal distances
	const SettingsSubscription following([&] {
		++changes;
		const DofTable t(currentSettings(), {});
		const std::string hyperfocal = t.hyperfocalText(0);
		const bool highlighted = t.currentRow() >= 0 && t.nearestColumn() >= 0;
		shown = t.headerLine() + "; " +
			(highlighted ? t.rowHeading(t.currentRow()) + " " + t.columnHeading(t.nearestColumn()) : "") +
			"; " + std::to_string(hyperfocal.size() - hyperfocal.find('.') - 1) + " decimals";
	});
	const auto roundTo3 = [] {
		testing::NoHost host;
		RoundingRulesDlg rules;
		testing::HeadlessDialog dialog(rules, host);
		dialog.controls().pick(ids::roundingrules::Other, RoundOther3);
		dialog.controls().click(ui::kIdOk);
	};
	namespace page = ids::page;
	const std::pair<std::function<void()>, const char *> steps[] = {
		{ [&] { sheet.show(static_cast<int>(PageIndex::DepthOfField)); }, "Focal length 50.0 mm" },
		{ [&] { sheet.type(page::FocalLength, "35"); }, "Focal length 35.0 mm" },
		{ [&] { sheet.type(page::Aperture, "8"); }, "f/8 1 m" },
		{ [&] { sheet.type(page::Distance, "4.8"); }, "f/8 5 m" },
		{ [&] { sheet.click(page::UnitFeet); }, "distances in ft" },
		{ [&] { sheet.pick(page::FilmFormat, 2); }, "film format 6 \xC3\x97 4.5" },
		{ [&] { sheet.type(page::CircleOfConfusion, "0.05"); }, "circle of confusion 0.05 mm" },
		{ roundTo3, "3 decimals" },
	};
	for (const auto &[act, expected] : steps) {
		const int before = changes;
		act();
		EXPECT_EQ(changes, before + 1) << expected << ": announced once";
		EXPECT_NE(shown.find(expected), std::string::npos) << shown;
	}
}

} // namespace
} // namespace mirel
