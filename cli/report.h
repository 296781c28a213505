#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/calculators.h"

namespace mirel::cli {

// What a command answers, before it is written out: its inputs as
// understood and its results, as numbers for machines and as texts for
// people.

// One named input or result.
struct Field {
	// What machines are given: the value, a whole number, or the text.
	enum class Kind { Number, Index, Text };

	std::string key;   // for machines: "near", "focal_length"
	std::string label; // for people: "Near", "Focal length"
	std::string unit;  // of value: "mm", "deg", "stops", or "" for a plain number
	double value;      // NaN when there is none, or when the field is a text
	std::string text;  // as the page shows it, Windows-1252
	Kind kind = Kind::Number;
};

// An input given as a number, shown as text.
Field input(std::string key, std::string label, std::string unit, double value, std::string text);
// A position in a list, such as a film format's in the film table.
Field index(std::string key, std::string label, int value);
// A text alone: a name, such as a film format's, or a sentence.
Field named(std::string key, std::string label, std::string text);
// A calculator's result.
Field result(std::string key, std::string label, std::string unit, const Result &result);

struct Row {
	std::vector<Field> inputs{}; // what changes from row to row
	std::vector<Field> results{};
};

// Every member has an initializer, so that a report can name only some.
struct Report {
	std::string command{};
	std::vector<Field> inputs{}; // the same for every row
	std::vector<Row> rows{};
	// Why a result reads "n/a", the first such reason; empty when none does.
	std::string unusable{};
	// What could not be answered at all, each with its reason ("'x.jpg':
	// is a folder, not a photo"), while the rest was: said on the error
	// output, and the exit status is that of bad input.
	std::vector<std::string> failures{};
	// The rules the texts follow: display unit, decimal places, stops to.
	std::string unit{}, round{}, stopsRound{};
};

// Why a result of the report reads "n/a": the reason the command gave, or
// else, when one reads it all the same, that the inputs give no finite
// result; empty when every result has its value.
std::string_view unusableReason(const Report &report);

// For people, in UTF-8: one "Label: text" line per result, aligned, when
// there is one row without inputs of its own; otherwise a table with a
// heading row.
std::string formatText(const Report &report);
// For machines: an object with the command, the rules, the inputs and the
// results (each with its text, its value or null, and its unit), or the
// rows. Numbers in full precision, point decimal; an index as an integer.
std::string formatJson(const Report &report);
// For machines: a heading row of keys, with the unit after an underscore
// ("near_mm"), then one row per row of the report, each carrying the
// shared inputs too. Numbers in full precision, point decimal; an empty
// cell for none and "inf" for infinity. A number's column holds numbers
// only: a text such as "n/a" stays in the text column beside it.
std::string formatCsv(const Report &report);

// formatJson's object on one line, with the number of the line of a batch
// it answers first: a line of JSON Lines.
std::string formatJsonLine(const Report &report, int line);

// formatCsv's cells: the heading's keys, and each row's cells under them,
// ready for csvLine.
struct CsvCells {
	std::vector<std::string> keys;
	std::vector<std::vector<std::string>> rows;
};
CsvCells csvCells(const Report &report);
// Cells as a line of CSV.
std::string csvLine(const std::vector<std::string> &cells);

} // namespace mirel::cli
