#pragma once

#include <string>

#include "ui/controls.h"
#include "ui/dialog_template.h"

namespace mirel {

// What a page shows, as plain text lines "Label: value" in reading order
// (top to bottom, left to right), for the clipboard: every field with the
// label that names it ("Focal length (mm): 50.0", "Near: 3.389371 m"), a
// checked radio added to its row's value ("Subject distance: 5.0 m") or, in
// a row of its own, to the label of the row above ("Calculate: ..."). Labels
// lose their trailing " :" or "..."; headings and labels without a value
// are left out. Windows-1252, lines ended by "\n".
std::string pageText(const ui::DialogTemplate &dialog, const ui::Controls &controls);

} // namespace mirel
