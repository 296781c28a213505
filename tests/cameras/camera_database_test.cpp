// The camera database over a folder of the tests' own (data/cameras.xml).

#include "cameras/camera_database.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace mirel {
namespace {

const CameraDatabase &fixture()
{
	static const CameraDatabaseLoad load = loadCameraDatabase(MIREL_CAMERA_FIXTURE);
	EXPECT_EQ(load.error, "");
	return *load.database;
}

const Camera *find(std::string_view fullName)
{
	for (const Camera &camera : fixture().cameras()) {
		if (camera.fullName == fullName)
			return &camera;
	}
	return nullptr;
}

// Frames worked out by hand: 3:2 frames are 36 × 24 mm over the crop
// factor; the others from the 36 × 24 mm diagonal, 43.26662 mm.
TEST(CameraDatabase, EachCameraHasItsNamesAndFrame)
{
	struct Row {
		const char *fullName, *maker, *model, *mount;
		double crop, width, height, diagonal;
	};
	for (const Row row : {
		     Row{ "Canon EOS 7D", "Canon", "EOS 7D", "Canon EF-S", 1.62, 22.2222, 14.8148, 26.7078 },
		     Row{ "Nikon Z 6", "Nikon", "Z 6", "Nikon Z", 1.0, 36.0, 24.0, 43.2666 },
		     Row{ "Olympus E-M1MarkII", "Olympus", "E-M1MarkII", "Micro 4/3 System", 2.0, 17.3066, 12.9800,
			  21.6333 },
		     Row{ "Panasonic DMC-LX3 (16:9)", "Panasonic", "DMC-LX3", "panasonicLX3", 4.0, 9.4275, 5.3030,
			  10.8167 },
		     Row{ "Canon PowerShot G7 X (4:3)", "Canon", "PowerShot G7 X (4:3)", "canonG7X", 2.72, 12.7255,
			  9.5441, 15.9068 },
		     Row{ "Test Crop 20", "Test", "Crop 20", "test", 20.0, 1.8000, 1.2000, 2.1633 },
	     }) {
		const Camera *camera = find(row.fullName);
		ASSERT_NE(camera, nullptr) << row.fullName;
		EXPECT_EQ(camera->names.maker, row.maker) << row.fullName;
		EXPECT_EQ(camera->names.model, row.model) << row.fullName;
		EXPECT_EQ(camera->mount, row.mount) << row.fullName;
		EXPECT_EQ(camera->cropFactor, row.crop) << row.fullName;
		EXPECT_NEAR(camera->frame.width, row.width, 1e-4) << row.fullName;
		EXPECT_NEAR(camera->frame.height, row.height, 1e-4) << row.fullName;
		EXPECT_NEAR(camera->frame.diagonal, row.diagonal, 1e-4) << row.fullName;
	}
}

TEST(CameraDatabase, OtherNamesAreThoseWindows1252CanWrite)
{
	struct Row {
		const char *fullName;
		std::vector<std::string> makers, models;
	};
	for (const Row &row : {
		     Row{ "Nikon Z 6", { "Nikon Corporation" }, { "Nikon Z 6" } },
		     Row{ "Olympus E-M1MarkII", { "Olympus Imaging Corp." }, {} },
		     Row{ "KMZ Zenit 122", {}, {} }, // the Russian names
		     Row{ "Samsung Galaxy S8", {}, { "SM-G9500", "SM-G950F" } },
	     }) {
		const Camera *camera = find(row.fullName);
		ASSERT_NE(camera, nullptr) << row.fullName;
		EXPECT_EQ(camera->names.otherMakerNames, row.makers) << row.fullName;
		std::vector<std::string> models = camera->names.otherModelNames;
		std::ranges::sort(models);
		EXPECT_EQ(models, row.models) << row.fullName;
	}
}

TEST(CameraDatabase, EveryNameIsOfferedOnceAndNoAbsurdCropFactor)
{
	std::vector<std::string> names;
	for (const Camera &camera : fixture().cameras())
		names.push_back(camera.fullName);
	EXPECT_EQ(names, (std::vector<std::string>{ "Canon EOS 77D", "Canon EOS 7D", "Canon EOS 7D Mark II",
						    "Canon PowerShot G7 X (4:3)", "Fujifilm X-T3", "KMZ Zenit 122",
						    "Konica Minolta Dynax 7D", "Leica Digilux 2",
						    "Leica Digilux 2 (D-LUX2)", "Nikon Z 6", "Nikon Z 6II",
						    "Olympus E-1", "Olympus E-M1MarkII", "Panasonic DMC-LX3 (16:9)",
						    "Samsung Galaxy S8", "Sony RX100", "Test Crop 20" }));
}

TEST(CameraDatabase, SearchFindsTheObviousCameraFirst)
{
	struct Row {
		const char *text, *first;
		MatchRank rank;
		bool named;
	};
	for (const Row row : {
		     Row{ "z6", "Nikon Z 6", MatchRank::Exact, true },
		     Row{ "Nikon Z-6", "Nikon Z 6", MatchRank::Exact, true },
		     Row{ "nikon corporation z 6", "Nikon Z 6", MatchRank::Exact, true },
		     Row{ "XT3", "Fujifilm X-T3", MatchRank::Exact, true },
		     Row{ "rx100", "Sony RX100", MatchRank::Exact, true },
		     Row{ "dsc-rx100", "Sony RX100", MatchRank::Exact, true },
		     Row{ "sm-g9500", "Samsung Galaxy S8", MatchRank::Exact, true },
		     Row{ "d-lux2", "Leica Digilux 2 (D-LUX2)", MatchRank::Exact, true },
		     Row{ "digilux 2", "Leica Digilux 2", MatchRank::Exact, false },
		     Row{ "7d", "Canon EOS 7D", MatchRank::Words, false }, // and the Dynax 7D
		     Row{ "canon 7d", "Canon EOS 7D", MatchRank::Words, true },
		     Row{ "fuji x-t3", "Fujifilm X-T3", MatchRank::Exact, true },
		     Row{ "7d mark", "Canon EOS 7D Mark II", MatchRank::Prefix, false },
		     Row{ "em1", "Olympus E-M1MarkII", MatchRank::Prefix, false },
		     Row{ "OS 7", "Canon EOS 77D", MatchRank::Part, false },
		     Row{ "7e", "Canon EOS 7D", MatchRank::Near, false },
	     }) {
		const CameraMatches found = fixture().search(row.text);
		ASSERT_FALSE(found.matches.empty()) << row.text;
		EXPECT_EQ(found.matches[0].camera->fullName, row.first) << row.text;
		EXPECT_EQ(found.matches[0].rank, row.rank) << row.text;
		EXPECT_EQ(found.named(), row.named ? found.matches[0].camera : nullptr) << row.text;
	}
}

TEST(CameraDatabase, SearchRanksWholeNamesBeforeLongerOnes)
{
	std::vector<std::string> names;
	for (const CameraMatch &match : fixture().search("7D").matches)
		names.push_back(match.camera->fullName);
	EXPECT_EQ(names, (std::vector<std::string>{ "Canon EOS 7D", "Konica Minolta Dynax 7D", "Canon EOS 7D Mark II",
						    "Canon EOS 77D" }));
	EXPECT_EQ(fixture().search(" - ").matches.size(), fixture().cameras().size());
	EXPECT_TRUE(fixture().search("hasselblad").matches.empty());
}

TEST(CameraDatabase, AFolderWithoutCamerasSaysSo)
{
	const CameraDatabaseLoad load = loadCameraDatabase("/nonexistent/lensfun");
	EXPECT_EQ(load.database, nullptr);
	EXPECT_EQ(load.error, "The camera database (lensfun) in /nonexistent/lensfun holds no camera.");
}

} // namespace
} // namespace mirel
