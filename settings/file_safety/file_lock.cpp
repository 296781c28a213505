#include "settings/file_safety/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <cerrno>
#include <thread>
#include <utility>

#include "settings/file_safety/file_system.h"

namespace mirel {

namespace {

constexpr std::chrono::milliseconds kPoll{ 20 };

class SteadyClock : public SaveClock
{
public:
	TimePoint now() override { return std::chrono::steady_clock::now(); }
	void sleepFor(std::chrono::milliseconds span) override { std::this_thread::sleep_for(span); }
};

// Whether fd is the file at path.
bool isAt(int fd, const std::string &path)
{
	struct stat opened {
	}, named{};
	return posix::fstat(fd, opened) == 0 && posix::lstat(path, named) == 0 && opened.st_dev == named.st_dev &&
	       opened.st_ino == named.st_ino;
}

} // namespace

SaveClock &steadyClock()
{
	static SteadyClock clock;
	return clock;
}

FileLock::State FileLock::take(const std::string &file, SaveClock &clock, SaveClock::TimePoint deadline)
{
	if (fd_ >= 0)
		return State::Held;
	const std::string folder = folderOf(file);
	for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
		const int made = posix::mkdir(folder.substr(0, slash), 0700);
		if (made < 0 && made != -EEXIST)
			return State::Unavailable;
		if (slash == std::string::npos)
			break;
	}
	const std::string path = file + ".lock";
	while (true) {
		const int fd = posix::open(path, O_RDWR | O_CREAT | O_CLOEXEC, 0600);
		if (fd < 0)
			return State::Unavailable;
		int result;
		while ((result = posix::flock(fd, LOCK_EX | LOCK_NB)) == -EWOULDBLOCK && clock.now() < deadline)
			clock.sleepFor(kPoll);
		if (result == 0 && isAt(fd, path)) {
			fd_ = fd;
			path_ = path;
			heldBoxes_.emplace();
			return State::Held;
		}
		posix::close(fd);
		if (result == -EWOULDBLOCK)
			return State::Busy;
		if (result < 0)
			return State::Unavailable; // no locks on this file system
		// The holder removed the file before letting go: lock the one at
		// the name now.
		if (clock.now() >= deadline)
			return State::Busy;
	}
}

void FileLock::release()
{
	if (fd_ < 0)
		return;
	// Removed while still locked, so that nobody takes the lock on it and
	// believes it holds it.
	posix::unlink(path_);
	posix::close(std::exchange(fd_, -1)); // closing releases the lock
	heldBoxes_.reset();                   // shows what was held back
}

} // namespace mirel
