#pragma once

#include <string>

namespace mirel {

// Where the user's settings file is: $XDG_CONFIG_HOME/Talvern/Mirel.reg, or
// ~/.config/Talvern/Mirel.reg when that variable is unset, empty or not an
// absolute path.
std::string defaultSettingsPath();

} // namespace mirel
