#pragma once

#include <string>

#include "dof_table/dof_table.h"

namespace mirel {

// The depth of field table as text to take away, UTF-8.

// As the window shows it, for pasting into a spreadsheet: the header line,
// a row of column headings ("f-number", the distances, "Hyperfocal"), then
// a row per aperture; cells tab-separated, lines ended by "\n".
std::string tabSeparatedText(const DofTable &table);

// Comma-separated values to compute with, whatever the locale: a heading
// row, then a row per aperture with its marking, its exact f-number, near
// and far limit at each distance and the hyperfocal distance, each in the
// display unit with full precision and point decimals. A far limit at
// infinity reads "inf"; a value that cannot be computed is left empty.
// Lines ended by "\r\n".
std::string csvText(const DofTable &table);

// The name a table is offered under for saving, without its extension:
// "depth-of-field-50mm" for a 50 mm lens, "depth-of-field" for a focal
// length that takes more than a few figures to write (1e300 mm) or none, so
// the name stays well inside what a file system takes.
std::string exportName(double focalLength);

} // namespace mirel
