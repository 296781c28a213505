#include "settings/storage/registry_storage.h"

#include <stdexcept>
#include <string>

#include "settings/messages/message_box.h"
#include "settings/storage/remembered_records.h"

namespace mirel {

RegistrySettingsStorage::RegistrySettingsStorage(RegistryKey &key, RegFileStore &store) : key_(key), store_(store) {}

void RegistrySettingsStorage::readStored(CalcSettings &defaults, StartupPrefs &prefs, Remembered &remembered)
{
	// Without the key (the first run, or a file that cannot be read) the
	// built-in values stay.
	if (key_.openProductKey(false)) {
		try {
			readSettingsRecord(key_, defaults);
			readStartupPrefs(key_, prefs);
			if (filmFormatsHaveAGap(key_))
				store_.keepCopyAside(); // as silent as the gap itself
		} catch (const std::runtime_error &error) {
			// The values after this one stay in the file for the save to keep.
			showMessageBox(kErrorCaption, std::string(error.what()) + "\r\n\r\n" + store_.keepCopyAside());
		}
		// Apart from the settings: what they could not read does not stop it.
		readRemembered(key_, remembered);
	}
	loaded_ = StoredRecords{ defaults, prefs };
	loadedRemembered_ = remembered;
}

void RegistrySettingsStorage::writeStored(const CalcSettings &defaults, const StartupPrefs &prefs,
					  const Remembered &remembered)
{
	const StoredRecords memory{ defaults, prefs };
	std::string failure;
	bool written = false;
	store_.beginBatch(); // the file as it is now, and no other save until the commit
	if (key_.openProductKey(true)) {
		try {
			const StoredRecords merged = mergeForSave(key_, memory, loaded_);
			const Remembered mergedRemembered = mergeRememberedForSave(
				key_, remembered, loadedRemembered_ ? &*loadedRemembered_ : nullptr);
			writeSettingsRecord(key_, merged.settings);
			writeStartupPrefs(key_, merged.prefs);
			writeRemembered(key_, mergedRemembered);
			written = true;
		} catch (const std::runtime_error &error) {
			failure = error.what();
		}
	}
	// After a failed write the values written before it are kept, as the
	// registry keeps them.
	if (const RegResult result = store_.commitBatch(); result != kRegSuccess && failure.empty())
		failure = key_.valueErrorText("write", store_.firstValueSet(), result) + "\r\n\r\nThe settings file " +
			  store_.path() + " was not changed.";
	if (!failure.empty())
		showMessageBox(kErrorCaption, failure);
	else if (written) {
		// Saved: only later changes count as this run's.
		loaded_ = memory;
		loadedRemembered_ = remembered;
	}
}

} // namespace mirel
