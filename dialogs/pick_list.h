#pragma once

#include "ui/controls.h"

// The drop-down lists of the settings dialogs, whose positions are stored
// values: rounding rule, length unit, film format, start page.

namespace mirel {

// Makes the open list of id heightMultiple times as tall as the closed box
// and selects entry index. An index that names no entry (-1 after an OK
// without a selection, or a damaged stored value) selects none.
void showPickList(ui::Controls &controls, int id, int heightMultiple, int index);

// The selected position of id, or fallback when nothing is selected.
int pickedOr(const ui::Controls &controls, int id, int fallback);

} // namespace mirel
