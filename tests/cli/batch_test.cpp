// mirel-calc batch: each line answered as the same call on the command line
// would be, in the batch's output, bad lines told by number.
#include <filesystem>

#include <nlohmann/json.hpp>

#include "cli/words.h"
#include "testing/mirel_calc_runs.h"

namespace mirel::cli {
namespace {

using namespace testing;
using Batch = CalcTest;

// Lines 1 to 7; 2 and 5 are skipped, 6 cannot be read, 7 reads n/a.
constexpr std::string_view kCalls = "dof --focal 50 --aperture 8 --distance 5m\n"
				    "# a comment\n"
				    "  aov --format \"6 \xC3\x97 7\"\r\n"
				    "hyperfocal --unit ft --coc 0.03\n"
				    "   \n"
				    "dof --distance 5q\n"
				    "mag --focal 50 --distance 40mm\n";
const std::vector<int> kAnswered{ 1, 3, 4, 7 };

std::vector<std::string> callOnLine(int number)
{
	std::string_view rest = kCalls;
	for (int i = 1; i < number; ++i)
		rest.remove_prefix(rest.find('\n') + 1);
	std::string line(rest.substr(0, rest.find('\n')));
	if (line.ends_with('\r'))
		line.pop_back();
	return splitWords(line);
}

std::vector<std::string> with(std::vector<std::string> words, std::initializer_list<std::string> more)
{
	words.insert(words.end(), more);
	return words;
}

TEST_F(Batch, BadLinesAreToldByNumberAndTheBatchGoesOn)
{
	const std::string messages = "mirel-calc: line 6: --distance: '5q' is not a length; use a number with mm, cm, "
				     "m, in or ft (or 6ft6in)\n"
				     "mirel-calc: line 7: focus distance is shorter than the focal length\n";
	for (const char *output : { "text", "json", "csv" }) {
		const Outcome outcome = calc({ "batch", "--output", output }, std::string(kCalls));
		EXPECT_EQ(outcome.status, kRefused) << output;
		EXPECT_EQ(outcome.err, messages) << output;
	}
	std::string readable(kCalls);
	readable.erase(readable.find("dof --distance 5q"), std::string_view("dof --distance 5q\n").size());
	EXPECT_EQ(calc({ "batch" }, readable).status, kUnusable);
	EXPECT_EQ(calc({ "batch" }, "# nothing\n\n").status, kDone);
	struct Row {
		const char *line;
		const char *message;
	};
	for (const Row &row : std::initializer_list<Row>{
		     { "dof --focla 50", "'--focla' is not an option of dof; did you mean --focal?" },
		     { "aov --format \"6 x 7", "a double quote is not closed" },
		     { "dof --output json", "--output" },
		     { "dof --no-settings", "--no-settings" },
		     { "batch", "batch" },
		     { "dof --help", "--help" },
		     { "--version", "--version" },
	     }) {
		const Outcome outcome = calc({ "batch" }, std::string(row.line) + "\nhyperfocal\n");
		EXPECT_EQ(outcome.status, kRefused) << row.line;
		EXPECT_EQ(outcome.err.rfind("mirel-calc: line 1: ", 0), 0u) << outcome.err;
		EXPECT_NE(outcome.err.find(row.message), std::string::npos) << outcome.err;
		EXPECT_EQ(outcome.out, "# line 2: hyperfocal\n" + calc({ "hyperfocal" }).out) << row.line;
	}
}

TEST_F(Batch, TextBlocksAreTheAnswersOfTheSameCalls)
{
	std::string expected;
	for (const int line : kAnswered) {
		std::string shown;
		for (const std::string &word : callOnLine(line))
			shown += (shown.empty() ? "" : " ") + word;
		expected += (expected.empty() ? "" : "\n") + std::string("# line ") + std::to_string(line) + ": ";
		expected += line == 3 ? "aov --format \"6 \xC3\x97 7\"" : shown;
		expected += "\n" + calc(callOnLine(line)).out;
	}
	EXPECT_EQ(calc({ "batch" }, std::string(kCalls)).out, expected);
}

TEST_F(Batch, JsonLinesHoldAnObjectPerCallWithItsLineNumber)
{
	std::istringstream lines(calc({ "batch", "--output", "json" }, std::string(kCalls)).out);
	std::vector<int> numbers;
	for (std::string text; std::getline(lines, text);) {
		nlohmann::json object = nlohmann::json::parse(text);
		ASSERT_TRUE(object["line"].is_number_integer()) << text;
		const int line = object["line"];
		numbers.push_back(line);
		object.erase("line");
		EXPECT_EQ(object, nlohmann::json::parse(calc(with(callOnLine(line), { "--output", "json" })).out))
			<< line;
	}
	EXPECT_EQ(numbers, kAnswered);
}

TEST_F(Batch, CsvHasASectionPerCommandWithItsLinesTagged)
{
	const std::string calls = "dof --coc 0.03\nhyperfocal\ndof --format 1\n";
	const auto rows = csvRows(calc({ "batch", "--output", "csv" }, calls).out);
	const auto dof = csvRows(calc({ "dof", "--coc", "0.03", "--output", "csv" }).out);
	const auto withFormat = csvRows(calc({ "dof", "--format", "1", "--output", "csv" }).out);
	const auto hyperfocal = csvRows(calc({ "hyperfocal", "--output", "csv" }).out);
	using Cells = std::vector<std::string>;
	// dof's heading takes the format column its third line has and its first
	// lacks.
	ASSERT_EQ(rows.size(), 6u);
	EXPECT_EQ(rows[0], (Cells{ "line", "focal_length_mm", "aperture", "distance_mm", "coc_mm", "near_mm", "far_mm",
				   "total_mm", "format" }));
	EXPECT_EQ(withFormat[0], (Cells{ "focal_length_mm", "aperture", "distance_mm", "format", "coc_mm", "near_mm",
					 "far_mm", "total_mm" }));
	EXPECT_EQ(rows[1],
		  (Cells{ "1", dof[1][0], dof[1][1], dof[1][2], dof[1][3], dof[1][4], dof[1][5], dof[1][6], "" }));
	EXPECT_EQ(rows[2], (Cells{ "3", withFormat[1][0], withFormat[1][1], withFormat[1][2], withFormat[1][4],
				   withFormat[1][5], withFormat[1][6], withFormat[1][7], withFormat[1][3] }));
	EXPECT_EQ(rows[3], Cells{ "" });
	Cells heading{ "line" }, row{ "2" };
	heading.insert(heading.end(), hyperfocal[0].begin(), hyperfocal[0].end());
	row.insert(row.end(), hyperfocal[1].begin(), hyperfocal[1].end());
	EXPECT_EQ(rows[4], heading);
	EXPECT_EQ(rows[5], row);
}

TEST_F(Batch, TheBatchsRulesAndSettingsHoldForEveryLineReadOnce)
{
	// A damaged settings file, an 85 mm lens at f/5.6 read from it: one
	// warning for the whole batch.
	std::filesystem::create_directories(config.path() + "/Talvern");
	writeFile(settingsPath(),
		  "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Talvern\\Mirel]\r\n"
		  "\"RoundStopsMethod\"=dword:00000002\r\n\"RoundOtherMethod\"=dword:00000001\r\n"
		  "\"LengthUnit\"=dword:00000003\r\n\"Aperture\"=\"5.600000\"\r\n"
		  "\"FocusDistance\"=\"3000.000000\"\r\n\"FocalLength\"=\"85.000000\"\r\n\"Broken=\r\n");
	const Outcome outcome = calc({ "--unit", "ft", "batch" }, "hyperfocal\nhyperfocal --unit m\nhyperfocal\n");
	EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 1) << outcome.err;
	EXPECT_NE(outcome.err.find("warning"), std::string::npos);
	const std::string feet = calc({ "hyperfocal", "--unit", "ft" }).out,
			  metres = calc({ "hyperfocal", "--unit", "m" }).out;
	// 85² / (5.6 × 0.02501) mm
	EXPECT_EQ(metres, "Hyperfocal distance: 51.6 m\n");
	EXPECT_EQ(outcome.out, "# line 1: hyperfocal\n" + feet + "\n# line 2: hyperfocal --unit m\n" + metres +
				       "\n# line 3: hyperfocal\n" + feet);
	EXPECT_EQ(calc({ "batch", "--no-settings" }, "hyperfocal\n").out,
		  "# line 1: hyperfocal\n" + calc({ "hyperfocal", "--no-settings" }).out);
}

TEST_F(Batch, CallsComeFromAFileNamedOrStandardInput)
{
	const std::string file = scratch.path() + "/calls.txt";
	writeFile(file, kCalls);
	EXPECT_EQ(calc({ "batch", file }).out, calc({ "batch" }, std::string(kCalls)).out);
	const Outcome program = calcProgram({ "batch", "--output", "json", file }, {}, scratch.path());
	EXPECT_EQ(program.status, kRefused);
	EXPECT_EQ(program.out, calc({ "batch", "--output", "json", file }).out);
	const Outcome missing = calc({ "batch", scratch.path() + "/none.txt" });
	EXPECT_EQ(missing.status, kRefused);
	EXPECT_EQ(missing.out, "");
	EXPECT_EQ(missing.err,
		  "mirel-calc: batch: '" + scratch.path() + "/none.txt' cannot be read: No such file or directory\n");
}

} // namespace
} // namespace mirel::cli
