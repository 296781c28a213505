// mirel-calc shows what the pages show: each row drives a page model the way
// a user would and runs the command on the same inputs and rules.
#include <nlohmann/json.hpp>

#include "cli_test_support.h"
// After the settings test support, whose testing::Test is GoogleTest's.
#include "../pages/page_test_support.h"
#include "cli/commands.h"
#include "core/calculators.h"
#include "core/cp1252.h"

namespace mirel::cli {
namespace {

using namespace mirel::testing;
namespace page = ids::page;

struct Result {
	const char *key;
	int id;
};

struct PageOfCommand {
	const char *command;
	int page;
	std::vector<Result> results;
};

const PageOfCommand &pageOf(std::string_view command)
{
	static const std::vector<PageOfCommand> kPages{
		{ "stops", kFNumbers, { { "stops", ids::fnumbers::Stops } } },
		{ "fnumber", kFNumbers, { { "f_number", ids::fnumbers::F2 } } },
		{ "dof",
		  kDepthOfField,
		  { { "near", ids::depthoffield::Near },
		    { "far", ids::depthoffield::Far },
		    { "total", ids::depthoffield::Total } } },
		{ "hyperfocal", kHyperfocal, { { "hyperfocal", ids::hyperfocal::Result } } },
		{ "fov",
		  kFieldOfView,
		  { { "horizontal", ids::fieldofview::Horizontal }, { "vertical", ids::fieldofview::Vertical } } },
		{ "aov",
		  kAngleOfView,
		  { { "horizontal", ids::angleofview::Horizontal },
		    { "vertical", ids::angleofview::Vertical },
		    { "diagonal", ids::angleofview::Diagonal } } },
		{ "mag", kMagnification, { { "magnification", ids::magnification::Result } } },
		{ "spot", kSpotMeter, { { "angle", ids::spotmeter::Result } } },
	};
	return *std::find_if(kPages.begin(), kPages.end(), [&](const auto &p) { return p.command == command; });
}

// One case: the inputs typed (nullptr: left as the page shows them), the
// film format picked (-1: none) and the rules. f Numbers cases type f1 as
// the focal length's place and f2 or the stops as the aperture's.
struct Row {
	const char *command;
	const char *focal, *aperture, *distance, *coc;
	int format;
	const char *percent;
	LengthUnit unit;
	int round, stopsRound;
};

std::string unitName(LengthUnit unit)
{
	return std::string(unitAbbreviation(unit));
}

// The page's texts after the user has typed the row in.
std::vector<std::string> pageTexts(const Row &row)
{
	HeadlessSheet sheet;
	const PageOfCommand &target = pageOf(row.command);
	currentSettings().LengthUnit = row.unit;
	currentSettings().RoundOtherMethod = row.round;
	currentSettings().RoundStopsMethod = row.stopsRound;
	sheet.show(target.page);
	if (target.page == kFNumbers) {
		sheet.type(ids::fnumbers::F1, row.focal);
		if (row.command == std::string_view("stops")) {
			sheet.click(ids::fnumbers::ModeStops);
			sheet.type(ids::fnumbers::F2, row.aperture);
		} else {
			sheet.type(ids::fnumbers::Stops, row.aperture);
		}
	} else {
		const auto has = [&](int id) { return sheet.page(target.page).dialogTemplate().find(id) != nullptr; };
		for (const auto &[id, text] : { std::pair{ page::FocalLength, row.focal },
						{ page::Aperture, row.aperture },
						{ page::Distance, row.distance },
						{ page::CircleOfConfusion, row.coc },
						{ ids::spotmeter::Percent, row.percent } }) {
			if (text && has(id))
				sheet.type(id, text);
		}
		if (row.format >= 0)
			sheet.pick(page::FilmFormat, row.format);
	}
	std::vector<std::string> texts;
	for (const Result &result : target.results)
		texts.push_back(sheet.text(result.id));
	return texts;
}

std::vector<std::string> commandLine(const Row &row)
{
	std::vector<std::string> args{
		row.command,     "--no-settings",
		"--unit",        unitName(row.unit),
		"--round",       row.round ? std::to_string(row.round) : "none",
		"--stops-round", row.stopsRound == 1 ? "half" : row.stopsRound == 2 ? "third" : "none"
	};
	if (pageOf(row.command).page == kFNumbers) {
		args.insert(args.end(), { row.focal, row.aperture });
		return args;
	}
	for (const auto &[option, text] : { std::pair{ "--focal", row.focal },
					    { "--aperture", row.aperture },
					    { "--distance", row.distance },
					    { "--coc", row.coc },
					    { "--percent", row.percent } }) {
		const auto &options = std::find_if(commands().begin(), commands().end(), [&](const Command &c) {
					      return c.name == row.command;
				      })->options;
		if (text && std::find(options.begin(), options.end(), option) != options.end())
			args.insert(args.end(), { option, text });
	}
	if (row.format >= 0)
		args.insert(args.end(), { "--format", std::to_string(row.format) });
	return args;
}

using SameEngine = CalcTest;

TEST_F(SameEngine, EveryCommandShowsThePagesTexts)
{
	using U = LengthUnit;
	const Row rows[] = {
		{ "stops", "2.8", "5.6", nullptr, nullptr, -1, nullptr, U::Metres, 2, 0 },
		{ "stops", "2.8", "4", nullptr, nullptr, -1, nullptr, U::Metres, 2, 2 },
		{ "stops", "8", "4", nullptr, nullptr, -1, nullptr, U::Metres, 2, 1 },
		{ "stops", "11", "16", nullptr, nullptr, -1, nullptr, U::Metres, 2, 1 },
		{ "stops", "0", "4", nullptr, nullptr, -1, nullptr, U::Metres, 2, 0 },
		{ "fnumber", "2.8", "2", nullptr, nullptr, -1, nullptr, U::Metres, 1, 0 },
		{ "fnumber", "2", "-3", nullptr, nullptr, -1, nullptr, U::Metres, 0, 0 },
		{ "fnumber", "2.8", "0.5", nullptr, nullptr, -1, nullptr, U::Metres, 3, 0 },
		{ "fnumber", "-2", "1", nullptr, nullptr, -1, nullptr, U::Metres, 2, 0 },
		{ "dof", "50", "2.8", "2", nullptr, -1, nullptr, U::Metres, 2, 0 },
		{ "dof", "50", "8", "5", "0.03", -1, nullptr, U::Metres, 2, 0 },
		{ "dof", "50", "8", "20", "0.03", -1, nullptr, U::Metres, 2, 0 },
		{ "dof", "85", "1.4", "10", nullptr, 4, nullptr, U::Feet, 2, 0 },
		{ "dof", "24", "11", "150", nullptr, 9, nullptr, U::Centimetres, 2, 0 },
		{ "dof", "50", "10", "10050", "0.025", -1, nullptr, U::Millimetres, 2, 0 },
		{ "dof", "50", "8", "49", "0.03", -1, nullptr, U::Millimetres, 2, 0 },
		{ "hyperfocal", "50", "8", nullptr, "0.03", -1, nullptr, U::Metres, 2, 0 },
		{ "hyperfocal", "50", "8", nullptr, "0.03", -1, nullptr, U::Feet, 1, 0 },
		{ "hyperfocal", "24", "16", nullptr, nullptr, 2, nullptr, U::Inches, 3, 0 },
		{ "hyperfocal", "0", "8", nullptr, nullptr, -1, nullptr, U::Metres, 2, 0 },
		{ "fov", "50", nullptr, "1", nullptr, -1, nullptr, U::Metres, 2, 0 },
		{ "fov", "85", nullptr, "10", nullptr, 4, nullptr, U::Feet, 2, 0 },
		{ "fov", "50", nullptr, "50", nullptr, 9, nullptr, U::Millimetres, 2, 0 },
		{ "fov", "50", nullptr, "0.04", nullptr, -1, nullptr, U::Metres, 2, 0 },
		{ "aov", "50", nullptr, nullptr, nullptr, -1, nullptr, U::Metres, 2, 0 },
		{ "aov", "18", nullptr, nullptr, nullptr, -1, nullptr, U::Metres, 0, 0 },
		{ "aov", "100000", nullptr, nullptr, nullptr, 0, nullptr, U::Metres, 1, 0 },
		{ "aov", "90", nullptr, nullptr, nullptr, 9, nullptr, U::Metres, 3, 0 },
		{ "aov", "-50", nullptr, nullptr, nullptr, -1, nullptr, U::Metres, 2, 0 },
		{ "mag", "50", nullptr, "100", nullptr, -1, nullptr, U::Millimetres, 2, 0 },
		{ "mag", "50", nullptr, "50", nullptr, -1, nullptr, U::Millimetres, 2, 0 },
		{ "mag", "50", nullptr, "1", nullptr, -1, nullptr, U::Metres, 2, 0 },
		{ "mag", "50", nullptr, "49.9", nullptr, -1, nullptr, U::Millimetres, 2, 0 },
		{ "spot", "50", nullptr, nullptr, nullptr, -1, "9.5", U::Metres, 2, 0 },
		{ "spot", "50", nullptr, nullptr, nullptr, -1, "100", U::Metres, 2, 0 },
		{ "spot", "200", nullptr, nullptr, nullptr, 5, "3.5", U::Metres, 2, 0 },
		{ "spot", "50", nullptr, nullptr, nullptr, -1, "0", U::Metres, 2, 0 },
	};
	for (const Row &row : rows) {
		const std::vector<std::string> args = commandLine(row);
		const std::string call = ::testing::PrintToString(args);
		const std::vector<std::string> shown = pageTexts(row);
		std::vector<std::string> jsonArgs(args);
		jsonArgs.insert(jsonArgs.end(), { "--output", "json" });
		const auto json = nlohmann::json::parse(calc(jsonArgs).out);
		const Outcome text = calc(args);
		std::istringstream lines(text.out);
		const auto &results = pageOf(row.command).results;
		bool notAvailable = false;
		for (std::size_t i = 0; i < results.size(); ++i) {
			const std::string expected = utf8FromCp1252(shown[i]);
			EXPECT_EQ(json["results"][results[i].key]["text"], expected) << call;
			std::string line;
			std::getline(lines, line);
			EXPECT_EQ(line.substr(line.find_first_not_of(' ', line.find(':') + 1)), expected) << call;
			notAvailable = notAvailable || shown[i] == mirel::kNotAvailable;
		}
		EXPECT_EQ(text.status, notAvailable ? kUnusable : kDone) << call << text.err;
	}
}

} // namespace
} // namespace mirel::cli
