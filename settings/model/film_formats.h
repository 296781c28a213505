#pragma once

#include "settings/model/records.h"

namespace mirel {

// The film formats of a settings record: the circle of confusion each
// suggests, and the one selected.

// Circle of confusion suggested for a format, from its Width and Height
// (its stored CoC plays no part).
double suggestedCoC(const FilmFormat &format);

// Makes index the selected format and sets filmCoC to its suggested value.
// Returns false, changing nothing, when index is already selected. The caller
// passes an index in 0..9.
bool selectFilmFormat(CalcSettings &settings, int index);

// The selected format of currentSettings. A FilmSize outside 0..9 is taken as
// format 0, so a damaged selection can never read past the table.
FilmFormat &selectedFilmFormat();
double selectedFilmWidth();
double selectedFilmHeight();

} // namespace mirel
