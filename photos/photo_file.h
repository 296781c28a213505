#pragma once

#include <array>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace Exiv2 {
class Image;
} // namespace Exiv2

namespace mirel {

// A photo opened for exiv2 to read its metadata, or why it is not.
struct OpenedPhoto {
	std::unique_ptr<Exiv2::Image> image;
	std::string error;
};

// Why a file is not opened, when that needs no figure of it.
inline constexpr std::string_view kEmptyFile = "an empty file, not a photo";
inline constexpr std::string_view kLargerThanAnyPhoto = "larger than any photo Mirel reads (1 GiB)";
inline constexpr std::string_view kNotAPhoto =
	"not an image Mirel reads (JPEG, TIFF, PNG, WebP, HEIF or a camera's raw file)";
inline constexpr std::string_view kLargerThanFormat =
	"larger than any JPEG, HEIF, CR3, PNG, WebP or JPEG 2000 photo Mirel reads (128 MiB)";
inline constexpr std::string_view kNoSuchFile = "no such file";
inline constexpr std::string_view kNotReadable = "not readable: permission denied";
inline constexpr std::string_view kFolder = "a folder, not a photo";
inline constexpr std::string_view kNotRegularFile = "not a regular file, not a photo";
inline constexpr std::array kPhotoFileProblems = { kEmptyFile,  kLargerThanAnyPhoto, kNotAPhoto, kLargerThanFormat,
						   kNoSuchFile, kNotReadable,        kFolder,    kNotRegularFile };

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
