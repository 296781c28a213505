#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cameras/camera.h"
#include "cameras/camera_database.h"
#include "core/sentence.h"
#include "photos/photo_reading.h"

namespace mirel {

// The Photo window's "Use on pages": the photo's focal length, f-number and
// focus distance become the pages', each one it has (a focus distance at
// infinity the pages cannot take), and its camera (the database's, else one made of its names and frame) the pages'
// format, filled into their row of the film table as the camera chooser
// fills it, its circle by the pages' rule. One change of the settings.
// Returns what the pages kept of their own, a sentence each: the first
// kPagesKeepPattern, the others kNorTheirPattern, filled with a word of
// kKeptWords and one of kKeptReasons ("The pages keep their focus distance:
// the photo's is at infinity."); none when they took all four.
std::vector<Sentence> usePhotoOnPages(const PhotoReading &reading, const CameraDatabaseLoad &cameras);

inline constexpr std::string_view kPagesKeepPattern = "The pages keep their %1: %2.";
inline constexpr std::string_view kNorTheirPattern = "Nor their %1: %2.";
inline constexpr std::array<std::string_view, 4> kKeptWords = { "focal length", "aperture", "focus distance",
								"format" };
inline constexpr std::array<std::string_view, 3> kKeptReasons = { "the photo's is at infinity", "the photo has none",
								  "the photo gives no frame" };

} // namespace mirel
