#include "cli/command_line.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <sstream>

#include <CLI/CLI.hpp>

#include "cli/suggest.h"

namespace mirel::cli {

namespace {

// The options of every command, before or after its name.
struct CommonOption {
	std::string_view name;
	OptionHelp help; // a flag has no value name
};

constexpr CommonOption kCommonOptions[] = {
	{ "--unit", { "UNIT", "Display unit of lengths: mm, cm, m, in or ft", "mm cm m in ft" } },
	{ "--round", { "PLACES", "Decimal places of other results: none, 1, 2 or 3", "none 1 2 3" } },
	{ "--stops-round", { "RULE", "Stops to: none, half or third", "none half third" } },
	{ "--output", { "FORMAT", "text (the default), json or csv", "text json csv" } },
	{ "--no-settings", { "", "Built-in values instead of the stored settings" } },
	{ "--completion", { "SHELL", "Print the completion script for bash, zsh or fish", "bash zsh fish" } },
};

constexpr std::string_view kBatch = "batch";
constexpr std::string_view kFormat = "--format";
constexpr std::string_view kCamera = "--camera";

std::string_view wordsFor(std::string_view option)
{
	for (const CommonOption &common : kCommonOptions) {
		if (common.name == option)
			return common.help.words;
	}
	return optionHelp(option).words;
}

std::vector<std::string> split(std::string_view words)
{
	std::vector<std::string> out;
	std::istringstream in{ std::string(words) };
	for (std::string word; in >> word;)
		out.push_back(word);
	return out;
}

std::vector<std::string_view> commandNames()
{
	std::vector<std::string_view> names;
	for (const Command &command : commands())
		names.push_back(command.name);
	names.push_back(kBatch);
	return names;
}

// "stops, fnumber, ... or batch"
std::string listed(const std::vector<std::string_view> &names)
{
	std::string out;
	for (std::size_t i = 0; i < names.size(); ++i)
		out.append(i == 0 ? "" : i + 1 == names.size() ? " or " : ", ").append(names[i]);
	return out;
}

void addCommand(CLI::App &app, const Command &command)
{
	CLI::App *sub = app.add_subcommand(std::string(command.name), std::string(command.summary));
	sub->footer("Inputs not given come from the stored settings. The options of 'mirel-calc --help' apply too.\n"
		    "Example:\n  " +
		    std::string(command.example));
	// CLI11 takes a description given alone only as a constant. An
	// argument in brackets may be left out; one followed by "..." given
	// once or more.
	for (std::string_view name : command.arguments) {
		const bool optional = name.starts_with('[') && name.ends_with(']');
		if (optional)
			name = name.substr(1, name.size() - 2);
		const bool repeated = name.ends_with("...");
		if (repeated)
			name.remove_suffix(3);
		const std::string description(optionHelp(name).help);
		CLI::Option *argument = sub->add_option(std::string(name), description);
		if (!optional)
			argument->required();
		if (repeated)
			argument->expected(1, -1)->allow_extra_args();
	}
	const auto addOption = [&](std::string_view name) {
		const OptionHelp help = optionHelp(name);
		const std::string description(help.help);
		return sub->add_option(std::string(name), description)->type_name(std::string(help.valueName));
	};
	// The film-format group: a command that takes a format of the table
	// takes a camera's frame instead (refusedTogether keeps them apart).
	for (const std::string_view name : command.options) {
		addOption(name);
		if (name == kFormat)
			addOption(kCamera);
	}
	// A circle of confusion given is the one used: a format could only be ignored.
	if (CLI::Option *coc = sub->get_option_no_throw("--coc"))
		coc->excludes("--format");
}

// Why options given together cannot be: --camera excludes --format and
// --coc. (CLI11 would say so too, but its help then lists an option's
// exclusions in an order that changes from run to run.)
std::string refusedTogether(const Given &given)
{
	if (!given.options.contains(kCamera))
		return {};
	for (const std::string_view other : { kFormat, std::string_view("--coc") }) {
		if (given.options.contains(other))
			return std::string(kCamera) + " excludes " + std::string(other);
	}
	return {};
}

// What the parsed command line gave command.
Given givenTo(const CLI::App &sub)
{
	Given given;
	for (const CLI::Option *option : sub.get_options()) {
		if (option->count() == 0)
			continue;
		if (option->get_positional())
			given.arguments.insert(given.arguments.end(), option->results().begin(),
					       option->results().end());
		else
			given.options.emplace(option->get_name(), option->as<std::string>());
	}
	return given;
}

// "--focla", not "-1.5".
bool isOptionName(std::string_view word)
{
	return word.size() > 1 && word[0] == '-' &&
	       (word[1] == '-' || std::isalpha(static_cast<unsigned char>(word[1])));
}

// The names of the options a command takes: its own, and those of every
// command.
std::vector<std::string> optionNames(const CLI::App &app, const CLI::App *command)
{
	std::vector<std::string> names;
	for (const CLI::App *scope : { command, &app }) {
		if (!scope)
			continue;
		for (const CLI::Option *option : scope->get_options()) {
			if (!option->get_positional())
				names.push_back(option->get_name());
		}
	}
	return names;
}

CompletionOption completionOption(const CLI::Option &option)
{
	const std::string name = option.get_name();
	const bool flag = option.get_type_size() == 0;
	return { name, option.get_description(), flag ? std::string() : option.get_type_name(), split(wordsFor(name)) };
}

} // namespace

struct CommandLine::Parts {
	CLI::App app{ "Mirel's calculators for photographers on the command line: the same results, in the same "
		      "texts, as the pages of Mirel's window. Inputs not given come from Mirel's stored settings.",
		      "mirel-calc" };
	std::map<std::string_view, CLI::Option *, std::less<>> common;
	CLI::App *batch = nullptr;
	CLI::Option *batchFile = nullptr;

	Parts()
	{
		app.set_version_flag("--version", "mirel-calc " MIREL_VERSION);
		app.require_subcommand(1);
		app.fallthrough();
		app.footer(
			"Lengths take a unit: 300mm, 30cm, 5m, 16.4ft, 197in, 6ft6in (also \"5 m\"). Run "
			"'mirel-calc COMMAND --help' for a command's inputs and an example.\nExit status: 0 done, 1 a "
			"result is n/a, 2 bad input.");
		for (const CommonOption &option : kCommonOptions) {
			const std::string name(option.name), help(option.help.help);
			common[option.name] =
				option.help.valueName.empty()
					? app.add_flag(name, help)
					: app.add_option(name, help)->type_name(std::string(option.help.valueName));
		}
		for (const Command &command : commands())
			addCommand(app, command);
		batch = app.add_subcommand(std::string(kBatch), "Answers calls read one per line from FILE or standard "
								"input, in the words of the command line");
		batch->footer(
			"Each line is a call without 'mirel-calc': dof --focal 50 --aperture 8 --distance 5m. "
			"Blank lines and lines starting with # are skipped.\nThe settings are read once; --output "
			"and --no-settings go to the batch, the other options of 'mirel-calc --help' to the batch "
			"or a line.\nExample:\n  printf 'dof --distance 2m\\nhyperfocal\\n' | mirel-calc batch");
		batchFile = batch->add_option("FILE", "The calls, one per line; standard input when none is given");
	}

	std::optional<std::string> value(std::string_view name) const
	{
		const CLI::Option *option = common.at(name);
		return option->count() ? std::optional(option->as<std::string>()) : std::nullopt;
	}

	// The parse error's message, and for a word mistyped the name that was
	// most likely meant.
	std::string refusal(const CLI::ParseError &error) const
	{
		const std::vector<CLI::App *> chosen = app.get_subcommands();
		const CLI::App *sub = chosen.empty() ? nullptr : chosen.front();
		for (const std::string &word : app.remaining()) {
			if (isOptionName(word)) {
				const std::string typed = word.substr(0, word.find('='));
				const std::vector<std::string> owned = optionNames(app, sub);
				const std::string_view nearest =
					nearestName(typed, std::vector<std::string_view>(owned.begin(), owned.end()));
				const std::string refused = "'" + typed + "' is not an option" +
							    (sub ? " of " + sub->get_name() : std::string());
				return nearest.empty() ? refused
						       : refused + "; did you mean " + std::string(nearest) + "?";
			}
			if (!sub) {
				const std::string_view nearest = nearestName(word, commandNames());
				return "'" + word + "' is not a command; " +
				       (nearest.empty() ? "use " + listed(commandNames())
							: "did you mean " + std::string(nearest) + "?");
			}
		}
		if (!sub && dynamic_cast<const CLI::RequiredError *>(&error))
			return "a command is needed; use " + listed(commandNames());
		return error.what();
	}

	// Whether error is only that --completion, which needs none, came
	// without a command.
	bool completionAlone(const CLI::ParseError &error) const
	{
		return dynamic_cast<const CLI::RequiredError *>(&error) && app.get_subcommands().empty() &&
		       app.remaining().empty() && common.at("--completion")->count();
	}
};

CommandLine::CommandLine() : parts_(std::make_unique<Parts>()) {}

CommandLine::~CommandLine() = default;

CommandLine::Reading CommandLine::read(const std::vector<std::string> &words)
{
	CLI::App &app = parts_->app;
	try {
		app.parse(std::vector<std::string>(words.rbegin(), words.rend()));
	} catch (const CLI::Success &shown) { // --help or --version
		std::ostringstream out, err;
		app.exit(shown, out, err);
		return { Reading::Kind::Shown, {}, out.str() };
	} catch (const CLI::ParseError &error) {
		if (!parts_->completionAlone(error))
			return { Reading::Kind::Refused, {}, parts_->refusal(error) };
	}

	Call call{ .unit = parts_->value("--unit"),
		   .round = parts_->value("--round"),
		   .stopsRound = parts_->value("--stops-round"),
		   .output = parts_->value("--output"),
		   .completion = parts_->value("--completion"),
		   .builtIn = parts_->common.at("--no-settings")->count() > 0 };
	// No command chosen: --completion alone.
	const std::vector<CLI::App *> chosen = app.get_subcommands();
	if (chosen.empty())
		return { Reading::Kind::Call, std::move(call) };
	if (chosen.front() == parts_->batch) {
		call.batch = true;
		if (parts_->batchFile->count())
			call.batchFile = parts_->batchFile->as<std::string>();
	} else {
		const auto &all = commands();
		call.command = &*std::find_if(all.begin(), all.end(),
					      [&](const Command &c) { return c.name == chosen.front()->get_name(); });
		call.given = givenTo(*chosen.front());
		if (std::string refused = refusedTogether(call.given); !refused.empty())
			return { Reading::Kind::Refused, {}, std::move(refused) };
	}
	return { Reading::Kind::Call, std::move(call) };
}

CompletionModel CommandLine::completion() const
{
	CompletionModel model;
	for (const CLI::Option *option : parts_->app.get_options())
		model.common.push_back(completionOption(*option));
	for (const CLI::App *sub : parts_->app.get_subcommands([](CLI::App *) { return true; })) {
		CompletionCommand &command = model.commands.emplace_back();
		command.name = sub->get_name();
		command.summary = sub->get_description();
		for (const CLI::Option *option : sub->get_options()) {
			if (option == sub->get_help_ptr()) // the common --help
				continue;
			if (option->get_positional())
				command.arguments.push_back(option->get_name());
			else
				command.options.push_back(completionOption(*option));
		}
	}
	return model;
}

} // namespace mirel::cli
