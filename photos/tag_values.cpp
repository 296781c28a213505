#include "photos/tag_values.h"

#include <cmath>
#include <limits>

#include <exiv2/exif.hpp>
#include <exiv2/value.hpp>

#include "photos/tag_text.h"

namespace mirel {

namespace {

// The first pair of a rational value, read from its own type so that an
// unsigned part above 2^31 keeps its value.
template <typename RationalValue>
std::optional<StoredNumber> firstRational(const Exiv2::Value &value)
{
	const auto *rational = dynamic_cast<const RationalValue *>(&value);
	if (rational == nullptr || rational->value_.empty())
		return std::nullopt;
	const auto &[numerator, denominator] = rational->value_.front();
	return StoredNumber{ numerator, denominator, true };
}

} // namespace

double StoredNumber::value() const
{
	if (denominator == 0)
		return std::numeric_limits<double>::quiet_NaN();
	return static_cast<double>(numerator) / static_cast<double>(denominator);
}

std::string StoredNumber::text() const
{
	if (!rational)
		return std::to_string(numerator);
	return std::to_string(numerator) + "/" + std::to_string(denominator);
}

PhotoFigure notRecorded()
{
	PhotoFigure figure;
	figure.unusable = kNotRecorded;
	return figure;
}

PhotoFigure fromTag(std::string key)
{
	PhotoFigure figure;
	figure.source = std::move(key);
	return figure;
}

const Exiv2::Exifdatum *findTag(const Exiv2::ExifData &data, std::string_view key)
{
	const auto found = data.findKey(Exiv2::ExifKey(std::string(key)));
	return found != data.end() ? &*found : nullptr;
}

std::optional<StoredNumber> storedNumber(const Exiv2::Exifdatum &tag)
{
	const Exiv2::Value &value = tag.value();
	switch (value.typeId()) {
	case Exiv2::unsignedByte:
	case Exiv2::unsignedShort:
	case Exiv2::unsignedLong:
	case Exiv2::signedByte:
	case Exiv2::signedShort:
	case Exiv2::signedLong:
		if (value.count() < 1)
			return std::nullopt;
		return StoredNumber{ value.toLong(0), 1, false };
	case Exiv2::unsignedRational:
		return firstRational<Exiv2::URationalValue>(value);
	case Exiv2::signedRational:
		return firstRational<Exiv2::RationalValue>(value);
	default:
		return std::nullopt;
	}
}

std::string textOfTag(const Exiv2::ExifData &data, std::string_view key)
{
	const Exiv2::Exifdatum *tag = findTag(data, key);
	if (tag == nullptr || tag->typeId() != Exiv2::asciiString)
		return {};
	return tagText(tag->toString());
}

} // namespace mirel
