#include "ui/cp1252.h"

#include <string>

#include <gtest/gtest.h>

namespace mirel::ui {
namespace {

struct Mapping {
	unsigned char byte;
	char16_t unicode;
};

// The bytes whose code points differ from Latin-1, the five undefined ones,
// and the edges of the ranges that map straight through.
constexpr Mapping kMappings[] = {
	{ 0x00, 0x0000 }, { 0x41, 0x0041 }, { 0x7F, 0x007F }, { 0x80, 0x20AC }, { 0x81, 0x0081 },
	{ 0x82, 0x201A }, { 0x83, 0x0192 }, { 0x84, 0x201E }, { 0x85, 0x2026 }, { 0x86, 0x2020 },
	{ 0x87, 0x2021 }, { 0x88, 0x02C6 }, { 0x89, 0x2030 }, { 0x8A, 0x0160 }, { 0x8B, 0x2039 },
	{ 0x8C, 0x0152 }, { 0x8D, 0x008D }, { 0x8E, 0x017D }, { 0x8F, 0x008F }, { 0x90, 0x0090 },
	{ 0x91, 0x2018 }, { 0x92, 0x2019 }, { 0x93, 0x201C }, { 0x94, 0x201D }, { 0x95, 0x2022 },
	{ 0x96, 0x2013 }, { 0x97, 0x2014 }, { 0x98, 0x02DC }, { 0x99, 0x2122 }, { 0x9A, 0x0161 },
	{ 0x9B, 0x203A }, { 0x9C, 0x0153 }, { 0x9D, 0x009D }, { 0x9E, 0x017E }, { 0x9F, 0x0178 },
	{ 0xA0, 0x00A0 }, { 0xB0, 0x00B0 }, { 0xD7, 0x00D7 }, { 0xE9, 0x00E9 }, { 0xFF, 0x00FF },
};

TEST(Cp1252, MapsEachByteBothWays)
{
	for (const Mapping &m : kMappings) {
		SCOPED_TRACE(static_cast<int>(m.byte));
		const std::string byte(1, static_cast<char>(m.byte));
		const QString unicode(QChar(m.unicode));
		EXPECT_EQ(fromCp1252(byte), unicode);
		EXPECT_EQ(toCp1252(unicode), byte);
	}
}

TEST(Cp1252, EveryByteStringRoundTrips)
{
	std::string all;
	for (int b = 0; b < 256; ++b)
		all += static_cast<char>(b);
	const QString text = fromCp1252(all);
	EXPECT_EQ(text.size(), 256);
	EXPECT_EQ(toCp1252(text), all);
	EXPECT_EQ(fromCp1252(""), QString());
	EXPECT_EQ(toCp1252(QString()), "");
}

TEST(Cp1252, CharactersWithoutAByteBecomeOneQuestionMarkEach)
{
	struct Row {
		QString text;
		std::string expected;
	};
	const Row rows[] = {
		{ QString::fromUtf8("a\u2212b"), "a?b" },          // minus sign
		{ QString::fromUtf8("\u0100\u4E2D"), "??" },       // Latin Extended, CJK
		{ QString(QChar(0x0080)), "?" },                   // C1 control that 0x80 does not stand for
		{ QString(QChar(0x009F)), "?" },
		{ QString::fromUtf8("x\U0001F600y"), "x?y" },      // outside the BMP: a surrogate pair
		{ QString(QChar(0xD800)), "?" },                   // lone high surrogate
		{ QString(QChar(0xDC00)) + QChar(u'z'), "?z" },    // lone low surrogate
		{ QString::fromUtf8("39.6\u00B0 6\u00D74.5 \u20AC"), "39.6\xB0 6\xD7" "4.5 \x80" },
	};
	for (const Row &row : rows)
		EXPECT_EQ(toCp1252(row.text), row.expected) << row.text.toStdString();
}

} // namespace
} // namespace mirel::ui
