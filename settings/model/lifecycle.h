#pragma once

#include "settings/model/records.h"
#include "settings/model/remembered.h"

namespace mirel {

// Where the settings are kept between runs. The start-up and exit sequences
// call it at one point each; it reports its own failures to the user and
// never throws.
class SettingsStorage
{
public:
	virtual ~SettingsStorage() = default;

	// Overlays what is stored onto the built-in values. Values read before a
	// failure stay; the others keep their built-in values. A remembered
	// value that cannot be read keeps its built-in value, and no failure
	// of the settings comes of it.
	virtual void readStored(CalcSettings &defaults, StartupPrefs &prefs, Remembered &remembered) = 0;

	// Writes the three records.
	virtual void writeStored(const CalcSettings &defaults, const StartupPrefs &prefs,
				 const Remembered &remembered) = 0;
};

// Puts a loaded film selection outside 0..9 back to 0, and a unit outside
// the five to metres.
void repairLoadedValues(CalcSettings &defaults);

// Built-in defaults and remembered values, then the stored ones from storage
// (none when null) with an out-of-range film selection or unit put back in
// range, then a fresh selection of the film format (so filmCoC is its suggested
// value), then defaultSettings copied whole into currentSettings.
void loadSettingsAtStartup(SettingsStorage *storage);

// With FieldsBecomeDefaults set, currentSettings first becomes
// defaultSettings; then defaultSettings, startupPrefs and what the windows
// remember go to storage.
void saveSettingsAtExit(SettingsStorage *storage);

} // namespace mirel
