#include "settings/file_safety/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>
#include <thread>
#include <utility>

#include "settings/file_safety/file_system.h"

namespace mirel {

bool FileLock::take(const std::string &file)
{
	if (fd_ >= 0)
		return true;
	const std::string folder = folderOf(file);
	for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
		const int made = posix::mkdir(folder.substr(0, slash), 0700);
		if (made < 0 && made != -EEXIST)
			return false;
		if (slash == std::string::npos)
			break;
	}
	const int fd = posix::open(file + ".lock", O_RDWR | O_CREAT | O_CLOEXEC, 0600);
	if (fd < 0)
		return false;
	const auto deadline = std::chrono::steady_clock::now() + kWait;
	int result;
	while ((result = posix::flock(fd, LOCK_EX | LOCK_NB)) == -EWOULDBLOCK &&
	       std::chrono::steady_clock::now() < deadline)
		std::this_thread::sleep_for(std::chrono::milliseconds(20));
	if (result < 0) {
		posix::close(fd);
		return false;
	}
	fd_ = fd;
	heldBoxes_.emplace();
	return true;
}

void FileLock::release()
{
	if (fd_ < 0)
		return;
	posix::close(std::exchange(fd_, -1)); // closing releases the lock
	heldBoxes_.reset();                   // shows what was held back
}

} // namespace mirel
