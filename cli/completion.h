#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mirel::cli {

// What a shell completes for mirel-calc, taken from its command line's own
// definition so that the two never differ.

struct CompletionOption {
	std::string name;                // "--unit"
	std::string help;                // its line of --help
	std::string valueName;           // "UNIT"; empty for a flag
	std::vector<std::string> values; // the words it takes, when it takes only those
};

struct CompletionCommand {
	std::string name;
	std::string summary;
	std::vector<CompletionOption> options;
	std::vector<std::string> arguments; // "F1", ...; "FILE" completes file names
};

struct CompletionModel {
	std::vector<CompletionOption> common; // the options of every command
	std::vector<CompletionCommand> commands;
};

// The shell's completion script: "bash", "zsh" or "fish". Throws UsageError
// for another shell.
std::string completionScript(std::string_view shell, const CompletionModel &model);

} // namespace mirel::cli
