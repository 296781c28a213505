#include "cli/batch.h"

#include <algorithm>
#include <map>
#include <utility>

#include "cli/mirel_calc.h"
#include "cli/option_text.h"
#include "cli/safe_text.h"
#include "cli/words.h"
#include "core/number_text.h"

namespace mirel::cli {

namespace {

// A line's call: a command with its inputs and rules, and nothing that
// belongs to the batch as a whole.
Call lineCall(CommandLine &commandLine, std::string_view line)
{
	CommandLine::Reading reading = commandLine.read(splitWords(line));
	const Call &call = reading.call;
	if (reading.kind == CommandLine::Reading::Kind::Refused)
		throw UsageError(reading.text);
	if (reading.kind == CommandLine::Reading::Kind::Shown || call.completion)
		throw UsageError(
			"--help, --version and --completion are for mirel-calc itself, not for a line of a batch");
	if (call.output)
		throw UsageError("--output: the output is the whole batch's: mirel-calc batch --output " +
				 *call.output);
	if (call.builtIn)
		throw UsageError("--no-settings: the settings are the whole batch's: mirel-calc batch --no-settings");
	if (call.batch)
		throw UsageError("batch: a line of a batch is a calculation, not another batch");
	return std::move(reading.call);
}

// The CSV of a batch, kept until its end: a section per command.
class CsvSections
{
public:
	void add(int line, const Report &report)
	{
		const auto known = std::find_if(sections_.begin(), sections_.end(), [&](const Section &section) {
			return section.command == report.command;
		});
		Section &section =
			known != sections_.end() ? *known : sections_.emplace_back(Section{ report.command });
		const CsvCells cells = csvCells(report);
		for (const std::string &key : cells.keys) {
			if (std::find(section.keys.begin(), section.keys.end(), key) == section.keys.end())
				section.keys.push_back(key);
		}
		for (const std::vector<std::string> &row : cells.rows) {
			std::map<std::string, std::string> byKey;
			for (std::size_t i = 0; i < row.size(); ++i)
				byKey[cells.keys[i]] = row[i];
			section.rows.push_back({ line, std::move(byKey) });
		}
	}

	std::string text() const
	{
		std::string out;
		for (const Section &section : sections_) {
			if (!out.empty())
				out += "\n";
			std::vector<std::string> heading{ "line" };
			heading.insert(heading.end(), section.keys.begin(), section.keys.end());
			out += csvLine(heading);
			for (const auto &[line, byKey] : section.rows) {
				std::vector<std::string> cells{ std::to_string(line) };
				for (const std::string &key : section.keys) {
					const auto cell = byKey.find(key);
					cells.push_back(cell == byKey.end() ? std::string() : cell->second);
				}
				out += csvLine(cells);
			}
		}
		return out;
	}

private:
	struct Section {
		std::string command;
		std::vector<std::string> keys{};
		std::vector<std::pair<int, std::map<std::string, std::string>>> rows{};
	};
	std::vector<Section> sections_;
};

} // namespace

int runBatch(std::istream &in, Output output, const CalcSettings &settings, CommandLine &commandLine, std::ostream &out,
	     std::ostream &err)
{
	int worst = kDone, number = 0;
	bool first = true;
	CsvSections csv;
	const auto complain = [&](std::string_view message, int status) {
		err << "mirel-calc: line " << number << ": " << escapeControls(message) << '\n';
		worst = std::max(worst, status);
	};
	for (std::string text; std::getline(in, text);) {
		++number;
		if (text.ends_with('\r'))
			text.pop_back();
		const std::string_view line = trimBlanks(text);
		if (line.empty() || line.starts_with('#'))
			continue;
		try {
			const Report report = answer(lineCall(commandLine, line), settings);
			if (output == Output::Json)
				out << formatJsonLine(report, number);
			else if (output == Output::Csv)
				csv.add(number, report);
			else
				out << (std::exchange(first, false) ? "" : "\n") << "# line " << number << ": "
				    << escapeControls(line) << '\n'
				    << formatText(report);
			for (const std::string &failure : report.failures)
				complain(failure, kRefused);
			if (const std::string_view unusable = unusableReason(report); !unusable.empty())
				complain(unusable, kUnusable);
		} catch (const UsageError &error) {
			complain(error.what(), kRefused);
		}
	}
	if (in.bad()) {
		err << "mirel-calc: batch: the calls could not be read\n";
		worst = kRefused;
	}
	out << csv.text();
	return worst;
}

} // namespace mirel::cli
