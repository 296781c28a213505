#include "settings/storage/settings_path.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace mirel {

namespace {

bool absolute(const char *path)
{
	return path && path[0] == '/';
}

} // namespace

std::string defaultSettingsPath()
{
	// A relative path in XDG_CONFIG_HOME or HOME is no place at all: it would
	// put the settings wherever Mirel was started. The XDG rules say to
	// ignore it; for HOME, the home folder the system keeps for the user is
	// what HOME stands for.
	std::string base;
	if (const char *config = std::getenv("XDG_CONFIG_HOME"); absolute(config)) {
		base = config;
	} else if (const char *home = std::getenv("HOME"); absolute(home)) {
		base = std::string(home) + "/.config";
	} else if (const passwd *user = ::getpwuid(::getuid()); user && absolute(user->pw_dir)) {
		base = std::string(user->pw_dir) + "/.config";
	} else {
		return {};
	}
	return base + "/Talvern/Mirel.reg";
}

} // namespace mirel
