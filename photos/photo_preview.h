#pragma once

#include <filesystem>
#include <string>

namespace mirel {

// The smallest preview image a photo holds (the camera's own, as raw files
// carry them) at least width pixels across, else its largest: the bytes of
// a JPEG or TIFF file to draw a thumbnail from. Empty when the photo holds
// none or cannot be read. Only a file readPhoto would read is read
// (photo_file.h), and only the preview is taken out of it.
std::string photoPreview(const std::filesystem::path &file, int width);

} // namespace mirel
