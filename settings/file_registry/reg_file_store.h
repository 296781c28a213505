#pragma once

#include <cstddef>
#include <cstdint>
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
// while a save reads and writes it, copied aside before a file read in part
// is replaced.
//
// A batch (a save) is one write of the file; a write that fails inside a
// batch ends it with the values set before it, as the registry keeps them.
// Keys and values Mirel does not know are kept. Files written by regedit
// (REGEDIT4 or 5, UTF-16LE or UTF-8 with a BOM) are read; REGEDIT4 is
// written.
class RegFileStore : public RegistryApi
{
public:
	static constexpr std::size_t kMaxFileSize = SafeFile::kMaxSize;

	explicit RegFileStore(std::string path);

	RegFileStore(const RegFileStore &) = delete;
	RegFileStore &operator=(const RegFileStore &) = delete;

	RegResult openKey(RegKey parent, std::string_view path, RegKey &key) override;
	RegResult createKey(RegKey parent, std::string_view path, RegKey &key) override;
	RegResult queryValue(RegKey key, std::string_view name, void *data, std::uint32_t &size) override;
	RegResult setValue(RegKey key, std::string_view name, RegType type, const void *data,
			   std::uint32_t size) override;
	RegResult closeKey(RegKey key) override;
	std::string describeError(RegResult code) override;

	// A save as one write. beginBatch takes the lock and reads the file as
	// it is now; the changes until commitBatch are made in memory, and
	// commitBatch writes the file once. On failure the file keeps its old
	// content and commitBatch returns the code. Without a batch open,
	// commitBatch does nothing; outside a batch every change is written at
	// once.
	void beginBatch();
	RegResult commitBatch();
	// Name of the value set first in the current or last batch.
	const std::string &firstValueSet() const { return firstValueSet_; }

	// See SafeFile::keepCopyAside.
	std::string keepCopyAside() { return file_.keepCopyAside(); }

	const std::string &path() const { return file_.path(); }

private:
	// Reads the file afresh for a key opened from the root outside a batch.
	void refreshFromRoot(RegKey parent);
	// The file's text, or none, as image_; whether all of it could be read.
	bool readImage(std::optional<std::string_view> text);
	template <typename Edit>
	RegResult change(Edit edit);

	SafeFile file_;
	RegFile image_;
	RegKeyHandles handles_;

	bool inBatch_ = false;
	bool changed_ = false; // image_ holds changes the file does not
	std::string firstValueSet_;
};

} // namespace mirel
