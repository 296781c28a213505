#pragma once

#include <string>

namespace mirel {

// What the words after `mirel` ask for.
struct CommandLine {
	enum class Action { Run, Help, Version, Refuse };

	Action action = Action::Run;
	// Why the words were refused, for a message on stderr.
	std::string problem;
	// The window system named by Qt's -platform option; empty when none was.
	std::string platform;
};

// Reads the arguments that follow the program's name. Qt's own options
// (-platform, -style, -reverse and the others Qt reads, with one dash or
// two) are passed over, with their values, and left for Qt; any other
// option or argument is refused. Otherwise the first of --help and
// --version is the answer.
CommandLine parseCommandLine(int argc, const char *const *argv);

// The answer to --help: what Mirel is, its options, where its settings are
// kept and where help is found.
std::string usageText(const std::string &settingsPath);

// The answer to --version.
std::string versionText();

} // namespace mirel
