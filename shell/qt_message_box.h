#pragma once

namespace mirel {

// Shows the program's messages in Qt message boxes: caption and text as
// given, one OK button, no icon, owned by the main window when there is one.
void installMessageBoxes();

} // namespace mirel
