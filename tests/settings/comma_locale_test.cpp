// Numbers in texts and in the settings file are point-decimal whatever the
// locale. The toolkit sets the C library's locale from the environment, so
// on a German desktop "%f" would write 1.8 as "1,800000" and atof would read
// "2.5" as 2.
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "core/number_text.h"
#include "test_support.h"

namespace mirel {
namespace {

using testing_support::readFile;
using testing_support::TempDir;

class CommaLocale : public testing_support::SettingsFileTest
{
protected:
	TempDir locales;

	// de_DE.UTF-8, generated into a folder of its own when the system
	// lacks it (the locale sources come with the package "locales").
	void SetUp() override
	{
		if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) {
			const std::string generate = "localedef -i de_DE -f UTF-8 " + locales.path() + "/de_DE.UTF-8";
			[[maybe_unused]] const int status = std::system(generate.c_str()); // warnings give 1
			::setenv("LOCPATH", locales.path().c_str(), 1);
			ASSERT_TRUE(std::setlocale(LC_ALL, "de_DE.UTF-8"))
				<< "no de_DE.UTF-8 locale, and localedef failed";
		}
		char text[8];
		std::snprintf(text, sizeof text, "%.1f", 1.5);
		ASSERT_STREQ(text, "1,5") << "the C library does not use the locale's decimal comma";
	}
	void TearDown() override
	{
		std::setlocale(LC_ALL, "C");
		::unsetenv("LOCPATH");
	}
};

TEST_F(CommaLocale, NumberTextsAndTheSettingsFileStayPointDecimal)
{
	const std::pair<std::string, std::string> texts[] = {
		{ formatFixed(1234.5), "1234.500000" },
		{ formatFixed(-0.025), "-0.025000" },
		{ formatTrimmed(0.02501), "0.02501" },
	};
	for (const auto &[text, expected] : texts)
		EXPECT_EQ(text, expected);
	const std::pair<std::string, double> numbers[] = { { "2.5", 2.5 }, { "2,5", 2.0 }, { " -1.25e2x", -125.0 } };
	for (const auto &[text, expected] : numbers)
		EXPECT_EQ(parseNumber(text), expected) << text;

	run([] {
		startupPrefs().FieldsBecomeDefaults = true;
		currentSettings().Aperture = 2.5;
	});
	EXPECT_NE(readFile(path).find("\"Aperture\"=\"2.500000\"\r\n"), std::string::npos);
	std::string text = readFile(path);
	text.replace(text.find("\"FocalLength\"=\"50.000000\""), 25, "\"FocalLength\"=\"3.25\"");
	testing_support::writeFile(path, text);
	load();
	EXPECT_EQ(currentSettings().Aperture, 2.5);
	EXPECT_EQ(currentSettings().FocalLength, 3.25);
	EXPECT_TRUE(recorder.shown.empty());
}

} // namespace
} // namespace mirel
