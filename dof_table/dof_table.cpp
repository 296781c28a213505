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
// Past nine decimals no lens tells the limits apart.
constexpr int kMostDecimals = 9;

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

DofTableInputs tableInputs(const CalcSettings &settings)
{
	const std::size_t film = settings.FilmSize < kFilmFormatCount ? settings.FilmSize : 0;
	return { .focalLength = settings.FocalLength,
		 .coc = settings.filmCoC,
		 .aperture = settings.Aperture,
		 .focusDistance = settings.FocusDistance,
		 .unit = settings.LengthUnit,
		 .rounding = settings.RoundOtherMethod,
		 .filmName = settings.FilmSizes[film].Name };
}

DofTable::DofTable(const DofTableInputs &inputs, const DofTableOptions &options)
	: inputs_(inputs),
	  distances_(options.distances.empty() ? defaultDistances(inputs.focusDistance, inputs.focalLength, inputs.unit)
					       : options.distances)
{
	const int step = options.thirdStops ? 1 : kThirdsPerStop;
	rowsPerStop_ = kThirdsPerStop / step;
	for (int third = kFirstThird; third <= kLastRowThird; third += step)
		apertures_.push_back(apertureAtThird(third));

	const double halfStep = 0.5 * step / kThirdsPerStop;
	if (inputs.aperture > 0.0) {
		currentRow_ = nearest(rowCount(), halfStep + 1e-9, [&](int row) {
			return std::abs(stopsBetween(aperture(row).fNumber, inputs.aperture));
		});
	}
	if (usable(inputs.focusDistance)) {
		nearestColumn_ = nearest(columnCount(), kInfinity, [&](int column) {
			return std::abs(std::log(distances_[static_cast<std::size_t>(column)] / inputs.focusDistance));
		});
	}
}

DofTable::DofTable(const CalcSettings &settings, const DofTableOptions &options)
	: DofTable(tableInputs(settings), options)
{
}

double DofTable::distance(int column) const
{
	return fromMillimetres(distances_[static_cast<std::size_t>(column)], unit());
}

double DofTable::focusDistance() const
{
	return fromMillimetres(inputs_.focusDistance, unit());
}

std::optional<SharpZone> DofTable::zoneAt(double fNumber, double distance) const
{
	const double f = inputs_.focalLength;
	const double c = inputs_.coc;
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
	return zoneAt(aperture(row).fNumber, inputs_.focusDistance);
}

std::optional<ZoneTexts> DofTable::textsAt(const std::optional<SharpZone> &zone, double distance) const
{
	if (!zone)
		return std::nullopt;
	const int rule = inputs_.rounding;
	const int ruleDecimals = rule >= RoundOther1 && rule <= RoundOther3 ? rule : 6;
	for (int decimals = ruleDecimals;; ++decimals) {
		const auto text = [&](double value) {
			if (std::isinf(value))
				return std::string("\u221e");
			return decimals == ruleDecimals ? formatRounded(value, rule) : formatFixed(value, decimals);
		};
		ZoneTexts texts{ text(zone->near), text(zone->far) };
		const std::string focus = text(distance);
		if (decimals == kMostDecimals || (texts.near != texts.far && texts.near != focus && texts.far != focus))
			return texts;
	}
}

std::optional<ZoneTexts> DofTable::zoneTexts(int row, int column) const
{
	return textsAt(zone(row, column), distance(column));
}

std::optional<ZoneTexts> DofTable::zoneAtFocusTexts(int row) const
{
	return textsAt(zoneAtFocus(row), focusDistance());
}

std::optional<double> DofTable::hyperfocal(int row) const
{
	const double N = aperture(row).fNumber;
	if (!hyperfocalUnusable(inputs_.focalLength, N, inputs_.coc).empty())
		return std::nullopt;
	const double H = hyperfocalDistance(inputs_.focalLength, N, inputs_.coc);
	return std::isfinite(H) ? std::optional(fromMillimetres(H, unit())) : std::nullopt;
}

bool DofTable::diffractionLimited(int row) const
{
	return usable(inputs_.coc) && diffractionExceeds(aperture(row).fNumber, inputs_.coc);
}

bool DofTable::sameCells(const DofTable &other) const
{
	const auto cellInputs = [](DofTableInputs inputs) {
		inputs.aperture = 0.0;
		inputs.focusDistance = 0.0;
		return inputs;
	};
	return cellInputs(inputs_) == cellInputs(other.inputs_) && rowsPerStop_ == other.rowsPerStop_ &&
	       distances_ == other.distances_;
}

std::string DofTable::limitText(double value) const
{
	return std::isinf(value) ? "\u221e" : formatRounded(value, inputs_.rounding);
}

std::string DofTable::headerLine() const
{
	return utf8FromCp1252(headerSentence().text());
}

Sentence DofTable::headerSentence() const
{
	return { kDofHeaderPattern,
		 { formatTrimmed(inputs_.focalLength), std::string(filmName(inputs_.filmName)),
		   formatTrimmed(inputs_.coc), std::string(unitAbbreviation(unit())) } };
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
	const std::optional<ZoneTexts> texts = zoneTexts(row, column);
	return texts ? texts->near + " \u2013 " + texts->far : std::string(kNotAvailable);
}

std::string DofTable::hyperfocalText(int row) const
{
	const std::optional<double> H = hyperfocal(row);
	return H ? limitText(*H) : std::string(kNotAvailable);
}

std::string DofTable::diffractionNote(int row) const
{
	return diffractionNoteSentence(row).text();
}

Sentence DofTable::diffractionNoteSentence(int row) const
{
	return diffractionLimited(row) ? diffractionSentence(aperture(row).fNumber, inputs_.coc) : Sentence{};
}

Sentence DofTable::diffractionLineSentence() const
{
	if (!usable(inputs_.coc))
		return {};
	return { kDofDiffractionLinePattern,
		 { formatFixed(inputs_.coc, 3), formatFixed(diffractionLimitedAperture(inputs_.coc), 1) } };
}

} // namespace mirel
