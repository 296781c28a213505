// Numbers in texts and in the settings file are point-decimal whatever the
// locale. The toolkit sets the C library's locale from the environment, so
// on a German desktop "%f" would write 1.8 as "1,800000" and atof would read
// "2.5" as 2.
#include <clocale>
#include <cstdio>

#include "core/number_text.h"
#include "testing/comma_locale.h"
#include "testing/settings_file_test.h"

namespace mirel {
namespace {

using namespace testing;

class CommaLocale : public SettingsFileTest
{
protected:
	void SetUp() override
	{
		ASSERT_TRUE(useCommaLocale(dir.path())) << "no de_DE.UTF-8 locale, and localedef failed";
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

// The number texts the calculators show are checked under this locale by
// mirel-calc's tests, on all it prints; here, the settings file.
TEST_F(CommaLocale, WhatARunSavesIsWhatTheNextLoadsEveryField)
{
	saveUsersFile();
	EXPECT_NE(readFile(path).find("\"FocusDistance\"=\"2500.250000\"\r\n"), std::string::npos);
	CalcSettings saved = defaultSettings();
	const StartupPrefs savedPrefs = startupPrefs();
	load();
	for (FilmFormat &format : saved.FilmSizes)
		format.CoC = parseNumber(formatFixed(format.CoC)); // stored with six decimals
	saved.filmCoC = suggestedCoC(saved.FilmSizes[saved.FilmSize]);
	EXPECT_EQ(currentSettings(), saved);
	EXPECT_EQ(startupPrefs(), savedPrefs);
	EXPECT_TRUE(recorder.shown.empty());
}

} // namespace
} // namespace mirel
