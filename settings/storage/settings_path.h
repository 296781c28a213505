#pragma once

#include <string>

namespace mirel {

// Where the user's settings file is: $XDG_CONFIG_HOME/Talvern/Mirel.reg, or
// $HOME/.config/Talvern/Mirel.reg, or below the home folder the password
// database names; each only when it is an absolute path. Empty when none
// is: a store then reads no file and saves none (see SafeFile).
std::string defaultSettingsPath();

} // namespace mirel
