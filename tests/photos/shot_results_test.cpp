// The depth of field of a photo's shot, against figures worked out by hand:
// Canon EOS 7D, crop factor 1.62, a frame diagonal of 43.26662 / 1.62 =
// 26.70778 mm, circle 26.70778 / 1730 = 0.015438 mm as the pages' field
// holds it; 50 mm at f/8: H = 50² / (8 × 0.015438) = 20242.26 mm; focused
// at 5 m: near H·s / (H + s − f) = 4017.555 mm, far H·s / (H − (s − f)) =
// 6618.466 mm.

#include "photos/shot_results.h"

#include <gtest/gtest.h>

#include "testing/photo_files.h"

namespace mirel {
namespace {

PhotoReading canon7D(std::vector<testing::PhotoTag> distance)
{
	const testing::TempDir dir;
	testing::writePhoto(dir.path() + "/7d.jpg", testing::PhotoFormat::Jpeg, testing::canon7DShot(distance));
	return readPhoto(dir.path() + "/7d.jpg", installedCameraDatabase());
}

TEST(ShotResults, Canon7DFocusedAt5m)
{
	const PhotoReading reading = canon7D({ { "Exif.Photo.SubjectDistance", "5/1" } });
	EXPECT_NEAR(reading.frame.diagonal, 26.70778, 1e-5);
	const ShotResults shot = shotResults(reading, LengthUnit::Metres, 2);
	EXPECT_EQ(shot.unusable, "");
	EXPECT_EQ(shot.coc.coc.text, "0.015438 mm");
	EXPECT_EQ(shot.near.text, "4.017555 m");
	EXPECT_EQ(shot.far.text, "6.618466 m");
	EXPECT_EQ(shot.total.text, "2.600911 m");
	EXPECT_EQ(shot.hyperfocal.text, "20.24 m");
}

TEST(ShotResults, WithoutAFocusDistanceOrAtInfinity)
{
	const ShotResults missing = shotResults(canon7D({}), LengthUnit::Metres, 2);
	EXPECT_EQ(missing.unusable, "focus distance not recorded");
	EXPECT_EQ(missing.near.text, "n/a");
	EXPECT_EQ(missing.hyperfocal.text, "n/a");
	EXPECT_EQ(missing.coc.coc.text, "0.015438 mm");

	const ShotResults infinity =
		shotResults(canon7D({ { "Exif.Photo.SubjectDistance", "4294967295/1" } }), LengthUnit::Millimetres, 2);
	EXPECT_EQ(infinity.near.text, "20242.259360 mm");
	EXPECT_EQ(infinity.far.text, "infinity");
}

} // namespace
} // namespace mirel
