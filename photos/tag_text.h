#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace mirel {

// The most characters of a text from a photo that are kept: more than any
// camera's, lens's or maker's name has.
inline constexpr std::size_t kLongestTagText = 100;

// A text from a photo's tags, or from the library that read them, as
// Windows-1252 that can be shown anywhere: the bytes are taken as UTF-8
// (ASCII is), anything else as "?"; up to the first NUL, as the tags end
// their texts; control characters as blanks, runs of blanks as one, none at
// either end; cut to kLongestTagText characters with "..." when longer.
std::string tagText(std::string_view bytes);

} // namespace mirel
