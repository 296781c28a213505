#include "cli/words.h"

#include "cli/option_text.h"

namespace mirel::cli {

std::vector<std::string> splitWords(std::string_view line)
{
	std::vector<std::string> words;
	bool inWord = false;
	for (std::size_t i = 0; i < line.size(); ++i) {
		const char c = line[i];
		if (c == ' ' || c == '\t') {
			inWord = false;
			continue;
		}
		if (!inWord)
			words.emplace_back();
		inWord = true;
		std::string &word = words.back();
		if (c == '\'') {
			const std::size_t close = line.find('\'', i + 1);
			if (close == std::string_view::npos)
				throw UsageError("a single quote is not closed");
			word.append(line.substr(i + 1, close - i - 1));
			i = close;
		} else if (c == '"') {
			for (++i; i < line.size() && line[i] != '"'; ++i) {
				if (line[i] == '\\' && i + 1 < line.size() &&
				    (line[i + 1] == '"' || line[i + 1] == '\\'))
					++i;
				word += line[i];
			}
			if (i == line.size())
				throw UsageError("a double quote is not closed");
		} else if (c == '\\') {
			if (++i == line.size())
				throw UsageError("a backslash ends the line");
			word += line[i];
		} else {
			word += c;
		}
	}
	return words;
}

} // namespace mirel::cli
