#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "photo_tool/shot_figures.h"

namespace mirel {

// The photos of the Photo window, one row each in the order they came: a
// photo is added by its name, read elsewhere (off the user interface
// thread) and arrives with its reading; a focus distance can be typed for
// one that records none. Texts are Windows-1252.
class PhotoList
{
public:
	struct Photo {
		std::string name;                    // the file's name as shown
		std::optional<PhotoReading> reading; // none while it is being read
		std::string typedDistance;           // in the display unit, as typed
	};

	// A photo to be read: its row.
	int add(std::string name);
	// The reading of the photo of row.
	void arrive(int row, PhotoReading reading);
	// A focus distance typed for the photo of row.
	void typeDistance(int row, std::string text);

	int size() const { return static_cast<int>(photos_.size()); }
	const Photo &photo(int row) const { return photos_.at(static_cast<std::size_t>(row)); }
	bool reading() const;

	// The photo of row as the pages would compute with it: its reading
	// with the focus distance typed for it; none while it is being read.
	std::optional<PhotoReading> shot(int row, LengthUnit unit) const;

private:
	std::vector<Photo> photos_;
};

// The list's columns: the file and the figures of listColumnKeys, then a
// note of what is wrong.
inline constexpr std::string_view kListColumnKeys[] = { "camera", "focal_length", "f_number", "focus_distance",
							"near",   "far",          "total",    "hyperfocal" };
std::vector<std::string> listHeadings();
// A row's text while its photo is read.
inline constexpr std::string_view kReadingPhoto = "reading...";
// The texts of row under those headings: "reading..." while it is read,
// the reason it could not be, or its figures and what is wrong with them.
std::vector<std::string> listRow(const PhotoList &list, int row, LengthUnit unit, int roundOther);

// The list as the window shows it, for pasting into a spreadsheet: a row
// of headings, then a row per photo; cells tab-separated, lines ended by
// "\n". UTF-8.
std::string tabSeparatedText(const PhotoList &list, LengthUnit unit, int roundOther);

// Comma-separated values to compute with, whatever the locale: a heading
// row, then a row per photo with every figure of shotFigures and the
// sources of those the photo records, lengths in millimetres with full
// precision and point decimals ("inf" for infinity, empty for none), and
// what is wrong. Lines ended by "\r\n"; UTF-8.
std::string csvText(const PhotoList &list, LengthUnit unit, int roundOther);

} // namespace mirel
