#include "cameras/camera_search.h"

#include <algorithm>
#include <numeric>

#include "cameras/camera_names.h"

namespace mirel {

namespace {

char lowerCp1252(char c)
{
	const auto byte = static_cast<unsigned char>(c);
	// A-Z, and the accented capitals À to Þ but the multiplication sign.
	if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7))
		return static_cast<char>(byte + 0x20);
	return c;
}

bool isIgnored(char c)
{
	const auto byte = static_cast<unsigned char>(c);
	return c == ' ' || c == '\t' || c == '-' || byte == 0xA0 || byte == 0xAD; // no-break space, soft hyphen
}

// Levenshtein's distance, one row at a time.
std::size_t editDistance(std::string_view a, std::string_view b)
{
	std::vector<std::size_t> row(b.size() + 1);
	std::iota(row.begin(), row.end(), std::size_t{ 0 });
	for (std::size_t i = 1; i <= a.size(); ++i) {
		std::size_t diagonal = row[0];
		row[0] = i;
		for (std::size_t j = 1; j <= b.size(); ++j) {
			const std::size_t above = row[j];
			row[j] = std::min({ row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1) });
			diagonal = above;
		}
	}
	return row[b.size()];
}

void addOnce(std::vector<std::string> &list, std::string text)
{
	if (std::ranges::find(list, text) == list.end())
		list.push_back(std::move(text));
}

} // namespace

std::string searchForm(std::string_view text)
{
	std::string form;
	for (const char c : text) {
		if (!isIgnored(c))
			form += lowerCp1252(c);
	}
	return form;
}

SearchKeys searchKeys(const Camera &camera)
{
	const CameraNames &names = camera.names;
	std::vector<std::string> makers = { "", searchForm(names.maker), searchForm(shortMakerName(names.maker)) };
	for (const std::string &maker : names.otherMakerNames)
		makers.push_back(searchForm(maker));
	// The model's names with the variant, and the short name: "Sony A7R III"
	// is how people write Sony's "Alpha 7R III".
	std::vector<std::string> models = { names.model };
	models.insert(models.end(), names.otherModelNames.begin(), names.otherModelNames.end());
	if (!names.variant.empty()) {
		for (std::string &model : models)
			model += " " + names.variant;
	}
	models.push_back(camera.shortName);

	SearchKeys keys;
	for (const std::string &model : models) {
		// Each start of a word: the whole name, then its last words.
		for (std::size_t start = 0; start != std::string::npos;
		     start = model.find_first_not_of(' ', model.find(' ', start))) {
			const std::string tail = searchForm(std::string_view(model).substr(start));
			for (const std::string &maker : makers)
				addOnce(start == 0 ? keys.names : keys.lastWords, maker + tail);
		}
	}
	return keys;
}

MatchRank matchRank(const SearchKeys &keys, std::string_view text)
{
	const auto any = [&](auto holds) {
		return std::ranges::any_of(keys.names, holds) || std::ranges::any_of(keys.lastWords, holds);
	};
	if (std::ranges::find(keys.names, text) != keys.names.end())
		return MatchRank::Exact;
	if (std::ranges::find(keys.lastWords, text) != keys.lastWords.end())
		return MatchRank::Words;
	if (any([&](const std::string &key) { return key.starts_with(text); }))
		return MatchRank::Prefix;
	if (any([&](const std::string &key) { return key.find(text) != std::string::npos; }))
		return MatchRank::Part;
	return MatchRank::Near;
}

std::size_t typingDistance(const SearchKeys &keys, std::string_view text)
{
	std::size_t nearest = std::string::npos;
	for (const auto *list : { &keys.names, &keys.lastWords }) {
		for (const std::string &key : *list)
			nearest = std::min(nearest, editDistance(text, key));
	}
	return nearest;
}

} // namespace mirel
