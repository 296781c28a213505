#include "ui_qt/cp1252.h"

#include "core/cp1252.h"

#include <string>

#include <gtest/gtest.h>

namespace mirel::ui {
namespace {

TEST(Cp1252, EveryByteMapsToItsCharacterAndBack)
{
	// Bytes 0x80 to 0x9F, where the code page differs from Latin-1; the five
	// it leaves undefined stand for the C1 controls of the same value.
	constexpr char16_t k80To9F[32] = {
		0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
		0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
		0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
	};
	std::string all;
	QString unicode;
	for (int b = 0; b < 256; ++b) {
		all += static_cast<char>(b);
		unicode += QChar(b >= 0x80 && b < 0xA0 ? k80To9F[b - 0x80] : static_cast<char16_t>(b));
	}
	EXPECT_EQ(fromCp1252(all), unicode);
	EXPECT_EQ(toCp1252(unicode), all);
	EXPECT_EQ(QString::fromStdString(utf8FromCp1252(all)), unicode);
	const Cp1252Text back = cp1252FromUtf8(utf8FromCp1252(all));
	EXPECT_EQ(back.bytes, all);
	EXPECT_EQ(back.unfitAt, std::string_view::npos);
}

TEST(Cp1252, UnicodeTextStopsAtTheFirstCharacterTheCodePageLacks)
{
	struct Row {
		const char *utf8;
		std::size_t unfitAt;
	};
	for (const Row row :
	     { Row{ "6 \u00d7 7 \u03a9", 7 }, Row{ "\u20ac \u2014 \U0001F4F7", 8 }, Row{ "\xc3", 0 },
	       Row{ "ab\xc1\x81", 2 }, Row{ "\xf0\x82\x82\xac", 0 }, Row{ "\x80", 0 }, Row{ "\xe2\x82", 0 } }) {
		const Cp1252Text text = cp1252FromUtf8(row.utf8);
		EXPECT_EQ(text.unfitAt, row.unfitAt) << row.utf8;
		EXPECT_EQ(text.bytes,
			  toCp1252(QString::fromUtf8(row.utf8).left(static_cast<qsizetype>(text.bytes.size()))))
			<< row.utf8;
	}
}

} // namespace
} // namespace mirel::ui
