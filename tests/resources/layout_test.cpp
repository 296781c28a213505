#include <algorithm>
#include <set>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "template_catalogue.h"

// Geometry every window must have: unique ids, controls inside the window
// and clear of each other, texts that fit, labels beside what they name.

namespace mirel::resources::testing {
namespace {

using ui::ControlKind;
using ui::ControlTemplate;
using ui::Rect;

constexpr int kLineHeight = 8;

// A closed drop-down is as tall as an edit box; the template gives the
// height of the open list.
Rect visibleRect(const ControlTemplate &c)
{
	Rect r = c.rect;
	if (c.kind == ControlKind::ComboBox || c.kind == ControlKind::DropDownList)
		r.height = std::min(r.height, 14);
	return r;
}

bool overlap(const Rect &a, const Rect &b)
{
	return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

// Width in dialog units of text in 8-point "MS Sans Serif", from typical
// glyph widths in pixels (1.5 pixels a unit), erring on the wide side. A
// mnemonic '&' takes no room.
double textWidth(std::string_view text, bool mnemonics)
{
	int pixels = 0;
	for (std::size_t i = 0; i < text.size(); ++i) {
		const char c = text[i];
		if (mnemonics && c == '&') {
			if (i + 1 == text.size() || text[i + 1] != '&')
				continue; // underlines the next letter
			++i;              // "&&" shows one '&'
		}
		if (std::string_view("ijl'.:,!|").find(c) != std::string_view::npos)
			pixels += 2;
		else if (std::string_view("frt ()-/I[]").find(c) != std::string_view::npos)
			pixels += 3;
		else if (c == 'm' || c == 'M')
			pixels += 8;
		else if (c == 'W')
			pixels += 10;
		else if (c == 'w' || std::string_view("ACDGHKNOQRUVXY").find(c) != std::string_view::npos)
			pixels += 7;
		else
			pixels += (c >= 'a' && c <= 'z') ? 5 : 6;
	}
	return pixels / 1.5;
}

std::string describe(const ControlTemplate &c)
{
	return "control " + std::to_string(c.id) + " \"" + c.text + "\" at " + std::to_string(c.rect.x) + "," +
	       std::to_string(c.rect.y);
}

class EveryTemplate : public ::testing::TestWithParam<NamedTemplate>
{
protected:
	const ui::DialogTemplate &t = GetParam().get();
};

TEST_P(EveryTemplate, IdsAreUniqueAndControlsLieInsideTheWindow)
{
	std::set<int> seen;
	for (const ControlTemplate &c : t.controls) {
		EXPECT_TRUE(c.id == ui::kNoId || seen.insert(c.id).second) << describe(c) << ": id used twice";
		const Rect r = visibleRect(c);
		EXPECT_TRUE(r.width > 0 && r.height > 0 && r.x >= 0 && r.y >= 0) << describe(c);
		EXPECT_LE(r.x + r.width, t.width) << describe(c);
		EXPECT_LE(r.y + r.height, t.height) << describe(c);
	}
}

TEST_P(EveryTemplate, NoTwoControlsOverlap)
{
	const auto &cs = t.controls;
	for (std::size_t i = 0; i < cs.size(); ++i) {
		for (std::size_t j = i + 1; j < cs.size(); ++j) {
			if (cs[i].kind == ControlKind::Frame || cs[j].kind == ControlKind::Frame)
				continue; // a frame only marks a place
			EXPECT_FALSE(overlap(visibleRect(cs[i]), visibleRect(cs[j])))
				<< describe(cs[i]) << " overlaps " << describe(cs[j]);
		}
	}
}

TEST_P(EveryTemplate, TextsFitTheirControls)
{
	for (const ControlTemplate &c : t.controls) {
		const double width = textWidth(c.text, (c.style & ui::kNoPrefix) == 0);
		const bool wraps = (c.style & ui::kWordWrap) != 0;
		switch (c.kind) {
		case ControlKind::Static:
			// A label wraps exactly when it has room for several lines,
			// and some room is lost where they break.
			EXPECT_EQ(wraps, c.rect.height >= 2 * kLineHeight) << describe(c);
			EXPECT_GE(c.rect.height, kLineHeight) << describe(c);
			EXPECT_LE(width, (wraps ? 0.85 * (c.rect.height / kLineHeight) : 1.0) * c.rect.width) << describe(c);
			break;
		case ControlKind::RadioButton:
		case ControlKind::CheckBox:
			EXPECT_LE(width + 12, c.rect.width) << describe(c) << ": button and text";
			break;
		case ControlKind::PushButton:
			EXPECT_LE(width + 4, c.rect.width) << describe(c);
			break;
		default:
			break;
		}
	}
}

// The nearest control a label can name: on its row to its right, or else
// just below it.
const ControlTemplate *controlBeside(const ui::DialogTemplate &t, const Rect &l)
{
	const ControlTemplate *right = nullptr;
	const ControlTemplate *below = nullptr;
	for (const ControlTemplate &c : t.controls) {
		if (c.kind == ControlKind::Static || c.kind == ControlKind::Frame)
			continue;
		const Rect r = visibleRect(c);
		if (r.y < l.y + l.height && l.y < r.y + r.height && r.x >= l.x + l.width &&
		    (!right || r.x < right->rect.x))
			right = &c;
		if (r.x < l.x + l.width && l.x < r.x + r.width && r.y >= l.y + l.height &&
		    (!below || r.y < below->rect.y))
			below = &c;
	}
	return right ? right : below;
}

TEST_P(EveryTemplate, LabelsNameTheControlBesideThem)
{
	for (const ControlTemplate &c : t.controls) {
		if (c.buddy == ui::kNoId)
			continue;
		EXPECT_EQ(c.kind, ControlKind::Static) << describe(c) << ": only labels name controls";
		const ControlTemplate *named = t.find(c.buddy);
		ASSERT_NE(named, nullptr) << describe(c) << " names a missing control " << c.buddy;
		const ControlTemplate *beside = controlBeside(t, c.rect);
		ASSERT_NE(beside, nullptr) << describe(c);
		EXPECT_EQ(beside, named) << describe(c) << " stands beside " << describe(*beside);
	}
}

TEST_P(EveryTemplate, EachRadioGroupStartsOnceAndTakesOneTabStop)
{
	std::set<int> groups;
	for (const ControlTemplate &c : t.controls) {
		if (c.kind == ControlKind::RadioButton) {
			EXPECT_NE(c.group, 0) << describe(c);
			groups.insert(c.group);
		}
	}
	for (int group : groups) {
		auto first = std::find_if(t.controls.begin(), t.controls.end(), [group](const ControlTemplate &c) {
			return c.kind == ControlKind::RadioButton && c.group == group;
		});
		for (auto c = first; c != t.controls.end(); ++c) {
			if (c->kind == ControlKind::RadioButton && c->group == group) {
				const unsigned expected = c == first ? ui::kGroupStart | ui::kTabStop : 0u;
				EXPECT_EQ(c->style & (ui::kGroupStart | ui::kTabStop), expected) << describe(*c);
			}
		}
	}
}

INSTANTIATE_TEST_SUITE_P(Resources, EveryTemplate, ::testing::ValuesIn(allTemplates()), templateName);

TEST(AllTemplates, ResourceNumbersAreDistinct)
{
	std::set<int> seen;
	for (const NamedTemplate &n : allTemplates())
		EXPECT_TRUE(seen.insert(n.get().id).second) << n.name << " reuses " << n.get().id;
}

} // namespace
} // namespace mirel::resources::testing
