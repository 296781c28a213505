// The shell completion mirel-calc generates: bash, run for real, offers the
// commands, a command's options and the words an option takes.
#include "cli/commands.h"
#include "testing/mirel_calc_runs.h"

namespace mirel::cli {
namespace {

using namespace testing;
using Completion = CalcTest;

using Words = std::vector<std::string>;

// What bash offers when the line typed so far is typed (the cursor at its
// end), with the completion mirel-calc generates.
Words bashOffers(const std::string &script, const std::string &typed, const std::string &scratch)
{
	std::string words = "(";
	std::istringstream split(typed);
	int count = 0;
	for (std::string word; split >> word; ++count)
		words += "'" + word + "' ";
	if (typed.ends_with(' '))
		words += "'' ", ++count;
	const Outcome offered = runProgram({ "bash", "-c",
					     "source '" + script + "'; COMP_WORDS=" + words +
						     "); COMP_CWORD=" + std::to_string(count - 1) +
						     "; _mirel_calc; printf '%s\\n' \"${COMPREPLY[@]}\" | sort" },
					   {}, scratch);
	EXPECT_EQ(offered.err, "") << typed;
	Words out;
	std::istringstream lines(offered.out);
	for (std::string line; std::getline(lines, line);)
		if (!line.empty())
			out.push_back(line);
	return out;
}

TEST_F(Completion, BashOffersTheCommandsTheirOptionsAndTheWordsOfAnOption)
{
	const Outcome generated = calc({ "--completion", "bash" });
	ASSERT_EQ(generated.status, kDone) << generated.err;
	const std::string script = scratch.path() + "/mirel-calc";
	writeFile(script, generated.out);

	Words commandNames{ "batch" };
	for (const Command &command : commands())
		commandNames.emplace_back(command.name);
	std::sort(commandNames.begin(), commandNames.end());
	EXPECT_EQ(bashOffers(script, "mirel-calc ", scratch.path()), commandNames);
	struct Row {
		const char *typed;
		Words offered;
	};
	for (const Row &row : std::initializer_list<Row>{
		     { "mirel-calc d", { "diffraction", "dof" } },
		     { "mirel-calc --output csv ta", { "table" } },
		     { "mirel-calc dof --",
		       { "--aperture", "--camera", "--coc", "--completion", "--distance", "--focal", "--format",
			 "--help", "--no-settings", "--output", "--round", "--stops-round", "--unit", "--version" } },
		     { "mirel-calc plan --f", { "--far", "--focal", "--format" } },
		     { "mirel-calc table --a", { "--apertures" } },
		     { "mirel-calc plan --far ", { "inf" } },
		     { "mirel-calc --unit ", { "cm", "ft", "in", "m", "mm" } },
		     { "mirel-calc dof --round ", { "1", "2", "3", "none" } },
		     { "mirel-calc --stops-round t", { "third" } },
		     { "mirel-calc batch --output j", { "json" } },
		     { "mirel-calc --completion ", { "bash", "fish", "zsh" } },
		     { "mirel-calc coc --rule ", { "1440", "1500", "1730" } },
		     { "mirel-calc dof --focal ", {} },
		     { "mirel-calc stops 2.8 ", {} },
	     }) {
		EXPECT_EQ(bashOffers(script, row.typed, scratch.path()), row.offered) << row.typed;
	}
}

TEST_F(Completion, EveryShellHasItsScriptAndOthersAreRefused)
{
	for (const char *shell : { "bash", "zsh", "fish" }) {
		const Outcome outcome = calc({ "--completion", shell });
		EXPECT_EQ(outcome.status, kDone) << shell;
		EXPECT_NE(outcome.out.find("completion for mirel-calc"), std::string::npos) << shell;
		for (const Command &command : commands())
			EXPECT_NE(outcome.out.find(command.name), std::string::npos) << shell << " " << command.name;
	}
	const Outcome tcsh = calc({ "--completion", "tcsh" });
	EXPECT_EQ(tcsh.status, kRefused);
	EXPECT_EQ(tcsh.err, "mirel-calc: --completion: 'tcsh' is not a shell; use bash, zsh or fish\n");
}

} // namespace
} // namespace mirel::cli
