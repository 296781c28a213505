#include "cli/suggest.h"

#include <algorithm>
#include <numeric>

namespace mirel::cli {

namespace {

// The optimal string alignment distance: insertions, deletions,
// substitutions and transpositions of neighbours, each counting 1.
std::size_t editDistance(std::string_view a, std::string_view b)
{
	std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
	for (std::size_t i = 0; i <= a.size(); ++i)
		d[i][0] = i;
	std::iota(d[0].begin(), d[0].end(), std::size_t{ 0 });
	for (std::size_t i = 1; i <= a.size(); ++i) {
		for (std::size_t j = 1; j <= b.size(); ++j) {
			const std::size_t change = a[i - 1] == b[j - 1] ? 0 : 1;
			d[i][j] = std::min({ d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + change });
			if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
				d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
		}
	}
	return d[a.size()][b.size()];
}

// The name without the dashes of an option.
std::string_view bare(std::string_view name)
{
	return name.substr(std::min(name.find_first_not_of('-'), name.size()));
}

} // namespace

std::string_view nearestName(std::string_view word, const std::vector<std::string_view> &names)
{
	const std::string_view typed = bare(word);
	if (typed.size() >= 2) {
		std::vector<std::string_view> begun;
		std::copy_if(names.begin(), names.end(), std::back_inserter(begun),
			     [&](std::string_view name) { return bare(name).starts_with(typed); });
		if (begun.size() == 1)
			return begun.front();
	}
	std::string_view nearest;
	std::size_t best = std::min<std::size_t>(3, (typed.size() + 1) / 2);
	bool tie = false;
	for (const std::string_view name : names) {
		const std::size_t distance = editDistance(typed, bare(name));
		if (distance < best) {
			nearest = name;
			best = distance;
			tie = false;
		} else if (distance == best && !nearest.empty() && name != nearest) {
			tie = true;
		}
	}
	return tie ? std::string_view() : nearest;
}

} // namespace mirel::cli
