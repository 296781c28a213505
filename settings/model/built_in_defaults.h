#pragma once

#include "settings/model/records.h"

namespace mirel {

// The values Mirel starts from when nothing is stored, and that a stored
// value that cannot be used falls back to.

// The built-in film table, its CoC filled with the suggested values.
std::array<FilmFormat, kFilmFormatCount> builtInFilmFormats();

// The built-in values of the stored records (filmCoC is left 0).
CalcSettings builtInSettings();
StartupPrefs builtInStartupPrefs();

// Fills defaultSettings and startupPrefs with the built-in values; leaves
// currentSettings, activePageIndex and filmCoC alone.
void builtInDefaults();

} // namespace mirel
