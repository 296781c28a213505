#include "cli/mirel_calc.h"

#include <CLI/CLI.hpp>

#include "cli/commands.h"
#include "cli/option_text.h"
#include "core/stops.h"
#include "settings/model/lifecycle.h"
#include "settings/storage/read_only_storage.h"
#include "settings/storage/settings_path.h"

namespace mirel::cli {

namespace {

constexpr std::string_view kProgram = "mirel-calc";

// The options of every command, which may come before or after its name.
struct CommonOptions {
	std::string unit, round, stopsRound, output;
	bool builtIn = false;
	CLI::Option *unitGiven = nullptr, *roundGiven = nullptr, *stopsRoundGiven = nullptr, *outputGiven = nullptr;
};

void addCommonOptions(CLI::App &app, CommonOptions &options)
{
	options.unitGiven = app.add_option("--unit", options.unit, "Display unit of lengths: mm, cm, m, in or ft")
				    ->type_name("UNIT");
	options.roundGiven =
		app.add_option("--round", options.round, "Decimal places of other results: none, 1, 2 or 3")
			->type_name("PLACES");
	options.stopsRoundGiven =
		app.add_option("--stops-round", options.stopsRound, "Stops to: none, half or third")->type_name("RULE");
	options.outputGiven =
		app.add_option("--output", options.output, "text (the default), json or csv")->type_name("FORMAT");
	app.add_flag("--no-settings", options.builtIn, "Built-in values instead of the stored settings");
}

void addCommand(CLI::App &app, const Command &command)
{
	CLI::App *sub = app.add_subcommand(std::string(command.name), std::string(command.summary));
	sub->footer("Inputs not given come from the stored settings. The options of 'mirel-calc --help' apply too.\n"
		    "Example:\n  " +
		    std::string(command.example));
	for (const std::string_view name : command.arguments) {
		const std::string description(optionHelp(name).help);
		sub->add_option(std::string(name), description)->required();
	}
	for (const std::string_view name : command.options) {
		const OptionHelp help = optionHelp(name);
		const std::string description(help.help);
		sub->add_option(std::string(name), description)->type_name(std::string(help.valueName));
	}
	// A circle of confusion given is the one used: a format could only be ignored.
	if (CLI::Option *coc = sub->get_option_no_throw("--coc"))
		coc->excludes("--format");
}

std::string commandNames()
{
	std::string names;
	for (const Command &command : commands())
		names.append(names.empty()                            ? ""
			     : command.name == commands().back().name ? " or "
								      : ", ")
			.append(command.name);
	return names;
}

// What the parsed command line gave command.
Given givenTo(const CLI::App &sub)
{
	Given given;
	for (const CLI::Option *option : sub.get_options()) {
		if (option->count() == 0)
			continue;
		if (option->get_positional())
			given.arguments.push_back(option->as<std::string>());
		else
			given.options.emplace(option->get_name(), option->as<std::string>());
	}
	return given;
}

enum class Output { Text, Json, Csv };

Output readOutput(const CommonOptions &options)
{
	if (!options.outputGiven->count() || options.output == "text")
		return Output::Text;
	if (options.output == "json")
		return Output::Json;
	if (options.output == "csv")
		return Output::Csv;
	throw UsageError("--output: '" + options.output + "' is not an output; use text, json or csv");
}

// The stored settings, or the built-in ones, with the rules given for this
// call in place of the stored ones.
CalcSettings settingsFor(const CommonOptions &options, std::ostream &err)
{
	initStopMath();
	if (options.builtIn) {
		loadSettingsAtStartup(nullptr);
	} else {
		ReadOnlySettingsStorage storage(defaultSettingsPath());
		loadSettingsAtStartup(&storage);
		if (!storage.warning().empty())
			err << kProgram << ": warning: " << storage.warning() << '\n';
	}
	CalcSettings settings = currentSettings();
	if (options.unitGiven->count())
		settings.LengthUnit = readUnit("--unit", options.unit);
	if (options.roundGiven->count())
		settings.RoundOtherMethod = readRoundOther("--round", options.round);
	if (options.stopsRoundGiven->count())
		settings.RoundStopsMethod = readRoundStops("--stops-round", options.stopsRound);
	return settings;
}

void describeRules(Report &report, const CalcSettings &settings)
{
	report.unit = unitAbbreviation(settings.LengthUnit);
	const int places = settings.RoundOtherMethod;
	report.round = places >= RoundOther1 && places <= RoundOther3 ? std::to_string(places) : "none";
	report.stopsRound = settings.RoundStopsMethod == RoundStopsHalf    ? "half"
			    : settings.RoundStopsMethod == RoundStopsThird ? "third"
									   : "none";
}

} // namespace

int run(const std::vector<std::string> &args, std::ostream &out, std::ostream &err)
{
	CLI::App app("Mirel's calculators for photographers on the command line: the same results, in the same "
		     "texts, as the pages of Mirel's window. Inputs not given come from Mirel's stored settings.",
		     std::string(kProgram));
	app.set_version_flag("--version", std::string(kProgram) + " " + MIREL_VERSION);
	app.require_subcommand(1);
	app.fallthrough();
	app.footer(
		"Lengths take a unit: 300mm, 30cm, 5m, 16.4ft, 197in (also \"5 m\"). Run 'mirel-calc COMMAND --help' "
		"for a command's inputs and an example.\nExit status: 0 done, 1 a result is n/a, 2 bad input.");
	CommonOptions options;
	addCommonOptions(app, options);
	for (const Command &command : commands())
		addCommand(app, command);

	try {
		app.parse(std::vector<std::string>(args.rbegin(), args.rend()));
	} catch (const CLI::ParseError &error) {
		if (error.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success))
			return app.exit(error, out, err); // --help or --version
		err << kProgram << ": ";
		if (app.get_subcommands().empty() && !app.remaining().empty())
			err << "'" << app.remaining().front() << "' is not a command; use " << commandNames();
		else
			err << error.what();
		err << "\nRun 'mirel-calc --help' for more information.\n";
		return kRefused;
	}

	const CLI::App &sub = *app.get_subcommands().front();
	const Command &command = *std::find_if(commands().begin(), commands().end(),
					       [&](const Command &c) { return c.name == sub.get_name(); });
	try {
		const Output output = readOutput(options);
		const CalcSettings settings = settingsFor(options, err);
		Report report = command.run(givenTo(sub), settings);
		describeRules(report, settings);
		out << (output == Output::Json  ? formatJson(report)
			: output == Output::Csv ? formatCsv(report)
						: formatText(report));
		if (const std::string_view unusable = unusableReason(report); !unusable.empty()) {
			err << kProgram << ": " << unusable << '\n';
			return kUnusable;
		}
		return kDone;
	} catch (const UsageError &error) {
		err << kProgram << ": " << error.what() << '\n';
		return kRefused;
	}
}

} // namespace mirel::cli
