#include "photos/photo_reading.h"

#include <exception>

#include <exiv2/exiv2.hpp>

#include "photos/exif_figures.h"
#include "photos/photo_file.h"
#include "photos/photo_frame.h"
#include "photos/tag_text.h"

namespace mirel {

namespace {

PhotoReading failed(std::string why)
{
	PhotoReading reading;
	reading.error = std::move(why);
	return reading;
}

PhotoReading read(OpenedPhoto opened, const CameraDatabaseLoad &cameras)
{
	if (!opened.image)
		return failed(std::move(opened.error));
	// exiv2 throws for a file it cannot make sense of; a tag's value it
	// cannot read it keeps as bytes, which the figures refuse.
	try {
		takeExiv2Complaint();
		opened.image->readMetadata();
		const std::string complaint = takeExiv2Complaint();
		const Exiv2::ExifData &data = opened.image->exifData();
		if (data.empty())
			return failed(complaint.empty() ? std::string(kNoExif) : "damaged or cut short: " + complaint);
		PhotoReading reading = exifFigures(data, opened.image->pixelWidth(), opened.image->pixelHeight());
		if (!complaint.empty())
			reading.damage = "damaged or cut short, read in part: " + complaint;
		reading.frame = photoFrame(reading, cameras);
		return reading;
	} catch (const std::exception &error) {
		return failed("damaged or cut short: " + tagText(error.what()));
	}
}

} // namespace

PhotoReading readPhoto(const std::filesystem::path &file, const CameraDatabaseLoad &cameras)
{
	try {
		return read(openPhoto(file), cameras);
	} catch (const std::exception &error) {
		return failed("cannot be read: " + tagText(error.what()));
	}
}

PhotoReading readPhoto(std::span<const unsigned char> bytes, const CameraDatabaseLoad &cameras)
{
	try {
		return read(openPhoto(bytes), cameras);
	} catch (const std::exception &error) {
		return failed("cannot be read: " + tagText(error.what()));
	}
}

} // namespace mirel
