#include "photo_tool/shot_figures.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <stdexcept>

#include "core/number_text.h"
#include "photos/shot_results.h"

namespace mirel {

namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

// A figure's text: its value as fmt writes it, or why there is none.
template <typename Format>
ShotFigure recorded(std::string_view key, std::string_view label, std::string_view unit, const PhotoFigure &figure,
		    Format fmt)
{
	if (!figure.known())
		return { key,
			 label,
			 unit,
			 kNone,
			 std::string(figure.unusable.starts_with(kNotRecorded) ? kNotRecorded : kNotAvailable),
			 figure.source,
			 figure.unusable };
	return { key, label, unit, figure.value, fmt(figure.value), figure.source, {} };
}

std::string millimetres(double mm)
{
	return formatPlain(mm) + " mm";
}

// Two decimals at most, as the frame of a camera is told.
std::string twoDecimals(double mm)
{
	return formatPlain(std::round(mm * 100.0) / 100.0);
}

std::string lengthText(double mm, LengthUnit unit)
{
	if (std::isinf(mm))
		return std::string(kInfinityText);
	return formatPlain(fromMillimetres(mm, unit)) + " " + std::string(unitAbbreviation(unit));
}

ShotFigure frameFigure(const PhotoFrame &frame)
{
	if (frame.source == FrameSource::None)
		return { "frame", "Frame", "mm", kNone, std::string(kNotAvailable), {}, frame.unusable };
	Sentence sides{ kFramePattern,
			{ twoDecimals(frame.width), twoDecimals(frame.height), twoDecimals(frame.diagonal) } };
	std::string text = sides.text();
	return { "frame", "Frame", "mm", frame.diagonal, std::move(text), frame.how, {}, false, std::move(sides) };
}

// The circle as the pages' field holds it, and the results are worked out
// with.
double circleValue(double mm)
{
	return std::isnan(mm) ? mm : shownValue(mm);
}

ShotFigure resultFigure(std::string_view key, std::string_view label, const Result &result)
{
	return { key, label, "mm", result.value, result.text, {}, {} };
}

} // namespace

const ShotFigure &ShotFigures::operator[](std::string_view key) const
{
	const auto found = std::ranges::find(figures, key, &ShotFigure::key);
	if (found == figures.end())
		throw std::out_of_range("no figure " + std::string(key));
	return *found;
}

std::string cameraText(const PhotoReading &reading)
{
	if (reading.make.empty() && reading.model.empty())
		return std::string(kNotRecorded);
	if (reading.make.empty() || reading.model.starts_with(reading.make))
		return reading.model;
	if (reading.model.empty())
		return reading.make;
	return reading.make + " " + reading.model;
}

ShotFigures shotFigures(const PhotoReading &reading, LengthUnit unit, int roundOther)
{
	const ShotResults shot = shotResults(reading, unit, roundOther);
	const std::string lens = reading.lens.empty() ? std::string(kNotRecorded) : reading.lens;
	return { { { "camera", "Camera", "", kNone, cameraText(reading), {}, {}, true },
		   { "lens", "Lens", "", kNone, lens, {}, {}, true },
		   recorded("focal_length", "Focal length", "mm", reading.focalLength, millimetres),
		   recorded("f_number", "f-number", "", reading.fNumber,
			    [](double f) { return "f/" + formatPlain(f); }),
		   recorded("focus_distance", "Focus distance", "mm", reading.focusDistance,
			    [unit](double mm) { return lengthText(mm, unit); }),
		   recorded("equivalent_focal_length", "35 mm equivalent", "mm", reading.focalLength35mm, millimetres),
		   frameFigure(reading.frame),
		   { "coc",
		     "Circle of confusion",
		     "mm",
		     circleValue(shot.coc.coc.value),
		     shot.coc.coc.text,
		     reading.frame.source == FrameSource::None ? std::string() : std::string(kCircleSource),
		     {} },
		   resultFigure("near", "Near limit", shot.near),
		   resultFigure("far", "Far limit", shot.far),
		   resultFigure("total", "Total depth", shot.total),
		   resultFigure("hyperfocal", "Hyperfocal distance", shot.hyperfocal) },
		 shot.unusable };
}

PhotoReading withTypedDistance(PhotoReading reading, std::string_view typed, LengthUnit unit)
{
	if (reading.focusDistance.known() || trimBlanks(typed).empty())
		return reading;
	// Read as a page reads its fields.
	const double number = parseNumber(typed);
	const std::string unitName(unitAbbreviation(unit));
	PhotoFigure &distance = reading.focusDistance;
	if (number > 0.0 && std::isfinite(number)) {
		distance = { toMillimetres(number, unit), std::string(kTypedDistance), {} };
		return reading;
	}
	distance.source = kTypedDistance;
	distance.unusable = "\x93" + std::string(typed) + "\x94 is not a distance in " + unitName; // quotation marks
	return reading;
}

} // namespace mirel
