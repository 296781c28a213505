#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/command_line.h"

namespace mirel {
namespace {

using Action = CommandLine::Action;

CommandLine parse(std::vector<const char *> words)
{
	words.insert(words.begin(), "mirel");
	return parseCommandLine(static_cast<int>(words.size()), words.data());
}

TEST(CommandLine, AnswersItsOwnOptionsPassesQtsOverAndRefusesTheRest)
{
	struct Row {
		std::vector<const char *> words;
		Action action;
		std::string problem; // a part of the message, for a refusal
	};
	const Row rows[] = {
		{ {}, Action::Run, "" },
		// The first of the two is answered.
		{ { "-v", "--help" }, Action::Version, "" },
		{ { "-h", "--version" }, Action::Help, "" },
		// Qt's options, with their values, passed over (which ones is the
		// QtOptions test's, against Qt itself).
		{ { "-session", "1234_5678", "--version" }, Action::Version, "" },
		// A value is taken whole, even when it looks like an option.
		{ { "-qwindowtitle", "--help" }, Action::Run, "" },
		// Refused, whatever else is asked.
		{ { "--help", "-x" }, Action::Refuse, "unknown option '-x'" },
		{ { "--help=yes" }, Action::Refuse, "unknown option '--help=yes'" },
		{ { "-help" }, Action::Refuse, "unknown option '-help'" },
		// Qt reads -style also joined to its value, even an empty one.
		{ { "-style=" }, Action::Run, "" },
		{ { "-platform" }, Action::Refuse, "option '-platform' needs a value" },
		{ { "-reverse", "--style" }, Action::Refuse, "option '--style' needs a value" },
		{ { "-" }, Action::Refuse, "unexpected argument '-'" },
		{ { "" }, Action::Refuse, "unexpected argument ''" },
	};
	for (const Row &row : rows) {
		std::string words;
		for (const char *word : row.words)
			words += std::string(" [") + word + "]";
		SCOPED_TRACE("mirel" + words);
		const CommandLine line = parse(row.words);
		EXPECT_EQ(line.action, row.action);
		if (row.problem.empty())
			EXPECT_EQ(line.problem, "");
		else
			EXPECT_NE(line.problem.find(row.problem), std::string::npos) << line.problem;
	}
}

TEST(CommandLine, ThePlatformChosenIsKeptForTheDisplayCheck)
{
	EXPECT_EQ(parse({}).platform, "");
	EXPECT_EQ(parse({ "-style", "platform" }).platform, "");
	EXPECT_EQ(parse({ "-platform", "offscreen" }).platform, "offscreen");
	EXPECT_EQ(parse({ "--platform", "wayland", "-reverse" }).platform, "wayland");
}

TEST(CommandLine, UsageNamesTheOptionsTheSettingsFileAndTheHelp)
{
	const std::string usage = usageText("/home/ansel/.config/Talvern/Mirel.reg");
	for (const char *part : { "Usage: mirel", "--help", "--version", "-platform",
				  "\n  /home/ansel/.config/Talvern/Mirel.reg\n", "F1", "man mirel" })
		EXPECT_NE(usage.find(part), std::string::npos) << part;
	EXPECT_EQ(usage.back(), '\n');
}

} // namespace
} // namespace mirel
