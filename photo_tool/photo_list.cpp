#include "photo_tool/photo_list.h"

#include <algorithm>
#include <cmath>

#include "core/cp1252.h"
#include "core/number_text.h"

namespace mirel {

namespace {

// The figures whose source the CSV gives beside them.
constexpr std::string_view kSourcedKeys[] = { "focal_length", "f_number", "focus_distance", "equivalent_focal_length",
					      "frame" };

// What is wrong with a photo read: that it could not be, that it was read
// only in part, or why its depth of field reads "n/a".
std::string noteOf(const PhotoReading &reading, const ShotFigures &shot)
{
	if (!reading.error.empty())
		return reading.error;
	if (!reading.damage.empty())
		return shot.unusable.empty() ? reading.damage : reading.damage + "; " + shot.unusable;
	return shot.unusable;
}

std::string csvCell(std::string_view cp1252)
{
	const std::string text = utf8FromCp1252(cp1252);
	if (text.find_first_of(",\"\r\n") == std::string::npos)
		return text;
	std::string quoted = "\"";
	for (const char c : text)
		quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
	return quoted + "\"";
}

std::string joined(const std::vector<std::string> &cells, std::string_view separator, std::string_view end)
{
	std::string line;
	for (std::size_t i = 0; i < cells.size(); ++i)
		line.append(i == 0 ? "" : separator).append(cells[i]);
	return line.append(end);
}

} // namespace

int PhotoList::add(std::string name)
{
	photos_.push_back({ std::move(name), std::nullopt, {} });
	return size() - 1;
}

void PhotoList::arrive(int row, PhotoReading reading)
{
	photos_.at(static_cast<std::size_t>(row)).reading = std::move(reading);
}

void PhotoList::typeDistance(int row, std::string text)
{
	photos_.at(static_cast<std::size_t>(row)).typedDistance = std::move(text);
}

bool PhotoList::reading() const
{
	return std::ranges::any_of(photos_, [](const Photo &photo) { return !photo.reading; });
}

std::optional<PhotoReading> PhotoList::shot(int row, LengthUnit unit) const
{
	const Photo &p = photo(row);
	if (!p.reading)
		return std::nullopt;
	return withTypedDistance(*p.reading, p.typedDistance, unit);
}

std::vector<std::string> listHeadings()
{
	const ShotFigures any = shotFigures({}, LengthUnit::Millimetres, 0);
	std::vector<std::string> headings{ "File" };
	for (const std::string_view key : kListColumnKeys)
		headings.emplace_back(any[key].label);
	headings.emplace_back("Note");
	return headings;
}

std::vector<std::string> listRow(const PhotoList &list, int row, LengthUnit unit, int roundOther)
{
	std::vector<std::string> cells{ list.photo(row).name };
	const std::optional<PhotoReading> reading = list.shot(row, unit);
	if (!reading) {
		cells.emplace_back(kReadingPhoto);
		cells.resize(std::size(kListColumnKeys) + 2);
		return cells;
	}
	const ShotFigures shot = shotFigures(*reading, unit, roundOther);
	for (const std::string_view key : kListColumnKeys)
		cells.push_back(reading->error.empty() ? shot[key].text : std::string());
	cells.push_back(noteOf(*reading, shot));
	return cells;
}

std::string tabSeparatedText(const PhotoList &list, LengthUnit unit, int roundOther)
{
	const auto line = [](const std::vector<std::string> &cells) {
		std::vector<std::string> utf8;
		for (const std::string &cell : cells)
			utf8.push_back(utf8FromCp1252(cell));
		return joined(utf8, "\t", "\n");
	};
	std::string text = line(listHeadings());
	for (int row = 0; row < list.size(); ++row)
		text += line(listRow(list, row, unit, roundOther));
	return text;
}

std::string csvText(const PhotoList &list, LengthUnit unit, int roundOther)
{
	const auto sourced = [](std::string_view key) {
		return std::ranges::find(kSourcedKeys, key) != std::end(kSourcedKeys);
	};
	std::vector<std::string> headings{ "File" };
	for (const ShotFigure &figure : shotFigures({}, unit, roundOther).figures) {
		headings.push_back(csvCell(std::string(figure.label) +
					   (figure.unit.empty() ? "" : " (" + std::string(figure.unit) + ")")));
		if (sourced(figure.key))
			headings.push_back(csvCell(std::string(figure.label) + " from"));
	}
	headings.emplace_back("Note");
	std::string text = joined(headings, ",", "\r\n");
	for (int row = 0; row < list.size(); ++row) {
		const std::optional<PhotoReading> reading = list.shot(row, unit);
		std::vector<std::string> cells{ csvCell(list.photo(row).name) };
		const ShotFigures shot = shotFigures(reading.value_or(PhotoReading{}), unit, roundOther);
		for (const ShotFigure &figure : shot.figures) {
			const bool recorded = reading && reading->error.empty();
			cells.push_back(!recorded     ? std::string()
					: figure.name ? csvCell(figure.text)
						      : csvNumber(figure.value));
			if (sourced(figure.key))
				cells.push_back(recorded ? csvCell(figure.source) : std::string());
		}
		cells.push_back(csvCell(reading ? noteOf(*reading, shot) : std::string(kReadingPhoto)));
		text += joined(cells, ",", "\r\n");
	}
	return text;
}

} // namespace mirel
