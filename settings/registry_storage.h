#pragma once

#include "settings/lifecycle.h"
#include "settings/reg_store.h"
#include "settings/registry_key.h"

namespace mirel {

// The settings kept in the user's registry file, read and written through
// a key bound to that file's store, in the layout of stored_layout.h. A failed read or write ends
// its whole block with a box captioned "Mirel Error"; what was done before
// it stays.
class RegistrySettingsStorage : public SettingsStorage
{
public:
	// key works on store (see RegistryBinding); both outlive the storage.
	RegistrySettingsStorage(RegistryKey &key, RegFileStore &store);

	RegistrySettingsStorage(const RegistrySettingsStorage &) = delete;
	RegistrySettingsStorage &operator=(const RegistrySettingsStorage &) = delete;

	void readStored(CalcSettings &defaults, StartupPrefs &prefs) override;
	// Writes the whole layout in one batch: one sync for the save, while a
	// failure still names the value it met.
	void writeStored(const CalcSettings &defaults, const StartupPrefs &prefs) override;

private:
	RegistryKey &key_;
	RegFileStore &store_;
};

// The steps of a load and a save, each on the product key held by key.
// Reads throw on the first failure; a missing film subkey ends the film
// formats silently.
void readSettingsRecord(RegistryKey &key, CalcSettings &settings);
void readStartupPrefs(RegistryKey &key, StartupPrefs &prefs);
void writeSettingsRecord(RegistryKey &key, const CalcSettings &settings);
void writeStartupPrefs(RegistryKey &key, const StartupPrefs &prefs);

} // namespace mirel
