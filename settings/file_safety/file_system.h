#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <string>

namespace mirel {

// The POSIX calls the settings store makes. Each returns what the call
// returns, or -errno when it fails; calls that an interrupting signal breaks
// off are repeated.
namespace posix {

int open(const std::string &path, int flags, mode_t mode = 0);
int close(int fd);
ssize_t pread(int fd, void *data, std::size_t size, off_t offset);
ssize_t pwrite(int fd, const void *data, std::size_t size, off_t offset);
int fchmod(int fd, mode_t mode);
int fchown(int fd, uid_t owner, gid_t group);
int fsync(int fd);
int fstat(int fd, struct stat &status);
int lstat(const std::string &path, struct stat &status);
// The target of a symbolic link, in target.
int readlink(const std::string &path, std::string &target);
int rename(const std::string &from, const std::string &to);
int link(const std::string &from, const std::string &to);
int unlink(const std::string &path);
int mkdir(const std::string &path, mode_t mode);
int flock(int fd, int operation);

} // namespace posix

// The folder that holds the file at path: "." for a bare name.
std::string folderOf(const std::string &path);

} // namespace mirel
