#include "settings/file_registry/reg_file_store.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <utility>

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

std::string folderOf(const std::string &path)
{
	const std::size_t slash = path.rfind('/');
	if (slash == std::string::npos)
		return ".";
	return slash == 0 ? "/" : path.substr(0, slash);
}

std::string fileNameOf(const std::string &path)
{
	const std::size_t slash = path.rfind('/');
	return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

RegFileStore::RegFileStore(std::string path) : path_(std::move(path))
{
	// A file-size limit then fails the write with EFBIG, reported like a full
	// disk, instead of killing the process with the settings unsaved.
	std::signal(SIGXFSZ, SIG_IGN);
}

RegFileStore::~RegFileStore()
{
	unlock(); // a batch still open was not meant to be kept
}

void RegFileStore::refreshFromRoot(RegKey parent)
{
	if (parent == kCurrentUserKey && !inBatch_)
		refresh(); // a fresh start from the root sees what others saved
}

RegResult RegFileStore::openKey(RegKey parent, std::string_view path, RegKey &key)
{
	refreshFromRoot(parent);
	return handles_.openIn(image_, parent, path, key);
}

RegResult RegFileStore::createKey(RegKey parent, std::string_view path, RegKey &key)
{
	refreshFromRoot(parent);
	std::string full;
	if (const RegResult result = handles_.resolve(parent, path, full); result != kRegSuccess)
		return result;
	if (!keyExists(image_, full)) {
		const RegResult result = change([&](RegFile &file) { file.keys.push_back({ full, {} }); });
		if (result != kRegSuccess)
			return result;
	}
	key = handles_.open(std::move(full));
	return kRegSuccess;
}

RegResult RegFileStore::queryValue(RegKey key, std::string_view name, void *data, std::uint32_t &size)
{
	const auto path = handles_.path(key);
	if (!path)
		return kRegInvalidHandle;
	return queryFileValue(image_, *path, name, data, size);
}

RegResult RegFileStore::setValue(RegKey key, std::string_view name, RegType type, const void *data, std::uint32_t size)
{
	const auto path = handles_.path(key);
	if (!path)
		return kRegInvalidHandle;
	if (!storableName(name) || (!data && size > 0))
		return kRegInvalidParameter;
	RegValue value{ std::string(name), type, std::string(static_cast<const char *>(data), size) };
	const RegResult result = change([&](RegFile &file) {
		// The key may have gone from the file since it was opened.
		RegKeyRecord *record = findKey(file, *path);
		if (!record)
			record = &file.keys.emplace_back(RegKeyRecord{ *path, {} });
		if (RegValue *existing = findValue(*record, name))
			*existing = value;
		else
			record->values.push_back(value);
	});
	if (result == kRegSuccess && firstValueSet_.empty())
		firstValueSet_ = name;
	return result;
}

RegResult RegFileStore::closeKey(RegKey key)
{
	return handles_.close(key);
}

std::string RegFileStore::describeError(RegResult code)
{
	return std::string(systemErrorText(code));
}

// --- Reading the file -------------------------------------------------------

void RegFileStore::resolveTarget()
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

void RegFileStore::refresh()
{
	resolveTarget();
	const int fd = posix::open(target_, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
	if (fd == -ENOENT) {
		image_ = {};
		seen_.reset();
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
		if (!seen_ || *seen_ != identity || refused_ != kRegSuccess)
			readOpenFile(fd, identity);
	}
	posix::close(fd);
}

void RegFileStore::readOpenFile(int fd, const FileIdentity &identity)
{
	std::string text;
	bool tooLarge = static_cast<std::size_t>(identity.size) > kMaxFileSize;
	if (!tooLarge) {
		// One byte more than the size found, to see whether the file has
		// grown since; never more than one byte past the cap.
		text.resize(static_cast<std::size_t>(identity.size) + 1);
		std::size_t length = 0;
		while (true) {
			if (length == text.size()) {
				if (length > kMaxFileSize)
					break;
				text.resize(std::min(2 * length, kMaxFileSize + 1));
			}
			const ssize_t got = posix::pread(fd, text.data() + length, text.size() - length,
							 static_cast<off_t>(length));
			if (got < 0) {
				refuse(fromErrno(static_cast<int>(-got)));
				return;
			}
			if (got == 0)
				break;
			length += static_cast<std::size_t>(got);
		}
		text.resize(length);
		tooLarge = length > kMaxFileSize;
	}

	RegFileReading reading;
	if (tooLarge)
		text.clear();
	else
		reading = parseRegFile(text);
	image_ = std::move(reading.file);
	seen_ = identity;
	refused_ = kRegSuccess;
	reportedRefusal_ = kRegSuccess;
	if (!tooLarge && !reading.damaged())
		return;
	if (reportedFile_ == identity)
		return; // told already; the copy is made or due

	reportedFile_ = identity;
	showMessageBox(kErrorCaption,
		       "The settings file " + path_ +
			       (tooLarge ? " is larger than 1 MiB and was not read; the built-in settings are used."
					 : " could not be read in full; what could be read is used.") +
			       "\r\n\r\n" + copyNote(keepCopy(fd)));
}

void RegFileStore::refuse(RegResult code)
{
	image_ = {};
	seen_.reset();
	refused_ = code;
	copyDue_ = true; // what it holds was not used
	if (reportedRefusal_ == code)
		return;
	reportedRefusal_ = code;
	showMessageBox(kErrorCaption,
		       "The settings file " + path_ + " could not be read and is left as it is.\r\n\r\n(" +
			       describeError(code) + ")\r\n\r\nWhen it can be read again, a copy is kept as " +
			       target_ + ".bad and this run's changes are saved into it.");
}

// --- Writing the file -------------------------------------------------------

template <typename Edit>
RegResult RegFileStore::change(Edit edit)
{
	const bool alone = !inBatch_;
	if (alone)
		beginBatch();
	const RegResult result = refused_;
	if (result == kRegSuccess) {
		edit(image_);
		changed_ = true;
	}
	if (alone) {
		const RegResult committed = commitBatch();
		if (result == kRegSuccess)
			return committed;
	}
	return result;
}

RegResult RegFileStore::writeFile()
{
	// The existing file's mode and owner carry over; a mode that forbids
	// writing is the user's word that the file stays as it is.
	struct stat existing {};
	const bool exists = posix::lstat(target_, existing) == 0 && S_ISREG(existing.st_mode);
	if (exists && !(existing.st_mode & S_IWUSR))
		return kRegAccessDenied;

	int fd = -1;
	std::string tempPath;
	RegResult result = createTemporary(fd, tempPath);
	if (result != kRegSuccess)
		return result;
	if (exists) {
		result = fromResult(posix::fchmod(fd, existing.st_mode & 0777));
		// Only root may give a file away; anyone else keeps the file as theirs.
		if (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid())
			posix::fchown(fd, existing.st_uid, existing.st_gid);
	}
	const std::string text = formatRegFile(image_);
	for (std::size_t done = 0; result == kRegSuccess && done < text.size();) {
		const ssize_t wrote =
			posix::pwrite(fd, text.data() + done, text.size() - done, static_cast<off_t>(done));
		result = fromResult(wrote);
		done += static_cast<std::size_t>(std::max<ssize_t>(wrote, 0));
	}
	struct stat status {};
	if (result == kRegSuccess)
		result = fromResult(posix::fsync(fd));
	if (result == kRegSuccess)
		result = fromResult(posix::fstat(fd, status));
	if (const int closed = posix::close(fd); closed < 0 && result == kRegSuccess)
		result = fromErrno(-closed);
	if (result == kRegSuccess)
		result = keepPendingCopy();
	if (result == kRegSuccess)
		result = fromResult(posix::rename(tempPath, target_));
	if (result != kRegSuccess) {
		posix::unlink(tempPath);
		seen_.reset(); // the file on disk is the old one; read it again next time
		return result;
	}
	seen_ = FileIdentity::of(status);
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

RegResult RegFileStore::createTemporary(int &fd, std::string &tempPath)
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

void RegFileStore::beginBatch()
{
	if (inBatch_)
		return;
	inBatch_ = true;
	changed_ = false;
	firstValueSet_.clear();
	resolveTarget();
	// Without the lock (a folder that cannot be created or written, or
	// another process that keeps it) the batch goes on: the writes report
	// what fails, and the rename keeps the file whole.
	if (lock() == kRegSuccess)
		removeLeftovers();
	refresh();
}

RegResult RegFileStore::commitBatch()
{
	if (!inBatch_)
		return kRegSuccess;
	const RegResult result = changed_ ? writeFile() : kRegSuccess;
	unlock();
	inBatch_ = changed_ = false;
	return result;
}

RegFileStore::FileIdentity RegFileStore::FileIdentity::of(const struct stat &status)
{
	return { status.st_dev, status.st_ino, status.st_size,
		 std::int64_t{ status.st_mtim.tv_sec } * 1'000'000'000 + status.st_mtim.tv_nsec };
}

RegResult RegFileStore::keepCopy(int fd)
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

std::string RegFileStore::keepCopyAside()
{
	const int fd = posix::open(target_, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
	const RegResult copied = fd < 0 ? fromErrno(-fd) : keepCopy(fd);
	if (fd >= 0)
		posix::close(fd);
	return copyNote(copied);
}

std::string RegFileStore::copyNote(RegResult copied)
{
	const std::string copyPath = target_ + ".bad";
	copyDue_ = copied != kRegSuccess;
	if (!copyDue_)
		return "The file as it was is kept as " + copyPath + ".";
	return "It could not be copied to " + copyPath + " (" + describeError(copied) +
	       "), so it will not be replaced.";
}

RegResult RegFileStore::keepPendingCopy()
{
	if (!copyDue_)
		return kRegSuccess;
	const int fd = posix::open(target_, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
	if (fd == -ENOENT) {
		copyDue_ = false; // gone: nothing left to replace
		return kRegSuccess;
	}
	if (fd < 0)
		return fromErrno(-fd);
	const RegResult result = keepCopy(fd);
	posix::close(fd);
	if (result == kRegSuccess)
		copyDue_ = false;
	return result;
}

RegResult RegFileStore::lock()
{
	if (lockFd_ >= 0)
		return kRegSuccess;
	// The folder is created here, as the first step of every write.
	const std::string folder = folderOf(target_);
	for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
		const int made = posix::mkdir(folder.substr(0, slash), 0700);
		if (made < 0 && made != -EEXIST)
			return fromErrno(-made);
		if (slash == std::string::npos)
			break;
	}
	const int fd = posix::open(target_ + ".lock", O_RDWR | O_CREAT | O_CLOEXEC, 0600);
	if (fd < 0)
		return fromErrno(-fd);
	// Another Mirel holds the lock for the moments of a save; one that holds
	// it longer has hung, and is not waited for.
	const auto deadline = std::chrono::steady_clock::now() + kLockWait;
	int result;
	while ((result = posix::flock(fd, LOCK_EX | LOCK_NB)) == -EWOULDBLOCK &&
	       std::chrono::steady_clock::now() < deadline)
		std::this_thread::sleep_for(std::chrono::milliseconds(20));
	if (result < 0) {
		posix::close(fd);
		return fromErrno(-result);
	}
	lockFd_ = fd;
	lockedBoxes_.emplace();
	return kRegSuccess;
}

void RegFileStore::unlock()
{
	if (lockFd_ < 0)
		return;
	posix::close(std::exchange(lockFd_, -1)); // closing releases the lock
	lockedBoxes_.reset();                     // what was shown meanwhile
}

void RegFileStore::removeLeftovers()
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

std::string defaultSettingsPath()
{
	std::string base;
	if (const char *config = std::getenv("XDG_CONFIG_HOME"); config && config[0] == '/') {
		base = config;
	} else {
		if (const char *home = std::getenv("HOME"); home && home[0])
			base = home;
		else if (const passwd *user = ::getpwuid(::getuid()); user && user->pw_dir)
			base = user->pw_dir;
		base += "/.config";
	}
	return base + "/Talvern/Mirel.reg";
}

} // namespace mirel
