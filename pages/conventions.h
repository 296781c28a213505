#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/units.h"
#include "ui/controls.h"

// What every calculator page shares: texts of results, the film-format list,
// the unit radios and the record of the active page.

namespace mirel {

// The text of a result whose inputs are unusable.
inline constexpr std::string_view kNotAvailable = "n/a";
// Follows every angle, Windows-1252.
inline constexpr std::string_view kDegreeSign = "\xB0";

// "%f" of value followed by suffix; "n/a" when value is not a finite
// number, so no result ever reads "inf" or "nan".
std::string fixedResult(double value, std::string_view suffix = {});
// The same, trimmed of trailing zeros.
std::string trimmedResult(double value, std::string_view suffix = {});

// Appends the names of the ten film formats of currentSettings to list id,
// then selects FilmSize.
void fillFilmFormatList(ui::Controls &controls, int listId);

// A film format chosen on a page: FilmSize := index (-1, no selection, is
// format 0) and filmCoC := its suggested value, even when it was already
// selected.
void chooseFilmFormat(int index);

// The unit of a unit radio, if id is one.
std::optional<LengthUnit> unitOfRadio(int id);
// Checks the radio of unit and clears the other four.
void showLengthUnit(ui::Controls &controls, LengthUnit unit);

// Stores the active page's position in the sheet in activePageIndex and,
// with StartWithLastForm set, in StartupForm.
void recordActivePage(int position);

} // namespace mirel
