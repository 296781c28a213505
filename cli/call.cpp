#include "cli/call.h"

#include "cli/option_text.h"
#include "core/stops.h"

namespace mirel::cli {

namespace {

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

Output readOutput(const std::optional<std::string> &text)
{
	if (!text || *text == "text")
		return Output::Text;
	if (*text == "json")
		return Output::Json;
	if (*text == "csv")
		return Output::Csv;
	throw UsageError("--output: '" + *text + "' is not an output; use text, json or csv");
}

CalcSettings withRules(const Call &call, CalcSettings settings)
{
	if (call.unit)
		settings.LengthUnit = readUnit("--unit", *call.unit);
	if (call.round)
		settings.RoundOtherMethod = readRoundOther("--round", *call.round);
	if (call.stopsRound)
		settings.RoundStopsMethod = readRoundStops("--stops-round", *call.stopsRound);
	return settings;
}

Report answer(const Call &call, const CalcSettings &settings)
{
	const CalcSettings ruled = withRules(call, settings);
	Report report = call.command->run(call.given, ruled);
	describeRules(report, ruled);
	return report;
}

std::string formatted(const Report &report, Output output)
{
	switch (output) {
	case Output::Json:
		return formatJson(report);
	case Output::Csv:
		return formatCsv(report);
	case Output::Text:
		break;
	}
	return formatText(report);
}

} // namespace mirel::cli
