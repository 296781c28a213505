// mirel-calc shows what the pages show: each call runs on the built-in
// settings, and a page model on the same gets the call's values typed in, its
// film format picked and its rules chosen, the way a user would.
#include <map>

#include <nlohmann/json.hpp>

#include "core/calculators.h"
#include "core/cp1252.h"
#include "resources/control_ids.h"
#include "testing/headless_sheet.h"
#include "testing/mirel_calc_runs.h"
#include "testing/pages_by_index.h"

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

// The page's texts after the user has entered the call: options by their
// fields, the arguments of stops and fnumber as f1 and then f2 or the stops.
std::vector<std::string> pageTexts(const std::vector<std::string> &call)
{
	HeadlessSheet sheet;
	CalcSettings &settings = currentSettings();
	const std::map<std::string, int> fields{ { "--focal", page::FocalLength },
						 { "--aperture", page::Aperture },
						 { "--distance", page::Distance },
						 { "--coc", page::CircleOfConfusion },
						 { "--percent", ids::spotmeter::Percent } };
	const int arguments[] = { ids::fnumbers::F1, call[0] == "stops" ? ids::fnumbers::F2 : ids::fnumbers::Stops };
	std::size_t argument = 0;
	std::vector<std::pair<int, std::string>> typed;
	int format = -1;
	for (std::size_t i = 1; i < call.size(); ++i) {
		const std::string &word = call[i];
		if (!word.starts_with("--")) {
			typed.emplace_back(arguments[argument++], word);
			continue;
		}
		const std::string &value = call[++i];
		if (word == "--unit") {
			for (int unit = 0; unit < kLengthUnitCount; ++unit) {
				if (unitAbbreviation(static_cast<LengthUnit>(unit)) == value)
					settings.LengthUnit = static_cast<LengthUnit>(unit);
			}
		} else if (word == "--round") {
			settings.RoundOtherMethod = value == "none" ? 0 : std::stoi(value);
		} else if (word == "--stops-round") {
			settings.RoundStopsMethod = value == "half" ? 1 : value == "third" ? 2 : 0;
		} else if (word == "--format") {
			format = std::stoi(value);
		} else {
			typed.emplace_back(fields.at(word), value);
		}
	}
	const PageOfCommand &target = pageOf(call[0]);
	sheet.show(target.page);
	if (call[0] == "stops")
		sheet.click(ids::fnumbers::ModeStops);
	for (const auto &[id, text] : typed)
		sheet.type(id, text);
	if (format >= 0)
		sheet.pick(page::FilmFormat, format);
	std::vector<std::string> texts;
	for (const Result &result : target.results)
		texts.push_back(sheet.text(result.id));
	return texts;
}

using SameEngine = CalcTest;

TEST_F(SameEngine, EveryCommandShowsThePagesTexts)
{
	const std::vector<std::string> calls[] = {
		{ "stops", "2.8", "5.6", "--stops-round", "none" },
		{ "stops", "2.8", "4", "--stops-round", "third" },
		{ "fnumber", "2.8", "2", "--round", "1" },
		{ "dof", "--focal", "50", "--aperture", "8", "--distance", "5", "--coc", "0.03" },
		{ "dof", "--focal", "50", "--aperture", "8", "--distance", "20", "--coc", "0.03" },
		{ "dof", "--focal", "85", "--aperture", "1.4", "--distance", "10", "--format", "4", "--unit", "ft" },
		{ "hyperfocal", "--focal", "24", "--aperture", "16", "--format", "2", "--unit", "in", "--round", "3" },
		{ "fov", "--focal", "85", "--distance", "10", "--format", "4", "--unit", "ft" },
		{ "aov", "--focal", "90", "--format", "9", "--round", "3" },
		{ "aov", "--focal", "-50" },
		{ "mag", "--focal", "50", "--distance", "100", "--unit", "mm" },
		{ "mag", "--focal", "50", "--distance", "49.9", "--unit", "mm" },
		{ "spot", "--focal", "200", "--percent", "3.5", "--format", "5" },
	};
	for (const std::vector<std::string> &call : calls) {
		std::vector<std::string> args(call);
		args.push_back("--no-settings");
		const std::string shownCall = ::testing::PrintToString(args);
		const std::vector<std::string> shown = pageTexts(call);
		std::vector<std::string> jsonArgs(args);
		jsonArgs.insert(jsonArgs.end(), { "--output", "json" });
		const auto json = nlohmann::json::parse(calc(jsonArgs).out);
		const Outcome text = calc(args);
		std::istringstream lines(text.out);
		const auto &results = pageOf(call[0]).results;
		bool notAvailable = false;
		for (std::size_t i = 0; i < results.size(); ++i) {
			const std::string expected = utf8FromCp1252(shown[i]);
			EXPECT_EQ(json["results"][results[i].key]["text"], expected) << shownCall;
			std::string line;
			std::getline(lines, line);
			EXPECT_EQ(line.substr(line.find_first_not_of(' ', line.find(':') + 1)), expected) << shownCall;
			notAvailable = notAvailable || shown[i] == mirel::kNotAvailable;
		}
		EXPECT_EQ(text.status, notAvailable ? kUnusable : kDone) << shownCall << text.err;
		EXPECT_EQ(text.err.empty(), !notAvailable) << shownCall << text.err;
	}
}

} // namespace
} // namespace mirel::cli
