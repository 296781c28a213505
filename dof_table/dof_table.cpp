#include "dof_table/dof_table.h"

#include <cmath>
#include <limits>

#include "core/calculators.h"
#include "core/cp1252.h"
#include "core/diffraction.h"
#include "core/number_text.h"
#include "core/optics.h"
#include "core/stops.h"
#include "core/validity.h"
#include "dof_table/distance_list.h"

namespace mirel {

namespace {

constexpr int kFirstThird = 3;    // f/1.4
constexpr int kLastRowThird = 30; // f/32
constexpr double kInfinity = std::numeric_limits<double>::infinity();

bool usable(double length)
{
	return std::isfinite(length) && length > 0.0;
}

// The index of the smallest of count values, -1 when none is below limit.
template <typename Distance>
int nearest(int count, double limit, Distance distance)
{
	int best = -1;
	for (int i = 0; i < count; ++i) {
		if (distance(i) <= limit && (best < 0 || distance(i) < distance(best)))
			best = i;
	}
	return best;
}

} // namespace

DofTable::DofTable(const CalcSettings &settings, const DofTableOptions &options)
	: settings_(settings),
	  distances_(options.distances.empty()
			     ? defaultDistances(settings.FocusDistance, settings.FocalLength, settings.LengthUnit)
			     : options.distances)
{
	const int step = options.thirdStops ? 1 : kThirdsPerStop;
	for (int third = kFirstThird; third <= kLastRowThird; third += step)
		apertures_.push_back(apertureAtThird(third));

	const double halfStep = 0.5 * step / kThirdsPerStop;
	if (settings.Aperture > 0.0) {
		currentRow_ = nearest(rowCount(), halfStep + 1e-9, [&](int row) {
			return std::abs(stopsBetween(aperture(row).fNumber, settings.Aperture));
		});
	}
	if (usable(settings.FocusDistance)) {
		nearestColumn_ = nearest(columnCount(), kInfinity, [&](int column) {
			return std::abs(
				std::log(distances_[static_cast<std::size_t>(column)] / settings.FocusDistance));
		});
	}
}

double DofTable::distance(int column) const
{
	return fromMillimetres(distances_[static_cast<std::size_t>(column)], unit());
}

double DofTable::focusDistance() const
{
	return fromMillimetres(settings_.FocusDistance, unit());
}

std::optional<SharpZone> DofTable::zoneAt(double fNumber, double distance) const
{
	const double f = settings_.FocalLength;
	const double c = settings_.filmCoC;
	if (!depthOfFieldUnusable(f, distance, fNumber, c).empty())
		return std::nullopt;
	const DepthOfFieldLimits limits = depthOfFieldLimits(f, fNumber, c, distance);
	if (!std::isfinite(limits.near) || std::isnan(limits.far))
		return std::nullopt;
	return SharpZone{ fromMillimetres(limits.near, unit()),
			  reachesInfinity(limits.far) ? kInfinity : fromMillimetres(limits.far, unit()) };
}

std::optional<SharpZone> DofTable::zone(int row, int column) const
{
	return zoneAt(aperture(row).fNumber, distances_[static_cast<std::size_t>(column)]);
}

std::optional<SharpZone> DofTable::zoneAtFocus(int row) const
{
	return zoneAt(aperture(row).fNumber, settings_.FocusDistance);
}

std::optional<double> DofTable::hyperfocal(int row) const
{
	const double N = aperture(row).fNumber;
	if (!hyperfocalUnusable(settings_.FocalLength, N, settings_.filmCoC).empty())
		return std::nullopt;
	const double H = hyperfocalDistance(settings_.FocalLength, N, settings_.filmCoC);
	return std::isfinite(H) ? std::optional(fromMillimetres(H, unit())) : std::nullopt;
}

bool DofTable::diffractionLimited(int row) const
{
	return usable(settings_.filmCoC) && diffractionExceeds(aperture(row).fNumber, settings_.filmCoC);
}

std::string DofTable::limitText(double value) const
{
	return std::isinf(value) ? "\u221e" : formatRounded(value, settings_.RoundOtherMethod);
}

std::string DofTable::headerLine() const
{
	const std::size_t film = settings_.FilmSize < kFilmFormatCount ? settings_.FilmSize : 0;
	return "Focal length " + formatTrimmed(settings_.FocalLength) + " mm, film format " +
	       utf8FromCp1252(filmName(settings_.FilmSizes[film])) + ", circle of confusion " +
	       formatTrimmed(settings_.filmCoC) + " mm, distances in " + std::string(unitAbbreviation(unit()));
}

std::string DofTable::rowHeading(int row) const
{
	return "f/" + std::string(aperture(row).marking);
}

std::string DofTable::columnHeading(int column) const
{
	return formatPlain(distance(column)) + " " + std::string(unitAbbreviation(unit()));
}

std::string DofTable::cellText(int row, int column) const
{
	const std::optional<SharpZone> z = zone(row, column);
	if (!z)
		return std::string(kNotAvailable);
	return limitText(z->near) + " \u2013 " + limitText(z->far);
}

std::string DofTable::hyperfocalText(int row) const
{
	const std::optional<double> H = hyperfocal(row);
	return H ? limitText(*H) : std::string(kNotAvailable);
}

std::string DofTable::diffractionNote(int row) const
{
	return diffractionLimited(row) ? diffractionText(aperture(row).fNumber, settings_.filmCoC) : std::string();
}

std::string DofTable::diffractionLine() const
{
	if (!usable(settings_.filmCoC))
		return {};
	return "Diffraction blurs more than the " + formatFixed(settings_.filmCoC, 3) +
	       " mm circle of confusion beyond about f/" +
	       formatFixed(diffractionLimitedAperture(settings_.filmCoC), 1) + ": those apertures are marked.";
}

} // namespace mirel
