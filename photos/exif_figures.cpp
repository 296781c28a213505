#include "photos/exif_figures.h"

#include <cmath>
#include <initializer_list>
#include <optional>
#include <string>

#include <exiv2/easyaccess.hpp>
#include <exiv2/exif.hpp>

#include "core/sentence.h"
#include "photos/focus_distance.h"
#include "photos/tag_text.h"
#include "photos/tag_values.h"

namespace mirel {

namespace {

// A tag a figure may come from, and how its number becomes the figure.
struct FigureTag {
	std::string_view key;
	double (*convert)(double stored) = nullptr; // none: the number itself
};

// The figures a camera can record, and what to say of one outside them.
struct FigureRange {
	double least; // the figure must be above 0 and at least this
	double most;
	std::string_view tooSmall, tooLarge;
	bool zeroIsUnknown = false; // the Exif standard's rule for the tag
};

constexpr FigureRange kFocalLengths{ 0.0, 10000.0, {}, "longer than any lens" };
constexpr FigureRange kFNumbers{ 0.5, 1000.0, "faster than any lens can be (f/0.5)", "narrower than any lens" };
// A 10 m lens on the smallest frame offered (crop factor 20).
constexpr FigureRange kEquivalentFocalLengths{ 0.0, 200000.0, {}, "longer than any lens", true };
// Pixels of 0.1 µm: smaller than any sensor's.
constexpr FigureRange kResolutions{ 0.0, 10000.0, {}, "pixels smaller than any sensor's" };
constexpr FigureRange kPixelCounts{ 0.0, 1e6, {}, "more pixels than any camera's" };

double apexAperture(double av)
{
	return std::pow(2.0, av / 2.0);
}

// The figure of the first tag the photo holds, within range.
PhotoFigure figure(const Exiv2::ExifData &data, std::initializer_list<FigureTag> tags, const FigureRange &range)
{
	for (const FigureTag &tag : tags) {
		const Exiv2::Exifdatum *found = findTag(data, tag.key);
		if (found == nullptr)
			continue;
		PhotoFigure f = fromTag(std::string(tag.key));
		const std::optional<StoredNumber> stored = storedNumber(*found);
		if (!stored) {
			f.unusable = f.source + " " + std::string(kNotANumber);
			return f;
		}
		const std::string is = f.source + " is " + stored->text();
		const double number = stored->value();
		const double value = tag.convert != nullptr ? tag.convert(number) : number;
		if (std::isnan(number))
			f.unusable = is + ", no number";
		else if (number == 0.0 && range.zeroIsUnknown)
			f.unusable = fillPattern(kUnknownByExif, { f.source, stored->text() });
		else if (!(value > 0.0))
			f.unusable = is + ", not above 0";
		else if (value < range.least)
			f.unusable = is + ", " + std::string(range.tooSmall);
		else if (!(value <= range.most))
			f.unusable = is + ", " + std::string(range.tooLarge);
		else
			f.value = value;
		return f;
	}
	return notRecorded();
}

// Millimetres per unit of the focal-plane resolution; none, with the reason
// in why, for a code that is not a length.
std::optional<double> resolutionUnit(const Exiv2::ExifData &data, std::string_view key, std::string &why)
{
	const Exiv2::Exifdatum *found = findTag(data, key);
	if (found == nullptr)
		return 25.4;
	const std::optional<StoredNumber> code = storedNumber(*found);
	if (code && code->denominator == 1) {
		switch (code->numerator) {
		case 2:
			return 25.4;
		case 3:
			return 10.0;
		case 4:
			return 1.0;
		case 5:
			return 0.001;
		}
	}
	why = std::string(key) + " is " + (code ? code->text() : std::string(kNotANumber)) + ", not a unit of length";
	return std::nullopt;
}

// The focal-plane resolution in pixels per millimetre, from the tags of the
// group (Photo or Image) that holds it.
PhotoFigure resolution(const Exiv2::ExifData &data, std::string_view axis)
{
	for (const std::string group : { "Exif.Photo.", "Exif.Image." }) {
		const std::string key = group + "FocalPlane" + std::string(axis) + "Resolution";
		if (findTag(data, key) == nullptr)
			continue;
		std::string why;
		const std::optional<double> unit = resolutionUnit(data, group + "FocalPlaneResolutionUnit", why);
		if (!unit) {
			PhotoFigure none = fromTag(key);
			none.unusable = why;
			return none;
		}
		PhotoFigure perUnit =
			figure(data, { { key } }, { 0.0, kResolutions.most * *unit, {}, kResolutions.tooLarge });
		perUnit.value /= *unit;
		return perUnit;
	}
	return notRecorded();
}

// The picture's size in pixels along one side: its Exif tag, else its own.
PhotoFigure pixels(const Exiv2::ExifData &data, std::string_view key, int ownSize)
{
	PhotoFigure tagged = figure(data, { { key } }, kPixelCounts);
	if (tagged.known() || ownSize <= 0)
		return tagged;
	return { static_cast<double>(ownSize), std::string(kImageSize), {} };
}

std::string lensOf(const Exiv2::ExifData &data)
{
	if (std::string model = textOfTag(data, "Exif.Photo.LensModel"); !model.empty())
		return model;
	const auto found = Exiv2::lensName(data);
	return found != data.end() ? tagText(found->print(&data)) : std::string();
}

} // namespace

PhotoReading exifFigures(const Exiv2::ExifData &data, int imageWidth, int imageHeight)
{
	PhotoReading reading;
	reading.make = textOfTag(data, "Exif.Image.Make");
	reading.model = textOfTag(data, "Exif.Image.Model");
	reading.lens = lensOf(data);
	reading.focalLength =
		figure(data, { { "Exif.Photo.FocalLength" }, { "Exif.Image.FocalLength" } }, kFocalLengths);
	reading.fNumber = figure(data,
				 { { "Exif.Photo.FNumber" },
				   { "Exif.Image.FNumber" },
				   { "Exif.Photo.ApertureValue", apexAperture },
				   { "Exif.Image.ApertureValue", apexAperture } },
				 kFNumbers);
	reading.focusDistance = focusDistance(data);
	reading.focalLength35mm = figure(data, { { "Exif.Photo.FocalLengthIn35mmFilm" } }, kEquivalentFocalLengths);
	reading.focalPlaneXResolution = resolution(data, "X");
	reading.focalPlaneYResolution = resolution(data, "Y");
	reading.pixelWidth = pixels(data, "Exif.Photo.PixelXDimension", imageWidth);
	reading.pixelHeight = pixels(data, "Exif.Photo.PixelYDimension", imageHeight);
	return reading;
}

} // namespace mirel
