#pragma once

#include <string_view>
#include <vector>

namespace mirel::cli {

// The name a mistyped word was most likely meant to be ("--focla" for
// "--focal", "dfo" for "dof"): the one it begins, when it begins only one,
// or else the nearest by edit distance (a letter added, dropped, changed,
// or two neighbours swapped), when that is at most 2 and less than half the
// word's length; empty when no name is that near, or two are equally near.
std::string_view nearestName(std::string_view word, const std::vector<std::string_view> &names);

} // namespace mirel::cli
