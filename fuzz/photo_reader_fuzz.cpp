// Feeds arbitrary bytes to the photo reader as a photo in memory. Whatever
// exiv2 makes of them, the reading must hold together: a figure has a value
// a camera can record or a reason why not, every text is short and without
// control characters, a frame is one a camera can have, and the depth of
// field of the shot never reads "nan" or "inf".
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>

#include "photos/photo_frame.h"
#include "photos/photo_reading.h"
#include "photos/shot_results.h"
#include "photos/tag_text.h"

namespace {

using namespace mirel;

void require(bool holds, const char *what)
{
	if (!holds) {
		std::fprintf(stderr, "photo reader: %s\n", what);
		std::abort();
	}
}

void checkText(std::string_view text)
{
	require(text.size() <= 400, "a text longer than any tag's and its reason");
	for (const char c : text)
		require(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F, "a control character in a text");
}

void checkFigure(const PhotoFigure &figure, bool mayBeInfinite, bool fileRead)
{
	checkText(figure.source);
	checkText(figure.unusable);
	if (!figure.known()) {
		require(!fileRead || !figure.unusable.empty(), "a figure without a value and without a reason");
		return;
	}
	require(fileRead, "a figure of a file not read");
	require(figure.unusable.empty(), "a figure with a value and a reason");
	require(figure.value > 0.0, "a figure not above 0");
	require(std::isfinite(figure.value) || (mayBeInfinite && std::isinf(figure.value)), "an infinite figure");
}

void checkResult(const Result &result)
{
	const std::string &text = result.text;
	require(text.find("nan") == std::string::npos && text.find("inf ") == std::string::npos && text != "inf" &&
			text.find("-inf") == std::string::npos,
		"a result that reads nan or inf");
	checkText(result.text);
}

} // namespace

// What lives as long as the process, loaded before the first input so that
// the leak check does not take it for the input's: the camera database
// (lensfun, glib) and exiv2's set-up.
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
	readPhoto(std::span<const unsigned char>(), installedCameraDatabase());
	return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
	const PhotoReading reading = readPhoto(std::span(data, size), installedCameraDatabase());
	checkText(reading.error);
	checkText(reading.damage);
	for (const std::string *text : { &reading.make, &reading.model, &reading.lens })
		require(text->size() <= kLongestTagText, "a name longer than kept");
	for (const PhotoFigure *figure :
	     { &reading.focalLength, &reading.fNumber, &reading.focalLength35mm, &reading.focalPlaneXResolution,
	       &reading.focalPlaneYResolution, &reading.pixelWidth, &reading.pixelHeight })
		checkFigure(*figure, false, reading.error.empty());
	checkFigure(reading.focusDistance, true, reading.error.empty());

	const PhotoFrame &frame = reading.frame;
	checkText(frame.how);
	if (frame.source == FrameSource::None) {
		require(std::isnan(frame.diagonal), "a frame without a source");
	} else {
		require(frame.width > 0.0 && frame.height > 0.0, "a frame without area");
		require(frame.diagonal > 0.0 && frame.diagonal <= kLargestFrameDiagonal, "a frame no camera has");
	}
	require(reading.error.empty() || frame.source == FrameSource::None, "a frame of a file not read");

	const ShotResults shot = shotResults(reading, LengthUnit::Metres, 2);
	for (const Result *result : { &shot.coc.coc, &shot.near, &shot.far, &shot.total, &shot.hyperfocal })
		checkResult(*result);
	require(shot.unusable.empty() == (shot.near.text != "n/a"), "results and their reason disagree");
	return 0;
}
