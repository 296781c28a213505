#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "settings/file_registry/reg_key_handles.h"
#include "settings/file_safety/safe_file.h"
#include "settings/regedit4/reg_file.h"
#include "settings/registry/registry_api.h"

namespace mirel {

// The user's registry, kept in one REGEDIT4 file (regedit4/reg_file.h)
// below the predefined key HKEY_CURRENT_USER. The file is kept safe by
// SafeFile (file_safety/safe_file.h): replaced whole and atomically, locked
// while a save reads and writes it, never replaced when it changed since it
// was read, copied aside before a file read in part is replaced.
//
// A save is one write of the file, and none when it changes nothing; a
// write that fails inside a save ends it with the values set before it, as
// the registry keeps them. Keys and values Mirel does not know are kept.
// Files written by regedit (REGEDIT4 or 5, UTF-16LE or UTF-8 with a BOM)
// are read; REGEDIT4 is written.
class RegFileStore : public RegistryApi
{
public:
	static constexpr std::size_t kMaxFileSize = SafeFile::kMaxSize;
	// How long a save goes on merging with other saves: waiting for one that
	// holds the lock, or reading the file again when it changed meanwhile.
	// Long enough for a save to a slow disk or a network home folder.
	static constexpr std::chrono::seconds kPatience{ 15 };

	// clock is the one saves wait by; it outlives the store.
	explicit RegFileStore(std::string path, SaveClock &clock = steadyClock());

	RegFileStore(const RegFileStore &) = delete;
	RegFileStore &operator=(const RegFileStore &) = delete;

	RegResult openKey(RegKey parent, std::string_view path, RegKey &key) override;
	RegResult createKey(RegKey parent, std::string_view path, RegKey &key) override;
	RegResult queryValue(RegKey key, std::string_view name, void *data, std::uint32_t &size) override;
	RegResult setValue(RegKey key, std::string_view name, RegType type, const void *data,
			   std::uint32_t size) override;
	RegResult closeKey(RegKey key) override;
	std::string describeError(RegResult code) override;

	struct SaveResult {
		// kRegSuccess, or why the file keeps its old content: the failure
		// of a write, or kRegSharingViolation when the save could not be
		// merged into the file within kPatience (another save held it, or
		// it kept changing).
		RegResult code = kRegSuccess;
		// With kRegSharingViolation: the file beside it that keeps this
		// save's version, or the one tried, and why that failed.
		std::string keptIn;
		RegResult keepFailure = kRegSuccess;
	};

	// One save: under the lock, the file is read as it is now, write()
	// makes this save's changes through the store, and the file is written
	// once, when they changed it. When the file has changed by the moment it
	// would be replaced, it is read again and write() runs again, until
	// kPatience is over; then this save's version is kept beside the file
	// (SafeFile::keepBeside). A change outside a save is a save of its own.
	SaveResult save(const std::function<void()> &write);
	// Name of the value set first in the current or last save.
	const std::string &firstValueSet() const { return firstValueSet_; }

	// See SafeFile::keepCopyAside.
	std::string keepCopyAside() { return file_.keepCopyAside(); }

	const std::string &path() const { return file_.path(); }

private:
	// Reads the file afresh for a key opened from the root outside a save.
	void refreshFromRoot(RegKey parent);
	// The file's text, or none, as image_; whether all of it could be read.
	bool readImage(std::shared_ptr<const std::string> text);
	// Makes a change to image_ inside a save, or as a save of its own; edit
	// returns whether it changed anything.
	RegResult change(const std::function<bool(RegFile &)> &edit);

	SafeFile file_;
	SaveClock &clock_;
	RegFile image_;
	RegKeyHandles handles_;

	bool inSave_ = false;
	bool changed_ = false; // image_ holds changes the file does not
	std::string firstValueSet_;
};

} // namespace mirel
