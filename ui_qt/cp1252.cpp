#include "ui_qt/cp1252.h"

#include <array>

namespace mirel::ui {
namespace {

// Code points of the bytes 0x80 to 0x9F.
constexpr std::array<char16_t, 32> kHighControls = {
	0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
	0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
	0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
	0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, //
};

char16_t toUnicode(unsigned char byte)
{
	if (byte >= 0x80 && byte < 0xA0)
		return kHighControls[byte - 0x80u];
	return byte;
}

char toByte(char32_t codePoint)
{
	if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
		return static_cast<char>(codePoint);
	for (std::size_t i = 0; i < kHighControls.size(); ++i) {
		if (kHighControls[i] == codePoint)
			return static_cast<char>(0x80 + i);
	}
	return '?';
}

} // namespace

QString fromCp1252(std::string_view text)
{
	QString result(static_cast<qsizetype>(text.size()), Qt::Uninitialized);
	QChar *out = result.data();
	for (char c : text)
		*out++ = QChar(toUnicode(static_cast<unsigned char>(c)));
	return result;
}

std::string toCp1252(QStringView text)
{
	std::string result;
	result.reserve(static_cast<std::size_t>(text.size()));
	for (qsizetype i = 0; i < text.size(); ++i) {
		const QChar c = text[i];
		if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
			// One character outside the Basic Multilingual Plane: one '?'.
			++i;
			result += '?';
		} else if (c.isSurrogate()) {
			result += '?';
		} else {
			result += toByte(c.unicode());
		}
	}
	return result;
}

} // namespace mirel::ui
