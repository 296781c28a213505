#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "settings/file_safety/file_lock.h"
#include "settings/registry/registry_api.h"

namespace mirel {

// The settings file kept safe. Failures are the registry's codes, as the
// registry kept in the file reports them.
//
// The file is replaced whole and atomically: the new content is written
// once to a temporary file in the same folder, synced and renamed over the
// old one, so a crash, a kill, a full disk or a file-size limit leaves the
// old file or the new one, never a half-written file. The new file gets the
// old one's mode and, where the process may, its owner (a new file is
// 0600); a file whose mode forbids writing is not replaced. A symbolic link
// at the path is written through to its target.
//
// A save holds the lock (file_lock.h) while it reads and writes the file; a
// save goes on without it rather than hang, the rename keeping the file
// whole.
//
// A file read in part (the reader could not use all of it, or see
// keepCopyAside) is copied to "<file>.bad", replacing an older copy, before
// it is replaced, and the user is told where. A file that cannot be read at
// all (a folder in its place, an I/O error) is never replaced; once it can
// be read again it is copied aside first. A file over kMaxSize is not read,
// and is copied aside like a damaged one.
class SafeFile
{
public:
	static constexpr std::size_t kMaxSize = std::size_t{ 1 } << 20;

	// Takes what the file holds each time it is read afresh: its text, or
	// none when there is no file or nothing of it may be used; returns
	// whether all of the text could be used.
	using Reader = std::function<bool(std::optional<std::string_view> text)>;

	SafeFile(std::string path, Reader reader);

	SafeFile(const SafeFile &) = delete;
	SafeFile &operator=(const SafeFile &) = delete;

	const std::string &path() const { return path_; }

	// Nonzero while the file exists but cannot be read: it must not be
	// replaced, so every change fails with this code.
	RegResult refusal() const { return refused_; }

	// Reads the file when it is not the one last read or written.
	void refresh();

	// The start and end of a save: takes the lock and removes the temporary
	// files of saves that died; then releases it.
	void lock();
	void unlock() { lock_.release(); }

	// Replaces the file with text. On failure the file keeps its old content.
	RegResult replace(std::string_view text);

	// Copies the file as it is now to "<file>.bad", because not all of it
	// could be used, and returns the sentence that tells the user where the
	// copy is; or, when it could not be made, that the file will not be
	// replaced until it can.
	std::string keepCopyAside();

private:
	struct FileIdentity {
		dev_t device = 0;
		ino_t inode = 0;
		off_t size = 0;
		std::int64_t modified = 0; // ns

		static FileIdentity of(const struct stat &status);
		bool operator==(const FileIdentity &) const = default;
	};

	void resolveTarget();
	void readOpenFile(int fd, const FileIdentity &identity);
	void refuse(RegResult code);
	RegResult keepCopy(int fd);
	std::string copyNote(RegResult copied);
	RegResult keepPendingCopy();
	RegResult createTemporary(int &fd, std::string &tempPath);
	void removeLeftovers();

	std::string path_;
	Reader reader_;
	std::string target_; // path_ with symbolic links followed
	// The file last read or written; none when it must be read again.
	std::optional<FileIdentity> seen_;
	RegResult refused_ = kRegSuccess;
	// The damaged or unreadable file the user was last told about.
	std::optional<FileIdentity> reportedFile_;
	RegResult reportedRefusal_ = kRegSuccess;
	// The file must be copied aside before it is replaced.
	bool copyDue_ = false;
	// The file last copied aside, which need not be copied again.
	std::optional<FileIdentity> copied_;
	FileLock lock_;
};

} // namespace mirel
