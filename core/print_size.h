#pragma once

#include <optional>
#include <string_view>

#include "core/circle_of_confusion.h"

namespace mirel {

// A print's size as typed, in Windows-1252: one of kPrintSizes by its name
// ("A4", "8 × 10 in", "8x10in"; case, blanks and the multiplication sign
// written × or x make no difference), or width x height with a unit after
// the height that holds for both, or after each: mm, cm, m, in or " (none:
// millimetres). "30x40cm", "20 × 25.4 cm", "8in x 10in", "210x297". The
// numbers are read as every refused-when-unreadable number is (readNumber);
// whether they are usable is printCoC's test. Nothing for any other text.
// A named size keeps its name; a typed one has none.
std::optional<PrintSize> readPrintSize(std::string_view text);

} // namespace mirel
