#pragma once

#include <optional>
#include <string>

#include "settings/file_registry/reg_file_store.h"
#include "settings/model/lifecycle.h"
#include "settings/registry/registry_key.h"
#include "settings/storage/stored_records.h"

namespace mirel {

// The settings kept in the user's registry file, read and written through
// a key bound to that file's store, in the layout of stored_layout.h.
//
// A load that meets a value it cannot read stops there with a box captioned
// "Mirel Error"; what was read before stays, and the file is copied aside.
// So is a file with values the load cannot take as they are stored, which
// a save would replace (valuesNotTakenAsStored); the box names them.
// A save merges this run's changes into the file as it is then
// (mergeForSave), so values a load left unread, or another instance saved
// meanwhile, are kept. It writes nothing when nothing differs from the
// file.
class RegistrySettingsStorage : public SettingsStorage
{
public:
	// key works on store (see RegistryBinding); both outlive the storage.
	RegistrySettingsStorage(RegistryKey &key, RegFileStore &store);

	RegistrySettingsStorage(const RegistrySettingsStorage &) = delete;
	RegistrySettingsStorage &operator=(const RegistrySettingsStorage &) = delete;

	void readStored(CalcSettings &defaults, StartupPrefs &prefs, Remembered &remembered) override;
	// Writes the whole layout and what the windows remember as one write of
	// the file.
	void writeStored(const CalcSettings &defaults, const StartupPrefs &prefs,
			 const Remembered &remembered) override;

private:
	void keepValuesNotTakenAsStored(const CalcSettings &defaults, const StartupPrefs &prefs);
	std::string notMergedText(const RegFileStore::SaveResult &saved) const;

	RegistryKey &key_;
	RegFileStore &store_;
	// The records as loaded, or as last saved: what this run changed since.
	std::optional<StoredRecords> loaded_;
	std::optional<Remembered> loadedRemembered_;
};

} // namespace mirel
