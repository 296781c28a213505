#include "resources/control_builders.h"

#include <array>
#include <stdexcept>
#include <utility>

#include "core/aperture_series.h"
#include "resources/control_ids.h"

namespace mirel::resources::build {

using ui::ControlKind;
using ui::ControlTemplate;
using ui::Rect;

namespace {

ControlTemplate control(int id, ControlKind kind, std::string text, Rect rect, unsigned style)
{
	ControlTemplate c;
	c.id = id;
	c.kind = kind;
	c.text = std::move(text);
	c.rect = rect;
	c.style = style;
	return c;
}

// The marked f-numbers of the whole stops from f/1 to f/64.
std::vector<std::string> wholeStopApertures()
{
	std::vector<std::string> markings;
	for (int third = 0; third <= kLastThird; third += kThirdsPerStop)
		markings.emplace_back(apertureMarking(third));
	return markings;
}

struct UnitRadio {
	int id;
	const char *text;
	int width; // room for the button and its text
};

constexpr std::array<UnitRadio, 5> kUnitRadios = { {
	{ ids::page::UnitMetres, "m", 21 },
	{ ids::page::UnitCentimetres, "cm", 25 },
	{ ids::page::UnitMillimetres, "mm", 27 },
	{ ids::page::UnitFeet, "ft", 20 },
	{ ids::page::UnitInches, "in", 21 },
} };

constexpr int kLabelHeight = 8;
constexpr int kRadioHeight = 10;
constexpr int kEditHeight = 14;
// 16 digits and " mm" at the dialog font; the rendering widens the dialog
// units where a font needs more.
constexpr int kResultWidth = 78;

} // namespace

ui::DialogTemplate dialog(int id, std::string caption, int width, int height, std::vector<ControlTemplate> controls,
			  int fontPoints)
{
	ui::DialogTemplate d;
	d.id = id;
	d.caption = std::move(caption);
	d.width = width;
	d.height = height;
	d.fontPoints = fontPoints;
	d.controls = std::move(controls);
	return d;
}

ControlTemplate label(std::string text, Rect rect, int buddy, unsigned style)
{
	ControlTemplate c = control(ui::kNoId, ControlKind::Static, std::move(text), rect, style);
	c.buddy = buddy;
	return c;
}

ControlTemplate rightLabel(std::string text, Rect rect, int buddy)
{
	return label(std::move(text), rect, buddy, ui::kRightAligned);
}

ControlTemplate heading(std::string text, Rect rect)
{
	return label(std::move(text), rect, ui::kNoId,
		     ui::kHeading | (rect.height > kLabelHeight ? ui::kWordWrap : ui::kNoStyle));
}

ControlTemplate inputEdit(int id, Rect rect)
{
	return control(id, ControlKind::Edit, "", rect, ui::kBorder | ui::kTabStop);
}

ControlTemplate resultEdit(int id, int x, int y)
{
	return control(id, ControlKind::Edit, "", { x, y, kResultWidth, kEditHeight },
		       ui::kBorder | ui::kReadOnly | ui::kTabStop);
}

ControlTemplate apertureCombo(int id, Rect rect)
{
	ControlTemplate c = control(id, ControlKind::ComboBox, "", rect, ui::kTabStop);
	c.items = wholeStopApertures();
	return c;
}

ControlTemplate filmList(Rect rect)
{
	return control(ids::page::FilmFormat, ControlKind::DropDownList, "", rect, ui::kTabStop);
}

ControlTemplate pickList(int id, Rect rect, std::vector<std::string> items)
{
	ControlTemplate c = control(id, ControlKind::DropDownList, "", rect, ui::kTabStop);
	c.items = std::move(items);
	return c;
}

ControlTemplate radio(int id, std::string text, Rect rect, int group, std::string groupName, unsigned style)
{
	const bool first = !groupName.empty();
	ControlTemplate c = control(id, ControlKind::RadioButton, std::move(text), rect,
				    (first ? ui::kTabStop : ui::kNoStyle) | style);
	c.group = group;
	c.groupName = std::move(groupName);
	return c;
}

ControlTemplate unitRadio(int id, int x, int y, std::string groupName)
{
	for (const UnitRadio &unit : kUnitRadios) {
		if (unit.id == id)
			return radio(id, unit.text, { x, y, unit.width, kRadioHeight }, kUnitGroup,
				     std::move(groupName));
	}
	throw std::invalid_argument("not a length-unit radio");
}

ControlTemplate checkBox(int id, std::string text, Rect rect)
{
	return control(id, ControlKind::CheckBox, std::move(text), rect, ui::kTabStop);
}

ControlTemplate pushButton(int id, std::string text, Rect rect, unsigned style)
{
	return control(id, ControlKind::PushButton, std::move(text), rect, ui::kTabStop | style);
}

} // namespace mirel::resources::build
