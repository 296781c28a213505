// The pages in the main window's sheet: keys typed into their widgets reach
// the results, and the sheet switches and starts as the user expects.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <QTest>

#include "resources/control_ids.h"
#include "settings/records.h"
#include "shell/page_sheet.h"
#include "ui/qt_controls.h"
#include "ui/qt_user_actions.h"

#include "shell_test_support.h"

namespace mirel::testing {
namespace {

namespace page = ids::page;

// The worked examples of three pages, typed and picked key by key.
struct Example {
	const char *name;
	int page;
	int roundOther; // decimal places the stored rounding rule keeps
	std::function<void(ui::UserActions &)> enter;
	std::vector<std::pair<int, QString>> shown;
};

void PrintTo(const Example &example, std::ostream *os)
{
	*os << example.name;
}

class WorkedExample : public ::testing::TestWithParam<Example>
{
};

TEST_P(WorkedExample, TypedIntoThePageShowsTheResults)
{
	const Example &example = GetParam();
	FakeStorage storage([&](CalcSettings &defaults, StartupPrefs &) { defaults.RoundOtherMethod = example.roundOther; });
	const auto window = openWindow(storage);
	window->showPage(example.page);
	ui::QtUserActions user(*window->sheet().controls(example.page));
	example.enter(user);
	for (const auto &[id, text] : example.shown)
		EXPECT_EQ(shownText(*window, example.page, id), text) << "control " << id;
}

INSTANTIATE_TEST_SUITE_P(
	Pages, WorkedExample,
	::testing::Values(
		Example{ "DepthOfField", kDepthOfField, 2,
			 [](ui::UserActions &user) {
				 user.click(page::UnitMetres);
				 user.type(page::FocalLength, "50");
				 user.type(page::Distance, "5");
				 user.type(page::Aperture, "8");
				 user.type(page::CircleOfConfusion, "0.03");
			 },
			 { { ids::depthoffield::Near, "3.389371 m" },
			   { ids::depthoffield::Far, "9.527439 m" },
			   { ids::depthoffield::Total, "6.138068 m" } } },
		Example{ "Hyperfocal", kHyperfocal, 2,
			 [](ui::UserActions &user) {
				 user.click(page::UnitMetres);
				 user.type(page::FocalLength, "50");
				 user.type(page::Aperture, "8");
				 user.type(page::CircleOfConfusion, "0.03");
			 },
			 { { ids::hyperfocal::Result, "10.42 m" } } },
		Example{ "FNumbers", kFNumbers, 1,
			 [](ui::UserActions &user) {
				 user.pick(ids::fnumbers::F1, 3); // "2.8"
				 user.type(ids::fnumbers::Stops, "2");
			 },
			 { { ids::fnumbers::F1, "2.8" }, { ids::fnumbers::F2, "5.7" } } }),
	[](const ::testing::TestParamInfo<Example> &info) { return std::string(info.param.name); });

TEST(Sheet, CtrlFourInAFieldShowsFieldOfViewWithTheValueTypedBefore)
{
	FakeStorage storage;
	const auto window = openWindow(storage);
	window->showPage(kDepthOfField);
	ui::QtControls &depthOfField = *window->sheet().controls(kDepthOfField);
	ui::QtUserActions(depthOfField).type(page::FocalLength, "85");

	QWidget *field = depthOfField.widget(page::FocalLength);
	field->setFocus();
	ASSERT_TRUE(field->hasFocus());
	QTest::keyClick(field, Qt::Key_4, Qt::ControlModifier);

	EXPECT_EQ(window->sheet().currentIndex(), kFieldOfView);
	EXPECT_EQ(activePageIndex(), kFieldOfView);
	EXPECT_EQ(shownText(*window, kFieldOfView, page::FocalLength), "85.0");
}

// Which page the window opens on, for the start page stored.
class StartPage : public ::testing::TestWithParam<std::pair<int, int>>
{
};

TEST_P(StartPage, TheWindowOpensOnTheStoredPageOrTheFirst)
{
	const auto [stored, opened] = GetParam();
	FakeStorage storage([stored](CalcSettings &, StartupPrefs &prefs) {
		prefs.StartWithLastForm = false;
		prefs.StartupForm = static_cast<std::int8_t>(stored);
	});
	const auto window = openWindow(storage);
	EXPECT_EQ(window->sheet().currentIndex(), opened);
	EXPECT_EQ(activePageIndex(), opened);
	EXPECT_NE(window->sheet().controls(opened), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Sheet, StartPage,
			 ::testing::Values(std::pair{ kMagnification, kMagnification }, std::pair{ -1, kFNumbers },
					   std::pair{ 9, kFNumbers }));

} // namespace
} // namespace mirel::testing
