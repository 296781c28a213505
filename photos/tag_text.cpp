#include "photos/tag_text.h"

#include "core/cp1252.h"

namespace mirel {

namespace {

// The C0 and C1 controls, and DEL. Windows-1252 leaves five bytes of the
// C1 range undefined (cp1252.h): they are controls too.
bool isControl(unsigned char byte)
{
	return byte < 0x20 || byte == 0x7F || byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 ||
	       byte == 0x9D;
}

} // namespace

std::string tagText(std::string_view bytes)
{
	bytes = bytes.substr(0, bytes.find('\0'));
	// Four bytes at most per character: a longer text is cut anyway, and
	// the conversion stays as short as the text kept.
	bytes = bytes.substr(0, 4 * (kLongestTagText + 1));
	std::string text;
	for (const char c : cp1252Replacing(bytes)) {
		const bool blank = c == ' ' || isControl(static_cast<unsigned char>(c));
		if (!blank)
			text += c;
		else if (!text.empty() && text.back() != ' ')
			text += ' ';
	}
	if (text.ends_with(' '))
		text.pop_back();
	if (text.size() > kLongestTagText) {
		text.resize(kLongestTagText - 3);
		text += "...";
	}
	return text;
}

} // namespace mirel
