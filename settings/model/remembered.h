#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/circle_of_confusion.h"
#include "settings/model/records.h"

namespace mirel {

// Where a window was and how large: the top-left corner of its frame and
// the size inside the frame, in the desktop's logical pixels. A place of
// no size is unknown: the window then chooses its own.
struct WindowPlace {
	std::int32_t left = 0;
	std::int32_t top = 0;
	std::int32_t width = 0;
	std::int32_t height = 0;

	bool known() const { return width > 0 && height > 0; }
	bool operator==(const WindowPlace &) const = default;
};

// What the tool windows keep between runs beside the settings: where each
// window was, and what the user chose in it; and the camera each row of the
// film table was filled from. Kept whether or not the fields become the
// defaults; of the settings dialogs only the film formats editor touches
// it, for the cameras of its rows. Texts are Windows-1252.
struct Remembered {
	// The Depth of Field Table: the columns' subject distances in mm,
	// ascending (none: the set around the focus distance), and rows in
	// third stops rather than whole ones.
	WindowPlace tablePlace;
	std::vector<double> tableDistances;
	bool tableThirdStops = false;

	// The Focus Planner: the nearest and farthest distance that must be
	// sharp, in mm, and whether the far one is infinity instead.
	WindowPlace plannerPlace;
	double plannerNear = 1500.0;
	double plannerFar = 10000.0;
	bool plannerToInfinity = true;

	// The camera each row of the film table was filled from, by its full
	// name ("Canon EOS 7D"); empty for a row typed or chosen otherwise.
	// Whoever changes a row's name or frame by hand clears its camera.
	std::array<std::string, kFilmFormatCount> filmCameras;

	// The Camera chooser: the rule of the circle of confusion it fills a
	// row with, as its number: 1730, 1500 or 1440 (the diagonal over it).
	WindowPlace cameraPlace;
	double cameraRule = static_cast<double>(DiagonalRule::Classic);

	// The Circle of Confusion window: the print as typed or chosen ("A4",
	// "30 x 40 cm"), the distance it is seen from in mm (0: the print's
	// diagonal), the blur the eye accepts at 25 cm in mm, the pixels across
	// the frame (0: none typed) and how many of them the circle spans.
	WindowPlace circlePlace;
	std::string circlePrint = std::string(kPrintSizes[0].name);
	double circleViewing = 0.0;
	double circleEyeBlur = kEyeBlur;
	double circlePixels = 0.0;
	double circlePixelFactor = kPixelFactor;

	// The Focus Stack window: whether it shows the macro stack rather than
	// the landscape one. The landscape stack's nearest and farthest
	// distances in mm, whether the far one is infinity instead, and its
	// overlap in percent of a shot's depth. The macro stack's magnification
	// (or whether it is the pages' lens at their focus distance), the lens's
	// pupil magnification, the subject's depth in mm and the overlap.
	WindowPlace stackPlace;
	bool stackMacro = false;
	double stackNear = 1000.0;
	double stackFar = 10000.0;
	bool stackToInfinity = true;
	double stackOverlap = 0.0;
	double stackMagnification = 1.0;
	bool stackMagnificationFromPages = false;
	double stackPupil = 1.0;
	double stackDepth = 10.0;
	double stackMacroOverlap = 20.0;

	bool operator==(const Remembered &) const = default;
};

// The process-wide record: its built-in values until the settings load.
Remembered &remembered();

} // namespace mirel
