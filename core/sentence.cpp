#include "core/sentence.h"

namespace mirel {

std::string Sentence::text() const
{
	return fillPattern(pattern, figures);
}

std::string fillPattern(std::string_view pattern, const std::vector<std::string> &figures)
{
	std::string text;
	text.reserve(pattern.size() + 32);
	for (std::size_t i = 0; i < pattern.size(); ++i) {
		const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
		const auto index = static_cast<std::size_t>(next - '1');
		if (pattern[i] == '%' && next >= '1' && next <= '9' && index < figures.size()) {
			text += figures[index];
			++i;
		} else {
			text += pattern[i];
		}
	}
	return text;
}

} // namespace mirel
