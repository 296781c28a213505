// The installed lensfun database (liblensfun-data-v1), for the figures
// photographers check.

#include <algorithm>

#include <gtest/gtest.h>

#include "cameras/camera_database.h"
#include "core/circle_of_confusion.h"

namespace mirel {
namespace {

const CameraDatabase &installed()
{
	const CameraDatabaseLoad &load = installedCameraDatabase();
	EXPECT_EQ(load.error, "");
	return *load.database;
}

const Camera &named(std::string_view text)
{
	const Camera *camera = installed().search(text).named();
	EXPECT_NE(camera, nullptr) << text;
	return camera != nullptr ? *camera : installed().cameras().front();
}

TEST(InstalledCameraDatabase, TheReferenceCamerasHaveTheirFrames)
{
	const Camera &eos7d = named("Canon EOS 7D");
	EXPECT_EQ(eos7d.cropFactor, 1.62);
	EXPECT_NEAR(eos7d.frame.diagonal, 26.71, 0.005);
	EXPECT_NEAR(diagonalRuleCoC(eos7d.frame.width, eos7d.frame.height, DiagonalRule::Classic).coc.value, 0.01544,
		    5e-6);

	const Camera &em1ii = named("Olympus E-M1 Mark II");
	EXPECT_EQ(em1ii.cropFactor, 2.0);
	EXPECT_EQ(em1ii.mount, "Micro 4/3 System");
	EXPECT_NEAR(em1ii.frame.width, 17.3, 0.173);
	EXPECT_NEAR(em1ii.frame.height, 13.0, 0.13);
}

TEST(InstalledCameraDatabase, TheObviousCameraComesFirst)
{
	struct Row {
		const char *text, *first;
	};
	for (const Row row : { Row{ "7d", "Canon EOS 7D" }, Row{ "z6", "Nikon Z 6" }, Row{ "xt3", "Fujifilm X-T3" },
			       Row{ "rx100", "Sony RX100" } }) {
		const CameraMatches found = installed().search(row.text);
		ASSERT_FALSE(found.matches.empty()) << row.text;
		EXPECT_EQ(found.matches[0].camera->fullName, row.first) << row.text;
	}
}

// Each step of the shortening is CameraNames.ALongNameIsShortenedUntilItFits's,
// on these cameras' names; here, that the database's names take them.
TEST(InstalledCameraDatabase, LongNamesAreShortenedRecognisably)
{
	struct Row {
		const char *fullName, *shortName;
	};
	for (const Row row : {
		     Row{ "Olympus E-M1MarkII", "Olympus E-M1 II" },
		     Row{ "Konica Minolta Dynax 7D", "KM Dynax 7D" },
		     Row{ "Fujifilm FinePix F810 (widescreen mode)", "F810 widescreen" },
	     }) {
		const auto &cameras = installed().cameras();
		const auto camera = std::ranges::find(cameras, std::string_view(row.fullName), &Camera::fullName);
		ASSERT_NE(camera, cameras.end()) << row.fullName;
		EXPECT_EQ(camera->shortName, row.shortName) << row.fullName;
	}
	for (const Camera &camera : installed().cameras())
		EXPECT_TRUE(!camera.shortName.empty() && camera.shortName.size() <= 15) << camera.fullName;
}

} // namespace
} // namespace mirel
