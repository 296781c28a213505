#include "dialogs/film_presets.h"

#include <array>

#include "core/cp1252.h"
#include "core/number_text.h"

namespace mirel {

namespace {

// Frame sizes as their makers state them: each camera maker's published
// sensor size, or the image on film. "\xD7" is the
// multiplication sign.
// clang-format off
constexpr std::array<FilmPreset, 13> kPresets = { {
	// The 24 × 36 mm frame of 135 film, to which full-frame sensors are
	// made: 36.0 × 24.0 mm from the Canon EOS R5 data sheet.
	{ "Full frame", 36.0, 24.0 },
	// Sony and Fujifilm APS-C (and most Nikon DX): 23.5 × 15.6 mm by the
	// Sony α6400 and Fujifilm X-T4 data sheets.
	{ "APS-C", 23.5, 15.6 },
	// Canon APS-C: 22.3 × 14.9 mm from the Canon EOS 7D and EOS 550D
	// data sheets.
	{ "APS-C Canon", 22.3, 14.9 },
	// Canon APS-H: 27.9 × 18.6 mm from the Canon EOS-1D Mark IV data sheet.
	{ "APS-H", 27.9, 18.6 },
	// The image area of the Four Thirds system, 17.3 × 13.0 mm by the
	// Panasonic Lumix GH5 data sheet.
	{ "Micro 4/3", 17.3, 13.0 },
	// The "1.0-type" sensor, 13.2 × 8.8 mm from the Sony RX100 data sheet.
	{ "1-inch", 13.2, 8.8 },
	// Medium format digital, 43.8 × 32.9 mm from the Fujifilm GFX 100 and
	// Hasselblad X1D data sheets.
	{ "Digital 44 \xD7 33", 43.8, 32.9 },
	// Medium format digital, 53.4 × 40.0 mm from the Phase One IQ4 150MP and
	// Hasselblad H6D-100c data sheets.
	{ "Digital 54 \xD7 40", 53.4, 40.0 },
	// The image on 120 roll film as the camera makers state it: 6 × 4.5,
	// 56 × 41.5 mm from the Mamiya 645 data sheet;
	{ "6 \xD7 4.5", 56.0, 41.5 },
	// 6 × 6, 56 × 56 mm from the Hasselblad V-system and Rolleiflex
	// data sheets;
	{ "6 \xD7 6", 56.0, 56.0 },
	// 6 × 7, 56 × 69.5 mm from the Mamiya RB67 and RZ67 data sheets;
	{ "6 \xD7 7", 56.0, 69.5 },
	// 6 × 9, 56 × 84 mm from the Fujifilm GW690 data sheet.
	{ "6 \xD7 9", 56.0, 84.0 },
	// 4 × 5 in sheet film (about 102 × 127 mm): the image a standard sheet
	// film holder leaves exposed, about 96 × 120 mm, as the makers of view
	// cameras and holders give it.
	{ "4 \xD7 5", 96.0, 120.0 },
} };
// clang-format on

} // namespace

std::span<const FilmPreset> filmPresets()
{
	return kPresets;
}

std::string presetLabel(const FilmPreset &preset)
{
	return utf8FromCp1252(preset.name) + ", " + formatPlain(preset.width) + " \u00d7 " +
	       formatPlain(preset.height) + " mm";
}

} // namespace mirel
