#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/units.h"

namespace mirel {

// A film format's name: Windows-1252 text of at most 15 characters,
// NUL-terminated; set it through setFilmName().
using FilmName = std::array<char, 16>;

std::string_view filmName(const FilmName &name);
// Stores text cut to the 15 characters the field holds.
void setFilmName(FilmName &name, std::string_view text);

// One film or sensor format.
struct FilmFormat {
	FilmName Name{};
	double Width = 0.0;  // mm
	double Height = 0.0; // mm
	double CoC = 0.0;    // mm, kept with the format; the pages use filmCoC

	bool operator==(const FilmFormat &) const = default;
};

inline constexpr int kFilmFormatCount = 10;

inline std::string_view filmName(const FilmFormat &format)
{
	return filmName(format.Name);
}
inline void setFilmName(FilmFormat &format, std::string_view text)
{
	setFilmName(format.Name, text);
}

// Index of the film format in FilmSize when none is selected (transient only).
inline constexpr std::uint8_t kNoFilmFormat = 255;

// The settings record, of which there are two instances: defaultSettings
// (what is stored) and currentSettings (what the pages work on). Copied
// between them as a whole.
struct CalcSettings {
	std::int32_t RoundStopsMethod = 0; // RoundStops
	std::int32_t RoundOtherMethod = 0; // RoundOther
	mirel::LengthUnit LengthUnit = mirel::LengthUnit::Millimetres;
	double Aperture = 0.0;      // f-number
	double FocusDistance = 0.0; // mm, whatever unit is shown
	double FocalLength = 0.0;   // mm
	double SpotPercent = 0.0;   // percent of the frame area
	std::array<FilmFormat, kFilmFormatCount> FilmSizes{};
	std::uint8_t FilmSize = 0; // index into FilmSizes
	double filmCoC = 0.0;      // mm, circle of confusion in use; never stored

	bool operator==(const CalcSettings &) const = default;
};

// The pages, in the order of the sheet, the Show menu, Ctrl+1..7 and the
// start-page list.
enum class PageIndex : int {
	FNumbers = 0,
	DepthOfField = 1,
	Hyperfocal = 2,
	FieldOfView = 3,
	AngleOfView = 4,
	Magnification = 5,
	SpotMeter = 6,
};

inline constexpr int kPageCount = 7;

struct StartupPrefs {
	bool StartWithLastForm = false;
	// Page to open on; -1 (stored as the byte 255) for none. Values outside
	// 0..6 open the first page.
	std::int8_t StartupForm = 0;
	bool FieldsBecomeDefaults = false;

	bool operator==(const StartupPrefs &) const = default;
};

// The process-wide records. They live for the whole run.
CalcSettings &currentSettings();
CalcSettings &defaultSettings();
StartupPrefs &startupPrefs();
// PageIndex of the page activated last; 0 at start.
int &activePageIndex();

} // namespace mirel
