#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/sentence.h"
#include "settings/model/records.h"

namespace mirel {

// Why a field cannot be stored (FilmTableEditor::problemSentence); UTF-8.
inline constexpr std::string_view kUnfitCharacterPattern =
	"\u201c%1\u201d cannot be stored: a name holds only the Western European characters of Windows-1252.";
inline constexpr std::string_view kNameTooLongPattern = "A name holds at most %1 characters; this one has %2.";
inline constexpr std::string_view kCoCOutOfRange =
	"The circle of confusion must be a number of millimetres from 0.0005 to 1, or 0 for the suggested one: a "
	"smaller circle would be smaller than a wavelength of light, and even 20 \u00d7 24 inch sheet film needs "
	"less than 0.5 mm.";
inline constexpr std::string_view kWidthOutOfRange =
	"The width must be a number of millimetres from 1 to 1000: frames run from about 1 mm on the smallest phone "
	"sensors to past 20 \u00d7 24 inch (508 \u00d7 610 mm) sheet film.";
inline constexpr std::string_view kHeightOutOfRange =
	"The height must be a number of millimetres from 1 to 1000: frames run from about 1 mm on the smallest phone "
	"sensors to past 20 \u00d7 24 inch (508 \u00d7 610 mm) sheet film.";
inline constexpr std::string_view kSixDecimalsPattern = "The settings keep six decimals, so %1 would be stored as %2.";
inline constexpr std::array kFilmTableProblems = { kUnfitCharacterPattern, kNameTooLongPattern, kCoCOutOfRange,
						   kWidthOutOfRange,       kHeightOutOfRange,   kSixDecimalsPattern };

// The film formats editor as a model: the ten formats of the table as the
// user types them, each field checked as it changes, presets of today's
// formats, rows filled from a camera, the built-in table back, and what OK
// stores. Texts are UTF-8, as
// the screen holds them; names are stored in Windows-1252 and must fit the
// table's 15 characters, so a name that does not is refused with a reason,
// never cut.
class FilmTableEditor
{
public:
	enum Column { Name, Width, Height, CoC };
	static constexpr int kColumnCount = 4;

	struct Field {
		int row;
		Column column;
		bool operator==(const Field &) const = default;
	};

	// Opens on the table of currentSettings.
	FilmTableEditor();

	const std::string &text(Field field) const;
	void setText(Field field, std::string text);

	// Why the field's text cannot be stored, as a sentence; empty when it can.
	std::string problem(Field field) const;
	// The same as a pattern and its figures (UTF-8), for a translation.
	Sentence problemSentence(Field field) const;
	// The first field with a problem, row by row; none when OK may store.
	std::optional<Field> firstProblem() const;

	// The circle of confusion the row's frame suggests, its diagonal / 1730,
	// as the pages show it ("0.02501"); empty while the width or height is
	// not usable.
	std::string suggestedCoC(int row) const;

	// Fills row with a preset of filmPresets(): name, size and its suggested
	// circle of confusion.
	void applyPreset(int row, int preset);
	// Fills row with a camera's format (cameraFilmFormat), keeping the
	// camera's full name for the row.
	void fillFromCamera(int row, const FilmFormat &format, std::string cameraName);
	// The full name of the camera row was filled from, in Windows-1252, as
	// long as its name, width and height are those the camera gave it; a
	// row typed over, given a preset or the built-in format has none.
	std::string cameraName(int row) const;
	// Every row back to the built-in table.
	void restoreBuiltIn();

	// The table as typed. A circle of confusion of 0 becomes the suggested
	// one, as in the built-in table; a number left as it was shown keeps its
	// full precision. Only when firstProblem() is none.
	std::array<FilmFormat, kFilmFormatCount> table() const;

	// OK: when no field has a problem, stores table() into defaultSettings
	// and currentSettings, and each row's cameraName() beside the table, as
	// one change of the settings, and returns true. An instance whose
	// selected format changed its width or height takes that format's
	// suggested circle of confusion.
	bool accept() const;

private:
	// The name, width and height a camera gave a row, as shown.
	struct RowCamera {
		std::string name;
		std::array<std::string, 3> texts;
	};

	void show(int row, const FilmFormat &format);
	void keepCamera(int row, std::string name);

	// What each row started from: a number whose text is still the one shown
	// for it keeps this value.
	std::array<FilmFormat, kFilmFormatCount> shown_;
	std::array<std::array<std::string, kColumnCount>, kFilmFormatCount> texts_;
	std::array<std::optional<RowCamera>, kFilmFormatCount> cameras_;
};

} // namespace mirel
