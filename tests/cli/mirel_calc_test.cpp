#include <sys/stat.h>

#include <clocale>
#include <locale>

#include <nlohmann/json.hpp>

#include "testing/comma_locale.h"
#include "testing/mirel_calc_runs.h"

// glibc keeps the search path that LOCPATH gives setlocale where the leak
// checker of the sanitizer build cannot see it.
extern "C" const char *__lsan_default_suppressions()
{
	return "leak:__argz_add_sep\n";
}

namespace mirel::cli {
namespace {

using namespace testing;

// A command line and what it must print.
struct Call {
	std::vector<std::string> args;
	const char *message;
};

using MirelCalc = CalcTest;

TEST_F(MirelCalc, BadInputIsRefusedNamingTheOptionWithNothingOnStdout)
{
	for (const Call &row : std::initializer_list<Call>{
		     { { "dof", "--distance", "5q" }, "--distance: '5q' is not a length" },
		     { { "fnumber", "2.8", "one" }, "STOPS: 'one' is not a number of stops" },
		     { { "stops", "f/x", "4" }, "F1: 'f/x' is not an f-number" },
		     { { "table", "--apertures", "2.8,,4" }, "--apertures: '' is not an f-number" },
		     { { "dof", "--unit", "km" }, "--unit: 'km' is not a unit; use mm, cm, m, in or ft" },
		     { { "aov", "--round", "4" }, "--round: '4' is not a rounding; use none, 1, 2 or 3" },
		     { { "mag", "--output", "xml" }, "--output: 'xml' is not an output; use text, json or csv" },
		     { { "dof", "--coc", "0.03", "--format", "1" }, "--coc excludes --format" },
		     { { "stops", "2.8" }, "F2 is required" },
		     { { "dof", "--colour", "red" }, "'--colour' is not an option of dof\n" },
		     { { "dof", "--focal", "5", "20" }, "The following argument was not expected: 20" },
		     { { "plan", "--near", "1.5m" }, "--far: a farthest distance is needed" },
		     { { "depth" }, "'depth' is not a command; use stops, fnumber, dof," },
		     // The nearest name to one mistyped.
		     { { "dof", "--aperure=8" }, "'--aperure' is not an option of dof; did you mean --aperture?\n" },
		     { { "table", "--dist", "1m" }, "'--dist' is not an option of table; did you mean --distances?\n" },
		     { { "--uint", "ft", "plan" }, "'--uint' is not an option of plan; did you mean --unit?\n" },
		     { { "--no-setings" }, "'--no-setings' is not an option; did you mean --no-settings?\n" },
		     { { "dfo", "--focal", "50" }, "'dfo' is not a command; did you mean dof?\n" },
		     { { "tabel" }, "'tabel' is not a command; did you mean table?\n" },
		     { { "fomrats" }, "'fomrats' is not a command; did you mean formats?\n" },
		     { { "bach" }, "'bach' is not a command; did you mean batch?\n" },
		     { {}, "a command is needed; use stops, fnumber, dof," },
	     }) {
		const Outcome outcome = calc(row.args);
		EXPECT_EQ(outcome.status, kRefused) << row.message;
		EXPECT_EQ(outcome.out, "") << row.message;
		EXPECT_NE(outcome.err.find(std::string("mirel-calc: ") + row.message), std::string::npos)
			<< outcome.err;
	}
}

TEST_F(MirelCalc, UnusableInputsReadNotAvailableWithTheReason)
{
	for (const Call &row : std::initializer_list<Call>{
		     { { "dof", "--focal", "50", "--distance", "40mm" },
		       "focus distance is shorter than the focal length" },
		     { { "hyperfocal", "--coc", "-0.03" }, "circle of confusion is not greater than 0" },
		     { { "spot", "--percent", "0%" }, "spot percentage is not greater than 0" },
		     { { "stops", "0", "4" }, "f1 is not greater than 0" },
		     { { "fnumber", "2.8", "5000" }, "the inputs give no finite result" },
		     { { "table", "--focal", "50", "--distances", "2m,30mm" },
		       "focus distance is shorter than the focal length" },
		     { { "plan", "--focal", "50", "--near", "40mm", "--far", "inf" },
		       "nearest distance is not greater than the focal length" },
		     { { "diffraction", "--aperture", "0" }, "aperture is not greater than 0" },
	     }) {
		const Outcome outcome = calc(row.args);
		EXPECT_EQ(outcome.status, kUnusable) << row.message;
		EXPECT_NE(outcome.out.find("n/a"), std::string::npos) << outcome.out;
		EXPECT_EQ(outcome.err, std::string("mirel-calc: ") + row.message + "\n");
	}
}

// A plan's diffraction, one line per stop, is shown in the results' column
// without repeating its label; JSON carries the planner's text whole.
TEST_F(MirelCalc, APlansDiffractionLinesKeepToTheColumn)
{
	const std::vector<std::string> args{ "plan",   "--focal", "24",    "--coc", "0.0163",
					     "--near", "1.5m",    "--far", "inf" };
	std::vector<std::string> json = args;
	json.insert(json.end(), { "--output", "json" });
	const std::string sentences = nlohmann::json::parse(calc(json).out)["results"]["diffraction"]["text"];
	const std::size_t lineBreak = sentences.find('\n');
	ASSERT_NE(lineBreak, std::string::npos) << "f/13 and f/16 each get a line";
	const std::string prefix = "Diffraction: ";
	ASSERT_EQ(sentences.rfind(prefix, 0), 0u);
	ASSERT_EQ(sentences.find(prefix, lineBreak + 1), lineBreak + 1);
	const std::string column = "                   ";
	const std::string shown = calc(args).out;
	EXPECT_NE(shown.find("\n" + prefix + std::string(column.size() - prefix.size(), ' ') +
			     sentences.substr(prefix.size(), lineBreak + 1 - prefix.size()) + column +
			     sentences.substr(lineBreak + 1 + prefix.size()) + "\n"),
		  std::string::npos)
		<< shown;
}

// The figures by hand: the 35mm frame's circle is 43.267 / 1730 =
// 0.02501 mm; H = 50² / (2.8 × 0.02501) = 35700.0057 mm, and the limits
// H·s / (H ± (s − f)) are 1896.414358 mm and 2115.555536 mm.
TEST_F(MirelCalc, JsonReadsBackAsTheInputsAndTheResultsInMillimetres)
{
	const auto json = nlohmann::json::parse(
		calc({ "dof", "--focal", "50", "--aperture", "f/2.8", "--distance", "2m", "--output", "json" }).out);
	EXPECT_EQ(json["inputs"]["focal_length_mm"], 50.0);
	EXPECT_EQ(json["inputs"]["aperture"], 2.8);
	EXPECT_EQ(json["inputs"]["distance_mm"], 2000.0);
	EXPECT_EQ(json["inputs"]["format"], "35mm");
	EXPECT_NEAR(json["inputs"]["coc_mm"].get<double>(), 0.02501, 5e-7);
	EXPECT_NEAR(json["results"]["near"]["value"].get<double>(), 1896.414358, 1e-6);
	EXPECT_NEAR(json["results"]["total"]["value"].get<double>(), 219.141178, 1e-6);
	EXPECT_EQ(json["results"]["far"]["unit"], "mm");
	EXPECT_EQ(json["rules"]["unit"], "m");
	EXPECT_TRUE(json["unusable"].is_null());

	const auto far = nlohmann::json::parse(
		calc({ "dof", "--distance", "50m", "--aperture", "16", "--output", "json" }).out)["results"]["far"];
	EXPECT_EQ(far["text"], "infinity");
	EXPECT_TRUE(far["value"].is_null());
	const auto na = nlohmann::json::parse(calc({ "aov", "--focal", "0", "--output", "json" }).out);
	EXPECT_TRUE(na["results"]["diagonal"]["value"].is_null());
	EXPECT_EQ(na["unusable"], "focal length is not greater than 0");
	const auto angle = nlohmann::json::parse(calc({ "aov", "--output", "json" }).out)["results"]["diagonal"];
	EXPECT_EQ(angle["text"], "46.79\xC2\xB0");
	EXPECT_NEAR(angle["value"].get<double>(), 46.793003, 1e-6); // 2 atan(43.267 / 100)
}

TEST_F(MirelCalc, TableAsCsvHasARowPerApertureAndDistance)
{
	const Outcome outcome = calc({ "table", "--focal", "35", "--coc", "0.03", "--apertures", "2.8,4,f/5.6",
				       "--distances", "1m, 2m,3 m,5m", "--output", "csv" });
	ASSERT_EQ(outcome.status, kDone) << outcome.err;
	const auto lines = csvRows(outcome.out);
	ASSERT_EQ(lines.size(), 1u + 3 * 4);
	EXPECT_EQ(lines[0], (std::vector<std::string>{ "focal_length_mm", "coc_mm", "aperture", "distance_mm",
						       "near_mm", "far_mm", "hyperfocal_mm" }));
	const std::vector<std::string> &last = lines.back();
	EXPECT_EQ(last[2], "5.6");
	EXPECT_EQ(last[3], "5000");
	// H = 35² / (5.6 × 0.03) = 7291.666667 mm; near H·s / (H + s − f) = 2974.571662 mm.
	EXPECT_NEAR(std::stod(last[4]), 2974.571662, 1e-6);
	EXPECT_NEAR(std::stod(last[6]), 7291.666667, 1e-6);
}

// A settings file as Mirel writes it: feet, one decimal place, a lens of
// 85 mm at f/5.6 focused at 3 m, a film table whose first format is the
// user's own, and the 6 × 7 format selected.
constexpr std::string_view kStored =
	"REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Talvern\\Mirel]\r\n"
	"\"RoundStopsMethod\"=dword:00000002\r\n\"RoundOtherMethod\"=dword:00000001\r\n"
	"\"LengthUnit\"=dword:00000004\r\n\"Aperture\"=\"5.600000\"\r\n\"FocusDistance\"=\"3000.000000\"\r\n"
	"\"FocalLength\"=\"85.000000\"\r\n\"SpotPercent\"=\"3.000000\"\r\n\"FilmSize\"=dword:00000004\r\n"
	"\"StartWithLastForm\"=dword:00000001\r\n\"StartupForm\"=dword:ffffffff\r\n"
	"\"FieldsBecomeDefaults\"=dword:00000000\r\n\r\n"
	"[HKEY_CURRENT_USER\\Software\\Talvern\\Mirel\\FilmSizes\\0]\r\n\"Name\"=\"Fuji GFX\"\r\n"
	"\"Width\"=\"43.800000\"\r\n\"Height\"=\"32.900000\"\r\n\"CoC\"=\"0.031000\"\r\n\r\n";

TEST_F(MirelCalc, StoredSettingsAreTheDefaultsAndTheFileIsNeverTouched)
{
	std::filesystem::create_directories(config.path() + "/Talvern");
	writeFile(settingsPath(), kStored);
	struct stat before {};
	::stat(settingsPath().c_str(), &before);

	struct Same {
		std::vector<std::string> stored, given;
	};
	for (const Same &row : std::initializer_list<Same>{
		     { { "dof" },
		       { "dof", "--unit", "ft", "--focal", "85", "--aperture", "5.6", "--distance", "3000mm",
			 "--format", "4" } },
		     { { "hyperfocal", "--output", "json" },
		       { "hyperfocal", "--round", "1", "--unit", "ft", "--focal", "85", "--aperture", "5.6", "--format",
			 "6x7", "--output", "json" } },
		     { { "stops", "2.8", "4" }, { "stops", "2.8", "4", "--stops-round", "third" } },
		     { { "spot", "--format", "fuji gfx" },
		       { "spot", "--focal", "85", "--percent", "3", "--format", "0" } },
	     }) {
		const Outcome stored = calc(row.stored);
		EXPECT_EQ(stored.err, "");
		EXPECT_EQ(stored.out, calc(row.given).out) << row.stored.front();
		EXPECT_EQ(calcProgram(row.stored, {}, scratch.path()).out, stored.out);

		EXPECT_EQ(readFile(settingsPath()), kStored);
		struct stat after {};
		::stat(settingsPath().c_str(), &after);
		EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
		EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
		EXPECT_EQ(filesIn(config.path() + "/Talvern"), std::vector<std::string>{ "Mirel.reg" });
	}
	EXPECT_NE(calc({ "formats" }).out.find("0      Fuji GFX"), std::string::npos);
}

TEST_F(MirelCalc, ADamagedFileGivesOneWarningAndTheValuesThatCouldBeRead)
{
	std::filesystem::create_directories(config.path() + "/Talvern");
	std::string damaged(kStored);
	damaged.insert(damaged.find("\"Aperture\""), "\"Broken=\r\n");
	writeFile(settingsPath(), damaged);
	const Outcome outcome = calc({ "dof" });
	EXPECT_EQ(outcome.status, kDone);
	EXPECT_EQ(outcome.out, calc({ "dof", "--no-settings", "--unit", "ft", "--focal", "85", "--aperture", "5.6",
				      "--distance", "3000mm", "--format", "4" })
				       .out);
	EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 1) << outcome.err;
	EXPECT_EQ(outcome.err.rfind("mirel-calc: warning: " + settingsPath() + ": ", 0), 0u) << outcome.err;
	EXPECT_EQ(readFile(settingsPath()), damaged);
	EXPECT_EQ(filesIn(config.path() + "/Talvern"), std::vector<std::string>{ "Mirel.reg" });
}

// The program itself: the exit status, the texts and the messages of the call
// run in this process, and its help and version.
TEST_F(MirelCalc, TheProgramAnswersAsRunInProcess)
{
	struct Row {
		std::vector<std::string> args;
		int status;
		const char *out;
	};
	for (const Row &row : std::initializer_list<Row>{
		     { { "dof", "--distance", "5q" }, kRefused, "" },
		     { { "aov", "--focal", "0", "--output", "csv" }, kUnusable, "diagonal_deg" },
		     { { "--help" }, kDone, "Usage: mirel-calc [OPTIONS] SUBCOMMAND" },
		     { { "table", "--help" }, kDone, "Example:\n  mirel-calc table --focal" },
		     { { "--version" }, kDone, "mirel-calc 1." },
	     }) {
		const Outcome program = calcProgram(row.args, {}, scratch.path()), inProcess = calc(row.args);
		EXPECT_EQ(program.status, row.status) << row.args.front();
		EXPECT_NE(program.out.find(row.out), std::string::npos) << program.out;
		EXPECT_EQ(program.out, inProcess.out);
		EXPECT_EQ(program.err, inProcess.err);
	}
}

TEST_F(MirelCalc, NumbersArePointDecimalWhateverTheLocale)
{
	ASSERT_TRUE(useCommaLocale(scratch.path())) << "no de_DE.UTF-8 locale, and localedef failed";
	std::setlocale(LC_ALL, "C");

	for (const std::vector<std::string> &args : std::initializer_list<std::vector<std::string>>{
		     { "table", "--apertures", "2.8,8", "--distances", "1.5m,3m", "--output", "csv" },
		     { "aov", "--focal", "35.5", "--output", "json" },
		     { "hyperfocal", "--unit", "ft" } }) {
		const Outcome pointDecimal = calc(args);
		EXPECT_NE(pointDecimal.out.find('.'), std::string::npos);
		std::setlocale(LC_ALL, "de_DE.UTF-8");
		std::locale::global(std::locale("de_DE.UTF-8"));
		EXPECT_EQ(calc(args).out, pointDecimal.out);
		std::locale::global(std::locale::classic());
		std::setlocale(LC_ALL, "C");
		EXPECT_EQ(calcProgram(args, { "LC_ALL=de_DE.UTF-8" }, scratch.path()).out, pointDecimal.out);
	}
	::unsetenv("LOCPATH");
}

} // namespace
} // namespace mirel::cli
