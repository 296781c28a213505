#include <regex>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/units.h"
#include "resources/control_ids.h"
#include "resources/templates.h"
#include "testing/pages_by_index.h"

// Transcription faults that rendering the windows does not show: an id used
// twice, a label naming the wrong control, a list out of the order of the
// positions stored for it.

namespace mirel::resources {
namespace {

using ui::ControlKind;
using ui::ControlTemplate;
using ui::DialogTemplate;

const std::vector<std::string> &itemsOf(const DialogTemplate &t, int id)
{
	const ControlTemplate *c = t.find(id);
	if (!c)
		throw std::out_of_range("no control " + std::to_string(id));
	return c->items;
}

TEST(Templates, IdsAreUniqueAndLabelsNameEveryField)
{
	std::vector<const DialogTemplate *> all = {
		&roundingRulesTemplate(),   &defaultsTemplate(),   &startupPrefsTemplate(), &mainWindowTemplate(),
		&lightTableIntroTemplate(), &lightTableTemplate(), &aboutTemplate()
	};
	for (int page = 0; page < kPageCount; ++page)
		all.push_back(&testing::pageTemplate(page));
	for (const DialogTemplate *t : all) {
		SCOPED_TRACE(t->id);
		std::set<int> ids;
		std::set<int> named;
		for (const ControlTemplate &c : t->controls) {
			EXPECT_TRUE(c.id == ui::kNoId || ids.insert(c.id).second) << c.id << " used twice";
			if (c.buddy == ui::kNoId)
				continue;
			EXPECT_EQ(c.kind, ControlKind::Static) << c.buddy;
			EXPECT_NE(t->find(c.buddy), nullptr) << c.text << " names a missing control";
			EXPECT_TRUE(named.insert(c.buddy).second) << c.buddy << " named twice";
		}
		// The About box's web address is the one field without a label.
		for (const ControlTemplate &c : t->controls) {
			const bool field = c.kind == ControlKind::Edit || c.kind == ControlKind::ComboBox ||
					   c.kind == ControlKind::DropDownList;
			EXPECT_TRUE(!field || named.contains(c.id) || c.id == ids::about::Link)
				<< c.id << " has no label";
		}
	}
}

// f/1 stopped down by whole stops, in the short form engraved on lenses.
TEST(Templates, ApertureListsAreTheThirteenWholeStops)
{
	const std::vector<std::string> stops{ "1",  "1.4", "2",  "2.8", "4",  "5.6", "8",
					      "11", "16",  "22", "32",  "45", "64" };
	for (const auto &[t, id] :
	     { std::pair{ &fNumbersTemplate(), ids::fnumbers::F1 }, std::pair{ &fNumbersTemplate(), ids::fnumbers::F2 },
	       std::pair{ &depthOfFieldTemplate(), ids::page::Aperture },
	       std::pair{ &hyperfocalTemplate(), ids::page::Aperture } }) {
		EXPECT_EQ(itemsOf(*t, id), stops) << t->caption << " " << id;
	}
}

TEST(Templates, SettingsListsAreInTheOrderOfTheStoredPositions)
{
	// Rounding rule 0 leaves values as they are; n rounds stops to 1/(n+1)
	// of a stop and other values to n decimal places.
	const auto &stops = itemsOf(roundingRulesTemplate(), ids::roundingrules::Stops);
	const auto &other = itemsOf(roundingRulesTemplate(), ids::roundingrules::Other);
	ASSERT_EQ(stops.size(), 3u);
	ASSERT_EQ(other.size(), 4u);
	EXPECT_EQ(stops[0], other[0]);
	for (std::size_t n = 1; n < stops.size(); ++n)
		EXPECT_NE(stops[n].find("1/" + std::to_string(n + 1) + " stop"), std::string::npos) << stops[n];
	for (std::size_t n = 1; n < other.size(); ++n)
		EXPECT_EQ(other[n].rfind(std::to_string(n) + " decimal place", 0), 0u) << other[n];

	// Length unit i: the name begins with its abbreviation's first letter
	// and holds all its letters in order.
	const auto &units = itemsOf(defaultsTemplate(), ids::defaults::LengthUnit);
	ASSERT_EQ(std::ssize(units), kLengthUnitCount);
	for (std::size_t i = 0; i < units.size(); ++i) {
		std::string pattern = "^";
		for (char letter : unitAbbreviation(static_cast<LengthUnit>(i)))
			pattern += std::string(1, letter) + ".*";
		EXPECT_TRUE(std::regex_search(units[i], std::regex(pattern, std::regex::icase))) << units[i];
	}

	const auto &pages = itemsOf(startupPrefsTemplate(), ids::startupprefs::StartPage);
	ASSERT_EQ(std::ssize(pages), kPageCount);
	for (std::size_t i = 0; i < pages.size(); ++i)
		EXPECT_EQ(pages[i].rfind(testing::pageTemplate(static_cast<int>(i)).caption, 0), 0u) << pages[i];
}

} // namespace
} // namespace mirel::resources
