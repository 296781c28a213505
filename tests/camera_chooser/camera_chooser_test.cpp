// The camera chooser's model on the tests' own lensfun folder: what it says
// while the database is on its way, missing, or finds nothing, and what
// choosing a camera does to the film table and the pages.

#include "camera_chooser/camera_chooser.h"

#include <gtest/gtest.h>

#include "core/number_text.h"
#include "settings/model/lifecycle.h"
#include "settings/model/records.h"
#include "settings/model/remembered.h"

namespace mirel {
namespace {

const CameraDatabaseLoad &fixture()
{
	static const CameraDatabaseLoad load = loadCameraDatabase(MIREL_CAMERA_FIXTURE);
	return load;
}

const Camera &camera(std::string_view text)
{
	return *fixture().database->search(text).named();
}

TEST(CameraChooser, SaysWhatStandsInPlaceOfTheList)
{
	struct Row {
		const char *text;
		bool arrived;
		CameraDatabaseLoad load;
		const char *message;
		const char *first; // of the cameras listed; none when empty
	};
	const CameraDatabaseLoad missing{ nullptr, "The camera database (lensfun) is not installed." };
	EXPECT_EQ(CameraChooser().message(), "Loading cameras...");
	for (const Row &row : {
		     Row{ "z6", false, {}, "Loading cameras...", "" },
		     Row{ "z6", true, missing, "The camera database (lensfun) is not installed.", "" },
		     Row{ "z6", true, fixture(), "", "Nikon Z 6" },
		     Row{ "", true, fixture(), "", "Canon EOS 77D" },
		     Row{ "7e", true, fixture(),
			  "No camera matches \x93"
			  "7e\x94; the nearest names:",
			  "Canon EOS 7D" },
		     Row{ "hasselblad", true, fixture(), "No camera matches \x93hasselblad\x94.", "" },
	     }) {
		CameraChooser chooser;
		chooser.search(row.text); // typed while the database is loading
		if (row.arrived)
			chooser.arrive(row.load);
		EXPECT_EQ(chooser.loading(), !row.arrived) << row.text;
		EXPECT_EQ(chooser.message(), row.message) << row.text;
		EXPECT_EQ(chooser.cameras().empty() ? "" : chooser.cameras().front()->fullName, row.first) << row.text;
	}
}

// By hand: the 7D's frame is 36 × 24 mm over 1.62, 22.222 × 14.815 mm, its
// diagonal 26.7078 mm; over 1730 0.0154380, over 1440 0.0185471.
TEST(CameraChooser, ARowSaysNameFrameCropAndCircleByTheRule)
{
	const CameraEntry classic = cameraEntry(camera("Canon EOS 7D"), DiagonalRule::Classic);
	EXPECT_EQ(classic.name, "Canon EOS 7D");
	EXPECT_EQ(classic.frame, "22.22 \xD7 14.81 mm");
	EXPECT_EQ(classic.cropFactor, "1.62");
	EXPECT_EQ(classic.circle, "0.015438 mm");
	EXPECT_EQ(cameraEntry(camera("Canon EOS 7D"), DiagonalRule::Diagonal1440).circle, "0.018547 mm");
	EXPECT_EQ(diagonalRuleOf(1500.0), DiagonalRule::Diagonal1500);
	EXPECT_EQ(diagonalRuleOf(1000.0), DiagonalRule::Classic);
}

// From Tools: the pages' format's row takes the camera in both instances,
// its name beside it, and the pages compute with it: filmCoC is the
// suggested circle, or by another rule the rule's, as typed.
TEST(CameraChooser, ACameraChosenForThePagesTakesTheirFormatsRow)
{
	struct Row {
		DiagonalRule rule;
		double rowCircle, filmCoC;
	};
	for (const Row row : { Row{ DiagonalRule::Classic, 0.0154380, 0.015438027298 },
			       Row{ DiagonalRule::Diagonal1500, 0.0178052, 0.017805 } }) {
		loadSettingsAtStartup(nullptr);
		currentSettings().FilmSize = 3;
		EXPECT_EQ(pagesFormatText(), "format 4, 6 \xD7 6");
		chooseCameraForPages(camera("Canon EOS 7D"), row.rule);
		for (const CalcSettings *settings : { &currentSettings(), &defaultSettings() }) {
			const FilmFormat &format = settings->FilmSizes[3];
			EXPECT_EQ(filmName(format), "Canon EOS 7D");
			EXPECT_NEAR(format.Width, 22.2222, 5e-5);
			EXPECT_NEAR(format.Height, 14.8148, 5e-5);
			EXPECT_NEAR(format.CoC, row.rowCircle, 5e-8);
		}
		EXPECT_EQ(currentSettings().FilmSize, 3);
		EXPECT_NEAR(currentSettings().filmCoC, row.filmCoC, 1e-12);
		EXPECT_EQ(defaultSettings().FilmSize, 0) << "the pages' choice, not a default";
		EXPECT_EQ(remembered().filmCameras[3], "Canon EOS 7D");
		EXPECT_EQ(pagesFormatText(), "format 4, Canon EOS 7D");
	}
}

} // namespace
} // namespace mirel
