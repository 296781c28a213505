// Every example users are shown runs, on a fresh install (no settings
// file): each command's example in its --help, the manual page's, and the
// README's calls, which must also print what the README shows under them.
// They run in a folder of their own holding the photos they name.
#include <fstream>

#include "cli/commands.h"
#include "testing/mirel_calc_runs.h"
#include "testing/photo_files.h"

namespace mirel::cli {
namespace {

using namespace testing;

class Examples : public CalcTest
{
protected:
	// A Canon EOS 7D's shot at 50 mm, f/8, focused at 5 m, as a JPEG and
	// as a raw file (a TIFF, as Nikon's are).
	Examples()
	{
		writePhoto(scratch.path() + "/IMG_0001.JPG", PhotoFormat::Jpeg, canon7DShotAt5m());
		writePhoto(scratch.path() + "/DSC_0002.NEF", PhotoFormat::Tiff, canon7DShotAt5m());
	}
};

std::vector<std::string> linesOf(const std::string &path)
{
	std::ifstream file(path);
	std::vector<std::string> lines;
	for (std::string line; std::getline(file, line);)
		lines.push_back(line);
	return lines;
}

// A line as the shell runs it, with mirel-calc on the PATH.
Outcome shellRuns(const std::string &line, const std::string &scratch)
{
	const std::string calcPath = MIREL_CALC_PATH, folder = calcPath.substr(0, calcPath.rfind('/'));
	return runProgram({ "sh", "-c", "cd \"$0\" && " + line, scratch },
			  { "PATH=" + folder + ":" + std::getenv("PATH") }, scratch);
}

// A line shown as an example runs, answers and exits 0.
void expectRuns(const std::string &line, const std::string &scratch)
{
	const Outcome outcome = shellRuns(line, scratch);
	EXPECT_EQ(outcome.status, kDone) << line << "\n" << outcome.err;
	EXPECT_NE(outcome.out, "") << line;
}

TEST_F(Examples, EachCommandsHelpExampleRuns)
{
	std::vector<std::string> names{ "batch" };
	for (const Command &command : commands())
		names.emplace_back(command.name);
	for (const std::string &name : names) {
		const std::string help = calc({ name, "--help" }).out;
		const std::string heading = "Example:\n  ";
		const std::size_t start = help.find(heading);
		ASSERT_NE(start, std::string::npos) << help;
		const std::size_t from = start + heading.size();
		expectRuns(help.substr(from, help.find('\n', from) - from), scratch.path());
	}
}

TEST_F(Examples, TheManualPagesExamplesRun)
{
	int examples = 0;
	bool inExamples = false, inLines = false;
	for (std::string line : linesOf(MIREL_SOURCE_DIR "/desktop/mirel-calc.1.in")) {
		if (line.starts_with(".SH"))
			inExamples = line == ".SH EXAMPLES";
		else if (inExamples && (line == ".nf" || line == ".fi"))
			inLines = line == ".nf";
		else if (inLines) {
			// The page's escapes of the characters the shell reads.
			for (const auto &[escape, character] : { std::pair{ "\\-", "-" }, std::pair{ "\\(aq", "'" },
								 std::pair{ "\\(dq", "\"" }, std::pair{ "\\e", "\\" } })
				for (std::size_t at; (at = line.find(escape)) != std::string::npos;)
					line.replace(at, std::string_view(escape).size(), character);
			expectRuns(line, scratch.path());
			++examples;
		}
	}
	EXPECT_GE(examples, 6);
}

// The README's "$ " lines, run by the shell with mirel-calc on the PATH;
// the lines indented under each are its standard output.
TEST_F(Examples, TheReadmesCallsPrintWhatItShows)
{
	const std::vector<std::string> lines = linesOf(MIREL_SOURCE_DIR "/README.md");
	int examples = 0;
	for (std::size_t i = 0; i < lines.size(); ++i) {
		const std::string prompt = "    $ ";
		if (!lines[i].starts_with(prompt) || lines[i].find("mirel-calc") == std::string::npos)
			continue;
		// The code block goes on over a blank line, up to the next prompt.
		const auto shownAt = [&](std::size_t j) {
			return j < lines.size() && lines[j].starts_with("    ") && !lines[j].starts_with(prompt);
		};
		std::string shown;
		for (std::size_t j = i + 1; shownAt(j) || (j < lines.size() && lines[j].empty() && shownAt(j + 1)); ++j)
			shown += (lines[j].empty() ? "" : lines[j].substr(4)) + "\n";
		const Outcome outcome = shellRuns(lines[i].substr(prompt.size()), scratch.path());
		EXPECT_EQ(outcome.out, shown) << lines[i] << "\n" << outcome.err;
		++examples;
	}
	EXPECT_GE(examples, 5);
}

} // namespace
} // namespace mirel::cli
