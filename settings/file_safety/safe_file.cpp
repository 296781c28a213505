#include "settings/file_safety/safe_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <utility>

#include "core/sentence.h"
#include "settings/file_safety/file_system.h"
#include "settings/messages/message_box.h"
#include "settings/messages/message_patterns.h"

namespace mirel {

namespace {

constexpr int kMaxSymlinks = 40;
constexpr std::size_t kCopyChunk = 64 * 1024;

RegResult fromErrno(int error)
{
	switch (error) {
	case 0:
		return kRegSuccess;
	case ENOENT:
		return kRegFileNotFound;
	case ENOTDIR:
	case ELOOP:
	case ENAMETOOLONG:
		return kRegPathNotFound;
	case EACCES:
	case EPERM:
	case EROFS:
	case EISDIR: // as Windows answers opening a folder as a file
	case ETXTBSY:
		return kRegAccessDenied;
	case ENOSPC:
	case EDQUOT:
	case EFBIG:
		return kRegDiskFull;
	case ENOMEM:
		return kRegNotEnoughMemory;
	default:
		return kRegIoError;
	}
}

RegResult fromResult(long result)
{
	return result < 0 ? fromErrno(static_cast<int>(-result)) : kRegSuccess;
}

std::string fileNameOf(const std::string &path)
{
	const std::size_t slash = path.rfind('/');
	return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string describeError(RegResult code)
{
	return std::string(systemErrorText(code));
}

// What fd holds, into text: all of it, or one byte past SafeFile::kMaxSize.
// size is what fstat found, read with one byte more, to see whether the
// file has grown since.
RegResult readContents(int fd, off_t size, std::string &text)
{
	constexpr std::size_t kCap = SafeFile::kMaxSize + 1;
	text.resize(std::min(static_cast<std::size_t>(size) + 1, kCap));
	std::size_t length = 0;
	while (true) {
		if (length == text.size()) {
			if (length == kCap)
				break;
			text.resize(std::min(2 * length, kCap));
		}
		const ssize_t got =
			posix::pread(fd, text.data() + length, text.size() - length, static_cast<off_t>(length));
		if (got < 0)
			return fromErrno(static_cast<int>(-got));
		if (got == 0)
			break;
		length += static_cast<std::size_t>(got);
	}
	text.resize(length);
	return kRegSuccess;
}

} // namespace

SafeFile::SafeFile(std::string path, Reader reader) : path_(std::move(path)), reader_(std::move(reader))
{
	// A file-size limit then fails the write with EFBIG, reported like a full
	// disk, instead of killing the process with the settings unsaved.
	std::signal(SIGXFSZ, SIG_IGN);
}

// --- Reading the file -------------------------------------------------------

void SafeFile::resolveTarget()
{
	// Symbolic links are followed by hand: a dangling one names the file to
	// create.
	target_ = path_;
	for (int links = 0; links < kMaxSymlinks; ++links) {
		struct stat status {};
		std::string next;
		if (posix::lstat(target_, status) < 0 || !S_ISLNK(status.st_mode) ||
		    posix::readlink(target_, next) < 0 || next.empty())
			break;
		target_ = next.front() == '/' ? next : folderOf(target_) + '/' + next;
	}
}

void SafeFile::refresh()
{
	if (path_.empty()) {
		// No place for the file: nothing to read, and every change fails.
		reader_(nullptr);
		if (refused_ != kRegPathNotFound)
			showMessageBox(kErrorCaption, kNoHomeFolder);
		refused_ = kRegPathNotFound;
		return;
	}
	resolveTarget();
	const int fd = posix::open(target_, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
	if (fd == -ENOENT) {
		reader_(nullptr);
		seen_ = Seen{};
		refused_ = kRegSuccess;
		copyDue_ = false; // nothing left to replace
		return;
	}
	if (fd < 0) {
		refuse(fromErrno(-fd));
		return;
	}
	struct stat status {};
	if (const int result = posix::fstat(fd, status); result < 0) {
		refuse(fromErrno(-result));
	} else if (!S_ISREG(status.st_mode)) {
		refuse(kRegAccessDenied); // a folder or device where the file should be
	} else {
		const FileIdentity identity = FileIdentity::of(status);
		if (!seen_ || !seen_->exists || seen_->identity != identity || refused_ != kRegSuccess)
			readOpenFile(fd, identity);
	}
	posix::close(fd);
}

void SafeFile::readOpenFile(int fd, const FileIdentity &identity)
{
	std::string text;
	if (const RegResult result = readContents(fd, identity.size, text); result != kRegSuccess) {
		refuse(result);
		return;
	}
	const auto shared = std::make_shared<const std::string>(std::move(text));
	const bool tooLarge = shared->size() > kMaxSize;
	const bool whole = reader_(tooLarge ? nullptr : shared);
	seen_ = Seen{ true, identity, shared };
	refused_ = kRegSuccess;
	reportedRefusal_ = kRegSuccess;
	if (!tooLarge && whole)
		return;
	if (reportedFile_ == identity)
		return; // told already; the copy is made or due

	reportedFile_ = identity;
	showMessageBox(kErrorCaption, fillPattern(tooLarge ? kFileTooLarge : kFileReadInPart, { path_ }) + "\r\n\r\n" +
					      copyNote(keepCopy(fd)));
}

void SafeFile::refuse(RegResult code)
{
	reader_(nullptr);
	seen_.reset();
	refused_ = code;
	copyDue_ = true; // what it holds was not used
	if (reportedRefusal_ == code)
		return;
	reportedRefusal_ = code;
	showMessageBox(kErrorCaption, fillPattern(kFileNotRead, { path_ }) + "\r\n\r\n(" + describeError(code) +
					      ")\r\n\r\n" + fillPattern(kCopyWhenReadable, { target_ + ".bad" }));
}

// --- Writing the file -------------------------------------------------------

RegResult SafeFile::replace(std::string text)
{
	// A mode that forbids writing is the user's word that the file stays as
	// it is.
	struct stat existing {};
	if (posix::lstat(target_, existing) == 0 && S_ISREG(existing.st_mode) && !(existing.st_mode & S_IWUSR))
		return kRegAccessDenied;

	std::string tempPath;
	struct stat status {};
	RegResult result = writeTemporary(text, tempPath, status);
	if (result == kRegSuccess)
		result = checkUnchanged();
	if (result == kRegSuccess)
		result = fromResult(posix::rename(tempPath, target_));
	if (result != kRegSuccess) {
		if (!tempPath.empty())
			posix::unlink(tempPath);
		seen_.reset(); // the file on disk is the old one or another's; read it again next time
		return result;
	}
	seen_ = Seen{ true, FileIdentity::of(status), std::make_shared<const std::string>(std::move(text)) };
	// The rename itself is only durable once the folder is synced. The new
	// file is in place either way, so a folder that cannot be synced (some
	// file systems refuse) is no failure.
	const int folder = posix::open(folderOf(target_), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
	if (folder >= 0) {
		posix::fsync(folder);
		posix::close(folder);
	}
	return kRegSuccess;
}

RegResult SafeFile::writeTemporary(std::string_view text, std::string &tempPath, struct stat &status)
{
	// The existing file's mode and, where the process may, its owner carry
	// over.
	struct stat existing {};
	const bool exists = posix::lstat(target_, existing) == 0 && S_ISREG(existing.st_mode);
	int fd = -1;
	RegResult result = createTemporary(fd, tempPath);
	if (result != kRegSuccess)
		return result;
	if (exists) {
		result = fromResult(posix::fchmod(fd, existing.st_mode & 0777));
		// Only root may give a file away; anyone else keeps the file as theirs.
		if (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid())
			posix::fchown(fd, existing.st_uid, existing.st_gid);
	}
	for (std::size_t done = 0; result == kRegSuccess && done < text.size();) {
		const ssize_t wrote =
			posix::pwrite(fd, text.data() + done, text.size() - done, static_cast<off_t>(done));
		result = fromResult(wrote);
		done += static_cast<std::size_t>(std::max<ssize_t>(wrote, 0));
	}
	if (result == kRegSuccess)
		result = fromResult(posix::fsync(fd));
	if (result == kRegSuccess)
		result = fromResult(posix::fstat(fd, status));
	if (const int closed = posix::close(fd); closed < 0 && result == kRegSuccess)
		result = fromErrno(-closed);
	return result;
}

RegResult SafeFile::checkUnchanged()
{
	// The file as it is now against the one read, at the last moment
	// before it is replaced; a damaged one is copied aside from the same
	// reading, so the copy is of the file checked.
	if (!seen_)
		return kChangedSinceRead;
	const int fd = posix::open(target_, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
	if (fd == -ENOENT) {
		copyDue_ = false; // nothing left to replace
		return seen_->exists ? kChangedSinceRead : kRegSuccess;
	}
	if (fd < 0)
		return fromErrno(-fd);
	struct stat status {};
	std::string text;
	RegResult result = fromResult(posix::fstat(fd, status));
	if (result == kRegSuccess && (!seen_->exists || seen_->identity != FileIdentity::of(status)))
		result = kChangedSinceRead;
	if (result == kRegSuccess)
		result = readContents(fd, status.st_size, text);
	if (result == kRegSuccess && text != *seen_->text)
		result = kChangedSinceRead;
	if (result == kRegSuccess && copyDue_) {
		result = keepCopy(fd);
		copyDue_ = result != kRegSuccess;
	}
	posix::close(fd);
	return result;
}

RegResult SafeFile::keepBeside(std::string_view text, std::string &where)
{
	where = target_ + ".unsaved";
	std::string tempPath;
	struct stat status {};
	RegResult result = writeTemporary(text, tempPath, status);
	// A hard link gives the file its name only when no file has it; where
	// the file system has none, a rename to a name no file has comes close.
	for (int n = 2; result == kRegSuccess; ++n) {
		int placed = posix::link(tempPath, where);
		if (placed == -EPERM || placed == -EOPNOTSUPP) {
			struct stat taken {};
			placed = posix::lstat(where, taken) == -ENOENT ? posix::rename(tempPath, where) : -EEXIST;
		}
		if (placed == 0)
			break;
		result = placed == -EEXIST && n <= 100 ? kRegSuccess : fromErrno(-placed);
		if (result == kRegSuccess)
			where = target_ + ".unsaved-" + std::to_string(n);
	}
	if (!tempPath.empty())
		posix::unlink(tempPath);
	return result;
}

RegResult SafeFile::createTemporary(int &fd, std::string &tempPath)
{
	// Unique among processes by the pid, within one by the counter; a name
	// left over from a process that died is skipped.
	static unsigned counter = 0;
	const std::string prefix = target_ + ".tmp-" + std::to_string(::getpid()) + '-';
	for (int attempt = 0; attempt < 100; ++attempt) {
		std::string candidate = prefix + std::to_string(counter++);
		const int opened = posix::open(candidate, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
		if (opened == -EEXIST)
			continue;
		if (opened < 0)
			return fromErrno(-opened);
		// The umask may have taken bits away, never added any; make it exact.
		if (const int result = posix::fchmod(opened, 0600); result < 0) {
			posix::close(opened);
			posix::unlink(candidate);
			return fromErrno(-result);
		}
		fd = opened;
		tempPath = std::move(candidate);
		return kRegSuccess;
	}
	return fromErrno(EEXIST);
}

FileLock::State SafeFile::lock(SaveClock &clock, SaveClock::TimePoint deadline)
{
	if (path_.empty())
		return FileLock::State::Unavailable;
	resolveTarget();
	const FileLock::State state = lock_.take(target_, clock, deadline);
	if (state == FileLock::State::Held)
		removeLeftovers();
	return state;
}

SafeFile::FileIdentity SafeFile::FileIdentity::of(const struct stat &status)
{
	return { status.st_dev, status.st_ino, status.st_size,
		 std::int64_t{ status.st_mtim.tv_sec } * 1'000'000'000 + status.st_mtim.tv_nsec };
}

// --- Copies aside -----------------------------------------------------------

RegResult SafeFile::keepCopy(int fd)
{
	// Copies what fd reads, so the copy is of the file as it was read even
	// when another process replaces it meanwhile.
	struct stat status {};
	if (const int result = posix::fstat(fd, status); result < 0)
		return fromErrno(-result);
	if (copied_ == FileIdentity::of(status))
		return kRegSuccess;
	int out = -1;
	std::string tempPath;
	RegResult result = createTemporary(out, tempPath);
	std::string chunk(kCopyChunk, '\0');
	for (off_t offset = 0; result == kRegSuccess;) {
		const ssize_t got = posix::pread(fd, chunk.data(), chunk.size(), offset);
		if (got <= 0) {
			result = fromResult(got);
			break;
		}
		for (ssize_t done = 0; result == kRegSuccess && done < got;) {
			const ssize_t wrote = posix::pwrite(out, chunk.data() + done,
							    static_cast<std::size_t>(got - done), offset + done);
			result = fromResult(wrote);
			done += std::max<ssize_t>(wrote, 0);
		}
		offset += got;
	}
	if (result == kRegSuccess)
		result = fromResult(posix::fsync(out));
	if (out >= 0 && posix::close(out) < 0 && result == kRegSuccess)
		result = kRegIoError;
	if (result == kRegSuccess)
		result = fromResult(posix::rename(tempPath, target_ + ".bad"));
	if (result == kRegSuccess)
		copied_ = FileIdentity::of(status);
	else if (!tempPath.empty())
		posix::unlink(tempPath);
	return result;
}

std::string SafeFile::keepCopyAside()
{
	const int fd = posix::open(target_, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
	const RegResult copied = fd < 0 ? fromErrno(-fd) : keepCopy(fd);
	if (fd >= 0)
		posix::close(fd);
	return copyNote(copied);
}

std::string SafeFile::copyNote(RegResult copied)
{
	const std::string copyPath = target_ + ".bad";
	copyDue_ = copied != kRegSuccess;
	if (!copyDue_)
		return fillPattern(kCopyKept, { copyPath });
	return fillPattern(kCopyFailed, { copyPath, describeError(copied) });
}

void SafeFile::removeLeftovers()
{
	// Temporary files are named for the process that writes them: those of
	// a process that is gone were left when it died while saving.
	const std::string folder = folderOf(target_);
	const std::string prefix = fileNameOf(target_) + ".tmp-";
	DIR *dir = ::opendir(folder.c_str());
	if (!dir)
		return;
	while (const dirent *entry = ::readdir(dir)) {
		const std::string_view name(entry->d_name);
		if (!name.starts_with(prefix))
			continue;
		const pid_t writer = static_cast<pid_t>(std::atol(entry->d_name + prefix.size()));
		if (writer <= 0 || (::kill(writer, 0) < 0 && errno == ESRCH))
			posix::unlink(folder + '/' + entry->d_name);
	}
	::closedir(dir);
}

} // namespace mirel
