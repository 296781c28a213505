#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mirel {

// A sentence built from figures, kept as its English pattern with %1 to %9
// where the figures go, and the figures as they are shown. Its text is the
// pattern filled in; a translation translates the pattern and fills in the
// same figures, so the figures and units read alike in every language.
struct Sentence {
	std::string_view pattern;
	std::vector<std::string> figures;

	std::string text() const;
};

// pattern with each %n (n from 1 to 9) replaced by figures[n - 1]; a %n
// beyond the figures is left as it is.
std::string fillPattern(std::string_view pattern, const std::vector<std::string> &figures);

// The sentence of text among patterns: the first pattern that fills to
// text, with its figures; none when no pattern does. A pattern matches with
// each figure as short as lets the text after it match.
std::optional<Sentence> sentenceOf(std::string_view text, std::span<const std::string_view> patterns);

} // namespace mirel
