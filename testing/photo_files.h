#pragma once

#include <string>
#include <vector>

#include <exiv2/exiv2.hpp>

#include "testing/scratch_files.h"

namespace mirel::testing {

// Photos the tests make for themselves, written by exiv2: their tags as a
// test sets them, a picture of no interest. Linked with exiv2.

// A tag as a test sets it: its key and its value as exiv2 reads it from
// text ("50/1", "5184"), in the tag's own type unless another is given.
struct PhotoTag {
	std::string key;
	std::string value;
	Exiv2::TypeId type = Exiv2::invalidTypeId;
};

// JPEG: exiv2's blank picture of 1 × 1 pixel. The others hold the tags of a
// 5184 × 3456 picture, and no pixels: TIFF, DNG (a TIFF with its version
// tag), and Canon's CR2 and Olympus's ORF, each in its own header.
enum class PhotoFormat { Jpeg, Tiff, Dng, Cr2, Orf };

inline void setTag(Exiv2::ExifData &data, const PhotoTag &tag)
{
	const Exiv2::ExifKey key(tag.key);
	if (const auto old = data.findKey(key); old != data.end())
		data.erase(old);
	const auto value = Exiv2::Value::create(tag.type != Exiv2::invalidTypeId ? tag.type : key.defaultTypeId());
	if (value->read(tag.value) != 0)
		throw std::invalid_argument("exiv2 cannot read " + tag.value + " for " + tag.key);
	data.add(key, value.get());
}

inline std::string bytesOf(Exiv2::BasicIo &io)
{
	io.seek(0, Exiv2::BasicIo::beg);
	const Exiv2::DataBuf buffer = io.read(io.size());
	return std::string(reinterpret_cast<const char *>(buffer.pData_), static_cast<std::size_t>(buffer.size_));
}

template <typename Parser>
std::string rawPhoto(const Exiv2::ExifData &data)
{
	Exiv2::MemIo io;
	Parser::encode(io, nullptr, 0, Exiv2::littleEndian, data, Exiv2::IptcData(), Exiv2::XmpData());
	return bytesOf(io);
}

// The bytes of a photo of the format holding the tags.
inline std::string photoBytes(PhotoFormat format, const std::vector<PhotoTag> &tags)
{
	Exiv2::ExifData data;
	if (format != PhotoFormat::Jpeg) {
		setTag(data, { "Exif.Image.ImageWidth", "5184" });
		setTag(data, { "Exif.Image.ImageLength", "3456" });
	}
	if (format == PhotoFormat::Dng)
		setTag(data, { "Exif.Image.DNGVersion", "1 4 0 0" });
	for (const PhotoTag &tag : tags)
		setTag(data, tag);
	switch (format) {
	case PhotoFormat::Jpeg: {
		// exiv2 0.27 hands its images over in std::auto_ptr, which C++
		// has deprecated.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
		const std::unique_ptr<Exiv2::Image> image = Exiv2::ImageFactory::create(Exiv2::ImageType::jpeg);
#pragma GCC diagnostic pop
		image->setExifData(data);
		image->writeMetadata();
		return bytesOf(image->io());
	}
	case PhotoFormat::Tiff:
	case PhotoFormat::Dng:
		return rawPhoto<Exiv2::TiffParser>(data);
	case PhotoFormat::Cr2:
		return rawPhoto<Exiv2::Cr2Parser>(data);
	case PhotoFormat::Orf:
		return rawPhoto<Exiv2::OrfParser>(data);
	}
	return {};
}

inline void writePhoto(const std::string &path, PhotoFormat format, const std::vector<PhotoTag> &tags)
{
	writeFile(path, photoBytes(format, tags));
}

// The tests' reference shot: a Canon EOS 7D at 50 mm and f/8, with the tags
// more adds (a subject distance, for one).
inline std::vector<PhotoTag> canon7DShot(std::vector<PhotoTag> more = {})
{
	std::vector<PhotoTag> tags{ { "Exif.Image.Make", "Canon" },
				    { "Exif.Image.Model", "Canon EOS 7D" },
				    { "Exif.Photo.FocalLength", "50/1" },
				    { "Exif.Photo.FNumber", "8/1" } };
	tags.insert(tags.end(), more.begin(), more.end());
	return tags;
}

// The same shot focused at 5 m, as Exif.Photo.SubjectDistance records it.
inline std::vector<PhotoTag> canon7DShotAt5m()
{
	return canon7DShot({ { "Exif.Photo.SubjectDistance", "5/1" } });
}

// Sets tags in the picture at path, written by another program: a photo
// with a picture to see.
inline void tagPhoto(const std::string &path, const std::vector<PhotoTag> &tags)
{
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
	const std::unique_ptr<Exiv2::Image> image = Exiv2::ImageFactory::open(path);
#pragma GCC diagnostic pop
	image->readMetadata();
	Exiv2::ExifData data = image->exifData();
	for (const PhotoTag &tag : tags)
		setTag(data, tag);
	image->setExifData(data);
	image->writeMetadata();
}

} // namespace mirel::testing
