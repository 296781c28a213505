// Film names are whatever the settings file holds: terminal escapes, line
// breaks, spreadsheet formulas. Text output shows their control characters
// escaped, and CSV keeps every text cell from starting a formula.
#include <random>

#include "cli/commands.h"
#include "core/cp1252.h"
#include "core/number_text.h"
#include "core/stops.h"
#include "settings/model/built_in_defaults.h"
#include "testing/mirel_calc_runs.h"

namespace mirel::cli {
namespace {

using namespace testing;
// The film table with names, the first selected.
CalcSettings withNames(const std::vector<std::string> &names)
{
	CalcSettings settings = builtInSettings();
	settings.FilmSizes = builtInFilmFormats();
	for (std::size_t i = 0; i < names.size(); ++i)
		setFilmName(settings.FilmSizes[i], names[i]);
	settings.FilmSize = 0;
	return settings;
}

Report answer(std::string_view name, const CalcSettings &settings, Given given = {})
{
	const auto &all = commands();
	const auto command = std::find_if(all.begin(), all.end(), [&](const Command &c) { return c.name == name; });
	if (name == "plan" || name == "stack")
		given.options.insert({ { "--near", "2m" }, { "--far", "inf" } });
	return command->run(given, settings);
}

// Control characters a terminal would act on: every one but the line
// breaks between lines of the text.
int rawControls(std::string_view utf8)
{
	int count = 0;
	for (std::size_t at = 0; at < utf8.size();) {
		const Utf8Sequence sequence = utf8SequenceAt(utf8, at);
		const char32_t c = sequence.codePoint;
		count += sequence.wellFormed && c != '\n' && (c < 0x20 || (c >= 0x7F && c < 0xA0));
		at += sequence.wellFormed ? sequence.length : 1;
	}
	return count;
}

// Cells a spreadsheet would run: those that start a formula and are not a
// number.
int formulaCells(std::string_view csv)
{
	int count = 0;
	for (const auto &row : csvRows(csv)) {
		for (const std::string &cell : row)
			count += !cell.empty() &&
				 std::string_view("=+-@\t\r").find(cell[0]) != std::string_view::npos &&
				 !readNumber(cell);
	}
	return count;
}

class HostileNames : public ::testing::Test
{
protected:
	void SetUp() override { initStopMath(); }
};

TEST_F(HostileNames, ControlCharactersShowEscapedAndFormulasAreNeutralised)
{
	struct Row {
		const char *name; // Windows-1252, as stored
		const char *shown;
		const char *cell;
	};
	for (const Row &row : {
		     Row{ "\x1b]0;pwned\x07", "\\u001b]0;pwned\\u0007", "\x1b]0;pwned\x07" },
		     Row{ "a\tb\r\nc\x7f", "a\\u0009b\\u000d\\u000ac\\u007f", "\"a\tb\r\nc\x7f\"" },
		     Row{ "\x81\x9d 6x7", "\\u0081\\u009d 6x7", "\xC2\x81\xC2\x9D 6x7" },
		     Row{ "=HYPERLINK(\"x\")", "=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\"" },
		     Row{ "+cmd|' /C calc'", "+cmd|' /C calc'", "\"'+cmd|' /C calc'\"" },
		     Row{ "-2+3", "-2+3", "\"'-2+3\"" },
		     Row{ "@SUM(A1)", "@SUM(A1)", "\"'@SUM(A1)\"" },
		     Row{ "\t=1", "\\u0009=1", "\"'\t=1\"" },
		     Row{ "\r=1", "\\u000d=1", "\"'\r=1\"" },
		     Row{ "-1.5", "-1.5", "-1.5" },
		     Row{ "6 \xD7 7, 120", "6 \xC3\x97 7, 120", "\"6 \xC3\x97 7, 120\"" },
	     }) {
		const CalcSettings settings = withNames({ row.name });
		const std::string text = formatText(answer("formats", settings));
		const std::string firstRow = text.substr(text.find('\n') + 1);
		EXPECT_EQ(firstRow.substr(0, firstRow.find('\n')).substr(7, std::string(row.shown).size()), row.shown)
			<< text;
		const std::string csv = formatCsv(answer("dof", settings));
		EXPECT_NE(csv.find("," + std::string(row.cell) + ","), std::string::npos) << csv;
	}
	// A number stays a number: stops down are negative.
	const auto stops = csvRows(formatCsv(answer("stops", withNames({}), { {}, { "5.6", "2.8" } })));
	EXPECT_TRUE(stops.at(1).at(2).starts_with("-2")) << stops[1][2];
}

// Names of up to 15 random bytes, half of them control characters or
// formula starts, through every command that shows a film name.
TEST_F(HostileNames, NoRawControlCharacterOrFormulaCellOverAFuzzOfNames)
{
	std::mt19937 random(20);
	const std::string hostile = "\x1b\x07\x08\x7f\x81\x8d\x8f\x90\x9d\r\n\t=+-@\"',;";
	const auto name = [&] {
		std::string text(std::uniform_int_distribution(1, 15)(random), ' ');
		for (char &c : text)
			c = random() % 2 ? hostile[random() % hostile.size()] : static_cast<char>(1 + random() % 255);
		return text;
	};
	int names = 0, controls = 0, formulas = 0, calls = 0;
	for (int round = 0; round < 1000; ++round) {
		std::vector<std::string> table(kFilmFormatCount);
		for (std::string &text : table)
			text = name();
		names += kFilmFormatCount;
		const CalcSettings settings = withNames(table);
		for (const Command &command : commands()) {
			const bool showsFormat =
				command.name == "formats" || std::find(command.options.begin(), command.options.end(),
								       "--format") != command.options.end();
			if (!showsFormat)
				continue;
			Given given{ { { "--format", std::to_string(round % 10) } }, {} };
			if (command.name == "coc")
				given.options.emplace("--rule", "1730");
			const Report report = answer(command.name, settings, given);
			const std::string text = formatText(report);
			controls += rawControls(text);
			// A line break of a name would start a line of its own.
			if (command.name == "formats")
				controls += std::abs(static_cast<int>(std::count(text.begin(), text.end(), '\n')) - 11);
			formulas += formulaCells(formatCsv(report));
			calls += 2;
		}
	}
	EXPECT_EQ(controls, 0) << names << " names, " << calls << " outputs";
	EXPECT_EQ(formulas, 0) << names << " names, " << calls << " outputs";
	std::cout << names << " names in " << calls << " outputs: " << controls << " raw control characters, "
		  << formulas << " formula cells\n";
}

} // namespace
} // namespace mirel::cli
