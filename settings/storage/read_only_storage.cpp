#include "settings/storage/read_only_storage.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <utility>

#include "settings/file_registry/read_only_registry.h"
#include "settings/file_safety/file_system.h"
#include "settings/file_safety/safe_file.h"
#include "settings/regedit4/reg_file.h"
#include "settings/registry/registry_key.h"
#include "settings/storage/stored_records.h"

namespace mirel {

namespace {

// The whole file into text; 0, or the errno of what failed. A file larger
// than the store reads is refused with EFBIG.
int readWholeFile(const std::string &path, std::string &text)
{
	// Non-blocking, so that a pipe put in the file's place cannot hang us.
	const int fd = posix::open(path, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
	if (fd < 0)
		return -fd;
	struct stat status {};
	int error = -posix::fstat(fd, status);
	if (error == 0 && !S_ISREG(status.st_mode))
		error = S_ISDIR(status.st_mode) ? EISDIR : EINVAL;
	char buffer[64 * 1024];
	while (error == 0) {
		const ssize_t got = posix::pread(fd, buffer, sizeof buffer, static_cast<off_t>(text.size()));
		if (got < 0)
			error = static_cast<int>(-got);
		else if (got == 0)
			break;
		else if (text.size() + static_cast<std::size_t>(got) > SafeFile::kMaxSize)
			error = EFBIG;
		else
			text.append(buffer, static_cast<std::size_t>(got));
	}
	posix::close(fd);
	return error;
}

// A registry error's message, which separates its parts with blank lines,
// on one line.
std::string oneLine(std::string_view text)
{
	std::string line;
	for (const char c : text) {
		if (c != '\r' && c != '\n')
			line += c;
		else if (!line.empty() && line.back() != ' ')
			line += ' ';
	}
	return line;
}

} // namespace

ReadOnlySettingsStorage::ReadOnlySettingsStorage(std::string path) : path_(std::move(path)) {}

void ReadOnlySettingsStorage::warn(std::string_view problem, std::string_view consequence)
{
	warning_.assign(path_).append(": ").append(problem).append("; ").append(consequence);
}

void ReadOnlySettingsStorage::readStored(CalcSettings &defaults, StartupPrefs &prefs, Remembered &)
{
	warning_.clear();
	std::string text;
	if (const int error = readWholeFile(path_, text); error != 0) {
		if (error != ENOENT)
			warn(std::strerror(error), "using the built-in settings");
		return;
	}
	const RegFileReading reading = parseRegFile(std::move(text));
	ReadOnlyRegistry registry(reading.file);
	RegistryKey key("Mirel", "Talvern", &registry);
	std::string failure;
	if (key.openProductKey(false)) {
		try {
			readSettingsRecord(key, defaults);
			readStartupPrefs(key, prefs);
		} catch (const std::runtime_error &error) {
			failure = oneLine(error.what());
		}
	}
	key.close();
	if (reading.damaged())
		warn("some lines could not be read", "using the settings that could");
	else if (!failure.empty())
		warn(failure, "the settings after it are the built-in ones");
}

} // namespace mirel
