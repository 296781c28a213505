#include "dialogs/film_table_editor.h"

#include <cmath>

#include "core/cp1252.h"
#include "core/number_text.h"
#include "core/optics.h"
#include "dialogs/film_presets.h"
#include "settings/model/built_in_defaults.h"
#include "settings/model/film_formats.h"
#include "settings/model/remembered.h"
#include "settings/model/settings_change.h"

namespace mirel {

namespace {

constexpr std::size_t kNameLength = 15; // the stored layout's field

// What a camera or a print can have, in millimetres. A frame's side runs
// from about 1 mm, the smallest phone sensors, to past 20 × 24 inch
// (508 × 610 mm) sheet film. A circle of confusion below 0.0005 mm would be
// smaller than a wavelength of light; the largest frame suggests 0.82 mm,
// and the smallest frame's 0.00082 mm lies within the range too.
constexpr double kSmallestSide = 1.0, kLargestSide = 1000.0;
constexpr double kSmallestCoC = 0.0005, kLargestCoC = 1.0;

std::size_t index(int row)
{
	return static_cast<std::size_t>(row);
}

// The UTF-8 character at byte at of text.
std::string characterAt(std::string_view text, std::size_t at)
{
	std::size_t end = at + 1;
	while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
		++end;
	return std::string(text.substr(at, end - at));
}

double FilmFormat::*member(FilmTableEditor::Column column)
{
	switch (column) {
	case FilmTableEditor::Width:
		return &FilmFormat::Width;
	case FilmTableEditor::Height:
		return &FilmFormat::Height;
	default:
		return &FilmFormat::CoC;
	}
}

} // namespace

FilmTableEditor::FilmTableEditor()
{
	for (int row = 0; row < kFilmFormatCount; ++row) {
		show(row, currentSettings().FilmSizes[index(row)]);
		keepCamera(row, remembered().filmCameras[index(row)]);
	}
}

void FilmTableEditor::keepCamera(int row, std::string name)
{
	const auto &texts = texts_[index(row)];
	cameras_[index(row)] =
		name.empty()
			? std::nullopt
			: std::optional<RowCamera>({ std::move(name), { texts[Name], texts[Width], texts[Height] } });
}

void FilmTableEditor::show(int row, const FilmFormat &format)
{
	shown_[index(row)] = format;
	texts_[index(row)] = { utf8FromCp1252(filmName(format)), formatTrimmed(format.Width),
			       formatTrimmed(format.Height), formatTrimmed(format.CoC) };
}

const std::string &FilmTableEditor::text(Field field) const
{
	return texts_[index(field.row)][field.column];
}

void FilmTableEditor::setText(Field field, std::string text)
{
	texts_[index(field.row)][field.column] = std::move(text);
}

std::string FilmTableEditor::problem(Field field) const
{
	return problemSentence(field).text();
}

Sentence FilmTableEditor::problemSentence(Field field) const
{
	const std::string &typed = text(field);
	if (field.column == Name) {
		const Cp1252Text name = cp1252FromUtf8(typed);
		if (name.unfitAt != std::string_view::npos)
			return { kUnfitCharacterPattern, { characterAt(typed, name.unfitAt) } };
		if (name.bytes.size() > kNameLength)
			return { kNameTooLongPattern,
				 { std::to_string(kNameLength), std::to_string(name.bytes.size()) } };
		return {};
	}
	const std::optional<double> value = readNumber(typed);
	if (field.column == CoC) {
		if (!value || !(*value == 0.0 || (*value >= kSmallestCoC && *value <= kLargestCoC)))
			return { kCoCOutOfRange, {} };
	} else if (!value || *value < kSmallestSide || *value > kLargestSide) {
		return { field.column == Width ? kWidthOutOfRange : kHeightOutOfRange, {} };
	}
	// The settings file keeps six decimals.
	const std::string stored = formatTrimmed(*value);
	if (parseStoredNumber(stored) != *value)
		return { kSixDecimalsPattern, { std::string(trimBlanks(typed)), stored } };
	return {};
}

std::optional<FilmTableEditor::Field> FilmTableEditor::firstProblem() const
{
	for (int row = 0; row < kFilmFormatCount; ++row) {
		for (const Column column : { Name, Width, Height, CoC }) {
			if (!problem({ row, column }).empty())
				return Field{ row, column };
		}
	}
	return std::nullopt;
}

std::string FilmTableEditor::suggestedCoC(int row) const
{
	for (const Column column : { Width, Height }) {
		if (!problem({ row, column }).empty())
			return {};
	}
	return formatTrimmed(
		mirel::suggestedCoC(*readNumber(text({ row, Width })), *readNumber(text({ row, Height }))));
}

void FilmTableEditor::applyPreset(int row, int preset)
{
	const FilmPreset &chosen = filmPresets()[index(preset)];
	FilmFormat format;
	setFilmName(format, chosen.name);
	format.Width = chosen.width;
	format.Height = chosen.height;
	format.CoC = mirel::suggestedCoC(format);
	show(row, format);
}

void FilmTableEditor::fillFromCamera(int row, const FilmFormat &format, std::string cameraName)
{
	show(row, format);
	keepCamera(row, std::move(cameraName));
}

std::string FilmTableEditor::cameraName(int row) const
{
	const std::optional<RowCamera> &camera = cameras_[index(row)];
	const auto &texts = texts_[index(row)];
	if (!camera || camera->texts != std::array{ texts[Name], texts[Width], texts[Height] })
		return {};
	return camera->name;
}

void FilmTableEditor::restoreBuiltIn()
{
	const std::array<FilmFormat, kFilmFormatCount> builtIn = builtInFilmFormats();
	for (int row = 0; row < kFilmFormatCount; ++row)
		show(row, builtIn[index(row)]);
}

std::array<FilmFormat, kFilmFormatCount> FilmTableEditor::table() const
{
	std::array<FilmFormat, kFilmFormatCount> table{};
	for (int row = 0; row < kFilmFormatCount; ++row) {
		FilmFormat &format = table[index(row)];
		const FilmFormat &shown = shown_[index(row)];
		setFilmName(format, cp1252FromUtf8(text({ row, Name })).bytes);
		for (const Column column : { Width, Height, CoC }) {
			const std::string &typed = text({ row, column });
			format.*member(column) = typed == formatTrimmed(shown.*member(column)) ? shown.*member(column)
											       : *readNumber(typed);
		}
		if (format.CoC == 0.0)
			format.CoC = mirel::suggestedCoC(format);
	}
	return table;
}

bool FilmTableEditor::accept() const
{
	if (firstProblem())
		return false;
	const std::array<FilmFormat, kFilmFormatCount> edited = table();
	const SettingsChange change;
	for (CalcSettings *settings : { &defaultSettings(), &currentSettings() }) {
		if (settings->FilmSize < kFilmFormatCount) {
			const FilmFormat &before = settings->FilmSizes[settings->FilmSize];
			const FilmFormat &after = edited[settings->FilmSize];
			if (before.Width != after.Width || before.Height != after.Height)
				settings->filmCoC = mirel::suggestedCoC(after);
		}
		settings->FilmSizes = edited;
	}
	for (int row = 0; row < kFilmFormatCount; ++row)
		remembered().filmCameras[index(row)] = cameraName(row);
	return true;
}

} // namespace mirel
