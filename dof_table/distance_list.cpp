#include "dof_table/distance_list.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/number_text.h"

namespace mirel {

namespace {

constexpr std::array<double, 6> kLadder = { 1.0, 1.5, 2.0, 3.0, 5.0, 7.0 };
constexpr int kDefaultCount = 12;
constexpr int kStepsBelowFocus = 2;

// Step k of the ladder: kLadder[k mod 6] times 10 to the power k div 6. A
// division for the negative powers, so 0.7 is the double nearest 0.7.
double ladderStep(int k)
{
	const int decade = k >= 0 ? k / 6 : -((-k + 5) / 6);
	const double mantissa = kLadder[static_cast<std::size_t>(k - decade * 6)];
	double power = 1.0;
	for (int i = 0; i < std::abs(decade); ++i)
		power *= 10.0;
	return decade >= 0 ? mantissa * power : mantissa / power;
}

} // namespace

std::vector<double> defaultDistances(double focusDistance, double focalLength, LengthUnit unit)
{
	const double focal = std::isfinite(focalLength) && focalLength > 0.0 ? focalLength : 0.0;
	double anchor = focusDistance;
	if (!(std::isfinite(anchor) && anchor > focal))
		anchor = focal > 0.0 ? 20.0 * focal : 1000.0; // a portrait's distance
	const double shown = fromMillimetres(anchor, unit);
	const double shownFocal = fromMillimetres(focal, unit);
	if (!(shown > 0.0))
		return {}; // no such unit

	// The step nearest the anchor, on a logarithmic scale.
	const int decade = static_cast<int>(std::floor(std::log10(shown)));
	int nearest = decade * 6;
	for (int k = decade * 6 - 1; k <= decade * 6 + 6; ++k) {
		if (std::abs(std::log(ladderStep(k) / shown)) < std::abs(std::log(ladderStep(nearest) / shown)))
			nearest = k;
	}
	int first = nearest - kStepsBelowFocus;
	while (ladderStep(first) <= shownFocal)
		++first;

	std::vector<double> millimetres;
	for (int k = first; k < first + kDefaultCount; ++k)
		millimetres.push_back(toMillimetres(ladderStep(k), unit));
	return millimetres;
}

DistanceList parseDistanceList(std::string_view text, LengthUnit unit)
{
	DistanceList list;
	if (trimBlanks(text).empty())
		return list;
	for (std::size_t start = 0; start <= text.size();) {
		const std::size_t comma = std::min(text.find(',', start), text.size());
		const std::string_view item = trimBlanks(text.substr(start, comma - start));
		const std::optional<double> value = readNumber(item);
		if (!value || *value <= 0.0) {
			list.problem = "Type distances as positive numbers separated by commas: \u201c" +
				       std::string(item) + "\u201d is not one.";
			list.millimetres.clear();
			return list;
		}
		list.millimetres.push_back(toMillimetres(*value, unit));
		start = comma + 1;
	}
	std::ranges::sort(list.millimetres);
	const auto [repeats, end] = std::ranges::unique(list.millimetres);
	list.millimetres.erase(repeats, end);
	if (std::ssize(list.millimetres) > kMostDistances) {
		list.problem = "A table holds at most " + std::to_string(kMostDistances) + " distances.";
		list.millimetres.clear();
	}
	return list;
}

std::string distanceListText(const std::vector<double> &millimetres, LengthUnit unit)
{
	std::string text;
	for (const double distance : millimetres)
		text += (text.empty() ? "" : ", ") + formatPlain(fromMillimetres(distance, unit));
	return text;
}

} // namespace mirel
