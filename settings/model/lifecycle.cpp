#include "settings/model/lifecycle.h"

#include "settings/model/built_in_defaults.h"
#include "settings/model/film_formats.h"

namespace mirel {

// Stored values come from a file a user may have edited: a selection or unit
// outside its range would make every later lookup read out of bounds.
void repairLoadedValues(CalcSettings &defaults)
{
	if (defaults.FilmSize >= kFilmFormatCount)
		defaults.FilmSize = 0;
	const auto unit = static_cast<int>(defaults.LengthUnit);
	if (unit < 0 || unit >= kLengthUnitCount)
		defaults.LengthUnit = LengthUnit::Metres;
}

void loadSettingsAtStartup(SettingsStorage *storage)
{
	builtInDefaults();
	remembered() = {};
	if (storage)
		storage->readStored(defaultSettings(), startupPrefs(), remembered());
	repairLoadedValues(defaultSettings());

	// filmCoC is not stored: selecting afresh from "no selection" always
	// recomputes it from the selected format as loaded.
	CalcSettings &defaults = defaultSettings();
	const int selected = defaults.FilmSize;
	defaults.FilmSize = kNoFilmFormat;
	selectFilmFormat(defaults, selected);

	currentSettings() = defaults;
}

void saveSettingsAtExit(SettingsStorage *storage)
{
	if (startupPrefs().FieldsBecomeDefaults)
		defaultSettings() = currentSettings();
	if (storage)
		storage->writeStored(defaultSettings(), startupPrefs(), remembered());
}

} // namespace mirel
