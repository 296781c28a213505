#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/units.h"
#include "resources/control_ids.h"
#include "resources/pages.h"
#include "resources/templates.h"
#include "template_catalogue.h"

// What the settings dialogs, the About box and the main window rely on.

namespace mirel::resources::testing {
namespace {

using ui::ControlKind;
using ui::ControlTemplate;

const std::vector<std::string> &itemsOf(const ui::DialogTemplate &t, int id)
{
	const ControlTemplate *c = t.find(id);
	if (!c)
		throw std::out_of_range("no control " + std::to_string(id));
	return c->items;
}

class EverySettingsDialog : public ::testing::TestWithParam<NamedTemplate>
{
};

TEST_P(EverySettingsDialog, FieldsAreLabelledAndButtonsComplete)
{
	const ui::DialogTemplate &t = GetParam().get();
	for (const ControlTemplate &c : t.controls) {
		if (c.kind == ControlKind::Edit || c.kind == ControlKind::ComboBox) {
			EXPECT_EQ(c.style & (ui::kTabStop | ui::kReadOnly), ui::kTabStop) << c.id;
			EXPECT_TRUE(std::any_of(t.controls.begin(), t.controls.end(),
						[&](const ControlTemplate &l) { return l.buddy == c.id; }))
				<< c.id << " has no label";
		}
	}
	for (int id : { ui::kIdOk, ui::kIdCancel, ui::kIdHelp }) {
		const ControlTemplate *button = t.find(id);
		ASSERT_NE(button, nullptr) << id;
		EXPECT_EQ(button->kind, ControlKind::PushButton) << id;
	}
}

INSTANTIATE_TEST_SUITE_P(Resources, EverySettingsDialog, ::testing::ValuesIn(settingsDialogs()), templateName);

TEST(Dialogs, OkIsTheOnlyDefaultButtonAndButtonsAreTabStops)
{
	std::vector<NamedTemplate> dialogs = settingsDialogs();
	dialogs.push_back({ "About", aboutTemplate });
	for (const NamedTemplate &d : dialogs) {
		for (const ControlTemplate &c : d.get().controls) {
			EXPECT_EQ((c.style & ui::kDefaultButton) != 0, c.id == ui::kIdOk) << d.name << " " << c.id;
			EXPECT_TRUE(c.kind != ControlKind::PushButton || (c.style & ui::kTabStop)) << d.name << " " << c.id;
		}
	}
}

TEST(Dialogs, RoundingRuleIsTheListPosition)
{
	// 0 leaves values as they are; n rounds stops to 1/(n+1) of a stop and
	// other values to n decimal places.
	const auto &stops = itemsOf(roundingRulesTemplate(), ids::roundingrules::Stops);
	const auto &other = itemsOf(roundingRulesTemplate(), ids::roundingrules::Other);
	ASSERT_EQ(stops.size(), 3u);
	ASSERT_EQ(other.size(), 4u);
	EXPECT_EQ(stops[0], other[0]);
	for (std::size_t n = 1; n < stops.size(); ++n)
		EXPECT_NE(stops[n].find("1/" + std::to_string(n + 1) + " stop"), std::string::npos) << stops[n];
	for (std::size_t n = 1; n < other.size(); ++n)
		EXPECT_EQ(other[n].rfind(std::to_string(n) + " decimal place", 0), 0u) << other[n];
}

TEST(Dialogs, LengthUnitListIsInUnitOrder)
{
	// Item i names LengthUnit i: it begins with the unit's abbreviation's
	// first letter and holds all its letters in order.
	const auto &units = itemsOf(defaultsTemplate(), ids::defaults::LengthUnit);
	ASSERT_EQ(std::ssize(units), kLengthUnitCount);
	for (int i = 0; i < kLengthUnitCount; ++i) {
		std::string name = units[static_cast<std::size_t>(i)];
		std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
		const std::string_view abbreviation = unitAbbreviation(static_cast<LengthUnit>(i));
		ASSERT_FALSE(abbreviation.empty());
		EXPECT_EQ(name.front(), abbreviation.front()) << name;
		std::size_t next = 0;
		for (char letter : abbreviation) {
			next = name.find(letter, next);
			ASSERT_NE(next, std::string::npos) << name << " does not spell " << abbreviation;
			++next;
		}
	}
	EXPECT_TRUE(itemsOf(defaultsTemplate(), ids::defaults::FilmSize).empty()) << "filled from the film table";
}

TEST(Dialogs, StartPageListFollowsThePageOrder)
{
	const auto &pages = itemsOf(startupPrefsTemplate(), ids::startupprefs::StartPage);
	ASSERT_EQ(std::ssize(pages), kCalculatorPageCount);
	for (int i = 0; i < kCalculatorPageCount; ++i) {
		const std::string &caption = pageTemplate(i)->caption;
		EXPECT_EQ(pages[static_cast<std::size_t>(i)].rfind(caption, 0), 0u) << "item " << i << ", " << caption;
	}
}

TEST(Dialogs, AboutLinkCanBeCopiedButNotEdited)
{
	const ControlTemplate *link = aboutTemplate().find(ids::about::Link);
	ASSERT_NE(link, nullptr);
	EXPECT_EQ(link->kind, ControlKind::Edit);
	EXPECT_EQ(link->style & (ui::kReadOnly | ui::kBorder), ui::kReadOnly);
}

TEST(MainWindow, FrameHasRoomForEveryPage)
{
	// The sheet takes the size of its largest page.
	const ui::DialogTemplate &t = mainWindowTemplate();
	const ControlTemplate *frame = t.find(ids::mainwindow::SheetFrame);
	ASSERT_NE(frame, nullptr);
	EXPECT_EQ(frame->kind, ControlKind::Frame);
	for (const NamedTemplate &page : calculatorPages()) {
		EXPECT_LE(page.get().width, frame->rect.width) << page.name;
		EXPECT_LE(page.get().height, frame->rect.height) << page.name;
	}
}

} // namespace
} // namespace mirel::resources::testing
