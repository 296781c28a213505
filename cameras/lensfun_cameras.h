#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "cameras/camera.h"

namespace mirel {

// The cameras of lensfun's database whose crop factor is usable, their texts
// in Windows-1252: from the XML files in a folder, or with none given from
// where lensfun keeps its database. Empty when lensfun found no camera.
std::vector<Camera> readLensfunCameras(const std::optional<std::filesystem::path> &folder);

} // namespace mirel
