#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "cameras/camera.h"

namespace mirel {

// Finding a camera as the user types: texts are compared in their search
// form, so that case, blanks and hyphens make no difference.

// Lower case, without blanks and hyphens: "X-T3" and "x t3" both read "xt3".
std::string searchForm(std::string_view text);

// How well a camera matches a text, best first. A name is the model (shown
// or other, with the variant) or the short name, alone or after one of the
// maker's names.
enum class MatchRank {
	Exact,  // a name is the text: "z6" for Nikon Z 6, "nikon z6", "dsc-rx100"
	Words,  // a name's last words are: "7d" for Canon EOS 7D, "canon 7d"
	Prefix, // a name or its last words begin with the text: "7d" for Canon EOS 7D Mark II
	Part,   // a name holds the text: "7d" for Canon EOS 77D
	Near,   // none of these
};

// A camera's names and their last words, in their search form.
struct SearchKeys {
	std::vector<std::string> names;     // "eos7d", "canoneos7d"
	std::vector<std::string> lastWords; // "7d", "canon7d"
};
SearchKeys searchKeys(const Camera &camera);

// How a camera with these keys matches a text in its search form.
MatchRank matchRank(const SearchKeys &keys, std::string_view text);

// The fewest characters inserted, deleted or replaced that turn the text,
// in its search form, into one of the camera's names or last words.
std::size_t typingDistance(const SearchKeys &keys, std::string_view text);

} // namespace mirel
