// mirel-calc's answers to calls, as data: the call, its exit status and a
// text its standard output holds. Figures by hand: 50 mm at f/8 with a
// 0.03 mm circle has H = 50² / (8 × 0.03) = 10416.666667 mm.
#include "cli/commands.h"
#include "testing/mirel_calc_runs.h"

namespace mirel::cli {
namespace {

using namespace testing;
using Answers = CalcTest;

struct Answer {
	std::vector<std::string> args;
	int status;
	const char *out; // a part of standard output
};

void expectAnswers(std::initializer_list<Answer> rows)
{
	for (const Answer &row : rows) {
		const Outcome outcome = calc(row.args);
		std::string call;
		for (const std::string &word : row.args)
			call += word + " ";
		EXPECT_EQ(outcome.status, row.status) << call << outcome.err;
		EXPECT_NE(outcome.out.find(row.out), std::string::npos) << call << "\n" << outcome.out;
	}
}

TEST_F(Answers, DistancesMayBeInfinite)
{
	const std::vector<std::string> lens{ "--focal", "50", "--aperture", "8", "--coc", "0.03" };
	const auto with = [&](std::vector<std::string> args) {
		args.insert(args.end(), lens.begin(), lens.end());
		return args;
	};
	expectAnswers({
		{ with({ "dof", "--distance", "inf" }), kDone,
		  "Near:  10.416667 m\nFar:   infinity\nTotal: infinite\n" },
		{ with({ "dof", "--distance", "inf", "--unit", "ft" }), kDone, "Near:  34.175416 ft\n" },
		{ with({ "dof", "--distance", "inf", "--output", "json" }), kDone, "\"distance_mm\": null" },
		{ { "dof", "--distance", "inf", "--focal", "0" }, kUnusable, "Near:  n/a" },
		{ { "table", "--focal", "50", "--coc", "0.03", "--apertures", "8", "--distances", "2m,inf" },
		  kDone,
		  "f/8       infinity  10.416667 m  infinity" },
		{ { "table", "--focal", "50", "--coc", "0.03", "--apertures", "8", "--distances", "inf", "--output",
		    "csv" },
		  kDone,
		  "50,0.03,8,inf,10416.66666666666" },
		{ { "plan", "--focal", "24", "--coc", "0.0163", "--near", "1.5m", "--far", "INF" },
		  kDone,
		  "Focus at:          3.00 m\n" },
	});
}

// Stacks and the sharpest aperture, by hand. Macro at m = 1, f/16, P = 1,
// c = 0.03 mm: Ne = 16 × (1 + 1/1) = 32, one shot holds 2 × 0.03 × 32 / 1² =
// 1.92 mm, steps of 1.92 × (1 − 0.2) = 1.536 mm, and 1.92 + 6 × 1.536 ≥ 10 mm
// > 1.92 + 5 × 1.536: 7 shots. Landscape at 24 mm, f/8, c = 0.03 mm: H =
// 2400 mm; focused at 1000 × 2376 / 1400 = 1697 mm the zone is 1000 to
// 5604 mm, then H + f = 2424 mm holds 1212 mm to infinity. Sharpest for
// 24 mm from 1.5 m to infinity, focused at 3 m: defocus 24² / (3000 − 24) =
// 0.19355 mm / N at both ends, diffraction 2.44 × 0.00055 = 0.001342 mm × N,
// least at N = √(0.19355 / 0.001342) = 12.01, where the blur is
// √(2 × 0.19355 × 0.001342) = 0.0228 mm, 0.0228 / 0.03 = 0.76 × the circle.
TEST_F(Answers, StacksAndTheSharpestAperture)
{
	const std::vector<std::string> landscape{ "stack", "--near",     "1m", "--far", "inf", "--focal",
						  "24",    "--aperture", "8",  "--coc", "0.03" };
	const auto with = [](std::vector<std::string> args, std::initializer_list<std::string> more) {
		args.insert(args.end(), more);
		return args;
	};
	expectAnswers({
		{ { "stack", "--magnification", "1", "--aperture", "16", "--coc", "0.03", "--depth", "10mm",
		    "--overlap", "20%" },
		  kDone,
		  "Effective aperture: f/32\nDepth per shot:     1.920 mm\nRail step:          1.536 mm\n"
		  "Shots:              7 shots\n" },
		{ { "stack", "--focal", "48", "--distance", "96mm", "--aperture", "16", "--coc", "0.03", "--depth",
		    "1cm", "--overlap", "20" },
		  kDone,
		  "Shots:              7 shots\n" },
		{ landscape, kDone, "1 of 2  1.70 m    1.00 m      5.60 m\n2 of 2  2.42 m    1.21 m      infinity\n" },
		{ with(landscape, { "--output", "csv" }), kDone, ",2,2424,1212,inf\n" },
		{ with(landscape, { "--overlap", "100" }), kUnusable, "Shots:      n/a\n" },
		{ { "stack", "--near", "1m", "--far", "0.5m" }, kUnusable, "Focus at:   n/a\n" },
		{ { "stack", "--magnification", "1", "--near", "1m", "--depth", "10" }, kRefused, "" },
		{ { "stack", "--magnification", "1" }, kRefused, "" },
		{ { "stack", "--magnification", "0", "--depth", "10" }, kUnusable, "Effective aperture: n/a\n" },
		{ { "plan", "--focal", "24", "--coc", "0.03", "--near", "1.5m", "--far", "inf" },
		  kDone,
		  "Sharpest at:       f/12.01\nBlur there:        22.8 \xC2\xB5m\n"
		  "That is:           0.76 \xC3\x97 the circle of confusion\n" },
	});
}

// Every input of every command at the ends of the doubles, alone and as the
// issue that found them gave them: no text reads nan or inf, and a result
// that reads n/a exits 1.
TEST_F(Answers, AbsurdMagnitudesReadAsNumbersOrNotAvailable)
{
	std::vector<std::vector<std::string>> calls{
		{ "plan", "--focal", "1e160", "--near", "3e160mm", "--far", "1e161mm" },
		{ "plan", "--focal", "1e200", "--near", "2e200mm", "--far", "inf" },
		{ "plan", "--focal", "1e160", "--coc", "1e200", "--near", "3e160mm", "--far", "1e161mm" },
		{ "plan", "--near", "1e308mm", "--far", "inf" },
		{ "plan", "--near", "1m", "--far", "1.7e308mm" },
		{ "dof", "--distance", "inf", "--coc", "1e-320" },
	};
	for (const Command &command : commands()) {
		if (command.name == "cameras")
			continue; // finds cameras by name: there is no number to take
		std::vector<std::string> base{ std::string(command.name) };
		if (command.name == "plan" || command.name == "stack")
			base.insert(base.end(), { "--near", "2m", "--far", "inf" });
		for (const std::string_view argument : command.arguments)
			base.push_back(argument == "STOPS" ? "1" : "2.8");
		for (const char *value : { "1e308", "1.7e308", "1e-308", "5e-324", "1e160", "1e-160", "-1e308", "0" }) {
			for (std::size_t i = 0; i < command.arguments.size(); ++i) {
				calls.push_back(base);
				calls.back()[calls.back().size() - command.arguments.size() + i] = value;
			}
			for (const std::string_view option : command.options) {
				if (option == "--format")
					continue;
				calls.push_back(base);
				const auto given = std::find(calls.back().begin(), calls.back().end(), option);
				if (given != calls.back().end())
					given[1] = std::string(value) + "mm";
				else
					calls.back().insert(calls.back().end(), { std::string(option), value });
			}
		}
	}
	int answered = 0;
	for (const std::vector<std::string> &call : calls) {
		const Outcome outcome = calc(call);
		if (outcome.status == kRefused)
			continue;
		++answered;
		std::string words = outcome.out;
		for (const char *meant : { "infinity", "infinite" })
			for (std::size_t at; (at = words.find(meant)) != std::string::npos;)
				words.erase(at, std::string_view(meant).size());
		std::string shown;
		for (const std::string &word : call)
			shown += word + " ";
		EXPECT_EQ(words.find("nan"), std::string::npos) << shown << "\n" << outcome.out;
		EXPECT_EQ(words.find("inf"), std::string::npos) << shown << "\n" << outcome.out;
		EXPECT_EQ(outcome.out.find("n/a") != std::string::npos, outcome.status == kUnusable)
			<< shown << "\n"
			<< outcome.out << outcome.err;
	}
	EXPECT_GT(answered, 200) << "of " << calls.size();
}

} // namespace
} // namespace mirel::cli
