// mirel-calc photo on photos the test writes: the Canon EOS 7D's shot worked
// out by hand, the exit status of every mix of photos answered, lacking a
// focus distance and unreadable, each output, and a batch.
//
// Canon EOS 7D, 50 mm, f/8, focused at 5 m: crop factor 1.62 gives a frame
// diagonal of 43.26662 / 1.62 = 26.70778 mm and a circle of 26.70778 / 1730
// = 0.015438 mm as the pages hold it; H = 50² / (8 × 0.015438) = 20242.26
// mm; near H·s / (H + s − f) = 4017.555 mm, far H·s / (H − (s − f)) =
// 6618.466 mm.

#include <nlohmann/json.hpp>

#include "testing/mirel_calc_runs.h"
#include "testing/photo_files.h"

namespace mirel::cli {
namespace {

using namespace testing;
using nlohmann::json;

class Photo : public CalcTest
{
protected:
	Photo()
	{
		writePhoto(noDistance, PhotoFormat::Jpeg, canon7DShot());
		writePhoto(focused, PhotoFormat::Jpeg, canon7DShotAt5m());
	}

	Outcome photo(std::vector<std::string> args) const
	{
		args.insert(args.begin(), { "photo", "--no-settings", "--unit", "m" });
		return calc(args);
	}

	const std::string focused = scratch.path() + "/7d.jpg";
	const std::string noDistance = scratch.path() + "/7d-no-distance.jpg";
};

TEST_F(Photo, TheCanon7DShotIsWorkedOutAsByHand)
{
	const Outcome shot = photo({ focused, "--output", "json" });
	ASSERT_EQ(shot.status, kDone) << shot.err;
	const json results = json::parse(shot.out).at("results");
	EXPECT_NEAR(results.at("frame").at("value").get<double>(), 26.70778, 1e-5);
	EXPECT_EQ(results.at("frame_source").at("text"), "Canon EOS 7D in the camera database");
	EXPECT_EQ(results.at("coc").at("text"), "0.015438 mm");
	EXPECT_EQ(results.at("focus_distance").at("text"), "5 m");
	EXPECT_EQ(results.at("focus_distance_source").at("text"), "Exif.Photo.SubjectDistance");
	EXPECT_NEAR(results.at("near").at("value").get<double>(), 4017.555, 1e-3);
	EXPECT_NEAR(results.at("far").at("value").get<double>(), 6618.466, 1e-3);
	EXPECT_NEAR(results.at("total").at("value").get<double>(), 2600.911, 1e-3);
}

TEST_F(Photo, TheExitStatusSaysWhetherEveryPhotoWasAnsweredLackedADistanceOrCouldNotBeRead)
{
	struct Row {
		std::vector<std::string> files;
		int status;
		std::size_t answered;
		std::string err;
	};
	const std::string folder = scratch.path();
	const Row rows[] = {
		{ { focused }, kDone, 1, "" },
		{ { focused, noDistance },
		  kUnusable,
		  2,
		  "mirel-calc: '" + noDistance + "': focus distance not recorded\n" },
		{ { noDistance, folder, focused },
		  kRefused,
		  2,
		  "mirel-calc: '" + folder + "': a folder, not a photo\n" },
	};
	for (const Row &row : rows) {
		std::vector<std::string> args = row.files;
		args.insert(args.end(), { "--output", "json" });
		const Outcome outcome = photo(args);
		EXPECT_EQ(outcome.status, row.status) << row.files.size();
		EXPECT_TRUE(outcome.err.starts_with(row.err)) << outcome.err;
		const json answer = json::parse(outcome.out);
		EXPECT_EQ(answer.contains("rows") ? answer.at("rows").size() : 1, row.answered);
	}
	EXPECT_EQ(json::parse(photo({ noDistance, "--output", "json" }).out)
			  .at("results")
			  .at("focus_distance")
			  .at("text"),
		  "not recorded");
}

TEST_F(Photo, TextAndCsvGiveEachFigureWithItsSourceAndABatchGoesOnPastAFileItCannotRead)
{
	const Outcome text = photo({ focused });
	EXPECT_NE(text.out.find("Focus distance from: Exif.Photo.SubjectDistance\n"), std::string::npos) << text.out;
	EXPECT_NE(text.out.find("Near limit:          4.017555 m\n"), std::string::npos) << text.out;

	const auto csv = csvRows(photo({ focused, noDistance, "--output", "csv" }).out);
	ASSERT_EQ(csv.size(), 3u);
	const std::vector<std::string> &keys = csv[0];
	const auto cell = [&](std::size_t row, const std::string &key) {
		return csv[row].at(static_cast<std::size_t>(std::find(keys.begin(), keys.end(), key) - keys.begin()));
	};
	EXPECT_EQ(cell(1, "focus_distance_mm"), "5000");
	EXPECT_EQ(cell(2, "focus_distance_mm"), "");
	EXPECT_EQ(cell(2, "focus_distance_source"), "not recorded");
	EXPECT_EQ(cell(1, "camera"), "Canon EOS 7D");

	const Outcome batch = calc({ "batch", "--no-settings" }, "photo " + focused + "\nphoto " + scratch.path() +
									 "/none.jpg\nphoto " + focused + "\n");
	EXPECT_EQ(batch.status, kRefused);
	EXPECT_EQ(std::count(batch.out.begin(), batch.out.end(), '#'), 3) << batch.out;
	EXPECT_NE(batch.err.find("line 2: '" + scratch.path() + "/none.jpg'"), std::string::npos) << batch.err;
}

} // namespace
} // namespace mirel::cli
