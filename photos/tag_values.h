#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "photos/photo_reading.h"

namespace Exiv2 {
class ExifData;
class Exifdatum;
} // namespace Exiv2

namespace mirel {

// The values of a photo's tags as exiv2 read them, taken without trusting
// them: a tag may hold any type and any count, a text any bytes.

// The first number a tag holds, as stored: an integer as integer / 1, a
// rational as its two parts (its denominator may be 0).
struct StoredNumber {
	std::int64_t numerator;
	std::int64_t denominator;
	bool rational;

	// The number; NaN for a rational over 0.
	double value() const;
	// As the tag holds it: "50", "5/1", "0/0".
	std::string text() const;
};

// Why a tag holds no number, or nothing when it holds one.
inline constexpr std::string_view kNotANumber = "holds no number";

// A figure the photo has no tag for.
PhotoFigure notRecorded();
// A figure of a tag, its value yet to be read.
PhotoFigure fromTag(std::string key);

// The tag of a key, or nullptr when the photo has none.
const Exiv2::Exifdatum *findTag(const Exiv2::ExifData &data, std::string_view key);

// The first number of a tag of an integer or rational type; none for a tag
// of another type (text, bytes of its own) or with no value.
std::optional<StoredNumber> storedNumber(const Exiv2::Exifdatum &tag);

// The text of a tag (tagText); empty when the photo has no such tag or it
// holds something other than text.
std::string textOfTag(const Exiv2::ExifData &data, std::string_view key);

} // namespace mirel
