#include <cstdio>
#include <cstdlib>

#include "app/command_line.h"
#include "settings/file_registry/reg_file_store.h"
#include "settings/storage/registry_storage.h"
#include "settings/storage/settings_path.h"
#include "shell/mirel_app.h"

namespace {

// Qt aborts without a window system to talk to; say plainly what to do.
bool haveDisplay(const mirel::CommandLine &line)
{
	if (!line.platform.empty())
		return true; // the user chose the window system; Qt says if it is not there
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
	// Answered before Qt starts: these need no display and touch no settings.
	const mirel::CommandLine line = mirel::parseCommandLine(argc, argv);
	switch (line.action) {
	case mirel::CommandLine::Action::Help:
		std::fputs(mirel::usageText(mirel::defaultSettingsPath()).c_str(), stdout);
		return EXIT_SUCCESS;
	case mirel::CommandLine::Action::Version:
		std::fputs(mirel::versionText().c_str(), stdout);
		return EXIT_SUCCESS;
	case mirel::CommandLine::Action::Refuse:
		std::fprintf(stderr, "mirel: %s\nTry 'mirel --help' for more information.\n", line.problem.c_str());
		return 2;
	case mirel::CommandLine::Action::Run:
		break;
	}
	if (!haveDisplay(line)) {
		std::fprintf(
			stderr,
			"Mirel needs a graphical desktop, and none was found (DISPLAY and WAYLAND_DISPLAY are unset).\n"
			"Start it from your desktop session, or under a virtual display: xvfb-run -a %s\n",
			argv[0]);
		return EXIT_FAILURE;
	}
	// Qt takes its own options out of argv here.
	mirel::MirelApp app(argc, argv);
	// The settings key works on the user's settings file for the whole run.
	mirel::RegFileStore store(mirel::defaultSettingsPath());
	const mirel::RegistryBinding binding(mirel::settingsKey, store);
	mirel::RegistrySettingsStorage storage(mirel::settingsKey, store);
	return app.run(&storage);
}
