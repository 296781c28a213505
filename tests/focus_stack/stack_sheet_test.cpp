// The Focus Stack window's model: the inputs as typed, read strictly with
// the reason for a text that is no number, the plans for the pages' lens,
// and each plan as lines, copied text and CSV.
//
// Figures by hand. Landscape, 24 mm at f/8, c = 0.03 mm: H = 24² / (8 ×
// 0.03) = 2400 mm. The first shot's near limit is 1000 mm, so it is focused
// at 1000 × (2400 − 24) / (2400 − 1000) = 1697.142857 mm, whose far limit is
// 2400 × 1697.142857 / (2400 − 1673.142857) = 5603.773585 mm; that is past
// (H + f) / 2 = 1212 mm, the near limit of the focus H + f = 2424 mm, which
// reaches infinity and is the last. Macro at m = 1, f/16, P = 1: Ne = 32,
// one shot holds 2 × 0.03 × 32 / 1 = 1.92 mm, the rail moves 1.92 × 0.8 =
// 1.536 mm, and 1.92 + 6 × 1.536 = 11.136 ≥ 10 > 1.92 + 5 × 1.536 = 9.6, so
// 7 shots, the last at 6 × 1.536 = 9.216 mm.

#include "focus_stack/stack_sheet.h"

#include <cmath>
#include <limits>
#include <sstream>

#include <gtest/gtest.h>

#include "core/number_text.h"
#include "core/stops.h"
#include "settings/model/lifecycle.h"
#include "settings/model/records.h"
#include "settings/model/remembered.h"

namespace mirel {
namespace {

using Input = StackInputs::Input;
using Mode = StackInputs::Mode;

class StackSheetTest : public ::testing::Test
{
protected:
	void SetUp() override
	{
		initStopMath();
		loadSettingsAtStartup(nullptr);
		remembered() = Remembered{};
		CalcSettings &s = currentSettings();
		s.FocalLength = 24.0;
		s.Aperture = 8.0;
		s.filmCoC = 0.03;
		s.LengthUnit = LengthUnit::Metres;
	}
};

std::vector<std::vector<double>> csvNumbers(const std::string &csv)
{
	std::vector<std::vector<double>> rows;
	std::istringstream lines(csv);
	std::string line;
	std::getline(lines, line); // the headings
	while (std::getline(lines, line)) {
		if (line.ends_with('\r'))
			line.pop_back();
		std::vector<double> &row = rows.emplace_back();
		std::istringstream cells(line);
		for (std::string cell; std::getline(cells, cell, ',');)
			row.push_back(cell == "inf" ? std::numeric_limits<double>::infinity()
						    : parseStoredNumber(cell));
	}
	return rows;
}

TEST_F(StackSheetTest, ALandscapeStackAsLinesCopiedTextAndCsv)
{
	StackInputs inputs;
	inputs.setMode(Mode::Landscape);
	inputs.setText(Input::Near, "1");
	inputs.setText(Input::Far, " Infinity ");
	inputs.setText(Input::Overlap, "0");
	EXPECT_TRUE(remembered().stackToInfinity);
	EXPECT_EQ(copyText(stackSheet(inputs)), "Landscape focus stack\n"
						"For a 24 mm lens at f/8 on 35mm, circle of confusion 0.03 mm, as "
						"on the pages\n"
						"Sharp from 1 m to infinity, overlap 0%\n"
						"2 shots\n"
						"\n"
						"Shot\tFocus at\tSharp from\tSharp to\n"
						"1\t1.70 m\t1.00 m\t5.60 m\n"
						"2\t2.42 m\t1.21 m\tinfinity\n");
	const auto rows = csvNumbers(stackCsv(inputs));
	ASSERT_EQ(rows.size(), 2u);
	const double inf = std::numeric_limits<double>::infinity();
	const std::vector<std::vector<double>> expected = {
		{ 24, 8, 0.03, 1000, inf, 0, 1, 1697.142857, 1000, 5603.773585 },
		{ 24, 8, 0.03, 1000, inf, 0, 2, 2424, 1212, inf },
	};
	for (std::size_t r = 0; r < rows.size(); ++r) {
		ASSERT_EQ(rows[r].size(), expected[r].size());
		for (std::size_t c = 0; c < rows[r].size(); ++c) {
			if (std::isinf(expected[r][c]))
				EXPECT_EQ(rows[r][c], expected[r][c]) << r << "," << c;
			else
				EXPECT_NEAR(rows[r][c], expected[r][c], 1e-6) << r << "," << c;
		}
	}
}

TEST_F(StackSheetTest, AMacroStackFromTheTypedOrThePagesMagnification)
{
	currentSettings().Aperture = 16.0;
	StackInputs inputs;
	inputs.setMode(Mode::Macro);
	for (const auto &[input, text] : { std::pair{ Input::Magnification, "1" },
					   { Input::Pupil, "1" },
					   { Input::Depth, "10" },
					   { Input::MacroOverlap, "20" } })
		inputs.setText(input, text);
	const std::string expected = "Effective aperture: f/32\n"
				     "Depth per shot: 1.920 mm\n"
				     "Rail step: 1.536 mm\n"
				     "Shots: 7 shots\n";
	const std::string lastShot = "7\t9.216 mm\n";
	// Typed; then from the pages: 48 mm focused at 96 mm is 48 / (96 − 48) = 1.
	const std::string typed = copyText(stackSheet(inputs));
	EXPECT_NE(typed.find(expected), std::string::npos) << typed;
	EXPECT_TRUE(typed.ends_with(lastShot)) << typed;
	currentSettings().FocalLength = 48.0;
	currentSettings().FocusDistance = 96.0;
	inputs.setText(Input::Magnification, "not read while the pages' is used");
	inputs.setMagnificationFromPages(true);
	const std::string fromPages = copyText(stackSheet(inputs));
	EXPECT_NE(fromPages.find("Magnification 1, pupil magnification 1, subject 10 mm deep, overlap 20%"),
		  std::string::npos)
		<< fromPages;
	EXPECT_NE(fromPages.find(expected), std::string::npos) << fromPages;

	const auto rows = csvNumbers(stackCsv(inputs));
	ASSERT_EQ(rows.size(), 1u);
	// m, N, P, c, depth, overlap, Ne, depth per shot, step, shots, Airy disk
	// 2.44 × 0.00055 × 32 = 0.042944 mm.
	const std::vector<double> macro = { 1, 16, 1, 0.03, 10, 20, 32, 1.92, 1.536, 7, 0.042944 };
	ASSERT_EQ(rows[0].size(), macro.size());
	for (std::size_t c = 0; c < macro.size(); ++c)
		EXPECT_NEAR(rows[0][c], macro[c], 1e-9) << c;
}

// A text that is no number names its field; a number the plan cannot use
// gives the engine's reason; either way no table, and CSV without results.
// A decimal comma reads as the pages read it.
TEST_F(StackSheetTest, InputsThatGiveNoPlanSayWhy)
{
	struct Row {
		Mode mode;
		Input input;
		const char *typed;
		std::string_view reason;
	};
	for (const Row &row : {
		     Row{ Mode::Landscape, Input::Near, "near", kNearIsNoNumber },
		     Row{ Mode::Landscape, Input::Far, "far away", kFarIsNoNumber },
		     Row{ Mode::Landscape, Input::Near, "0,02",
			  "nearest distance is not greater than the focal length" },
		     Row{ Mode::Landscape, Input::Overlap, "100", "overlap is not less than 100%" },
		     Row{ Mode::Macro, Input::Depth, "", kDepthIsNoNumber },
		     Row{ Mode::Macro, Input::Pupil, "0", "pupil magnification is not greater than 0" },
		     Row{ Mode::Macro, Input::Magnification, "-1", "magnification is not greater than 0" },
		     Row{ Mode::Macro, Input::Depth, "1000", "the plan would need more than 100 shots" },
	     }) {
		remembered() = Remembered{}; // each row on the inputs as they are at first
		StackInputs inputs;
		inputs.setMode(row.mode);
		inputs.setText(row.input, row.typed);
		const StackSheet sheet = stackSheet(inputs);
		EXPECT_EQ(sheet.lines.back(), "No plan: " + std::string(row.reason) + ".") << row.typed;
		EXPECT_TRUE(sheet.table.empty()) << row.typed;
		const std::string csv = stackCsv(inputs);
		EXPECT_TRUE(csv.ends_with(row.mode == Mode::Landscape ? ",,,,\r\n" : ",,,,,\r\n")) << csv;
	}
}

} // namespace
} // namespace mirel
