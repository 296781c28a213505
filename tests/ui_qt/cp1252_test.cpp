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
}

} // namespace
} // namespace mirel::ui
