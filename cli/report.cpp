#include "cli/report.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include <nlohmann/json.hpp>

#include "cli/safe_text.h"
#include "core/cp1252.h"
#include "core/number_text.h"

namespace mirel::cli {

Field input(std::string key, std::string label, std::string unit, double value, std::string text)
{
	return { std::move(key), std::move(label), std::move(unit), value, std::move(text) };
}

Field index(std::string key, std::string label, int value)
{
	return { std::move(key),        std::move(label),  {}, static_cast<double>(value),
		 std::to_string(value), Field::Kind::Index };
}

Field named(std::string key, std::string label, std::string text)
{
	return { std::move(key),  std::move(label), {}, std::numeric_limits<double>::quiet_NaN(),
		 std::move(text), Field::Kind::Text };
}

Field result(std::string key, std::string label, std::string unit, const Result &result)
{
	return { std::move(key), std::move(label), std::move(unit), result.value, result.text };
}

namespace {

using Json = nlohmann::ordered_json;

bool singleRow(const Report &report)
{
	return report.rows.size() == 1 && report.rows.front().inputs.empty();
}

// Characters, not bytes, so that "°" and "×" take one column.
std::size_t columns(std::string_view utf8)
{
	return static_cast<std::size_t>(std::count_if(
		utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string padded(std::string text, std::size_t width)
{
	const std::size_t shown = columns(text);
	return shown < width ? text.append(width - shown, ' ') : text;
}

bool isText(const Field &field)
{
	return field.kind == Field::Kind::Text;
}

// A field's value for machines: null for none and for infinity, which JSON
// cannot hold (the text says "infinity").
Json jsonValue(const Field &field)
{
	if (field.kind == Field::Kind::Index)
		return static_cast<long long>(field.value);
	return std::isfinite(field.value) ? Json(field.value) : Json(nullptr);
}

std::string machineKey(const Field &field)
{
	return field.unit.empty() ? field.key : field.key + "_" + field.unit;
}

void addInputs(Json &object, const std::vector<Field> &inputs)
{
	for (const Field &field : inputs) {
		if (isText(field))
			object[field.key] = utf8FromCp1252(field.text);
		else
			object[machineKey(field)] = jsonValue(field);
	}
}

void addResults(Json &object, const std::vector<Field> &results)
{
	for (const Field &field : results) {
		object[field.key] = { { "text", utf8FromCp1252(field.text) },
				      { "value", jsonValue(field) },
				      { "unit", field.unit } };
	}
}

std::string csvCell(const Field &field)
{
	if (isText(field))
		return csvTextCell(utf8FromCp1252(field.text));
	return csvNumber(field.value);
}

// A result's text as it goes after its label: a text of several lines
// keeps to its column, and a line that names its label already
// ("Diffraction: f/22 blurs ...") does not name it twice. Control
// characters are shown escaped, as in every text for people.
std::string columnText(const Field &field, std::size_t column)
{
	const std::string text = utf8FromCp1252(field.text), prefix = field.label + ": ";
	std::string out;
	for (std::size_t start = 0; start <= text.size();) {
		std::size_t end = text.find('\n', start);
		if (end == std::string::npos)
			end = text.size();
		std::string_view line(text.data() + start, end - start);
		if (line.starts_with(prefix))
			line.remove_prefix(prefix.size());
		if (start > 0)
			out += "\n" + std::string(column, ' ');
		out += escapeControls(line);
		start = end + 1;
	}
	return out;
}

} // namespace

std::string_view unusableReason(const Report &report)
{
	if (!report.unusable.empty())
		return report.unusable;
	for (const Row &row : report.rows) {
		for (const Field &field : row.results) {
			if (field.text == kNotAvailable)
				return kNoFiniteResult;
		}
	}
	return {};
}

std::string formatText(const Report &report)
{
	std::string out;
	if (singleRow(report)) {
		const std::vector<Field> &results = report.rows.front().results;
		std::size_t width = 0;
		for (const Field &field : results)
			width = std::max(width, columns(field.label) + 1);
		for (const Field &field : results)
			out += padded(field.label + ":", width) + " " + columnText(field, width + 1) + "\n";
		return out;
	}

	std::vector<std::vector<std::string>> lines(1);
	for (const Row &row : report.rows) {
		std::vector<std::string> &cells = lines.emplace_back();
		for (const auto *fields : { &row.inputs, &row.results }) {
			for (const Field &field : *fields) {
				if (lines.size() == 2)
					lines.front().push_back(field.label);
				cells.push_back(escapeControls(utf8FromCp1252(field.text)));
			}
		}
	}
	std::vector<std::size_t> widths(lines.front().size(), 0);
	for (const auto &cells : lines) {
		for (std::size_t i = 0; i < cells.size() && i < widths.size(); ++i)
			widths[i] = std::max(widths[i], columns(cells[i]));
	}
	for (const auto &cells : lines) {
		std::string line;
		for (std::size_t i = 0; i < cells.size(); ++i)
			line += i + 1 < cells.size() ? padded(cells[i], widths[i] + 2) : cells[i];
		out += line + "\n";
	}
	return out;
}

namespace {

Json jsonOf(const Report &report)
{
	Json json;
	json["command"] = report.command;
	if (!report.unit.empty())
		json["rules"] = { { "unit", report.unit },
				  { "round", report.round },
				  { "stops_round", report.stopsRound } };
	Json inputs = Json::object();
	addInputs(inputs, report.inputs);
	json["inputs"] = std::move(inputs);
	if (singleRow(report)) {
		Json results = Json::object();
		addResults(results, report.rows.front().results);
		json["results"] = std::move(results);
	} else {
		Json rows = Json::array();
		for (const Row &row : report.rows) {
			Json object = Json::object();
			addInputs(object, row.inputs);
			addResults(object, row.results);
			rows.push_back(std::move(object));
		}
		json["rows"] = std::move(rows);
	}
	json["unusable"] = report.unusable.empty() ? Json(nullptr) : Json(report.unusable);
	return json;
}

} // namespace

std::string formatJson(const Report &report)
{
	return jsonOf(report).dump(2) + "\n";
}

std::string formatJsonLine(const Report &report, int line)
{
	Json json;
	json["line"] = line;
	json.update(jsonOf(report));
	return json.dump() + "\n";
}

CsvCells csvCells(const Report &report)
{
	CsvCells cells;
	const auto each = [&](const Row &row, auto cell) {
		std::vector<std::string> line;
		for (const auto *fields : { &report.inputs, &row.inputs, &row.results }) {
			for (const Field &field : *fields)
				line.push_back(cell(field));
		}
		return line;
	};
	if (!report.rows.empty())
		cells.keys = each(report.rows.front(), machineKey);
	for (const Row &row : report.rows)
		cells.rows.push_back(each(row, csvCell));
	return cells;
}

std::string csvLine(const std::vector<std::string> &cells)
{
	std::string line;
	for (std::size_t i = 0; i < cells.size(); ++i)
		line.append(i == 0 ? "" : ",").append(cells[i]);
	return line + "\n";
}

std::string formatCsv(const Report &report)
{
	const CsvCells cells = csvCells(report);
	if (cells.keys.empty())
		return {};
	std::string out = csvLine(cells.keys);
	for (const std::vector<std::string> &row : cells.rows)
		out += csvLine(row);
	return out;
}

} // namespace mirel::cli
