#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "cli/mirel_calc.h"
#include "testing/scratch_files.h"

// mirel-calc run in the test's process, and as the program at
// MIREL_CALC_PATH, which the test's target defines.

namespace mirel::testing {

struct Outcome {
	int status;
	std::string out, err;
};

// mirel-calc run in this process, input its standard input.
inline Outcome calc(const std::vector<std::string> &args, const std::string &input = {})
{
	std::istringstream in(input);
	std::ostringstream out, err;
	const int status = cli::run(args, in, out, err);
	return { status, out.str(), err.str() };
}

// A program run by the shell, with env ("NAME=value") added to the test's
// own environment.
inline Outcome runProgram(const std::vector<std::string> &words, const std::vector<std::string> &env,
			  const std::string &scratch)
{
	const auto quoted = [](const std::string &word) {
		std::string out = " '";
		for (const char c : word)
			out += c == '\'' ? std::string("'\\''") : std::string(1, c);
		return out + "'";
	};
	std::string command = "env";
	for (const std::string &word : env)
		command += quoted(word);
	for (const std::string &word : words)
		command += quoted(word);
	const std::string out = scratch + "/stdout", err = scratch + "/stderr";
	const int status = std::system((command + " >" + quoted(out) + " 2>" + quoted(err)).c_str());
	return { WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(out), readFile(err) };
}

// The mirel-calc program run by the shell.
inline Outcome calcProgram(std::vector<std::string> args, const std::vector<std::string> &env,
			   const std::string &scratch)
{
	args.insert(args.begin(), MIREL_CALC_PATH);
	return runProgram(args, env, scratch);
}

// The cells of CSV text, row by row, quotes taken off as RFC 4180 says.
inline std::vector<std::vector<std::string>> csvRows(std::string_view csv)
{
	std::vector<std::vector<std::string>> rows;
	std::vector<std::string> row(1);
	bool quoted = false;
	for (std::size_t i = 0; i < csv.size(); ++i) {
		const char c = csv[i];
		if (quoted && c == '"' && i + 1 < csv.size() && csv[i + 1] == '"')
			row.back() += csv[++i];
		else if (c == '"')
			quoted = !quoted;
		else if (!quoted && c == ',')
			row.emplace_back();
		else if (!quoted && c == '\n')
			rows.push_back(std::exchange(row, std::vector<std::string>(1)));
		else
			row.back() += c;
	}
	return rows;
}

// Each test with a settings folder of its own, empty at the start, so that
// no test reads the settings of whoever runs it.
class CalcTest : public ::testing::Test
{
protected:
	CalcTest() { ::setenv("XDG_CONFIG_HOME", config.path().c_str(), 1); }

	std::string settingsPath() const { return config.path() + "/Talvern/Mirel.reg"; }

	TempDir config, scratch;
};

} // namespace mirel::testing
