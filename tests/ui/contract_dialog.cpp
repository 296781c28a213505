#include "contract_dialog.h"

#include <string>
#include <utility>
#include <vector>

namespace mirel::ui::testing {

DialogTemplate contractDialog()
{
	DialogTemplate d;
	d.id = 900;
	d.caption = "Contract";
	d.width = 200;
	d.height = 120;
	auto add = [&](int id, ControlKind kind, std::string text, Rect rect, unsigned style = kNoStyle,
		       int group = 0, std::vector<std::string> items = {}) {
		ControlTemplate c;
		c.id = id;
		c.kind = kind;
		c.text = std::move(text);
		c.rect = rect;
		c.style = style;
		c.group = group;
		c.items = std::move(items);
		d.controls.push_back(std::move(c));
	};
	add(kNoId, ControlKind::Static, "Label :", { 5, 7, 40, 8 });
	add(kEdit, ControlKind::Edit, "", { 50, 5, 40, 14 }, kBorder | kAutoHScroll | kTabStop);
	add(kOtherEdit, ControlKind::Edit, "", { 95, 5, 40, 14 }, kBorder | kAutoHScroll | kTabStop);
	add(kResult, ControlKind::Edit, "", { 140, 5, 50, 14 }, kBorder | kReadOnly);
	add(kCombo, ControlKind::ComboBox, "", { 5, 25, 60, 60 }, kTabStop | kVScroll, 0, { "1", "1.4", "2" });
	add(kList, ControlKind::DropDownList, "", { 70, 25, 60, 60 }, kTabStop | kVScroll, 0,
	    { "35mm", "6 \xD7 6" });
	add(kRadioA, ControlKind::RadioButton, "m", { 5, 45, 20, 10 }, kGroupStart | kTabStop, 1);
	add(kRadioB, ControlKind::RadioButton, "cm", { 30, 45, 20, 10 }, kNoStyle, 1);
	add(kRadioC, ControlKind::RadioButton, "mm", { 55, 45, 20, 10 }, kNoStyle, 1);
	add(kLoneRadio, ControlKind::RadioButton, "ft", { 80, 45, 20, 10 }, kGroupStart, 2);
	add(kCheck, ControlKind::CheckBox, "Check", { 5, 60, 60, 10 }, kTabStop);
	add(kButton, ControlKind::PushButton, "Push", { 5, 75, 40, 14 }, kTabStop);
	return d;
}

} // namespace mirel::ui::testing
