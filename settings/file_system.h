#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <string>

namespace mirel {

// The POSIX calls the settings store makes, one virtual function each, so a
// test can make any of them fail as a full disk or a read-only folder would.
// Each returns what the call returns, or -errno when it fails; calls that an
// interrupting signal breaks off are repeated.
class FileSystem
{
public:
	virtual ~FileSystem() = default;

	virtual int open(const std::string &path, int flags, mode_t mode = 0);
	virtual int close(int fd);
	virtual ssize_t pread(int fd, void *data, std::size_t size, off_t offset);
	virtual ssize_t pwrite(int fd, const void *data, std::size_t size, off_t offset);
	virtual int ftruncate(int fd, off_t length);
	virtual int fchmod(int fd, mode_t mode);
	virtual int fsync(int fd);
	virtual int fstat(int fd, struct stat &status);
	virtual int lstat(const std::string &path, struct stat &status);
	// The target of a symbolic link, in target.
	virtual int readlink(const std::string &path, std::string &target);
	virtual int rename(const std::string &from, const std::string &to);
	virtual int unlink(const std::string &path);
	virtual int mkdir(const std::string &path, mode_t mode);
	virtual int flock(int fd, int operation);
};

// The real calls.
FileSystem &systemFileSystem();

} // namespace mirel
