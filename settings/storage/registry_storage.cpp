#include "settings/storage/registry_storage.h"

#include <stdexcept>
#include <string>
#include <vector>

#include "core/sentence.h"
#include "settings/messages/message_box.h"
#include "settings/messages/message_patterns.h"
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
			keepValuesNotTakenAsStored(defaults, prefs);
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

void RegistrySettingsStorage::keepValuesNotTakenAsStored(const CalcSettings &defaults, const StartupPrefs &prefs)
{
	// What the load makes of them, the values put back in range included.
	StoredRecords loaded{ defaults, prefs };
	repairLoadedValues(loaded.settings);
	const std::vector<std::string> names = valuesNotTakenAsStored(key_, loaded);
	if (names.empty())
		return;
	std::string list;
	for (const std::string &name : names)
		list += (list.empty() ? "" : ", ") + name;
	// Nothing the user had is gone without a trace: the save puts values
	// Mirel can use in their place.
	showMessageBox(kErrorCaption,
		       fillPattern(kValuesNotUsed, { store_.path(), list }) + "\r\n\r\n" + store_.keepCopyAside());
}

void RegistrySettingsStorage::writeStored(const CalcSettings &defaults, const StartupPrefs &prefs,
					  const Remembered &remembered)
{
	const StoredRecords memory{ defaults, prefs };
	std::string failure;
	bool written = false;
	// Merged into the file as it is at the moment of writing: again, when
	// another program changed it meanwhile.
	const RegFileStore::SaveResult saved = store_.save([&] {
		failure.clear();
		written = false;
		if (!key_.openProductKey(true))
			return;
		try {
			const StoredRecords merged = mergeForSave(key_, memory, loaded_);
			const Remembered mergedRemembered = mergeRememberedForSave(
				key_, remembered, loadedRemembered_ ? &*loadedRemembered_ : nullptr);
			writeSettingsRecord(key_, merged.settings);
			writeStartupPrefs(key_, merged.prefs);
			writeRemembered(key_, mergedRemembered);
			written = true;
		} catch (const std::runtime_error &error) {
			// The values written before it are kept, as the registry keeps them.
			failure = error.what();
		}
	});
	if (saved.code == kRegSharingViolation)
		failure = notMergedText(saved);
	else if (saved.code != kRegSuccess && failure.empty())
		failure = key_.valueErrorText("write", store_.firstValueSet(), saved.code) + "\r\n\r\n" +
			  fillPattern(kFileNotChanged, { store_.path() });
	if (!failure.empty())
		showMessageBox(kErrorCaption, failure);
	else if (written) {
		// Saved: only later changes count as this run's.
		loaded_ = memory;
		loadedRemembered_ = remembered;
	}
}

std::string RegistrySettingsStorage::notMergedText(const RegFileStore::SaveResult &saved) const
{
	const std::string text =
		fillPattern(kNotMerged, { store_.path(), std::to_string(RegFileStore::kPatience.count()) }) +
		"\r\n\r\n";
	if (saved.keepFailure != kRegSuccess)
		return text +
		       fillPattern(kNotKeptEither, { saved.keptIn, std::string(systemErrorText(saved.keepFailure)) });
	return text + fillPattern(kKeptBeside, { saved.keptIn });
}

} // namespace mirel
