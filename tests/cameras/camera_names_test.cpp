#include "cameras/camera_names.h"

#include <gtest/gtest.h>

namespace mirel {
namespace {

TEST(CameraNames, TheFullNameHasTheMakerOnceAndTheVariantInBrackets)
{
	struct Row {
		const char *maker, *model, *variant, *full;
	};
	for (const Row row : {
		     Row{ "Canon", "EOS 7D", "", "Canon EOS 7D" },
		     Row{ "Kodak", "Kodak DC120", "", "Kodak DC120" },
		     Row{ "Leica Camera AG", "LEICA Q2", "", "Leica Q2" },
		     Row{ "Canon", " EOS  8000D", "", "Canon EOS 8000D" },
		     Row{ "Panasonic", "DMC-LX3", "16:9", "Panasonic DMC-LX3 (16:9)" },
	     }) {
		EXPECT_EQ(cameraFullName(row.maker, row.model, row.variant), row.full) << row.model;
	}
}

// Each row needs the steps up to the one its comment names.
TEST(CameraNames, ALongNameIsShortenedUntilItFits)
{
	struct Row {
		const char *maker, *model, *variant, *shortName;
	};
	for (const Row row : {
		     Row{ "Canon", "EOS 7D", "", "Canon EOS 7D" },                     // fits
		     Row{ "Olympus", "E-M1MarkII", "", "Olympus E-M1 II" },            // Mark
		     Row{ "Canon", "EOS 7D Mark II", "", "Canon EOS 7D II" },          // Mark
		     Row{ "Leica Camera AG", "Leica M (Typ 240)", "", "Leica M 240" }, // brackets
		     Row{ "Canon", "EOS 5D Mark III", "", "Canon 5D III" },            // product line
		     Row{ "Canon", "EOS-1D X Mark II", "", "Canon 1D X II" },          // product line
		     Row{ "Panasonic", "DC-GH5", "", "Panasonic GH5" },                // product line
		     Row{ "Sony", "Alpha 7R III", "", "Sony A7R III" },                // product line
		     Row{ "Canon", "EOS Digital Rebel XTi", "", "Canon Rebel XTi" },   // product line
		     Row{ "Olympus", "E-M10 III", "", "Oly E-M10 III" },               // short maker
		     Row{ "Konica Minolta", "DiMAGE A200", "", "KM A200" },            // short maker
		     Row{ "Samsung", "Galaxy Note 8", "", "Galaxy Note 8" },           // no maker
		     Row{ "Canon", "PowerShot G7 X Mark II", "16:9", "G7 X II 16:9" }, // no maker
		     Row{ "Olympus", "C-4000 Zoom, C-4100 Zoom", "", "C-4000 Zoom" },  // last words
		     Row{ "AEE", "MagiCam SD19 & compatibles", "", "MagiCam SD19" },   // last words
		     Row{ "Test", "Supercalifragilistic", "", "Supercalifragil" },     // cut
	     }) {
		EXPECT_EQ(cameraShortName(row.maker, row.model, row.variant), row.shortName) << row.model;
	}
}

} // namespace
} // namespace mirel
