#pragma once

#include <optional>

#include "core/units.h"
#include "ui/controls.h"

// What every calculator page shares: the film-format list, the unit radios
// and the record of the active page. The results and their texts are
// core/calculators.h's.

namespace mirel {

// Appends the names of the ten film formats of currentSettings to list id,
// each with the full name of the camera it was filled from as its tooltip,
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
