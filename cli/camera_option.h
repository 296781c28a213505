#pragma once

#include <string_view>

#include "cameras/camera_database.h"

namespace mirel::cli {

// The installed camera database, read at the first call: only a command
// that names or lists cameras reads it. Throws UsageError saying why there
// is none, after the name of the option or command that needed it.
const CameraDatabase &installedCameras(std::string_view needer);

// The one camera text names, by maker and model as the chooser finds them
// ("Canon EOS 7D", "z6"). Throws UsageError for a text that names several
// cameras or none, with the candidates, best first.
const Camera &readCamera(std::string_view option, std::string_view text);

} // namespace mirel::cli
