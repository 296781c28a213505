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

namespace {

// The figures text holds where pattern has its %n, or none when the words
// around them differ.
std::optional<std::vector<std::string>> figuresOf(std::string_view pattern, std::string_view text)
{
	std::vector<std::string> figures;
	std::size_t at = 0;    // in text
	int figure = -1;       // the %n waiting for its end, 0-based
	std::size_t start = 0; // in pattern, of the words after it
	const auto place = [&](std::size_t end) {
		if (figure < 0)
			return;
		if (figures.size() <= static_cast<std::size_t>(figure))
			figures.resize(static_cast<std::size_t>(figure) + 1);
		figures[static_cast<std::size_t>(figure)] = std::string(text.substr(at, end - at));
	};
	for (std::size_t i = 0; i <= pattern.size(); ++i) {
		const bool marker =
			i + 1 < pattern.size() && pattern[i] == '%' && pattern[i + 1] >= '1' && pattern[i + 1] <= '9';
		if (!marker && i < pattern.size())
			continue;
		const std::string_view words = pattern.substr(start, i - start);
		// Words at the start, or after a figure: the next place they are,
		// or the very end for the last.
		std::size_t found = std::string_view::npos;
		if (figure < 0)
			found = text.substr(at).starts_with(words) ? at : std::string_view::npos;
		else if (i == pattern.size())
			found = text.size() >= at + words.size() && text.ends_with(words) ? text.size() - words.size()
											  : std::string_view::npos;
		else
			found = text.find(words, at);
		if (found == std::string_view::npos)
			return std::nullopt;
		place(found);
		at = found + words.size();
		if (i == pattern.size())
			break;
		figure = pattern[i + 1] - '1';
		start = i + 2;
		++i;
	}
	if (at != text.size())
		return std::nullopt;
	return figures;
}

} // namespace

std::optional<Sentence> sentenceOf(std::string_view text, std::span<const std::string_view> patterns)
{
	for (const std::string_view pattern : patterns) {
		if (std::optional<std::vector<std::string>> figures = figuresOf(pattern, text))
			return Sentence{ pattern, std::move(*figures) };
	}
	return std::nullopt;
}

} // namespace mirel
