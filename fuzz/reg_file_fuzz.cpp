// Feeds arbitrary bytes to the settings file parser. Whatever it reads must
// be written so that it reads back the same and undamaged: that is what
// lets a save keep everything a load found. A key's values built when asked
// for one by one are those a reading of the whole file builds.
//
// Then the settings are loaded from what was read and saved, as at start
// and exit, again and again: the saves must settle.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>

#include "settings/file_registry/reg_key_handles.h"
#include "settings/model/lifecycle.h"
#include "settings/regedit4/reg_file.h"
#include "settings/registry/registry_key.h"
#include "settings/storage/stored_records.h"

namespace {

using namespace mirel;

// The registry kept in a parsed file in memory, writable.
class MemoryRegistry : public RegistryApi
{
public:
	explicit MemoryRegistry(RegFile file) : file(std::move(file)) {}

	RegResult openKey(RegKey parent, std::string_view path, RegKey &key) override
	{
		return handles_.openIn(file, parent, path, key);
	}
	RegResult createKey(RegKey parent, std::string_view path, RegKey &key) override
	{
		std::string full;
		if (const RegResult result = handles_.resolve(parent, path, full); result != kRegSuccess)
			return result;
		if (!keyExists(file, full)) {
			file.addKey(full);
			changed = true;
		}
		key = handles_.open(std::move(full));
		return kRegSuccess;
	}
	RegResult queryValue(RegKey key, std::string_view name, void *data, std::uint32_t &size) override
	{
		const auto path = handles_.path(key);
		return path ? queryFileValue(file, *path, name, data, size) : kRegInvalidHandle;
	}
	RegResult setValue(RegKey key, std::string_view name, RegType type, const void *data,
			   std::uint32_t size) override
	{
		const auto path = handles_.path(key);
		if (!path)
			return kRegInvalidHandle;
		changed |= file.setValue(file.addKey(*path), { std::string(name), type,
							       std::string(static_cast<const char *>(data), size) });
		return kRegSuccess;
	}
	RegResult closeKey(RegKey key) override { return handles_.close(key); }
	std::string describeError(RegResult) override { return {}; }

	RegFile file;
	bool changed = false;

private:
	RegKeyHandles handles_;
};

// The records a load takes from registry, as loadSettingsAtStartup does;
// loaded holds them before the values out of range are put back.
StoredRecords load(RegistryKey &key, StoredRecords &loaded)
{
	loaded = {};
	if (key.openProductKey(false)) {
		try {
			readSettingsRecord(key, loaded.settings);
			readStartupPrefs(key, loaded.prefs);
		} catch (const std::runtime_error &) {
			// the values after it keep what they had, as at start-up
		}
	}
	StoredRecords records = loaded;
	repairLoadedValues(records.settings);
	records.settings.filmCoC = 0.0;
	return records;
}

// A save of records into registry; whether it changed the file.
bool save(RegistryKey &key, MemoryRegistry &registry, const StoredRecords &records, const StoredRecords &loaded)
{
	registry.changed = false;
	if (key.openProductKey(true)) {
		const StoredRecords merged = mergeForSave(key, records, loaded);
		writeSettingsRecord(key, merged.settings);
		writeStartupPrefs(key, merged.prefs);
	}
	return registry.changed;
}

// Saves of what each load of the last save gives, until one changes
// nothing: the first may keep values its load could not read, which the
// second load then puts in range and the second save stores; the third
// must find nothing to change.
void checkLoadSaveLoad(const RegFile &file)
{
	MemoryRegistry registry(file);
	for (int round = 1;; ++round) {
		RegistryKey key("Mirel", "Talvern", &registry);
		StoredRecords loaded;
		const StoredRecords records = load(key, loaded);
		if (!save(key, registry, records, loaded))
			return;
		if (round == 3)
			std::abort(); // the saves do not settle
		registry = MemoryRegistry(parseRegFile(formatRegFile(registry.file)).file);
	}
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
	const std::string text(reinterpret_cast<const char *>(data), size);
	const RegFileReading first = parseRegFile(text);

	// Each key's values asked for on their own, before the whole file.
	const RegFileReading lazy = parseRegFile(text);
	for (const RegKeyRecord &key : first.file.keys())
		for (const RegValue &value : key.values)
			if (const RegValue *found = lazy.file.findValue(key.path, value.name);
			    !found || !(*found == value))
				std::abort();
	if (!(lazy.file == first.file))
		std::abort();

	const std::string written = formatRegFile(first.file);
	const RegFileReading second = parseRegFile(written);
	if (second.damaged() || !(second.file == first.file) || formatRegFile(second.file) != written)
		std::abort();

	checkLoadSaveLoad(first.file);
	return 0;
}
