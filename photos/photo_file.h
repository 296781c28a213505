#pragma once

#include <filesystem>
#include <memory>
#include <span>
#include <string>

namespace Exiv2 {
class Image;
} // namespace Exiv2

namespace mirel {

// A photo opened for exiv2 to read its metadata, or why it is not.
struct OpenedPhoto {
	std::unique_ptr<Exiv2::Image> image;
	std::string error;
};

// A file is opened only when it is a regular file, readable, not empty, its
// first bytes are those of an image format that holds a camera's Exif tags
// (JPEG, TIFF and the raw formats built on it: DNG, NEF, ARW, PEF, SRW...;
// CR2, CR3 and HEIF, which exiv2 calls BMFF; CRW, MRW, ORF, RAF, RW2, PNG,
// WebP or JPEG 2000), and it is no larger than its format allows
// (photo_reading.h). All of that is checked on the file itself before exiv2
// reads any of it; a pipe or a device is not even opened for reading.
OpenedPhoto openPhoto(const std::filesystem::path &file);

// The same checks of a photo's bytes in memory.
OpenedPhoto openPhoto(std::span<const unsigned char> bytes);

// What exiv2 last found wrong in a file it read on this thread, since the
// last call: the first of its error messages, for a file it could read
// only in part, such as one cut short (its warnings are not kept). Empty
// when it found nothing.
std::string takeExiv2Complaint();

} // namespace mirel
