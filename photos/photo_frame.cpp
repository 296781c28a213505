#include "photos/photo_frame.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "cameras/camera.h"
#include "core/number_text.h"
#include "core/optics.h"
#include "core/sentence.h"
#include "photos/camera_of_photo.h"

namespace mirel {

namespace {

const double kFullFrameDiagonal = frameDiagonal(36.0, 24.0);

// A figure with two decimals at most, as the texts here show them.
std::string twoDecimals(double value)
{
	return formatPlain(std::round(value * 100.0) / 100.0);
}

// Whether a camera can have a frame of this diagonal.
bool cameraCanHave(double diagonal)
{
	return diagonal > 0.0 && usableCropFactor(kFullFrameDiagonal / diagonal) && diagonal <= kLargestFrameDiagonal;
}

PhotoFrame frame(FrameSource source, double width, double height, std::string how)
{
	return { source, width, height, frameDiagonal(width, height), std::move(how), {} };
}

// Why a frame from a source cannot be a camera's.
std::string noCameraFrame(std::string_view source, double width, double height)
{
	return std::string(source) + " give a frame of " + twoDecimals(width) + " \xD7 " + twoDecimals(height) +
	       " mm, which no camera has";
}

std::optional<PhotoFrame> fromDatabase(const PhotoReading &reading, const CameraDatabaseLoad &cameras, std::string &why)
{
	const CameraOfPhoto found = cameraOfPhoto(cameras, reading.make, reading.model);
	if (found.camera == nullptr) {
		why = found.unusable;
		return std::nullopt;
	}
	const CameraFrame &f = found.camera->frame;
	return PhotoFrame{ FrameSource::CameraDatabase,
			   f.width,
			   f.height,
			   f.diagonal,
			   fillPattern(kFrameFromDatabase, { found.camera->fullName }),
			   {} };
}

std::optional<PhotoFrame> fromFocalPlane(const PhotoReading &reading, std::string &why)
{
	const PhotoFigure &across = reading.focalPlaneXResolution;
	const PhotoFigure &up = reading.focalPlaneYResolution.known() ? reading.focalPlaneYResolution : across;
	for (const PhotoFigure *figure : { &across, &reading.pixelWidth, &reading.pixelHeight }) {
		if (!figure->known()) {
			why = "focal-plane resolution: " + figure->unusable;
			return std::nullopt;
		}
	}
	const double width = reading.pixelWidth.value / across.value;
	const double height = reading.pixelHeight.value / up.value;
	if (!cameraCanHave(frameDiagonal(width, height))) {
		why = noCameraFrame("the focal-plane resolution and the picture's size", width, height);
		return std::nullopt;
	}
	return frame(FrameSource::FocalPlaneResolution, width, height,
		     fillPattern(kFrameFromFocalPlane,
				 { formatPlain(reading.pixelWidth.value), formatPlain(reading.pixelHeight.value),
				   twoDecimals(across.value), twoDecimals(up.value) }));
}

std::optional<PhotoFrame> fromEquivalentFocalLength(const PhotoReading &reading, std::string &why)
{
	for (const PhotoFigure *figure : { &reading.focalLength35mm, &reading.focalLength }) {
		if (!figure->known()) {
			why = "35 mm equivalent: " +
			      std::string(figure == &reading.focalLength ? "focal length " : "") + figure->unusable;
			return std::nullopt;
		}
	}
	const double crop = reading.focalLength35mm.value / reading.focalLength.value;
	const bool sized = reading.pixelWidth.known() && reading.pixelHeight.known();
	const double longSide = sized ? std::max(reading.pixelWidth.value, reading.pixelHeight.value) : 3.0;
	const double shortSide = sized ? std::min(reading.pixelWidth.value, reading.pixelHeight.value) : 2.0;
	const double diagonal = kFullFrameDiagonal / crop;
	const double scale = diagonal / std::hypot(longSide, shortSide);
	if (!cameraCanHave(diagonal)) {
		why = noCameraFrame("the 35 mm equivalent and the focal length", longSide * scale, shortSide * scale);
		return std::nullopt;
	}
	return frame(FrameSource::FocalLength35mm, longSide * scale, shortSide * scale,
		     fillPattern(kFrameFromEquivalent, { formatPlain(reading.focalLength35mm.value),
							 formatPlain(reading.focalLength.value), twoDecimals(crop) }));
}

} // namespace

PhotoFrame photoFrame(const PhotoReading &reading, const CameraDatabaseLoad &cameras)
{
	std::string fromCamera, fromResolution, fromEquivalent;
	if (auto found = fromDatabase(reading, cameras, fromCamera))
		return *found;
	if (auto found = fromFocalPlane(reading, fromResolution))
		return *found;
	if (auto found = fromEquivalentFocalLength(reading, fromEquivalent))
		return *found;
	PhotoFrame none;
	none.unusable = fromCamera + "; " + fromResolution + "; " + fromEquivalent;
	return none;
}

} // namespace mirel
