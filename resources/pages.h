#pragma once

#include "settings/model/records.h"

// The calculator pages by their place in the main window's sheet (the
// PageIndex order of the Show menu, Ctrl+1..7 and the start-page list).

namespace mirel::resources {

// The help context number of the page, or 0 outside 0..6 (the caller then
// shows the table of contents).
int pageHelpTopic(int pageIndex);

// The page a tool window shows its change of the pages' inputs on: the page
// activated last when it has the control controlId, else the Depth of
// Field page, which has every input but the spot's.
PageIndex pageShowing(int controlId);

} // namespace mirel::resources
