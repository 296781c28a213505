#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <sstream>
#include <string>
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

// mirel-calc run in this process.
inline Outcome calc(const std::vector<std::string> &args)
{
	std::ostringstream out, err;
	const int status = cli::run(args, out, err);
	return { status, out.str(), err.str() };
}

// The mirel-calc program run by the shell, with env ("NAME=value") added to
// the test's own environment.
inline Outcome calcProgram(const std::vector<std::string> &args, const std::vector<std::string> &env,
			   const std::string &scratch)
{
	const auto quoted = [](const std::string &word) {
		EXPECT_EQ(word.find('\''), std::string::npos) << word;
		return " '" + word + "'";
	};
	std::string command = "env";
	for (const std::string &word : env)
		command += quoted(word);
	command += quoted(MIREL_CALC_PATH);
	for (const std::string &word : args)
		command += quoted(word);
	const std::string out = scratch + "/stdout", err = scratch + "/stderr";
	const int status = std::system((command + " >" + quoted(out) + " 2>" + quoted(err)).c_str());
	return { WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(out), readFile(err) };
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
