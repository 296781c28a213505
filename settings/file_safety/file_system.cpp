#include "settings/file_safety/file_system.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

namespace mirel {

namespace {

// The call's result, or -errno; repeated while a signal interrupts it.
template <typename Call>
auto checked(Call call)
{
	decltype(call()) result;
	do
		result = call();
	while (result < 0 && errno == EINTR);
	return result < 0 ? -errno : result;
}

} // namespace

namespace posix {

int open(const std::string &path, int flags, mode_t mode)
{
	return checked([&] { return ::open(path.c_str(), flags, mode); });
}

int close(int fd)
{
	// Linux releases the descriptor even when close reports EINTR: never retry.
	return ::close(fd) < 0 && errno != EINTR ? -errno : 0;
}

ssize_t pread(int fd, void *data, std::size_t size, off_t offset)
{
	return checked([&] { return ::pread(fd, data, size, offset); });
}

ssize_t pwrite(int fd, const void *data, std::size_t size, off_t offset)
{
	return checked([&] { return ::pwrite(fd, data, size, offset); });
}

int fchmod(int fd, mode_t mode)
{
	return checked([&] { return ::fchmod(fd, mode); });
}

int fchown(int fd, uid_t owner, gid_t group)
{
	return checked([&] { return ::fchown(fd, owner, group); });
}

int fsync(int fd)
{
	return checked([&] { return ::fsync(fd); });
}

int fstat(int fd, struct stat &status)
{
	return checked([&] { return ::fstat(fd, &status); });
}

int lstat(const std::string &path, struct stat &status)
{
	return checked([&] { return ::lstat(path.c_str(), &status); });
}

int readlink(const std::string &path, std::string &target)
{
	char buffer[PATH_MAX];
	const ssize_t length = checked([&] { return ::readlink(path.c_str(), buffer, sizeof buffer); });
	if (length < 0)
		return static_cast<int>(length);
	if (static_cast<std::size_t>(length) == sizeof buffer)
		return -ENAMETOOLONG;
	target.assign(buffer, static_cast<std::size_t>(length));
	return 0;
}

int rename(const std::string &from, const std::string &to)
{
	return checked([&] { return ::rename(from.c_str(), to.c_str()); });
}

int link(const std::string &from, const std::string &to)
{
	return checked([&] { return ::link(from.c_str(), to.c_str()); });
}

int unlink(const std::string &path)
{
	return checked([&] { return ::unlink(path.c_str()); });
}

int mkdir(const std::string &path, mode_t mode)
{
	return checked([&] { return ::mkdir(path.c_str(), mode); });
}

int flock(int fd, int operation)
{
	return checked([&] { return ::flock(fd, operation); });
}

} // namespace posix

std::string folderOf(const std::string &path)
{
	const std::size_t slash = path.rfind('/');
	if (slash == std::string::npos)
		return ".";
	return slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace mirel
