#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <span>
#include <string>
#include <string_view>

#include "cameras/camera_database.h"

namespace mirel {

// What a photo's metadata says about the shot it was taken with: camera,
// lens, focal length, f-number, focus distance and the frame, each with the
// tag or rule it came from, for the depth of field of a picture already
// taken (shot_results.h). Read with exiv2, which knows JPEG, TIFF, PNG,
// WebP, HEIF and the raw formats (CR2, CR3, CRW, NEF, ARW, RAF, ORF, RW2,
// DNG, PEF and more) with the maker notes of the common makers. Texts are
// Windows-1252; lengths millimetres.

// The text of a figure the photo does not hold.
inline constexpr std::string_view kNotRecorded = "not recorded";

// Cameras measure the focus distance from the lens's focusing ring, in a
// few coarse steps: a guide, not a measurement.
inline constexpr std::string_view kFocusDistanceIsApproximate = "Cameras record the focus distance only approximately.";

// Where a frame came from, and why a recorded figure is none, as patterns
// of their figures (core/sentence.h): "Canon EOS 7D in the camera
// database", "not recorded (Exif.Photo.SubjectDistance is 0/1, which the
// Exif standard defines as unknown)".
inline constexpr std::string_view kFrameFromDatabase = "%1 in the camera database";
inline constexpr std::string_view kFrameFromFocalPlane =
	"%1 \xD7 %2 pixels at the focal-plane resolution of %3 \xD7 %4 pixels per mm";
inline constexpr std::string_view kFrameFromEquivalent =
	"the 35 mm equivalent focal length %1 mm at %2 mm: crop factor %3";
inline constexpr std::string_view kUnknownByExif =
	"not recorded (%1 is %2, which the Exif standard defines as unknown)";
inline constexpr std::string_view kUnknownByMaker = "not recorded (%1 is %2)";
inline constexpr std::array kPhotoPatterns = { kFrameFromDatabase, kFrameFromFocalPlane, kFrameFromEquivalent,
					       kUnknownByExif, kUnknownByMaker };
// The source of a size the picture itself gives.
inline constexpr std::string_view kImageSize = "the image's size";

// Why a photo with no Exif metadata at all cannot be read.
inline constexpr std::string_view kNoExif = "holds no Exif metadata: no camera settings to read";

// A figure of the shot.
struct PhotoFigure {
	// Millimetres for lengths, pixels per millimetre for the focal-plane
	// resolution, the f-number itself; +infinity for a focus distance at
	// infinity; NaN when there is none, and unusable says why.
	double value = std::numeric_limits<double>::quiet_NaN();
	// Where it came from: the tag ("Exif.Photo.FNumber") or "the image's
	// size"; empty when the photo has no tag for it.
	std::string source;
	// Why there is no value: kNotRecorded, or what is wrong with the tag
	// ("Exif.Photo.FNumber is 0/0, no number"); empty when there is one.
	std::string unusable;

	bool known() const { return !std::isnan(value); }
};

// Where the frame, and so the circle of confusion, came from; tried in this
// order.
enum class FrameSource {
	None,
	CameraDatabase,       // the camera by its make and model
	FocalPlaneResolution, // the sensor's pixels per millimetre and the image's size in pixels
	FocalLength35mm,      // the crop factor: 35 mm equivalent / focal length
};

struct PhotoFrame {
	FrameSource source = FrameSource::None;
	double width = std::numeric_limits<double>::quiet_NaN();
	double height = std::numeric_limits<double>::quiet_NaN();
	double diagonal = std::numeric_limits<double>::quiet_NaN();
	// How it was found, for the user ("Canon EOS 7D in the camera
	// database"); empty when there is none.
	std::string how;
	// Why there is none: each source's reason in turn.
	std::string unusable;
};

struct PhotoReading {
	// Why the file could not be read ("is a folder, not a photo"); then
	// everything else is empty.
	std::string error;
	// What was wrong with a file read only in part ("damaged or cut short,
	// read in part: ..."): the figures are those it still held. Empty for
	// a sound file.
	std::string damage;
	std::string make, model, lens; // as the photo writes them; empty when not recorded
	PhotoFigure focalLength, fNumber, focusDistance, focalLength35mm;
	PhotoFigure focalPlaneXResolution, focalPlaneYResolution; // pixels per mm of the sensor
	PhotoFigure pixelWidth, pixelHeight;                      // of the picture the resolution is for
	PhotoFrame frame;
};

// The largest file read: larger than any camera's raw file. A larger file
// is refused before any of it is read.
inline constexpr std::uintmax_t kLargestPhotoFile = std::uintmax_t{ 1 } << 30;
// The largest JPEG, HEIF, CR3, PNG, WebP or JPEG 2000 file read: these
// exiv2 reads part by part, so that the time it takes grows with their size
// (some 15 s for a file of this size made of the smallest parts).
inline constexpr std::uintmax_t kLargestPhotoReadInParts = std::uintmax_t{ 128 } << 20;

// A photo's reading, its frame from the camera database given when it has
// the camera. Only a regular file within the sizes above that begins as an
// image exiv2 reads is read, and then only its metadata: it takes
// milliseconds for a photo of any size, at most seconds for a file made to
// take long, and memory little beyond its size. It may run on any thread,
// several at once (see installedCameraDatabase for its first load).
PhotoReading readPhoto(const std::filesystem::path &file, const CameraDatabaseLoad &cameras);

// The same, of a photo's bytes in memory.
PhotoReading readPhoto(std::span<const unsigned char> bytes, const CameraDatabaseLoad &cameras);

} // namespace mirel
