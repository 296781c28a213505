// The Photo window's model on readings made by hand (readPhoto has tests of
// its own): the texts and sources of a shot, a focus distance typed, the
// list's rows, its copy and CSV, and what "Use on Pages" puts on the pages.
//
// The Canon EOS 7D at 50 mm, f/8, on the tests' camera database: crop
// factor 1.62, frame 22.2222 × 14.8148 mm, diagonal 26.70778 mm, circle
// 26.70778 / 1730 = 0.015438 mm as the pages hold it; H = 50² / (8 ×
// 0.015438) = 20242.26 mm. Focused at 5 m: near H·s / (H + s − f) =
// 4017.555 mm, far H·s / (H − (s − f)) = 6618.466 mm. Focused at 2.5 m
// (typed as "2,5"): near 20242.26 × 2500 / 22692.26 = 2230.084 mm, far
// 20242.26 × 2500 / 17792.26 = 2844.251 mm, total 614.167 mm.

#include <gtest/gtest.h>

#include "photo_tool/photo_list.h"
#include "photo_tool/photo_on_pages.h"
#include "photos/photo_frame.h"
#include "settings/model/film_formats.h"
#include "settings/model/lifecycle.h"
#include "settings/model/records.h"
#include "settings/model/remembered.h"

namespace mirel {
namespace {

const CameraDatabaseLoad &cameras()
{
	static const CameraDatabaseLoad load = loadCameraDatabase(MIREL_CAMERA_FIXTURE);
	return load;
}

PhotoReading canon7D(PhotoFigure distance)
{
	PhotoReading reading;
	reading.make = "Canon";
	reading.model = "Canon EOS 7D";
	reading.focalLength = { 50.0, "Exif.Photo.FocalLength", {} };
	reading.fNumber = { 8.0, "Exif.Photo.FNumber", {} };
	reading.focusDistance = std::move(distance);
	reading.focalLength35mm.unusable = kNotRecorded;
	reading.frame = photoFrame(reading, cameras());
	return reading;
}

const PhotoFigure kAt5m{ 5000.0, "Exif.Photo.SubjectDistance", {} };
const PhotoFigure kNoDistance{ std::numeric_limits<double>::quiet_NaN(), {}, std::string(kNotRecorded) };

TEST(ShotFigures, EachFigureWithItsSourceInThePagesUnit)
{
	const ShotFigures shot = shotFigures(canon7D(kAt5m), LengthUnit::Metres, 2);
	EXPECT_EQ(shot.unusable, "");
	struct Row {
		const char *key, *text, *source;
	};
	for (const Row &row :
	     { Row{ "camera", "Canon EOS 7D", "" }, Row{ "lens", "not recorded", "" },
	       Row{ "focal_length", "50 mm", "Exif.Photo.FocalLength" }, Row{ "f_number", "f/8", "Exif.Photo.FNumber" },
	       Row{ "focus_distance", "5 m", "Exif.Photo.SubjectDistance" },
	       Row{ "equivalent_focal_length", "not recorded", "" },
	       Row{ "frame", "22.22 \xD7 14.81 mm, diagonal 26.71 mm", "Canon EOS 7D in the camera database" },
	       Row{ "coc", "0.015438 mm", "diagonal / 1730, as the pages suggest" }, Row{ "near", "4.017555 m", "" },
	       Row{ "far", "6.618466 m", "" }, Row{ "total", "2.600911 m", "" }, Row{ "hyperfocal", "20.24 m", "" } }) {
		EXPECT_EQ(shot[row.key].text, row.text) << row.key;
		EXPECT_EQ(shot[row.key].source, row.source) << row.key;
	}
	EXPECT_NEAR(shot["frame"].value, 26.70778, 1e-5);
	EXPECT_NEAR(shot["near"].value, 4017.555, 1e-3);
}

TEST(ShotFigures, ADistanceTypedStandsInOnlyForOneNotRecorded)
{
	struct Row {
		PhotoFigure recorded;
		const char *typed;
		const char *distance, *source, *near, *why;
	};
	for (const Row &row : {
		     Row{ kNoDistance, "", "not recorded", "", "n/a", "not recorded" },
		     Row{ kNoDistance, "2,5", "2.5 m", "typed", "2.230084 m", "" },
		     Row{ kNoDistance, " 2.5 ", "2.5 m", "typed", "2.230084 m", "" },
		     Row{ kNoDistance, "2.5m", "2.5 m", "typed", "2.230084 m", "" },
		     Row{ kNoDistance, "far", "n/a", "typed", "n/a",
			  "\x93"
			  "far\x94 is not a distance in m" },
		     Row{ kNoDistance, "0", "n/a", "typed", "n/a",
			  "\x93"
			  "0\x94 is not a distance in m" },
		     Row{ kAt5m, "2,5", "5 m", "Exif.Photo.SubjectDistance", "4.017555 m", "" },
	     }) {
		const ShotFigures shot = shotFigures(
			withTypedDistance(canon7D(row.recorded), row.typed, LengthUnit::Metres), LengthUnit::Metres, 2);
		EXPECT_EQ(shot["focus_distance"].text, row.distance) << row.typed;
		EXPECT_EQ(shot["focus_distance"].source, row.source) << row.typed;
		EXPECT_EQ(shot["focus_distance"].why, row.why) << row.typed;
		EXPECT_EQ(shot["near"].text, row.near) << row.typed;
	}
}

TEST(PhotoList, RowsWhileReadingReadAndUnreadableAndTheirCopyAndCsv)
{
	PhotoList list;
	EXPECT_EQ(list.add("IMG_1.JPG"), 0);
	EXPECT_EQ(list.add("notes, old.txt"), 1);
	EXPECT_EQ(list.add("IMG_2.JPG"), 2);
	EXPECT_TRUE(list.reading());
	EXPECT_EQ(listRow(list, 0, LengthUnit::Metres, 2),
		  (std::vector<std::string>{ "IMG_1.JPG", "reading...", "", "", "", "", "", "", "", "" }));
	list.arrive(0, canon7D(kAt5m));
	PhotoReading unreadable;
	unreadable.error = "not a photo: its first bytes are no image format's";
	list.arrive(1, unreadable);
	list.arrive(2, canon7D(kNoDistance));
	list.typeDistance(2, "2,5");
	EXPECT_FALSE(list.reading());

	EXPECT_EQ(tabSeparatedText(list, LengthUnit::Metres, 2),
		  "File\tCamera\tFocal length\tf-number\tFocus distance\tNear limit\tFar limit\tTotal depth\t"
		  "Hyperfocal distance\tNote\n"
		  "IMG_1.JPG\tCanon EOS 7D\t50 mm\tf/8\t5 m\t4.017555 m\t6.618466 m\t2.600911 m\t20.24 m\t\n"
		  "notes, old.txt\t\t\t\t\t\t\t\t\tnot a photo: its first bytes are no image format's\n"
		  "IMG_2.JPG\tCanon EOS 7D\t50 mm\tf/8\t2.5 m\t2.230084 m\t2.844251 m\t0.614167 m\t20.24 m\t\n");

	const std::string csv = csvText(list, LengthUnit::Metres, 2);
	const std::string heading =
		"File,Camera,Lens,Focal length (mm),Focal length from,f-number,f-number from,Focus distance (mm),"
		"Focus distance from,35 mm equivalent (mm),35 mm equivalent from,Frame (mm),Frame from,"
		"Circle of confusion (mm),Near limit (mm),Far limit (mm),Total depth (mm),Hyperfocal distance (mm),"
		"Note\r\n";
	ASSERT_TRUE(csv.starts_with(heading)) << csv;
	const std::string rows = csv.substr(heading.size());
	// Lengths in full precision: those of the figures above.
	EXPECT_TRUE(rows.starts_with("IMG_1.JPG,Canon EOS 7D,not recorded,50,Exif.Photo.FocalLength,8,"
				     "Exif.Photo.FNumber,5000,Exif.Photo.SubjectDistance,,,26.70"))
		<< rows;
	EXPECT_NE(rows.find("\r\n\"notes, old.txt\",,,,,,,,,,,,,,,,,,not a photo: its first bytes are no image "
			    "format's\r\nIMG_2.JPG,"),
		  std::string::npos)
		<< rows;
	EXPECT_NE(rows.find(",2500,typed,"), std::string::npos) << rows;
}

TEST(PhotoOnPages, TheShotsFiguresAndCameraBecomeThePagesAndWhatTheyCannotTakeIsSaid)
{
	loadSettingsAtStartup(nullptr);
	currentSettings().FilmSize = 2;
	EXPECT_TRUE(usePhotoOnPages(canon7D(kAt5m), cameras()).empty());
	const CalcSettings &pages = currentSettings();
	EXPECT_EQ(pages.FocalLength, 50.0);
	EXPECT_EQ(pages.Aperture, 8.0);
	EXPECT_EQ(pages.FocusDistance, 5000.0);
	EXPECT_EQ(pages.FilmSize, 2);
	EXPECT_EQ(filmName(pages.FilmSizes[2]), "Canon EOS 7D");
	EXPECT_NEAR(pages.filmCoC, 0.015438, 5e-7);
	EXPECT_EQ(remembered().filmCameras[2], "Canon EOS 7D");

	// A camera the database lacks, its frame from the 35 mm equivalent of
	// 75 mm at 50 mm: crop 1.5, 3:2, so 24 × 16 mm; at infinity.
	PhotoReading other = canon7D({ std::numeric_limits<double>::infinity(), "Exif.Photo.SubjectDistance", {} });
	other.make = "Acme";
	other.model = "Acme X1";
	other.focalLength35mm = { 75.0, "Exif.Photo.FocalLengthIn35mmFilm", {} };
	other.frame = photoFrame(other, cameras());
	ASSERT_EQ(other.frame.source, FrameSource::FocalLength35mm);
	currentSettings().FocusDistance = 1234.0;
	const std::vector<Sentence> kept = usePhotoOnPages(other, cameras());
	ASSERT_EQ(kept.size(), 1u);
	EXPECT_EQ(kept.front().text(), "The pages keep their focus distance: the photo's is at infinity.");
	EXPECT_EQ(pages.FocusDistance, 1234.0);
	EXPECT_EQ(filmName(pages.FilmSizes[2]), "Acme X1");
	EXPECT_NEAR(pages.FilmSizes[2].Width, 24.0, 1e-9);
	EXPECT_NEAR(pages.FilmSizes[2].Height, 16.0, 1e-9);
}

} // namespace
} // namespace mirel
