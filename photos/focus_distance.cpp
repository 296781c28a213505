#include "photos/focus_distance.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include <exiv2/easyaccess.hpp>
#include <exiv2/exif.hpp>

#include "core/sentence.h"
#include "photos/tag_values.h"

namespace mirel {

namespace {

// How a focus distance tag keeps its distance.
struct DistanceTag {
	std::string_view key;
	double millimetres;                    // per unit stored; 0 for the Nikon lens code
	std::optional<std::uint32_t> infinity; // the value stored for infinity
	bool sixteenBits = false;              // kept in 16 bits, whatever sign the type gives them
	bool numeratorOnly = false;            // the numerator alone counts
	bool exifStandard = false;             // 0 means unknown, as the standard says
};

constexpr std::uint32_t kExifInfinity = 0xFFFFFFFF;
constexpr std::uint32_t kCanonInfinity = 0xFFFF;

constexpr std::array kDistanceTags = {
	DistanceTag{ "Exif.Photo.SubjectDistance", 1000.0, kExifInfinity, false, false, true },
	DistanceTag{ "Exif.Image.SubjectDistance", 1000.0, kExifInfinity, false, false, true },
	DistanceTag{ "Exif.CanonSi.SubjectDistance", 10.0, kCanonInfinity, true },
	DistanceTag{ "Exif.CanonFi.FocusDistanceUpper", 10.0, kCanonInfinity, true },
	DistanceTag{ "Exif.CanonFi.FocusDistanceLower", 10.0, kCanonInfinity, true },
	DistanceTag{ "Exif.MinoltaCsNew.FocusDistance", 1.0, std::nullopt },
	DistanceTag{ "Exif.Nikon1.FocusDistance", 1000.0, std::nullopt },
	DistanceTag{ "Exif.Nikon3.FocusDistance", 1000.0, std::nullopt },
	DistanceTag{ "Exif.NikonLd2.FocusDistance", 0.0, std::nullopt },
	DistanceTag{ "Exif.NikonLd3.FocusDistance", 0.0, std::nullopt },
	DistanceTag{ "Exif.Olympus.FocusDistance", 1.0, std::nullopt },
	DistanceTag{ "Exif.OlympusFi.FocusDistance", 1.0, kExifInfinity, false, true },
	DistanceTag{ "Exif.Casio.ObjectDistance", 1.0, std::nullopt },
	DistanceTag{ "Exif.Casio2.ObjectDistance", 1.0, std::nullopt },
};

// Nikon's lens code: 0.01 m × 10^(v / 40).
double nikonLensDistance(std::int64_t code)
{
	return 10.0 * std::pow(10.0, static_cast<double>(code) / 40.0);
}

bool isInfinity(const DistanceTag &tag, std::int64_t stored)
{
	const std::uint32_t mask = tag.sixteenBits ? 0xFFFF : 0xFFFFFFFF;
	return tag.infinity && (static_cast<std::uint64_t>(stored) & mask) == *tag.infinity;
}

} // namespace

PhotoFigure focusDistance(const Exiv2::ExifData &data)
{
	constexpr double kInfinity = std::numeric_limits<double>::infinity();
	const auto found = Exiv2::subjectDistance(data);
	if (found == data.end())
		return notRecorded();
	PhotoFigure figure = fromTag(found->key());
	const auto tag = std::ranges::find(kDistanceTags, figure.source, &DistanceTag::key);
	if (tag == kDistanceTags.end()) {
		figure.unusable = figure.source + " is kept in a unit Mirel does not know";
		return figure;
	}
	const std::optional<StoredNumber> stored = storedNumber(*found);
	if (!stored) {
		figure.unusable = figure.source + " " + std::string(kNotANumber);
		return figure;
	}
	std::int64_t count = stored->numerator;
	if (isInfinity(*tag, count)) {
		figure.value = kInfinity;
		return figure;
	}
	if (tag->sixteenBits)
		count &= 0xFFFF;
	const std::string is = figure.source + " is " + stored->text();
	if (count == 0) {
		figure.unusable = fillPattern(tag->exifStandard ? kUnknownByExif : kUnknownByMaker,
					      { figure.source, stored->text() });
		return figure;
	}
	const double units = tag->numeratorOnly || tag->millimetres == 0.0
				     ? static_cast<double>(count)
				     : StoredNumber{ count, stored->denominator, true }.value();
	if (std::isnan(units)) {
		figure.unusable = is + ", no number";
		return figure;
	}
	if (units < 0.0) {
		figure.unusable = is + ", a distance below 0";
		return figure;
	}
	const double millimetres = tag->millimetres == 0.0 ? nikonLensDistance(count) : units * tag->millimetres;
	if (!(millimetres <= kFarthestFocusDistance)) {
		figure.unusable = is + ", farther than any camera focuses";
		return figure;
	}
	figure.value = millimetres;
	return figure;
}

} // namespace mirel
