#include <cstdio>
#include <cstdlib>

#include "settings/reg_store.h"
#include "settings/registry_storage.h"
#include "shell/mirel_app.h"

namespace {

// Qt aborts without a window system to talk to; say plainly what to do.
bool haveDisplay()
{
	for (const char *variable : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" }) {
		const char *value = std::getenv(variable);
		if (value && *value)
			return true;
	}
	return false;
}

} // namespace

int main(int argc, char **argv)
{
	if (!haveDisplay()) {
		std::fputs(
			"Mirel needs a graphical desktop, and none was found (DISPLAY and WAYLAND_DISPLAY are unset).\n"
			"Start it from your desktop session, or under a virtual display: xvfb-run -a build/app/mirel\n",
			stderr);
		return EXIT_FAILURE;
	}
	mirel::MirelApp app(argc, argv);
	// The settings key works on the user's settings file for the whole run.
	mirel::RegFileStore store(mirel::defaultSettingsPath());
	const mirel::RegistryBinding binding(mirel::settingsKey, store);
	mirel::RegistrySettingsStorage storage(mirel::settingsKey, store);
	return app.run(&storage);
}
