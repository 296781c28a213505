#include "cameras/camera_names.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace mirel {

namespace {

char lowerAscii(char c)
{
	return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameIgnoringCase(std::string_view a, std::string_view b)
{
	return std::ranges::equal(a, b, [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

bool startsIgnoringCase(std::string_view text, std::string_view start)
{
	return text.size() >= start.size() && sameIgnoringCase(text.substr(0, start.size()), start);
}

bool isDigit(char c)
{
	return c >= '0' && c <= '9';
}

bool isAlphanumeric(char c)
{
	return isDigit(c) || (lowerAscii(c) >= 'a' && lowerAscii(c) <= 'z') || static_cast<unsigned char>(c) >= 0xC0;
}

std::vector<std::string> wordsOf(std::string_view text)
{
	std::vector<std::string> words;
	std::size_t at = 0;
	while (at < text.size()) {
		const std::size_t end = std::min(text.find_first_of(" \t", at), text.size());
		if (end > at)
			words.emplace_back(text.substr(at, end - at));
		at = end + 1;
	}
	return words;
}

// A numeral after "Mark": II, IV, 2.
bool isNumeral(std::string_view word)
{
	return !word.empty() &&
	       (std::ranges::all_of(word, isDigit) || word.find_first_not_of("IVX") == std::string_view::npos);
}

// A name as the steps of shortening see it: the maker, which may be
// dropped, and the words of the model and variant.
struct Name {
	std::string maker;
	std::vector<std::string> words;

	std::string text() const
	{
		std::string text = maker;
		for (const std::string &word : words)
			text.append(text.empty() ? "" : " ").append(word);
		return text;
	}
	bool fits() const { return text().size() <= kShortNameLength; }
};

Name nameOf(std::string_view maker, std::string_view model, std::string_view variant)
{
	const std::vector<std::string> makerWords = wordsOf(maker);
	Name name{ {}, wordsOf(model) };
	if (!makerWords.empty() && !name.words.empty() && sameIgnoringCase(name.words.front(), makerWords.front())) {
		name.maker = makerWords.front();
		name.words.erase(name.words.begin());
	} else {
		name.maker = Name{ {}, makerWords }.text();
	}
	std::vector<std::string> variantWords = wordsOf(variant);
	if (!variantWords.empty()) {
		variantWords.front().insert(0, "(");
		variantWords.back().append(")");
		name.words.insert(name.words.end(), variantWords.begin(), variantWords.end());
	}
	return name;
}

void dropMark(Name &name)
{
	auto &words = name.words;
	for (std::size_t i = 0; i < words.size(); ++i) {
		if (sameIgnoringCase(words[i], "Mark") && i + 1 < words.size() && isNumeral(words[i + 1])) {
			words.erase(words.begin() + static_cast<std::ptrdiff_t>(i));
			continue;
		}
		// "MarkII" reads "II"; "E-M1MarkII" "E-M1 II".
		const std::size_t mark = words[i].rfind("Mark");
		if (mark == std::string::npos || !isNumeral(std::string_view(words[i]).substr(mark + 4)))
			continue;
		std::string numeral = words[i].substr(mark + 4);
		words[i].erase(mark);
		if (words[i].empty())
			words[i] = std::move(numeral);
		else
			words.insert(words.begin() + static_cast<std::ptrdiff_t>(i) + 1, std::move(numeral));
	}
}

void dropBrackets(Name &name)
{
	for (std::string &word : name.words)
		std::erase_if(word, [](char c) { return c == '(' || c == ')'; });
	std::erase_if(name.words, [](const std::string &word) { return word.empty() || word == "Typ"; });
}

constexpr std::array<std::string_view, 12> kProductLines = { "EOS",    "PowerShot", "Coolpix", "FinePix",
							     "DiMAGE", "Optio",     "Caplio",  "Cyber-shot",
							     "Tough",  "DMC",       "DC",      "DSC" };

void dropProductLine(Name &name)
{
	auto &words = name.words;
	for (std::size_t i = 0; i < words.size();) {
		std::string &word = words[i];
		const bool last = i + 1 == words.size();
		const auto line = std::ranges::find_if(kProductLines, [&](std::string_view line) {
			return startsIgnoringCase(word, line) &&
			       (word.size() == line.size() ||
				(word[line.size()] == '-' && word.size() > line.size() + 1));
		});
		if (line != kProductLines.end() && word.size() > line->size()) {
			word.erase(0, line->size() + 1); // "DMC-GH4": "GH4"
		} else if ((line != kProductLines.end() && words.size() > 1) || (word == "Digital" && !last)) {
			words.erase(words.begin() + static_cast<std::ptrdiff_t>(i));
			continue;
		} else if (word == "Alpha" && !last && isDigit(words[i + 1].front())) {
			words[i + 1].insert(0, "A"); // "Alpha 7R": "A7R"
			words.erase(words.begin() + static_cast<std::ptrdiff_t>(i));
			continue;
		}
		++i;
	}
}

void shortenMaker(Name &name)
{
	if (const std::string_view shortMaker = shortMakerName(name.maker); !shortMaker.empty())
		name.maker = shortMaker;
}

void dropMaker(Name &name)
{
	if (!name.words.empty())
		name.maker.clear();
}

void dropLastWords(Name &name)
{
	auto &words = name.words;
	while (!name.fits() && words.size() > 1)
		words.pop_back();
	while (words.size() > 1 && std::ranges::none_of(words.back(), isAlphanumeric))
		words.pop_back();
	if (!words.empty() && (words.back().ends_with(',') || words.back().ends_with(':')))
		words.back().pop_back();
}

} // namespace

std::string cameraFullName(std::string_view maker, std::string_view model, std::string_view variant)
{
	return nameOf(maker, model, variant).text();
}

std::string cameraShortName(std::string_view maker, std::string_view model, std::string_view variant)
{
	Name name = nameOf(maker, model, variant);
	for (void (*step)(Name &) :
	     { dropMark, dropBrackets, dropProductLine, shortenMaker, dropMaker, dropLastWords }) {
		if (name.fits())
			break;
		step(name);
	}
	std::string text = name.text();
	text.resize(std::min(text.size(), kShortNameLength));
	while (text.ends_with(' '))
		text.pop_back();
	return text;
}

std::string_view shortMakerName(std::string_view maker)
{
	constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kShortMakers = {
		{ { "Fujifilm", "Fuji" }, { "Konica Minolta", "KM" }, { "Olympus", "Oly" }, { "Panasonic", "Pana" } }
	};
	const auto found = std::ranges::find_if(kShortMakers, [&](const auto &pair) { return pair.first == maker; });
	return found == kShortMakers.end() ? std::string_view() : found->second;
}

} // namespace mirel
