// mirel-calc's answers to calls, as data: the call, its exit status and a
// text its standard output holds. Figures by hand: 50 mm at f/8 with a
// 0.03 mm circle has H = 50² / (8 × 0.03) = 10416.666667 mm.
#include "cli_test_support.h"

namespace mirel::cli {
namespace {

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
		{ with({ "dof", "--distance", "Infinity" }), kDone, "Near:  10.416667 m\n" },
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

TEST_F(Answers, LengthsInFeetAndInches)
{
	// 6 ft 6 in is 1981.2 mm, so 100 / (1981.2 - 100) = 0.053158; 5 ft 10 in
	// is 1778 mm.
	expectAnswers({
		{ { "mag", "--focal", "100", "--distance", "6ft6in" }, kDone, "0.053158" },
		{ { "mag", "--focal", "100", "--distance", "6'6\"" }, kDone, "0.053158" },
		{ { "mag", "--focal", "100", "--distance", "6ft 6in" }, kDone, "0.053158" },
		{ { "plan", "--near", "5' 10\"", "--far", "inf", "--output", "csv" }, kDone, ",1778," },
	});
}

} // namespace
} // namespace mirel::cli
