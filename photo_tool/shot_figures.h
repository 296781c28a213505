#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/sentence.h"
#include "core/units.h"
#include "photos/photo_reading.h"

namespace mirel {

// The figures of a photo's shot as the Photo window and mirel-calc photo
// show them: what the photo records, each with where it came from, and the
// depth of field of the shot by the pages' rule, in the display unit and
// rounding given. Texts are Windows-1252.
struct ShotFigure {
	std::string_view key;   // for machines: "focal_length"
	std::string_view label; // for people: "Focal length"
	// The unit of value: "mm" for a length, "" for a plain number or a
	// name.
	std::string_view unit;
	double value;       // NaN when there is none
	std::string text;   // as shown: "50 mm", "f/8", "4.017555 m", "not recorded", "n/a"
	std::string source; // where it came from ("Exif.Photo.FNumber"); empty when it tells nothing
	std::string why;    // why a figure the photo should give has no value; else empty
	bool name = false;  // a name (the camera, the lens): text alone, never a value
	// text as a sentence of figures, for a translation; no pattern when
	// text is a figure or a word alone.
	Sentence sentence = {};
};

// The frame's text: its sides and its diagonal.
inline constexpr std::string_view kFramePattern = "%1 \xD7 %2 mm, diagonal %3 mm";
// The source of the circle of confusion.
inline constexpr std::string_view kCircleSource = "diagonal / 1730, as the pages suggest";

struct ShotFigures {
	// In this order: camera, lens, focal length, f-number, focus distance,
	// 35 mm equivalent focal length, frame (its diagonal the value),
	// circle of confusion, near limit, far limit, total depth, hyperfocal
	// distance.
	std::vector<ShotFigure> figures;
	// Why the depth of field reads "n/a" ("focus distance not recorded");
	// empty when it does not.
	std::string unusable;

	// The figure of key; a key not there is a fault of the caller.
	const ShotFigure &operator[](std::string_view key) const;
};
ShotFigures shotFigures(const PhotoReading &reading, LengthUnit unit, int roundOther);

// The camera as people name it: the model alone when it begins with the
// make ("Canon EOS 7D"), else make and model ("NIKON CORPORATION NIKON
// D800" stays whole: the names are the photo's); kNotRecorded for neither.
std::string cameraText(const PhotoReading &reading);

// The source of a focus distance the user typed.
inline constexpr std::string_view kTypedDistance = "typed";

// The reading with a focus distance the user typed in the display unit, read
// as a page reads its fields (parseNumber: a decimal comma too, "2.5m" is
// 2.5), for a photo that records none: the typed one is then its focus
// distance, its source kTypedDistance. A recorded distance stays; an empty
// text changes nothing; a text that is no distance above 0 leaves none,
// and the figure says why.
PhotoReading withTypedDistance(PhotoReading reading, std::string_view typed, LengthUnit unit);

} // namespace mirel
