#pragma once

#include <optional>
#include <string>

#include "cli/commands.h"
#include "cli/report.h"

namespace mirel::cli {

// What one call of mirel-calc asks, as its command line gave it.
struct Call {
	const Command *command = nullptr; // none for a batch, or for --completion alone
	Given given{};
	// The options of every command, as typed when given.
	std::optional<std::string> unit{}, round{}, stopsRound{}, output{}, completion{};
	bool builtIn = false; // --no-settings
	bool batch = false;
	std::optional<std::string> batchFile{}; // standard input when none
};

enum class Output { Text, Json, Csv };

// --output's word: text (also when none is given), json or csv. Throws
// UsageError for another.
Output readOutput(const std::optional<std::string> &text);

// settings with the rules the call gives (--unit, --round, --stops-round)
// in place of their own. Throws UsageError for a rule it cannot read.
CalcSettings withRules(const Call &call, CalcSettings settings);

// The call's command answered on settings (the stored or the built-in
// ones) under the call's rules. Throws UsageError for an input it cannot
// read.
Report answer(const Call &call, const CalcSettings &settings);

// The report in the output chosen.
std::string formatted(const Report &report, Output output);

} // namespace mirel::cli
