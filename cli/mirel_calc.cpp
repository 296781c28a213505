#include "cli/mirel_calc.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "cli/batch.h"
#include "cli/call.h"
#include "cli/command_line.h"
#include "cli/completion.h"
#include "cli/option_text.h"
#include "cli/safe_text.h"
#include "core/stops.h"
#include "settings/model/lifecycle.h"
#include "settings/storage/read_only_storage.h"
#include "settings/storage/settings_path.h"

namespace mirel::cli {

namespace {

constexpr std::string_view kProgram = "mirel-calc";

// The stored settings, or the built-in ones.
CalcSettings settingsOf(bool builtIn, std::ostream &err)
{
	initStopMath();
	if (builtIn) {
		loadSettingsAtStartup(nullptr);
	} else {
		ReadOnlySettingsStorage storage(defaultSettingsPath());
		loadSettingsAtStartup(&storage);
		if (!storage.warning().empty())
			err << kProgram << ": warning: " << escapeControls(storage.warning()) << '\n';
	}
	return currentSettings();
}

int answerOne(const Call &call, const CalcSettings &settings, Output output, std::ostream &out, std::ostream &err)
{
	const Report report = answer(call, settings);
	out << formatted(report, output);
	for (const std::string &failure : report.failures)
		err << kProgram << ": " << escapeControls(failure) << '\n';
	const std::string_view unusable = unusableReason(report);
	if (!unusable.empty())
		err << kProgram << ": " << unusable << '\n';
	if (!report.failures.empty())
		return kRefused;
	if (!unusable.empty())
		return kUnusable;
	return kDone;
}

int batch(const Call &call, const CalcSettings &settings, Output output, CommandLine &commandLine, std::istream &in,
	  std::ostream &out, std::ostream &err)
{
	if (!call.batchFile)
		return runBatch(in, output, settings, commandLine, out, err);
	std::ifstream file(*call.batchFile);
	if (!file)
		throw UsageError("batch: '" + *call.batchFile + "' cannot be read: " + std::strerror(errno));
	return runBatch(file, output, settings, commandLine, out, err);
}

} // namespace

int run(const std::vector<std::string> &args, std::istream &in, std::ostream &out, std::ostream &err)
{
	CommandLine commandLine;
	const CommandLine::Reading reading = commandLine.read(args);
	if (reading.kind == CommandLine::Reading::Kind::Shown) {
		out << reading.text;
		return kDone;
	}
	if (reading.kind == CommandLine::Reading::Kind::Refused) {
		err << kProgram << ": " << escapeControls(reading.text)
		    << "\nRun 'mirel-calc --help' for more information.\n";
		return kRefused;
	}
	const Call &call = reading.call;
	try {
		if (call.completion) {
			out << completionScript(*call.completion, commandLine.completion());
			return kDone;
		}
		const Output output = readOutput(call.output);
		const CalcSettings settings = settingsOf(call.builtIn, err);
		if (call.batch)
			return batch(call, withRules(call, settings), output, commandLine, in, out, err);
		return answerOne(call, settings, output, out, err);
	} catch (const UsageError &error) {
		err << kProgram << ": " << escapeControls(error.what()) << '\n';
		return kRefused;
	}
}

} // namespace mirel::cli
