// mirel-calc with cameras from the installed lensfun database: the figures
// photographers check, from the program itself; a camera where a format
// goes, the same depth of field as the format of its frame; coc by each
// rule; what is refused, and what reads n/a.

#include <cmath>

#include <nlohmann/json.hpp>

#include "cli/commands.h"
#include "testing/mirel_calc_runs.h"

namespace mirel::cli {
namespace {

using namespace testing;
using Cameras = CalcTest;
using nlohmann::json;

// Expected figures as the issue gives them: the 7D's crop 1.620, diagonal
// 26.71 mm and classic circle 0.01544 mm; the E-M1 Mark II's 17.3 × 13.0
// mm within 1 %; 36 × 24 mm at 6000 pixels, k = 2: 0.012 mm; printed
// 8 × 10 in and seen from its diagonal, 0.2 mm at 25 cm: 0.0346 mm.
TEST_F(Cameras, TheFiguresPhotographersCheckComeFromTheProgram)
{
	const auto first = [&](const char *text) {
		const Outcome outcome = calcProgram({ "cameras", text, "--output", "json" }, {}, scratch.path());
		EXPECT_EQ(outcome.status, kDone) << text << outcome.err;
		return json::parse(outcome.out).at("rows").at(0);
	};
	const json eos7d = first("Canon EOS 7D");
	EXPECT_EQ(eos7d.at("model"), "EOS 7D");
	EXPECT_NEAR(eos7d.at("crop_factor").get<double>(), 1.620, 5e-4);
	EXPECT_NEAR(std::hypot(eos7d.at("width_mm").get<double>(), eos7d.at("height_mm").get<double>()), 26.71, 5e-3);
	EXPECT_NEAR(eos7d.at("coc_mm").get<double>(), 0.01544, 5e-6);
	const json em1ii = first("Olympus E-M1 Mark II");
	EXPECT_EQ(em1ii.at("model"), "E-M1MarkII");
	EXPECT_NEAR(em1ii.at("width_mm").get<double>(), 17.3, 0.173);
	EXPECT_NEAR(em1ii.at("height_mm").get<double>(), 13.0, 0.13);

	struct Row {
		std::vector<std::string> args;
		double mm;
	};
	for (const Row &row : { Row{ { "--camera", "Canon EOS 7D", "--rule", "1730" }, 0.01544 },
				Row{ { "--format", "35mm", "--pixels", "6000" }, 0.012 },
				Row{ { "--format", "35mm", "--print", "8x10in" }, 0.0346 } }) {
		std::vector<std::string> args{ "coc", "--output", "json" };
		args.insert(args.end(), row.args.begin(), row.args.end());
		const Outcome outcome = calcProgram(args, {}, scratch.path());
		EXPECT_EQ(outcome.status, kDone) << row.args.at(1) << outcome.err;
		EXPECT_NEAR(json::parse(outcome.out).at("results").at("coc").at("value").get<double>(), row.mm, 5e-5)
			<< row.args.at(3);
	}
}

// The Nikon Z 6's frame is 35mm's; the 7D's circle typed as the pages
// show it is the 7D's own.
TEST_F(Cameras, ACameraGivesTheDepthOfFieldOfTheSameFrameTyped)
{
	struct Row {
		std::vector<std::string> camera, typed;
	};
	for (const Row &row : { Row{ { "--camera", "Nikon Z 6" }, { "--format", "35mm" } },
				Row{ { "--camera", "Canon EOS 7D" }, { "--coc", "0.015438" } } }) {
		const auto results = [](const std::vector<std::string> &frame) {
			std::vector<std::string> args{ "dof", "--no-settings", "--output", "json",       "--focal",
						       "35",  "--aperture",    "5.6",      "--distance", "3m" };
			args.insert(args.end(), frame.begin(), frame.end());
			const Outcome outcome = calc(args);
			EXPECT_EQ(outcome.status, kDone) << outcome.err;
			return json::parse(outcome.out).at("results");
		};
		EXPECT_EQ(results(row.camera), results(row.typed)) << row.camera.at(1);
	}
}

TEST_F(Cameras, RefusedWithTheCandidatesOrNotAvailableWithTheReason)
{
	struct Row {
		std::vector<std::string> args;
		int status;
		const char *message;
	};
	for (const Row &row : std::initializer_list<Row>{
		     { { "dof", "--camera", "7d" },
		       kRefused,
		       "--camera: '7d' fits more than one camera: Canon EOS 7D, Konica Minolta Dynax 7D," },
		     { { "aov", "--camera", "canon eos 7e" },
		       kRefused,
		       "--camera: 'canon eos 7e' names no camera; the nearest: Canon EOS 7D" },
		     { { "fov", "--camera", "qqqqqqqq" },
		       kRefused,
		       "names no camera; 'mirel-calc cameras' lists them" },
		     { { "spot", "--camera", "z6", "--format", "1" }, kRefused, "--camera excludes --format" },
		     { { "hyperfocal", "--coc", "0.03", "--camera", "z6" }, kRefused, "--camera excludes --coc" },
		     { { "coc", "--camera", "z6" }, kRefused, "coc: give one of --rule, --print or --pixels" },
		     { { "coc", "--rule", "1730", "--pixels", "6000" },
		       kRefused,
		       "give one of --rule, --print or --pixels" },
		     { { "coc", "--rule", "1600" }, kRefused, "--rule: '1600' is not a rule; use 1730, 1500 or 1440" },
		     { { "coc", "--print", "A5" }, kRefused, "--print: 'A5' is not a print size" },
		     { { "coc", "--rule", "1500", "--viewing", "1m" }, kRefused, "--viewing goes with --print" },
		     { { "coc", "--pixels", "6000", "--factor", "two" }, kRefused, "--factor: 'two' is not a number" },
		     { { "coc", "--pixels", "0" }, kUnusable, "pixel count is not greater than 0" },
		     { { "coc", "--print", "0x10cm" }, kUnusable, "print width is not greater than 0" },
		     { { "coc", "--print", "A4", "--viewing", "-1m" },
		       kUnusable,
		       "viewing distance is not greater than 0" },
		     { { "coc", "--print", "A4", "--eye-blur", "0" }, kUnusable, "eye blur is not greater than 0" },
		     { { "cameras", "qqqqqqqq" }, kUnusable, "no camera matches 'qqqqqqqq'" },
	     }) {
		const Outcome outcome = calc(row.args);
		EXPECT_EQ(outcome.status, row.status) << row.message;
		EXPECT_NE(outcome.err.find(row.message), std::string::npos) << outcome.err;
	}
}

// The film-format group: every command that takes a format takes a camera.
TEST_F(Cameras, EveryCommandWithAFormatTakesACamera)
{
	for (const Command &command : commands()) {
		const bool format = std::ranges::find(command.options, "--format") != command.options.end();
		const std::string help = calc({ std::string(command.name), "--help" }).out;
		EXPECT_EQ(help.find("--camera TEXT") != std::string::npos, format) << command.name;
	}
}

} // namespace
} // namespace mirel::cli
