#pragma once

#include <optional>
#include <string>
#include <vector>

#include "settings/model/records.h"
#include "settings/registry/registry_key.h"

namespace mirel {

// The two records Mirel stores.
struct StoredRecords {
	CalcSettings settings;
	StartupPrefs prefs;
};

// The steps of a load and a save, each on the product key held by key, in
// the layout of stored_layout.h. A read that fails throws, and the field it
// met keeps its value; a missing film subkey ends the film formats silently.
void readSettingsRecord(RegistryKey &key, CalcSettings &settings);
void readStartupPrefs(RegistryKey &key, StartupPrefs &prefs);
void writeSettingsRecord(RegistryKey &key, const CalcSettings &settings);
void writeStartupPrefs(RegistryKey &key, const StartupPrefs &prefs);

// Whether a film subkey follows a missing one: a load leaves the formats
// after the gap unread.
bool filmFormatsHaveAGap(RegistryKey &key);

// The values of key's product key that a load does not take as they are
// stored, named as "Aperture" or "FilmSizes\3\Name": another type, a name
// cut to 15 characters, a number with more than a number in its text, a
// value cut to its low byte or put back in range (loaded holds what the
// load made of them), or a number a save cannot store as it reads. A bool
// of any value but 0 is set, as it is stored.
std::vector<std::string> valuesNotTakenAsStored(RegistryKey &key, const StoredRecords &loaded);

// What a save writes, value by value: the value in memory when this run
// changed it (it differs from the one loaded); otherwise the value key's
// product key holds now, when it can be read; otherwise the one in memory.
// A number that would not read back as its own "%f" text is never written:
// the file's, the loaded or else the built-in value takes its place. With
// nothing loaded, every value counts as changed.
StoredRecords mergeForSave(RegistryKey &key, const StoredRecords &memory, const std::optional<StoredRecords> &loaded);

} // namespace mirel
