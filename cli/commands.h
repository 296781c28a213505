#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "cli/report.h"
#include "settings/model/records.h"

namespace mirel::cli {

// The texts a command was given: its options by name ("--focal") and its
// arguments in order.
struct Given {
	std::map<std::string, std::string, std::less<>> options;
	std::vector<std::string> arguments;
};

// One command of mirel-calc, as its help shows it, and what it computes.
// Inputs not given come from settings: the stored defaults and film table,
// with the rules (unit, rounding) of this call. A text that cannot be read
// throws UsageError.
struct Command {
	std::string_view name;
	std::string_view summary;
	std::string_view example;
	std::vector<std::string_view> options;   // "--focal", ...
	std::vector<std::string_view> arguments; // "F1", ...
	std::function<Report(const Given &, const CalcSettings &)> run;
};

const std::vector<Command> &commands();

// An input's value name and help, for the command line's help: an option
// ("--focal") or an argument ("F1"); and the words a shell offers for it
// (blank-separated), where there are some to offer.
struct OptionHelp {
	std::string_view valueName;
	std::string_view help;
	std::string_view words = {};
};
OptionHelp optionHelp(std::string_view option);

} // namespace mirel::cli
