#pragma once

#include <memory>
#include <string>
#include <vector>

#include "cli/call.h"
#include "cli/completion.h"

namespace mirel::cli {

// mirel-calc's command line, as CLI11 reads it: the options of every
// command, a command per entry of the command table, and batch. Made once
// per run, and read for the call and then for each line of a batch.
class CommandLine
{
public:
	CommandLine();
	~CommandLine();
	CommandLine(const CommandLine &) = delete;
	CommandLine &operator=(const CommandLine &) = delete;

	// What reading a command line gives.
	struct Reading {
		enum class Kind {
			Call,    // a call to answer
			Shown,   // --help or --version: text is what they print
			Refused, // text says why, naming the nearest word to one mistyped
		};
		Kind kind;
		Call call{};
		std::string text{};
	};

	// Reads words, the program's name left out.
	Reading read(const std::vector<std::string> &words);

	// What a shell completes, from the same definition.
	CompletionModel completion() const;

private:
	struct Parts;
	std::unique_ptr<Parts> parts_;
};

} // namespace mirel::cli
