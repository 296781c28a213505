// Numbers typed with the decimal comma, on a desktop whose locale writes it:
// the comma between digits is the decimal mark, and every text shown stays
// point-decimal.
#include <clocale>
#include <cstdio>

#include "dialogs/defaults_dlg.h"
#include "testing/comma_locale.h"
#include "testing/headless_dialog.h"
#include "testing/page_test.h"
#include "testing/scratch_files.h"

namespace mirel::testing {
namespace {

namespace page = ids::page;

// The locale is made once for the suite when the system lacks it.
class DecimalComma : public PageTest
{
protected:
	static void SetUpTestSuite() { dir = new TempDir; }
	static void TearDownTestSuite()
	{
		::unsetenv("LOCPATH");
		delete dir;
	}
	void SetUp() override
	{
		ASSERT_TRUE(useCommaLocale(dir->path())) << "no de_DE.UTF-8 locale, and localedef failed";
		char text[8];
		std::snprintf(text, sizeof text, "%.1f", 1.5);
		ASSERT_STREQ(text, "1,5") << "the C library does not use the locale's decimal comma";
	}
	void TearDown() override { std::setlocale(LC_ALL, "C"); }

	static inline TempDir *dir = nullptr;
};

TEST_F(DecimalComma, EveryTypedFieldOfThePagesReadsIt)
{
	struct Row {
		int page, id;
		const char *typed;
		double CalcSettings::*field;
		double value;
	};
	currentSettings().LengthUnit = LengthUnit::Metres;
	for (const Row row : {
		     Row{ kDepthOfField, page::FocalLength, "50,5", &CalcSettings::FocalLength, 50.5 },
		     Row{ kDepthOfField, page::Distance, "2,5", &CalcSettings::FocusDistance, 2500 },
		     Row{ kDepthOfField, page::Aperture, "2,8", &CalcSettings::Aperture, 2.8 },
		     Row{ kHyperfocal, page::CircleOfConfusion, "0,03", &CalcSettings::filmCoC, 0.03 },
		     Row{ kSpotMeter, ids::spotmeter::Percent, "1,5", &CalcSettings::SpotPercent, 1.5 },
		     Row{ kFNumbers, ids::fnumbers::F1, "5,6", &CalcSettings::Aperture, 5.6 },
	     }) {
		sheet.show(row.page);
		sheet.type(row.id, row.typed);
		EXPECT_EQ(settings.*row.field, row.value) << row.typed;
	}
}

// 50 mm at f/8 focused at 5 m with a 0.03 mm circle: near 3.389 m, far 9.527 m.
TEST_F(DecimalComma, ResultsOfCommaInputsArePointDecimal)
{
	sheet.show(kDepthOfField);
	sheet.click(page::UnitMetres);
	for (const auto &[id, typed] : { std::pair{ page::FocalLength, "50,0" },
					 { page::Distance, "5,0" },
					 { page::Aperture, "8,0" },
					 { page::CircleOfConfusion, "0,03" } })
		sheet.type(id, typed);
	EXPECT_EQ(sheet.text(ids::depthoffield::Near), "3.389371 m");
	EXPECT_EQ(sheet.text(ids::depthoffield::Far), "9.527439 m");
}

TEST_F(DecimalComma, TheDefaultsDialogReadsIt)
{
	NoHost host;
	DefaultsDlg dialog;
	HeadlessDialog run(dialog, host);
	run.controls().type(ids::defaults::Aperture, "5,6");
	run.controls().type(ids::defaults::FocalLength, "50,5");
	run.controls().click(ui::kIdOk);
	EXPECT_EQ(defaultSettings().Aperture, 5.6);
	EXPECT_EQ(defaultSettings().FocalLength, 50.5);
}

} // namespace
} // namespace mirel::testing
