#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "settings/file_registry/reg_key_handles.h"
#include "settings/file_safety/file_system.h"
#include "settings/messages/message_box.h"
#include "settings/regedit4/reg_file.h"
#include "settings/registry/registry_api.h"

namespace mirel {

// The user's registry, kept in one REGEDIT4 file (regedit4/reg_file.h) below the
// predefined key HKEY_CURRENT_USER.
//
// The file is replaced whole and atomically: the new content is written
// once to a temporary file in the same folder, synced and renamed over the
// old one, so a crash, a kill, a full disk or a file-size limit leaves the
// old file or the new one, never a half-written file. A batch (a save) is
// one such write; a write that fails inside a batch ends it with the values
// set before it, as the registry keeps them. The new file gets the old
// one's mode and, where the process may, its owner (a new file is 0600); a
// file whose mode forbids writing is not replaced. A symbolic link at the
// path is written through to its target. Keys and values Mirel does not
// know are kept.
//
// An advisory lock on "<file>.lock" keeps two Mirel processes from saving
// at the same time. It is held only while a batch reads and writes the
// file, never while a message box is open, and waited for at most
// kLockWait: a save goes on without it rather than hang, the rename keeping
// the file whole.
//
// A file read in part (lines that could not be read, a value the caller
// could not use, see keepCopyAside) is copied to "<file>.bad", replacing an
// older copy, before it is replaced, and the user is told where. A file
// that cannot be read at all (a folder in its place, an I/O error) is never
// replaced; once it can be read again it is copied aside first. A file over
// kMaxFileSize is not read, and is copied aside like a damaged one. Files
// written by regedit (REGEDIT4 or 5, UTF-16LE or UTF-8 with a BOM) are read;
// REGEDIT4 is written.
class RegFileStore : public RegistryApi
{
public:
	static constexpr std::size_t kMaxFileSize = std::size_t{ 1 } << 20;
	static constexpr std::chrono::milliseconds kLockWait{ 3000 };

	explicit RegFileStore(std::string path);
	~RegFileStore() override;

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

	// Copies the file as it is now to "<file>.bad", because not all of it
	// could be used, and returns the sentence that tells the user where the
	// copy is; or, when it could not be made, that the file will not be
	// replaced until it can.
	std::string keepCopyAside();

	const std::string &path() const { return path_; }

private:
	struct FileIdentity {
		dev_t device = 0;
		ino_t inode = 0;
		off_t size = 0;
		std::int64_t modified = 0; // ns

		static FileIdentity of(const struct stat &status);
		bool operator==(const FileIdentity &) const = default;
	};

	// Reads the file afresh for a key opened from the root outside a batch.
	void refreshFromRoot(RegKey parent);

	void resolveTarget();
	void refresh();
	void readOpenFile(int fd, const FileIdentity &identity);
	void refuse(RegResult code);
	template <typename Edit>
	RegResult change(Edit edit);
	RegResult writeFile();
	RegResult keepCopy(int fd);
	std::string copyNote(RegResult copied);
	RegResult keepPendingCopy();
	RegResult createTemporary(int &fd, std::string &tempPath);
	RegResult lock();
	void unlock();
	void removeLeftovers();

	std::string path_;

	RegFile image_;
	std::string target_; // path_ with symbolic links followed
	// The file image_ was read from or last written as; none when image_
	// must be read again.
	std::optional<FileIdentity> seen_;
	// Nonzero while the file exists but cannot be read: it must not be
	// replaced, so every change fails with this code.
	RegResult refused_ = kRegSuccess;
	// The damaged or unreadable file the user was last told about.
	std::optional<FileIdentity> reportedFile_;
	RegResult reportedRefusal_ = kRegSuccess;
	// The file must be copied aside before it is replaced.
	bool copyDue_ = false;
	// The file last copied aside, which need not be copied again.
	std::optional<FileIdentity> copied_;

	RegKeyHandles handles_;

	bool inBatch_ = false;
	int lockFd_ = -1;
	std::optional<MessageHold> lockedBoxes_; // while the lock is held
	bool changed_ = false;                   // image_ holds changes the file does not
	std::string firstValueSet_;
};

// $XDG_CONFIG_HOME/Talvern/Mirel.reg, or ~/.config/Talvern/Mirel.reg when
// that variable is unset, empty or not an absolute path.
std::string defaultSettingsPath();

} // namespace mirel
