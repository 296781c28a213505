// What machines read: CSV columns of numbers that hold numbers only, and
// JSON that keeps whole numbers whole.
#include <nlohmann/json.hpp>

#include "testing/mirel_calc_runs.h"

namespace mirel::cli {
namespace {

using namespace testing;
using MachineOutput = CalcTest;

// The cell of column key in the first row under the heading.
std::string csvCell(const std::vector<std::string> &args, const std::string &key)
{
	std::vector<std::string> call = args;
	call.insert(call.end(), { "--output", "csv" });
	const auto rows = csvRows(calc(call).out);
	if (rows.size() < 2)
		return "no rows";
	const auto column = std::find(rows[0].begin(), rows[0].end(), key);
	return column == rows[0].end() ? "no column " + key : rows[1][column - rows[0].begin()];
}

TEST_F(MachineOutput, ACsvNumberColumnIsEmptyWhereThereIsNoNumber)
{
	struct Row {
		std::vector<std::string> args;
		const char *key;
		const char *cell; // the whole cell, or the start of a sentence
	};
	for (const Row &row : std::initializer_list<Row>{
		     { { "fnumber", "2.8", "5000" }, "f_number", "" },
		     { { "mag", "--focal", "50", "--distance", "40mm" }, "magnification", "" },
		     { { "diffraction", "--aperture", "0" }, "airy_disk_mm", "" },
		     { { "diffraction", "--aperture", "0" }, "limit", "" },
		     { { "diffraction", "--aperture", "0" }, "diffraction", "n/a" },
		     { { "plan", "--near", "5m", "--far", "2m" }, "f_number", "" },
		     { { "plan", "--near", "5m", "--far", "2m" }, "focus_mm", "" },
		     // Focus at 154.84 mm, H = 1700 mm, so f/196.08 (10000/51) is needed:
		     // past f/64, no stop to suggest.
		     { { "plan", "--focal", "100", "--coc", "0.03", "--near", "150mm", "--far", "160mm" },
		       "whole_stop",
		       "" },
		     { { "plan", "--focal", "100", "--coc", "0.03", "--near", "150mm", "--far", "160mm" },
		       "third_stop",
		       "" },
		     { { "plan", "--focal", "100", "--coc", "0.03", "--near", "150mm", "--far", "160mm" },
		       "diffraction",
		       "Diffraction: f/196.1 blurs" },
		     { { "plan", "--focal", "100", "--coc", "0.03", "--near", "150mm", "--far", "160mm" },
		       "f_number",
		       "196.0784313" },
	     }) {
		const std::string cell = csvCell(row.args, row.key);
		if (*row.cell == '\0')
			EXPECT_EQ(cell, "") << row.args.front() << " " << row.key;
		else
			EXPECT_EQ(cell.rfind(row.cell, 0), 0u) << row.args.front() << " " << row.key << ": " << cell;
	}
}

TEST_F(MachineOutput, JsonWritesAnIndexAsAnInteger)
{
	const auto rows = nlohmann::json::parse(calc({ "formats", "--output", "json" }).out)["rows"];
	ASSERT_EQ(rows.size(), 10u);
	for (int i = 0; i < 10; ++i) {
		EXPECT_TRUE(rows[i]["index"].is_number_integer()) << rows[i]["index"];
		EXPECT_EQ(rows[i]["index"], i);
	}
}

} // namespace
} // namespace mirel::cli
