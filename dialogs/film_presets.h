#pragma once

#include <span>
#include <string>
#include <string_view>

namespace mirel {

// Today's film and sensor formats, offered by the film formats editor to
// fill a row of the table: their names fit the table (at most 15
// Windows-1252 characters) and their sizes are the real frame sizes.
struct FilmPreset {
	std::string_view name; // Windows-1252
	double width;          // mm
	double height;         // mm
};

std::span<const FilmPreset> filmPresets();

// How the editor's picker lists a preset, UTF-8: "APS-C, 23.5 × 15.6 mm".
std::string presetLabel(const FilmPreset &preset);

} // namespace mirel
