#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
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
// A save holds the lock (file_lock.h) while it reads and writes the file.
// Whatever the lock, a file is only replaced when it is still the one read,
// checked at the last moment before the rename: the same file, size, time
// and contents. Otherwise another program changed it meanwhile, and the
// replace fails with kChangedSinceRead for the caller to read it again and
// merge anew. A version that cannot be merged in time is kept beside the
// file instead (keepBeside).
//
// A file read in part (the reader could not use all of it, or see
// keepCopyAside) is copied to "<file>.bad", replacing an older copy, before
// it is replaced, and the user is told where. A file that cannot be read at
// all (a folder in its place, an I/O error) is never replaced; once it can
// be read again it is copied aside first. A file over kMaxSize is not used,
// and is copied aside like a damaged one.
//
// An empty path is no file: nothing is read, nothing written, and the user
// is told once.
class SafeFile
{
public:
	static constexpr std::size_t kMaxSize = std::size_t{ 1 } << 20;
	// replace found the file changed since it was read. (The registry's
	// ERROR_FILE_INVALID: "externally altered"; never shown to the user.)
	static constexpr RegResult kChangedSinceRead = 1006;

	// Takes what the file holds each time it is read afresh: its text, or
	// null when there is no file or nothing of it may be used; returns
	// whether all of the text could be used.
	using Reader = std::function<bool(std::shared_ptr<const std::string> text)>;

	SafeFile(std::string path, Reader reader);

	SafeFile(const SafeFile &) = delete;
	SafeFile &operator=(const SafeFile &) = delete;

	const std::string &path() const { return path_; }

	// Nonzero while the file exists but cannot be read: it must not be
	// replaced, so every change fails with this code.
	RegResult refusal() const { return refused_; }

	// Reads the file when it is not the one last read or written.
	void refresh();

	// The start and end of a save: takes the lock, waiting on clock until
	// deadline (see FileLock::take), and removes the temporary files of
	// saves that died; then releases it.
	FileLock::State lock(SaveClock &clock, SaveClock::TimePoint deadline);
	void unlock() { lock_.release(); }

	// Replaces the file with text, when it is still the one last read (see
	// above). On failure the file keeps its old content.
	RegResult replace(std::string text);

	// Writes text to a new file beside the file, "<file>.unsaved" or, when
	// that exists, "<file>.unsaved-2" and on, never replacing one: a save
	// that could not be merged into the file is kept there. Sets where to
	// the name, or the name tried when it fails.
	RegResult keepBeside(std::string_view text, std::string &where);

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
	// The file as it was read or written.
	struct Seen {
		bool exists = false; // none of the rest when there was no file
		FileIdentity identity;
		// Its text, up to one byte past kMaxSize; shared with the reader.
		std::shared_ptr<const std::string> text;
	};

	void resolveTarget();
	void readOpenFile(int fd, const FileIdentity &identity);
	RegResult checkUnchanged();
	void refuse(RegResult code);
	RegResult keepCopy(int fd);
	std::string copyNote(RegResult copied);
	RegResult createTemporary(int &fd, std::string &tempPath);
	RegResult writeTemporary(std::string_view text, std::string &tempPath, struct stat &status);
	void removeLeftovers();

	std::string path_;
	Reader reader_;
	std::string target_; // path_ with symbolic links followed
	// The file last read or written; none when it must be read again.
	std::optional<Seen> seen_;
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
