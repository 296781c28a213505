#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/units.h"
#include "resources/control_ids.h"
#include "resources/templates.h"

// What the page models rely on: the ids they bind, of the right kind and
// style, each field labelled, and the lists they expect.

namespace mirel::resources::testing {
namespace {

using ui::ControlKind;
using ui::ControlTemplate;
using ui::DialogTemplate;
namespace page = ids::page;

struct Field {
	int id;
	ControlKind kind;
};

struct PageNeeds {
	const char *name;
	const DialogTemplate &(*get)();
	std::vector<Field> inputs;
	std::vector<int> results;
	bool unitRadios;
};

void PrintTo(const PageNeeds &needs, std::ostream *os)
{
	*os << needs.name;
}

constexpr Field kFocal{ page::FocalLength, ControlKind::Edit };
constexpr Field kDistance{ page::Distance, ControlKind::Edit };
constexpr Field kCoC{ page::CircleOfConfusion, ControlKind::Edit };
constexpr Field kAperture{ page::Aperture, ControlKind::ComboBox };
constexpr Field kFilm{ page::FilmFormat, ControlKind::DropDownList };

const PageNeeds kPages[] = {
	{ "FNumbers", fNumbersTemplate,
	  { { ids::fnumbers::F1, ControlKind::ComboBox }, { ids::fnumbers::F2, ControlKind::ComboBox },
	    { ids::fnumbers::Stops, ControlKind::Edit } },
	  {}, false },
	{ "DepthOfField", depthOfFieldTemplate, { kFocal, kDistance, kAperture, kCoC, kFilm },
	  { ids::depthoffield::Near, ids::depthoffield::Far, ids::depthoffield::Total }, true },
	{ "Hyperfocal", hyperfocalTemplate, { kFocal, kAperture, kCoC, kFilm }, { ids::hyperfocal::Result }, true },
	{ "FieldOfView", fieldOfViewTemplate, { kDistance, kFocal, kFilm },
	  { ids::fieldofview::Vertical, ids::fieldofview::Horizontal }, true },
	{ "AngleOfView", angleOfViewTemplate, { kFilm, kFocal },
	  { ids::angleofview::Diagonal, ids::angleofview::Vertical, ids::angleofview::Horizontal }, false },
	{ "Magnification", magnificationTemplate, { kFocal, kDistance }, { ids::magnification::Result }, true },
	{ "SpotMeter", spotMeterTemplate, { kFilm, kFocal, { ids::spotmeter::Percent, ControlKind::Edit } },
	  { ids::spotmeter::Result }, false },
};

// The unit each radio sets, as the page models map them.
constexpr std::pair<int, LengthUnit> kUnitRadios[] = {
	{ page::UnitMillimetres, LengthUnit::Millimetres }, { page::UnitCentimetres, LengthUnit::Centimetres },
	{ page::UnitMetres, LengthUnit::Metres },           { page::UnitInches, LengthUnit::Inches },
	{ page::UnitFeet, LengthUnit::Feet },
};

bool labelled(const DialogTemplate &t, int id)
{
	return std::any_of(t.controls.begin(), t.controls.end(),
			   [id](const ControlTemplate &c) { return c.kind == ControlKind::Static && c.buddy == id; });
}

class EveryPage : public ::testing::TestWithParam<PageNeeds>
{
protected:
	const DialogTemplate &t = GetParam().get();
};

TEST_P(EveryPage, InputsAreLabelledTypableFields)
{
	for (const Field &field : GetParam().inputs) {
		const ControlTemplate *c = t.find(field.id);
		ASSERT_NE(c, nullptr) << field.id;
		EXPECT_EQ(c->kind, field.kind) << field.id;
		const unsigned style = field.kind == ControlKind::Edit ? ui::kBorder | ui::kAutoHScroll | ui::kTabStop
								       : ui::kTabStop | ui::kVScroll;
		EXPECT_EQ(c->style & (style | ui::kReadOnly), style) << field.id;
		EXPECT_TRUE(labelled(t, field.id)) << field.id;
		EXPECT_TRUE(field.kind != ControlKind::DropDownList || c->items.empty()) << "film formats come later";
	}
}

TEST_P(EveryPage, ResultsAreLabelledReadOnlyFieldsOutsideTheTabOrder)
{
	for (int id : GetParam().results) {
		const ControlTemplate *c = t.find(id);
		ASSERT_NE(c, nullptr) << id;
		EXPECT_EQ(c->kind, ControlKind::Edit) << id;
		EXPECT_EQ(c->style & (ui::kReadOnly | ui::kBorder | ui::kTabStop), ui::kReadOnly | ui::kBorder) << id;
		EXPECT_TRUE(labelled(t, id)) << id;
	}
	// Any other field would be bound by no model.
	for (const ControlTemplate &c : t.controls) {
		if (c.kind == ControlKind::RadioButton || c.kind == ControlKind::Static)
			continue;
		const auto &[name, get, inputs, results, units] = GetParam();
		EXPECT_TRUE(std::any_of(inputs.begin(), inputs.end(), [&](const Field &f) { return f.id == c.id; }) ||
			    std::find(results.begin(), results.end(), c.id) != results.end())
			<< "unexpected control " << c.id;
	}
}

TEST_P(EveryPage, UnitRadiosFormOneRowNamedByTheirUnit)
{
	const ControlTemplate *first = t.find(kUnitRadios[0].first);
	ASSERT_EQ(first != nullptr, GetParam().unitRadios);
	if (!first)
		return;
	for (const auto &[id, unit] : kUnitRadios) {
		const ControlTemplate *c = t.find(id);
		ASSERT_NE(c, nullptr) << id;
		EXPECT_EQ(c->kind, ControlKind::RadioButton) << id;
		EXPECT_EQ(c->text, unitAbbreviation(unit)) << id;
		EXPECT_EQ(c->group, first->group) << id;
		EXPECT_EQ(c->rect.y, first->rect.y) << id;
	}
	EXPECT_EQ(std::count_if(t.controls.begin(), t.controls.end(),
				[&](const ControlTemplate &c) { return c.group == first->group; }),
		  std::ssize(kUnitRadios));
}

INSTANTIATE_TEST_SUITE_P(Resources, EveryPage, ::testing::ValuesIn(kPages),
			 [](const auto &info) { return std::string(info.param.name); });

TEST(Pages, ApertureBoxesListTheWholeStops)
{
	// Item i is f/1 stopped down by i stops, the square root of two to the
	// power i, in the short form engraved on lenses.
	for (const ControlTemplate *box : { fNumbersTemplate().find(ids::fnumbers::F1),
					    fNumbersTemplate().find(ids::fnumbers::F2),
					    depthOfFieldTemplate().find(page::Aperture),
					    hyperfocalTemplate().find(page::Aperture) }) {
		ASSERT_NE(box, nullptr);
		ASSERT_EQ(box->items.size(), 13u) << "f/1 to f/64";
		for (std::size_t i = 0; i < box->items.size(); ++i) {
			const std::string &item = box->items[i];
			std::size_t used = 0;
			const double stop = std::stod(item, &used) / std::pow(std::sqrt(2.0), static_cast<double>(i));
			EXPECT_EQ(used, item.size()) << item;
			EXPECT_LE(item.size(), 3u) << item;
			EXPECT_NEAR(stop, 1.0, 0.06) << "item " << i << " \"" << item << "\"";
		}
	}
}

TEST(Pages, UnitRadiosReadInTheSameOrderOnEveryPage)
{
	auto leftToRight = [](const DialogTemplate &t) {
		std::vector<const ControlTemplate *> radios;
		for (const ControlTemplate &c : t.controls) {
			if (c.kind == ControlKind::RadioButton)
				radios.push_back(&c);
		}
		std::sort(radios.begin(), radios.end(), [](auto a, auto b) { return a->rect.x < b->rect.x; });
		std::vector<std::string> texts;
		for (const ControlTemplate *c : radios)
			texts.push_back(c->text);
		return texts;
	};
	const auto order = leftToRight(depthOfFieldTemplate());
	for (const DialogTemplate *t : { &hyperfocalTemplate(), &fieldOfViewTemplate(), &magnificationTemplate() })
		EXPECT_EQ(leftToRight(*t), order) << t->caption;
}

TEST(Pages, FNumbersModeRadiosAreAGroupOfTheirOwn)
{
	const ControlTemplate *f2 = fNumbersTemplate().find(ids::fnumbers::ModeF2);
	const ControlTemplate *stops = fNumbersTemplate().find(ids::fnumbers::ModeStops);
	ASSERT_TRUE(f2 && stops);
	EXPECT_EQ(f2->kind, ControlKind::RadioButton);
	EXPECT_EQ(stops->kind, ControlKind::RadioButton);
	EXPECT_EQ(f2->group, stops->group);
	EXPECT_NE(f2->group, depthOfFieldTemplate().find(page::UnitMetres)->group);
}

} // namespace
} // namespace mirel::resources::testing
