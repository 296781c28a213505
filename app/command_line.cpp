#include "app/command_line.h"

#include <algorithm>
#include <string_view>

#include "desktop/identity.h"

namespace mirel {

namespace {

// The options Qt 6 reads from a program's command line and takes out of it
// before the program sees it.
struct QtOption {
	std::string_view name;
	bool takesValue;
};

constexpr QtOption kQtOptions[] = {
	// Read by every Qt Widgets program.
	{ "platform", true },
	{ "platformpluginpath", true },
	{ "platformtheme", true },
	{ "plugin", true },
	{ "qwindowgeometry", true },
	{ "qwindowicon", true },
	{ "qwindowtitle", true },
	{ "reverse", false },
	{ "session", true },
	{ "testability", false },
	{ "style", true },
	{ "stylesheet", true },
	{ "widgetcount", false },
	// Read by the X11 platform only.
	{ "display", true },
	{ "geometry", true },
	{ "title", true },
	{ "icon", true },
	{ "name", true },
	{ "visual", true },
	{ "nograb", false },
	{ "dograb", false },
};

// Options Qt also reads with the value joined on by '=' (-qmljsdebugger
// only so).
constexpr std::string_view kQtJoinedOptions[] = { "style=", "stylesheet=", "qmljsdebugger=" };

// Qt reads "--style" as "-style": the name without its dashes.
std::string_view qtName(std::string_view argument)
{
	argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
	return argument;
}

const QtOption *findQtOption(std::string_view name)
{
	const auto found = std::find_if(std::begin(kQtOptions), std::end(kQtOptions),
					[&](const QtOption &option) { return option.name == name; });
	return found == std::end(kQtOptions) ? nullptr : found;
}

bool isQtJoinedOption(std::string_view name)
{
	return std::any_of(std::begin(kQtJoinedOptions), std::end(kQtJoinedOptions),
			   [&](std::string_view prefix) { return name.starts_with(prefix); });
}

CommandLine refused(std::string problem)
{
	return { CommandLine::Action::Refuse, std::move(problem), {} };
}

} // namespace

CommandLine parseCommandLine(int argc, const char *const *argv)
{
	CommandLine line;
	for (int i = 1; i < argc; ++i) {
		const std::string_view argument = argv[i];
		if (argument == "-h" || argument == "--help" || argument == "-v" || argument == "--version") {
			if (line.action == CommandLine::Action::Run)
				line.action = argument == "-h" || argument == "--help" ? CommandLine::Action::Help
										       : CommandLine::Action::Version;
			continue;
		}
		if (argument.size() < 2 || argument[0] != '-')
			return refused("unexpected argument '" + std::string(argument) + "'; Mirel opens no files");
		const std::string_view name = qtName(argument);
		if (isQtJoinedOption(name))
			continue;
		const QtOption *option = findQtOption(name);
		if (!option)
			return refused("unknown option '" + std::string(argument) + "'");
		if (!option->takesValue)
			continue;
		if (++i == argc)
			return refused("option '" + std::string(argument) + "' needs a value");
		if (option->name == "platform")
			line.platform = argv[i];
	}
	return line;
}

std::string usageText(const std::string &settingsPath)
{
	return "Usage: mirel [OPTION]...\n"
	       "Mirel is a calculator for photographers: f-numbers and stops, depth of field,\n"
	       "hyperfocal distance, field of view, angle of view, magnification and spot\n"
	       "meter angles, worked out in the unit you choose as you type.\n"
	       "\n"
	       "Options:\n"
	       "  -h, --help       show this help and exit\n"
	       "  -v, --version    show the version and exit\n"
	       "Qt's own options work as in any Qt program, for example -platform xcb,\n"
	       "-style Fusion or -reverse.\n"
	       "\n"
	       "Your settings are kept in\n"
	       "  " +
	       settingsPath +
	       "\n\n"
	       "In the window, F1 shows help on the page in front and Help > Contents\n"
	       "the whole guide; `man mirel` describes the program.\n";
}

std::string versionText()
{
	return std::string("Mirel ") + identity::kVersion + "\n";
}

} // namespace mirel
