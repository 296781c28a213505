#include "settings/storage/settings_path.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace mirel {

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
