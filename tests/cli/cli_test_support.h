#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "../settings/test_support.h"
#include "cli/mirel_calc.h"

extern char **environ;

namespace mirel::cli {

struct Outcome {
	int status;
	std::string out, err;
};

// mirel-calc run in this process.
inline Outcome calc(const std::vector<std::string> &args)
{
	std::ostringstream out, err;
	const int status = run(args, out, err);
	return { status, out.str(), err.str() };
}

// The mirel-calc program run as a process, with env ("NAME=value") put
// before the test's own environment.
inline Outcome calcProgram(const std::vector<std::string> &args, const std::vector<std::string> &env,
			   const std::string &scratch)
{
	const std::string outPath = scratch + "/stdout", errPath = scratch + "/stderr";
	posix_spawn_file_actions_t files;
	posix_spawn_file_actions_init(&files);
	posix_spawn_file_actions_addopen(&files, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
	posix_spawn_file_actions_addopen(&files, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
	std::vector<std::string> argv{ MIREL_CALC_PATH };
	argv.insert(argv.end(), args.begin(), args.end());
	std::vector<char *> argp, envp;
	for (std::string &arg : argv)
		argp.push_back(arg.data());
	argp.push_back(nullptr);
	std::vector<std::string> variables(env);
	for (char **variable = environ; *variable; ++variable)
		variables.emplace_back(*variable);
	for (std::string &variable : variables)
		envp.push_back(variable.data());
	envp.push_back(nullptr);
	pid_t child = 0;
	int status = -1;
	if (posix_spawn(&child, argp.front(), &files, nullptr, argp.data(), envp.data()) == 0)
		waitpid(child, &status, 0);
	posix_spawn_file_actions_destroy(&files);
	return { WIFEXITED(status) ? WEXITSTATUS(status) : -1, testing_support::readFile(outPath),
		 testing_support::readFile(errPath) };
}

// Each test with a settings folder of its own, empty at the start, so that
// no test reads the settings of whoever runs it.
class CalcTest : public ::testing::Test
{
protected:
	CalcTest()
	{
		if (const char *before = std::getenv("XDG_CONFIG_HOME"))
			before_ = before;
		::setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
	}
	~CalcTest() override
	{
		if (before_)
			::setenv("XDG_CONFIG_HOME", before_->c_str(), 1);
		else
			::unsetenv("XDG_CONFIG_HOME");
	}

	std::string settingsPath() const { return config.path() + "/Talvern/Mirel.reg"; }

	testing_support::TempDir config, scratch;

private:
	std::optional<std::string> before_;
};

} // namespace mirel::cli
